// The ActiveX host with test objects registered for this process: creation
// from class ids, program ids and a named DLL, delayed creation, windowless
// painting and message forwarding, windowed objects in their own child
// window, and the answers of the site, its frame and its enumerator.
#include <gtest/gtest.h>

#include <ocidl.h>
#include <wrl/client.h>

#include <string>
#include <vector>

#include "skinui/control/ActiveX.h"
#include "skinui/control/Container.h"
#include "skinui/control/WebBrowser.h"
#include "skinui/core/BuiltInControls.h"
#include "skinui/core/PaintManager.h"
#include "skinui/core/SkinBuilder.h"
#include "tests/support/CaseNames.h"
#include "tests/support/ContainerHelpers.h"
#include "tests/support/ControlHarness.h"
#include "tests/support/TestOleObjects.h"

namespace {

using namespace SkinUI;
using Microsoft::WRL::ComPtr;
using testsupport::ControlHarness;
using testsupport::kClsidCustomObject;
using testsupport::kClsidFailingObject;
using testsupport::kClsidModuleObject;
using testsupport::kClsidWindowedObject;
using testsupport::kClsidWindowlessObject;
using testsupport::TestObjectOptions;
using testsupport::TestOleObject;

constexpr const char* kWindowlessProgId = "SkinUITest.Windowless";
constexpr RECT kItem = {20, 30, 120, 90};
constexpr const char* kPos = "float=\"true\" pos=\"20,30,120,90\" ";

std::string ClsidText(const CLSID& clsid) {
    wchar_t wide[64] = {};
    StringFromGUID2(clsid, wide, 64);
    char text[64] = {};
    WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof(text), nullptr, nullptr);
    return text;
}

bool SameRect(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != FALSE; }

// A window with the three test classes served for the test.
class ActiveXFixture : public testing::Test {
protected:
    ActiveXFixture()
        : m_windowless(kClsidWindowlessObject, TestObjectOptions{}),
          m_windowed(kClsidWindowedObject, TestObjectOptions{false, 0, false}),
          m_failing(kClsidFailingObject, TestObjectOptions{}, true) {}

    CActiveXUI* Add(const CLSID& clsid, const std::string& more = "") {
        return h.Add<CActiveXUI>((kPos + ("clsid=\"" + ClsidText(clsid) + "\" ") + more).c_str());
    }
    // Lays the tree out, which creates delayed objects.
    void Layout() {
        h.window.Paint();
        h.window.Pump();
    }
    ComPtr<IOleInPlaceSiteWindowless> SiteOf(TestOleObject* object) {
        ComPtr<IOleInPlaceSiteWindowless> site;
        if (object && object->site) object->site.As(&site);
        return site;
    }

    testsupport::OleScope m_ole;
    testsupport::ScopedClassRegistration m_windowless;
    testsupport::ScopedClassRegistration m_windowed;
    testsupport::ScopedClassRegistration m_failing;
    ControlHarness h{300, 200};
};

TEST(ActiveXElementTest, SkinElementsMakeTheHostControls) {
    struct Case {
        const char* element;
        const char* type;
        std::vector<const char*> interfaces;
    };
    const Case cases[] = {
        {"ActiveX", "ActiveXUI", {"ActiveX", "Control"}},
        {"WebBrowser", "WebBrowserUI", {"WebBrowser", "ActiveX", "Control"}},
    };
    for (const Case& c : cases) {
        CControlUI* control = detail::CreateBuiltInControl(c.element);
        ASSERT_NE(control, nullptr) << c.element;
        EXPECT_STREQ(control->GetTypeName(), c.type);
        for (const char* name : c.interfaces) EXPECT_EQ(control->AsInterface(name), control) << name;
        EXPECT_EQ(control->AsInterface("Button"), nullptr);
        delete control;
    }
}

TEST_F(ActiveXFixture, ClsidTextChoosesTheObject) {
    // Only this test names the program id, so parallel runs never race on the key.
    testsupport::ScopedClassRegistration named(kClsidCustomObject, TestObjectOptions{}, false, kWindowlessProgId);
    ASSERT_TRUE(named.ok());
    struct Case {
        std::string clsid;
        bool created;
    };
    const Case cases[] = {
        {ClsidText(kClsidWindowlessObject), true},
        {kWindowlessProgId, true},
        {"SkinUITest.NoSuchProgram", false},
        {"{not a class id}", false},
        {ClsidText(kClsidFailingObject), false},
    };
    for (const Case& c : cases) {
        auto* ax = h.Add<CActiveXUI>((kPos + ("clsid=\"" + c.clsid + "\"")).c_str());
        Layout();
        ComPtr<IOleObject> object;
        const HRESULT hr = ax->GetControl(IID_IOleObject, reinterpret_cast<void**>(object.GetAddressOf()));
        EXPECT_EQ(SUCCEEDED(hr), c.created) << c.clsid;
        if (!c.created) {
            EXPECT_EQ(hr, E_PENDING) << c.clsid;
        }
        EXPECT_EQ(ax->GetControl(IID_IOleObject, nullptr), E_POINTER);
        h.root->Remove(ax);
    }
}

TEST_F(ActiveXFixture, CreationWaitsForLayoutUnlessDelayIsOff) {
    auto* delayed = Add(kClsidWindowlessObject);
    EXPECT_FALSE(delayed->IsCreated());
    ComPtr<IUnknown> unknown;
    EXPECT_EQ(delayed->GetControl(IID_IUnknown, reinterpret_cast<void**>(unknown.GetAddressOf())), E_PENDING);

    auto* immediate = Add(kClsidWindowlessObject, "delaycreate=\"false\"");
    EXPECT_TRUE(immediate->IsCreated());
    EXPECT_EQ(immediate->GetControl(IID_IUnknown, reinterpret_cast<void**>(unknown.GetAddressOf())), S_OK);

    Layout();
    EXPECT_TRUE(delayed->IsCreated());
    EXPECT_EQ(delayed->GetControl(IID_IUnknown, reinterpret_cast<void**>(unknown.ReleaseAndGetAddressOf())), S_OK);

    // The null class id is refused and changes nothing.
    EXPECT_FALSE(delayed->SetClsid(GUID_NULL));
    EXPECT_TRUE(delayed->IsCreated());
}

TEST_F(ActiveXFixture, SkinWithoutDelayCreatesWhileBuilding) {
    const std::string skin = "<Window><VerticalLayout><ActiveX name=\"now\" clsid=\"" +
                             ClsidText(kClsidWindowlessObject) +
                             "\" delaycreate=\"false\"/><ActiveX name=\"later\" clsid=\"" +
                             ClsidText(kClsidWindowlessObject) + "\"/></VerticalLayout></Window>";
    testsupport::TestWindow window;
    CSkinBuilder builder;
    CControlUI* root = builder.Build(skin.c_str(), nullptr, nullptr, &window.Manager());
    ASSERT_NE(root, nullptr);
    auto* container = static_cast<IContainerUI*>(root->AsInterface("IContainer"));
    ASSERT_EQ(container->GetCount(), 2);
    auto* now = static_cast<CActiveXUI*>(container->GetItemAt(0));
    auto* later = static_cast<CActiveXUI*>(container->GetItemAt(1));
    EXPECT_TRUE(now->IsCreated());
    EXPECT_EQ(now->GetHostWindow(), window.Handle());
    EXPECT_FALSE(later->IsCreated());
    window.Manager().AttachRoot(root);
    window.Paint();
    EXPECT_TRUE(later->IsCreated());
}

TEST_F(ActiveXFixture, NamedModuleServesItsOwnClass) {
    auto* withoutModule = Add(kClsidModuleObject);
    auto* withModule = Add(kClsidModuleObject, "modulename=\"SkinUITestOle.dll\"");
    auto* missingModule = Add(kClsidWindowlessObject, "modulename=\"NoSuchModule.dll\"");
    Layout();
    EXPECT_FALSE(withoutModule->DoCreateControl());
    ComPtr<IOleObject> object;
    EXPECT_EQ(withModule->GetControl(IID_IOleObject, reinterpret_cast<void**>(object.GetAddressOf())), S_OK);
    EXPECT_EQ(withModule->GetModuleName(), "SkinUITestOle.dll");
    // The module's object paints like ours: the host drew it.
    h.window.Paint();
    EXPECT_EQ(h.window.Pixel(70, 60) & 0xFFFFFF, testsupport::kObjectColour);
    // A module that cannot be loaded falls back to the registered class.
    EXPECT_TRUE(missingModule->IsCreated());
    EXPECT_EQ(missingModule->GetControl(IID_IOleObject, reinterpret_cast<void**>(object.ReleaseAndGetAddressOf())),
              S_OK);
}

struct SequenceCase {
    DWORD miscStatus;
    bool siteBeforeInit;
    bool activated;
};

class ActiveXSequenceTest : public ActiveXFixture, public testing::WithParamInterface<SequenceCase> {};

TEST_P(ActiveXSequenceTest, CreationFollowsTheObjectsMiscStatus) {
    const SequenceCase& c = GetParam();
    testsupport::ScopedClassRegistration special(kClsidCustomObject, TestObjectOptions{true, c.miscStatus, false});
    auto* ax = Add(kClsidCustomObject);
    Layout();
    TestOleObject* object = TestOleObject::last;
    ASSERT_NE(object, nullptr);
    const int site = object->IndexOf("SetClientSite");
    const int init = object->IndexOf("InitNew");
    ASSERT_GE(site, 0);
    ASSERT_GE(init, 0);
    EXPECT_EQ(site < init, c.siteBeforeInit);
    EXPECT_TRUE(object->Called("SetHostNames UIActiveX"));
    EXPECT_EQ(object->Called("DoVerb -5 site"), c.activated);
    if (c.activated) {
        EXPECT_EQ(object->verbParent, h.window.Handle());
        EXPECT_TRUE(SameRect(object->verbRect, kItem));
    }
    EXPECT_GT(object->IndexOf("SetSite"), init);
    EXPECT_EQ(h.log.Joined(), "showactivex");
    EXPECT_EQ(h.log.senders.at(0), ax);
}

INSTANTIATE_TEST_SUITE_P(MiscStatus, ActiveXSequenceTest,
                         testing::Values(SequenceCase{0, false, true},
                                         SequenceCase{OLEMISC_SETCLIENTSITEFIRST, true, true},
                                         SequenceCase{OLEMISC_INVISIBLEATRUNTIME, false, false}),
                         testsupport::CaseIndex());

TEST_F(ActiveXFixture, FailedInitialisationLeavesTheElementEmpty) {
    testsupport::ScopedClassRegistration special(kClsidCustomObject, TestObjectOptions{true, 0, true});
    auto* ax = Add(kClsidCustomObject);
    Layout();
    EXPECT_FALSE(ax->DoCreateControl());
    EXPECT_EQ(ax->GetHostWindow(), nullptr);
    h.window.Paint();
    EXPECT_EQ(h.window.Pixel(70, 60) & 0xFFFFFF, 0xFFFFFFu);
}

TEST_F(ActiveXFixture, WindowlessObjectIsSizedAndPaintedInTheTree) {
    auto* ax = Add(kClsidWindowlessObject);
    Layout();
    TestOleObject* object = TestOleObject::last;
    ASSERT_NE(object, nullptr);
    EXPECT_TRUE(object->active);
    EXPECT_EQ(ax->GetHostWindow(), h.window.Handle());
    EXPECT_TRUE(SameRect(object->objectRect, kItem));

    // HIMETRIC by the screen's resolution.
    HDC screen = GetDC(nullptr);
    const LONG cx = MulDiv(100, 2540, GetDeviceCaps(screen, LOGPIXELSX));
    const LONG cy = MulDiv(60, 2540, GetDeviceCaps(screen, LOGPIXELSY));
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(object->extent.cx, cx);
    EXPECT_EQ(object->extent.cy, cy);

    h.window.Paint();
    EXPECT_EQ(h.window.Pixel(21, 31) & 0xFFFFFF, testsupport::kObjectColour);
    EXPECT_EQ(h.window.Pixel(119, 89) & 0xFFFFFF, testsupport::kObjectColour);
    EXPECT_EQ(h.window.Pixel(19, 31) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(h.window.Pixel(70, 91) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_TRUE(object->Called("Draw 20,30,120,90"));

    // Moving the element moves the object.
    ax->SetPos(RECT{40, 50, 100, 70});
    EXPECT_TRUE(SameRect(object->objectRect, RECT{40, 50, 100, 70}));
}

struct MessageCase {
    UINT msg;
    int x;  // client point
    bool capture;
    bool focus;
    bool mouseEnabled;
    bool passed;
    bool handled;
};

class ActiveXMessageTest : public ActiveXFixture, public testing::WithParamInterface<MessageCase> {};

TEST_P(ActiveXMessageTest, MessagesReachTheObjectWhereTheyHitIt) {
    const MessageCase& c = GetParam();
    auto* ax = Add(kClsidWindowlessObject);
    Layout();
    TestOleObject* object = TestOleObject::last;
    ASSERT_NE(object, nullptr);
    ComPtr<IOleInPlaceSiteWindowless> site = SiteOf(object);
    ASSERT_TRUE(site);
    ax->SetMouseEnabled(c.mouseEnabled);
    if (c.capture) site->SetCapture(TRUE);
    if (c.focus) ax->SetFocus();

    bool handled = false;
    const LRESULT result = ax->MessageHandler(c.msg, 0, testsupport::PointParam(c.x, 60), handled);
    EXPECT_EQ(object->messages.size(), c.passed ? 1u : 0u);
    EXPECT_EQ(result, c.passed ? 42 : 0);
    EXPECT_EQ(handled, c.handled);
    if (c.capture) site->SetCapture(FALSE);
}

// The object's hit area is the left half of 20..120.
INSTANTIATE_TEST_SUITE_P(Forwarding, ActiveXMessageTest,
                         testing::Values(MessageCase{WM_LBUTTONDOWN, 40, false, false, true, true, true},
                                         MessageCase{WM_LBUTTONDOWN, 100, false, false, true, false, false},
                                         MessageCase{WM_LBUTTONDOWN, 100, true, false, true, true, true},
                                         MessageCase{WM_MOUSEMOVE, 40, false, false, false, false, false},
                                         MessageCase{WM_SETCURSOR, 40, false, false, true, true, false},
                                         MessageCase{WM_KEYDOWN, 40, false, false, true, false, false},
                                         MessageCase{WM_KEYDOWN, 40, false, true, true, true, true},
                                         MessageCase{WM_CONTEXTMENU, 100, false, false, true, true, false},
                                         MessageCase{WM_HELP, 100, false, false, true, true, false},
                                         MessageCase{WM_TIMER, 40, false, true, true, false, false}),
                         testsupport::CaseIndex());

TEST_F(ActiveXFixture, WindowMessagesGoThroughThePaintManagersFilter) {
    Add(kClsidWindowlessObject);
    Layout();
    TestOleObject* object = TestOleObject::last;
    ASSERT_NE(object, nullptr);
    h.Send(WM_LBUTTONDOWN, 30, 40, MK_LBUTTON);
    h.Send(WM_LBUTTONUP, 30, 40);
    h.Send(WM_LBUTTONDOWN, 110, 40, MK_LBUTTON);
    EXPECT_EQ(object->messages, (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP}));
}

TEST_F(ActiveXFixture, WindowedObjectLivesInItsOwnChildWindow) {
    auto* ax = Add(kClsidWindowedObject);
    Layout();
    TestOleObject* object = TestOleObject::last;
    ASSERT_NE(object, nullptr);
    ASSERT_TRUE(object->active);
    HWND host = ax->GetHostWindow();
    ASSERT_NE(host, nullptr);
    EXPECT_EQ(GetParent(host), h.window.Handle());
    char text[32] = {};
    GetClassNameA(host, text, sizeof(text));
    EXPECT_STREQ(text, "ActiveXWnd");
    GetWindowTextA(host, text, sizeof(text));
    EXPECT_STREQ(text, "UIActiveX");
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongPtrA(host, GWL_STYLE)) & 0x56000000u, 0x56000000u);
    EXPECT_EQ(GetParent(object->window), host);

    // The host window takes the item rectangle, the object the same size at (0,0).
    RECT rc;
    GetWindowRect(host, &rc);
    MapWindowPoints(nullptr, h.window.Handle(), reinterpret_cast<POINT*>(&rc), 2);
    EXPECT_TRUE(SameRect(rc, kItem)) << testsupport::RectText(rc);
    EXPECT_TRUE(SameRect(object->objectRect, RECT{0, 0, 100, 60})) << testsupport::RectText(object->objectRect);

    ax->SetVisible(false);
    EXPECT_FALSE(IsWindowVisible(host));
    ax->SetVisible(true);
    EXPECT_TRUE(IsWindowVisible(host));

    // A click on the object's window gives the element the toolkit focus.
    SendMessageA(host, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(h.window.Handle()),
                 MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN));
    EXPECT_EQ(h.window.Manager().FocusedControl(), ax);

    EXPECT_EQ(SendMessageA(host, WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 0), 0);
    EXPECT_EQ(SendMessageA(host, WM_PAINT, 0, 0), 1);
    SendMessageA(host, WM_SETFOCUS, 0, 0);
    EXPECT_TRUE(object->Called("DoVerb -4 site"));
    EXPECT_EQ(SiteOf(object)->GetFocus(), S_OK);
    SendMessageA(host, WM_KILLFOCUS, 0, 0);
    EXPECT_EQ(SiteOf(object)->GetFocus(), S_FALSE);

    // Releasing the object takes its windows away.
    ax->ReleaseHostedObject();
    EXPECT_FALSE(IsWindow(host));
    EXPECT_EQ(ax->GetHostWindow(), nullptr);
}

TEST_F(ActiveXFixture, SiteAnswersAsTheHostsSite) {
    auto* ax = Add(kClsidWindowlessObject);
    Layout();
    TestOleObject* object = TestOleObject::last;
    ASSERT_NE(object, nullptr);
    ComPtr<IOleInPlaceSiteWindowless> site = SiteOf(object);
    ASSERT_TRUE(site);

    // Faces.
    const IID faces[] = {IID_IUnknown,        IID_IOleInPlaceSiteWindowless, IID_IOleInPlaceSiteEx,
                         IID_IOleInPlaceSite, IID_IOleWindow,                IID_IOleClientSite,
                         IID_IOleControlSite, IID_IObjectWithSite,           IID_IOleContainer};
    for (const IID& iid : faces) {
        ComPtr<IUnknown> face;
        EXPECT_EQ(site->QueryInterface(iid, reinterpret_cast<void**>(face.GetAddressOf())), S_OK);
    }
    ComPtr<IUnknown> none;
    EXPECT_EQ(site->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(none.GetAddressOf())), E_NOINTERFACE);

    ComPtr<IOleClientSite> client;
    ComPtr<IOleControlSite> control;
    ComPtr<IObjectWithSite> withSite;
    ASSERT_EQ(site.As(&client), S_OK);
    ASSERT_EQ(site.As(&control), S_OK);
    ASSERT_EQ(site.As(&withSite), S_OK);

    // Not implemented, and nothing done.
    IMoniker* moniker = reinterpret_cast<IMoniker*>(1);
    EXPECT_EQ(client->GetMoniker(OLEGETMONIKER_ONLYIFTHERE, OLEWHICHMK_OBJFULL, &moniker), E_NOTIMPL);
    EXPECT_EQ(moniker, nullptr);
    const HRESULT notImplemented[] = {client->SaveObject(),       client->RequestNewObjectLayout(),
                                      site->DiscardUndoState(),   site->DeactivateAndUndo(),
                                      control->ShowPropertyFrame(), site->Scroll(SIZE{1, 1}),
                                      client->OnShowWindow(TRUE), site->OnPosRectChange(&kItem)};
    for (HRESULT hr : notImplemented) EXPECT_EQ(hr, E_NOTIMPL);
    RECT adjust = kItem;
    POINTL himetric = {0, 0};
    POINTF container = {0, 0};
    const HRESULT fine[] = {site->CanInPlaceActivate(), site->ContextSensitiveHelp(FALSE), site->RequestUIActivate(),
                            site->CanWindowlessActivate(), site->ScrollRect(1, 1, &kItem, &kItem),
                            site->AdjustRect(&adjust), control->OnControlInfoChanged(),
                            control->LockInPlaceActive(TRUE), control->TransformCoords(&himetric, &container, 0)};
    for (HRESULT hr : fine) EXPECT_EQ(hr, S_OK);
    EXPECT_EQ(control->TranslateAccelerator(nullptr, 0), S_FALSE);

    HWND window = nullptr;
    EXPECT_EQ(site->GetWindow(&window), S_OK);
    EXPECT_EQ(window, h.window.Handle());
    EXPECT_EQ(site->GetWindow(nullptr), E_POINTER);

    // Capture and focus.
    EXPECT_EQ(site->GetCapture(), S_FALSE);
    EXPECT_EQ(site->SetCapture(TRUE), S_OK);
    EXPECT_EQ(site->GetCapture(), S_OK);
    EXPECT_EQ(::GetCapture(), h.window.Handle());
    EXPECT_EQ(site->SetCapture(FALSE), S_OK);
    EXPECT_EQ(site->GetCapture(), S_FALSE);
    EXPECT_EQ(site->GetFocus(), S_FALSE);
    EXPECT_EQ(site->SetFocus(TRUE), S_OK);
    EXPECT_EQ(site->GetFocus(), S_OK);
    EXPECT_EQ(h.window.Manager().FocusedControl(), ax);
    EXPECT_EQ(control->OnFocus(FALSE), S_OK);
    EXPECT_EQ(site->GetFocus(), S_FALSE);

    // Drawing surfaces of the host window.
    HDC dc = nullptr;
    EXPECT_EQ(site->GetDC(nullptr, 0, nullptr), E_POINTER);
    ASSERT_EQ(site->GetDC(nullptr, OLEDC_PAINTBKGND, &dc), S_OK);
    ASSERT_NE(dc, nullptr);
    EXPECT_EQ(site->ReleaseDC(dc), S_OK);
    EXPECT_EQ(site->InvalidateRect(&kItem, FALSE), S_OK);
    EXPECT_EQ(site->InvalidateRgn(nullptr, FALSE), S_OK);
    LRESULT result = -1;
    EXPECT_EQ(site->OnDefWindowMessage(WM_NULL, 0, 0, &result), S_OK);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(client->ShowObject(), S_OK);

    // The object's dispatch, which the test object does not have.
    ComPtr<IDispatch> extended;
    EXPECT_EQ(control->GetExtendedControl(extended.GetAddressOf()), E_NOINTERFACE);

    // Site of the site.
    ComPtr<IUnknown> got;
    EXPECT_EQ(withSite->GetSite(IID_IUnknown, reinterpret_cast<void**>(got.GetAddressOf())), E_FAIL);
    ComPtr<IUnknown> outer;
    object->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(outer.GetAddressOf()));
    EXPECT_EQ(withSite->SetSite(outer.Get()), S_OK);
    EXPECT_EQ(withSite->GetSite(IID_IOleObject, reinterpret_cast<void**>(got.GetAddressOf())), S_OK);
    // The site of the site has no container: the site's own answers.
    ComPtr<IOleContainer> ownContainer;
    EXPECT_EQ(client->GetContainer(ownContainer.GetAddressOf()), S_OK);
    EXPECT_EQ(withSite->SetSite(nullptr), S_OK);
    EXPECT_EQ(client->GetContainer(nullptr), E_POINTER);
    EXPECT_EQ(ownContainer->LockContainer(TRUE), S_OK);
}

TEST_F(ActiveXFixture, ContainerEnumeratesTheOneObject) {
    auto* ax = Add(kClsidWindowlessObject);
    Layout();
    ComPtr<IOleInPlaceSiteWindowless> site = SiteOf(TestOleObject::last);
    ASSERT_TRUE(site);
    ComPtr<IOleClientSite> client;
    site.As(&client);
    ComPtr<IOleContainer> container;
    ASSERT_EQ(client->GetContainer(container.GetAddressOf()), S_OK);
    ComPtr<IEnumUnknown> items;
    ASSERT_EQ(container->EnumObjects(OLECONTF_EMBEDDINGS, items.GetAddressOf()), S_OK);

    ComPtr<IUnknown> expected;
    ax->GetControl(IID_IUnknown, reinterpret_cast<void**>(expected.GetAddressOf()));
    ComPtr<IUnknown> item;
    ULONG fetched = 0;
    ASSERT_EQ(items->Next(1, item.GetAddressOf(), &fetched), S_OK);
    EXPECT_EQ(fetched, 1u);
    ComPtr<IUnknown> identity;
    item.As(&identity);
    EXPECT_EQ(identity.Get(), expected.Get());
    EXPECT_EQ(items->Next(1, item.ReleaseAndGetAddressOf(), &fetched), S_FALSE);
    EXPECT_EQ(fetched, 0u);
    EXPECT_EQ(items->Reset(), S_OK);
    EXPECT_EQ(items->Next(1, item.ReleaseAndGetAddressOf(), &fetched), S_OK);
    EXPECT_EQ(items->Reset(), S_OK);
    EXPECT_EQ(items->Skip(1), S_OK);
    EXPECT_EQ(items->Next(1, item.ReleaseAndGetAddressOf(), &fetched), S_FALSE);
    ComPtr<IEnumUnknown> clone;
    EXPECT_EQ(items->Clone(clone.GetAddressOf()), E_NOTIMPL);
}

TEST_F(ActiveXFixture, WindowContextGivesTheFrame) {
    Add(kClsidWindowlessObject);
    Layout();
    TestOleObject* object = TestOleObject::last;
    ComPtr<IOleInPlaceSiteWindowless> site = SiteOf(object);
    ASSERT_TRUE(site);

    ComPtr<IOleInPlaceFrame> frame;
    ComPtr<IOleInPlaceUIWindow> doc;
    RECT pos = {1, 2, 3, 4};
    RECT clip = {5, 6, 7, 8};
    OLEINPLACEFRAMEINFO info = {};
    EXPECT_EQ(site->GetWindowContext(nullptr, doc.GetAddressOf(), &pos, &clip, &info), E_POINTER);
    EXPECT_EQ(site->GetWindowContext(frame.GetAddressOf(), nullptr, &pos, &clip, &info), E_POINTER);
    EXPECT_EQ(site->GetWindowContext(frame.GetAddressOf(), doc.GetAddressOf(), nullptr, &clip, &info), E_POINTER);
    EXPECT_EQ(site->GetWindowContext(frame.GetAddressOf(), doc.GetAddressOf(), &pos, nullptr, &info), E_POINTER);
    EXPECT_EQ(site->GetWindowContext(frame.GetAddressOf(), doc.GetAddressOf(), &pos, &clip, nullptr), E_POINTER);
    ASSERT_EQ(site->GetWindowContext(frame.GetAddressOf(), doc.GetAddressOf(), &pos, &clip, &info), S_OK);
    ASSERT_TRUE(frame);
    EXPECT_FALSE(doc);
    // A windowless object's site has no window of its own: the rectangles stay.
    EXPECT_TRUE(SameRect(pos, RECT{1, 2, 3, 4}));
    EXPECT_EQ(info.cb, sizeof(OLEINPLACEFRAMEINFO));
    EXPECT_FALSE(info.fMDIApp);
    EXPECT_EQ(info.hwndFrame, h.window.Handle());
    EXPECT_NE(info.haccel, nullptr);
    EXPECT_EQ(info.cAccelEntries, 1u);

    HWND window = nullptr;
    EXPECT_EQ(frame->GetWindow(&window), S_OK);
    EXPECT_EQ(window, h.window.Handle());
    BORDERWIDTHS widths = {0, 0, 0, 0};
    EXPECT_EQ(frame->RequestBorderSpace(&widths), INPLACE_E_NOTOOLSPACE);
    EXPECT_EQ(frame->TranslateAccelerator(nullptr, 0), S_FALSE);
    ComPtr<IOleInPlaceActiveObject> active;
    EXPECT_EQ(frame->SetActiveObject(active.Get(), L"x"), S_OK);
    RECT border = {};
    const HRESULT nothing[] = {frame->GetBorder(&border),      frame->SetBorderSpace(&widths),
                               frame->InsertMenus(nullptr, nullptr), frame->SetMenu(nullptr, nullptr, nullptr),
                               frame->RemoveMenus(nullptr),    frame->SetStatusText(L"x"),
                               frame->EnableModeless(TRUE),    frame->ContextSensitiveHelp(TRUE)};
    for (HRESULT hr : nothing) EXPECT_EQ(hr, S_OK);
    ComPtr<IOleInPlaceUIWindow> uiWindow;
    EXPECT_EQ(frame.As(&uiWindow), S_OK);
}

TEST_F(ActiveXFixture, SiteRefusesOnceTheObjectIsReleased) {
    auto* ax = Add(kClsidWindowlessObject);
    Layout();
    TestOleObject* object = TestOleObject::last;
    ASSERT_NE(object, nullptr);
    ComPtr<IUnknown> keepObject;
    object->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(keepObject.GetAddressOf()));
    ComPtr<IOleInPlaceSiteWindowless> site = SiteOf(object);
    ASSERT_TRUE(site);

    ax->ReleaseHostedObject();
    EXPECT_TRUE(object->Called("SetSite null"));
    EXPECT_TRUE(object->Called("Close 1"));
    EXPECT_TRUE(object->Called("SetClientSite null"));
    EXPECT_FALSE(object->active);
    // The filter is gone with the object.
    h.Send(WM_LBUTTONDOWN, 30, 40, MK_LBUTTON);
    EXPECT_TRUE(object->messages.empty());

    ComPtr<IOleClientSite> client;
    ComPtr<IOleControlSite> control;
    ComPtr<IOleContainer> container;
    site.As(&client);
    site.As(&control);
    site.As(&container);
    HWND window = nullptr;
    ComPtr<IOleInPlaceFrame> frame;
    ComPtr<IOleInPlaceUIWindow> doc;
    RECT pos = {}, clip = {};
    OLEINPLACEFRAMEINFO info = {};
    HDC dc = nullptr;
    LRESULT result = 0;
    ComPtr<IOleContainer> parent;
    ComPtr<IEnumUnknown> items;
    ComPtr<IDispatch> extended;
    BOOL noRedraw = FALSE;
    const HRESULT refused[] = {
        site->GetWindow(&window),
        site->GetWindowContext(frame.GetAddressOf(), doc.GetAddressOf(), &pos, &clip, &info),
        site->GetCapture(),
        site->SetCapture(TRUE),
        site->GetFocus(),
        site->SetFocus(TRUE),
        site->GetDC(nullptr, 0, &dc),
        site->ReleaseDC(nullptr),
        site->InvalidateRect(nullptr, FALSE),
        site->InvalidateRgn(nullptr, FALSE),
        site->OnDefWindowMessage(WM_NULL, 0, 0, &result),
        site->OnInPlaceActivateEx(&noRedraw, ACTIVATE_WINDOWLESS),
        client->GetContainer(parent.GetAddressOf()),
        client->ShowObject(),
        container->EnumObjects(OLECONTF_EMBEDDINGS, items.GetAddressOf()),
        control->GetExtendedControl(extended.GetAddressOf()),
    };
    for (size_t i = 0; i < sizeof(refused) / sizeof(refused[0]); ++i) EXPECT_EQ(refused[i], E_UNEXPECTED) << i;
    EXPECT_EQ(dc, nullptr);
    EXPECT_FALSE(frame);
}

TEST_F(ActiveXFixture, NewClassIdRecreatesTheObject) {
    auto* ax = Add(kClsidWindowlessObject);
    Layout();
    TestOleObject* first = TestOleObject::last;
    ComPtr<IUnknown> keep;
    first->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(keep.GetAddressOf()));
    EXPECT_TRUE(ax->SetClsid(ClsidText(kClsidWindowedObject).c_str()));
    EXPECT_FALSE(ax->IsCreated());
    Layout();
    ax->SetPos(ax->GetPos());
    EXPECT_TRUE(ax->IsCreated());
    EXPECT_NE(TestOleObject::last, first);
    EXPECT_TRUE(first->Called("Close 1"));
    EXPECT_NE(ax->GetHostWindow(), h.window.Handle());
}

TEST_F(ActiveXFixture, DeletingTheElementClosesTheObject) {
    auto* ax = Add(kClsidWindowedObject);
    Layout();
    TestOleObject* object = TestOleObject::last;
    ComPtr<IUnknown> keep;
    object->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(keep.GetAddressOf()));
    HWND host = ax->GetHostWindow();
    ASSERT_TRUE(IsWindow(host));
    h.root->Remove(ax);
    h.window.Pump();  // the tree deletes removed controls from the queue
    EXPECT_TRUE(object->Called("Close 1"));
    EXPECT_FALSE(IsWindow(host));
    EXPECT_FALSE(object->site);
}

}  // namespace
