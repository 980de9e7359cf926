// The web browser element: the real browser object as far as Wine goes
// (created from the skin, in place in its child window, events relayed,
// loopback navigation only), the event sink driven with hand-built arguments
// for the events Wine never raises, and the host answers with and without a
// handler.
#include <gtest/gtest.h>

#include <exdispid.h>
#include <mshtmhst.h>
#include <wrl/client.h>

#include <string>
#include <vector>

#include "skinui/control/WebBrowser.h"
#include "skinui/core/PaintManager.h"
#include "skinui/core/SkinBuilder.h"
#include "tests/support/TestOleObjects.h"
#include "tests/support/TestWindow.h"

namespace {

using namespace SkinUI;
using Microsoft::WRL::ComPtr;

// Nothing listens on port 1 of the loopback address: the browser fails there.
constexpr const char* kHome = "http://127.0.0.1:1/home";
constexpr const char* kOther = "http://127.0.0.1:1/other";

constexpr GUID kCgidDocHostCommandHandler = {
    0xF38BC242, 0xB950, 0x11D1, {0x89, 0x18, 0x00, 0xC0, 0x4F, 0xC2, 0xC8, 0x36}};
constexpr GUID kDownloadManager = {0x988934A4, 0x064B, 0x11D3, {0xBB, 0x80, 0x00, 0x10, 0x4B, 0x35, 0xE7, 0xF9}};

std::string Narrow(const wchar_t* wide) {
    if (!wide) return "(null)";
    char text[512] = {};
    WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof(text) - 1, nullptr, nullptr);
    return text;
}

// The text of an event argument, by reference or by value.
std::string ArgText(const VARIANT* v) {
    if (!v) return "(null)";
    if (v->vt == (VT_BYREF | VT_VARIANT) && v->pvarVal) v = v->pvarVal;
    return v->vt == VT_BSTR ? Narrow(v->bstrVal) : "(vt " + std::to_string(v->vt) + ")";
}

LONG ArgLong(const VARIANT* v) {
    if (v && v->vt == (VT_BYREF | VT_VARIANT) && v->pvarVal) v = v->pvarVal;
    return v && (v->vt == VT_I4 || v->vt == VT_INT) ? v->lVal : -1;
}

class RecordingHandler : public CWebBrowserEventHandler {
public:
    void BeforeNavigate2(IDispatch* disp, VARIANT*& url, VARIANT*& flags, VARIANT*& frame, VARIANT*& postData,
                         VARIANT*& headers, VARIANT_BOOL*& cancel) override {
        events.push_back("BeforeNavigate2 " + ArgText(url));
        dispatches.push_back(disp);
        refs = {url, flags, frame, postData, headers};
        cancelRef = cancel;
    }
    void NavigateError(IDispatch* disp, VARIANT*& url, VARIANT*& frame, VARIANT*& status,
                       VARIANT_BOOL*& cancel) override {
        events.push_back("NavigateError " + ArgText(url));
        dispatches.push_back(disp);
        statusCode = ArgLong(status);
        refs = {url, frame, status};
        cancelRef = cancel;
    }
    void NavigateComplete2(IDispatch* disp, VARIANT*& url) override {
        events.push_back("NavigateComplete2 " + ArgText(url));
        dispatches.push_back(disp);
        refs = {url};
    }
    void NewWindow3(IDispatch** disp, VARIANT_BOOL*& cancel, DWORD flags, BSTR context, BSTR url) override {
        events.push_back("NewWindow3 " + std::to_string(flags) + " " + Narrow(context) + " " + Narrow(url));
        newWindowSlot = disp;
        cancelRef = cancel;
    }
    void CommandStateChange(long command, VARIANT_BOOL enable) override {
        events.push_back("CommandStateChange " + std::to_string(command) + " " + std::to_string(enable));
    }
    void DocumentComplete(IDispatch* disp, VARIANT*& url) override {
        events.push_back("DocumentComplete " + ArgText(url));
        dispatches.push_back(disp);
        refs = {url};
    }
    HRESULT STDMETHODCALLTYPE Download(IMoniker*, IBindCtx*, DWORD verb, LONG, BINDINFO*, LPCOLESTR, LPCOLESTR,
                                       UINT codePage) override {
        events.push_back("Download " + std::to_string(verb) + " " + std::to_string(codePage));
        return 0x1234;
    }

    bool Has(const std::string& prefix) const {
        for (const std::string& e : events)
            if (e.compare(0, prefix.size(), prefix) == 0) return true;
        return false;
    }

    std::vector<std::string> events;
    std::vector<IDispatch*> dispatches;
    std::vector<VARIANT*> refs;
    VARIANT_BOOL* cancelRef = nullptr;
    IDispatch** newWindowSlot = nullptr;
    LONG statusCode = -1;
};

// A handler with every default.
class DefaultHandler : public CWebBrowserEventHandler {};

// Waits, within a bound, for the browser to report `event`.
bool PumpUntil(testsupport::TestWindow& window, const RecordingHandler& handler, const std::string& event) {
    for (int i = 0; i < 300 && !handler.Has(event); ++i) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        window.Pump();
    }
    return handler.Has(event);
}

bool IsDescendant(HWND child, HWND ancestor) {
    for (HWND hwnd = child; hwnd; hwnd = GetParent(hwnd))
        if (hwnd == ancestor) return true;
    return false;
}

class WebBrowserFixture : public testing::Test {
protected:
    CWebBrowserUI* Build(const std::string& attributes) {
        CSkinBuilder builder;
        CControlUI* root = builder.Build(
            ("<Window><VerticalLayout><WebBrowser name=\"web\" " + attributes + "/></VerticalLayout></Window>")
                .c_str(),
            nullptr, nullptr, &window.Manager());
        if (!root) return nullptr;
        window.Manager().AttachRoot(root);
        auto* web = static_cast<CWebBrowserUI*>(window.Manager().FindControl("web"));
        if (web) web->SetWebBrowserEventHandler(&handler);
        return web;
    }
    void Layout() {
        window.Paint();
        window.Pump();
    }

    testsupport::OleScope ole;
    testsupport::TestWindow window{320, 240};
    RecordingHandler handler;
};

TEST_F(WebBrowserFixture, BrowserIsActiveInItsChildWindowAndNavigatesHome) {
    CWebBrowserUI* web = Build(std::string("homepage=\"") + kHome + "\" autonavi=\"true\"");
    ASSERT_NE(web, nullptr);
    EXPECT_EQ(web->GetWebBrowser2(), nullptr);  // created at the first layout
    Layout();
    ASSERT_NE(web->GetWebBrowser2(), nullptr);
    EXPECT_NE(web->GetEventCookie(), 0u);

    HWND host = web->GetHostWindow();
    ASSERT_NE(host, nullptr);
    EXPECT_EQ(GetParent(host), window.Handle());
    char name[32] = {};
    GetClassNameA(host, name, sizeof(name));
    EXPECT_STREQ(name, "ActiveXWnd");
    ComPtr<IOleInPlaceObject> inPlace;
    ASSERT_EQ(web->GetControl(IID_IOleInPlaceObject, reinterpret_cast<void**>(inPlace.GetAddressOf())), S_OK);
    HWND browserWindow = nullptr;
    ASSERT_EQ(inPlace->GetWindow(&browserWindow), S_OK);
    EXPECT_NE(browserWindow, host);
    EXPECT_TRUE(IsDescendant(browserWindow, host));

    ASSERT_TRUE(PumpUntil(window, handler, "NavigateError"));
    ASSERT_GE(handler.events.size(), 2u);
    EXPECT_EQ(handler.events.front(), std::string("BeforeNavigate2 ") + kHome);
    EXPECT_TRUE(handler.Has(std::string("NavigateError ") + kHome));
    EXPECT_NE(handler.statusCode, 0);
    EXPECT_NE(handler.cancelRef, nullptr);
    for (IDispatch* disp : handler.dispatches) EXPECT_NE(disp, nullptr);
}

TEST_F(WebBrowserFixture, WithoutAutoNavigationOnlyNavigate2Navigates) {
    CWebBrowserUI* web = Build(std::string("homepage=\"") + kHome + "\"");
    ASSERT_NE(web, nullptr);
    web->Navigate2(kOther);  // no browser yet: nothing
    Layout();
    ASSERT_NE(web->GetWebBrowser2(), nullptr);
    web->Navigate2(nullptr);
    for (int i = 0; i < 5; ++i) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        window.Pump();
    }
    EXPECT_TRUE(handler.events.empty());

    web->Navigate2(kOther);
    ASSERT_TRUE(PumpUntil(window, handler, "NavigateError"));
    EXPECT_EQ(handler.events.front(), std::string("BeforeNavigate2 ") + kOther);
    web->GoBack();  // no history to go back to: nothing happens
}

TEST_F(WebBrowserFixture, ReleasingTheBrowserDropsItsConnection) {
    CWebBrowserUI* web = Build("");
    ASSERT_NE(web, nullptr);
    Layout();
    ASSERT_NE(web->GetWebBrowser2(), nullptr);
    HWND host = web->GetHostWindow();
    web->ReleaseHostedObject();
    EXPECT_EQ(web->GetWebBrowser2(), nullptr);
    EXPECT_EQ(web->GetEventCookie(), 0u);
    EXPECT_FALSE(web->IsCreated());
    EXPECT_FALSE(IsWindow(host));
    // Created again on demand, as the store does when it finds no browser.
    EXPECT_TRUE(web->DoCreateControl());
    EXPECT_NE(web->GetWebBrowser2(), nullptr);
    EXPECT_NE(web->GetEventCookie(), 0u);
}

// --- the event sink, driven by hand -------------------------------------------------------------

class EventSinkTest : public testing::Test {
protected:
    HRESULT Invoke(DISPID id, std::vector<VARIANT>& args, REFIID riid = IID_NULL) {
        DISPPARAMS params = {args.data(), nullptr, static_cast<UINT>(args.size()), 0};
        return web.Invoke(id, riid, 0, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr);
    }
    static VARIANT ByRef(VARIANT* target) {
        VARIANT v;
        VariantInit(&v);
        v.vt = VT_BYREF | VT_VARIANT;
        v.pvarVal = target;
        return v;
    }
    static VARIANT Bstr(BSTR text) {
        VARIANT v;
        VariantInit(&v);
        v.vt = VT_BSTR;
        v.bstrVal = text;
        return v;
    }

    CWebBrowserUI web;
    RecordingHandler handler;
};

TEST_F(EventSinkTest, CompletionEventsReachTheHandlerWithTheirArguments) {
    web.SetWebBrowserEventHandler(&handler);
    BSTR url = SysAllocString(L"http://127.0.0.1:1/done");
    VARIANT urlValue = Bstr(url);
    IDispatch* frame = reinterpret_cast<IDispatch*>(static_cast<IDispatch*>(&web));
    for (DISPID id : {DISPID_NAVIGATECOMPLETE2, DISPID_DOCUMENTCOMPLETE}) {
        std::vector<VARIANT> args(2);
        args[0] = ByRef(&urlValue);
        VariantInit(&args[1]);
        args[1].vt = VT_DISPATCH;
        args[1].pdispVal = frame;
        handler.refs.clear();
        EXPECT_EQ(Invoke(id, args), S_OK);
        ASSERT_EQ(handler.refs.size(), 1u);
        EXPECT_EQ(handler.refs[0], &args[0]);  // a reference to the caller's argument
        EXPECT_EQ(handler.dispatches.back(), frame);
    }
    EXPECT_EQ(handler.events, (std::vector<std::string>{"NavigateComplete2 http://127.0.0.1:1/done",
                                                        "DocumentComplete http://127.0.0.1:1/done"}));
    SysFreeString(url);
}

TEST_F(EventSinkTest, NewWindow3PassesItsSlotsAndValues) {
    web.SetWebBrowserEventHandler(&handler);
    IDispatch* newWindow = nullptr;
    VARIANT_BOOL cancel = VARIANT_FALSE;
    BSTR context = SysAllocString(L"http://127.0.0.1:1/page");
    BSTR url = SysAllocString(L"http://127.0.0.1:1/popup");
    std::vector<VARIANT> args(5);
    for (VARIANT& v : args) VariantInit(&v);
    args[4].vt = VT_BYREF | VT_DISPATCH;
    args[4].ppdispVal = &newWindow;
    args[3].vt = VT_BYREF | VT_BOOL;
    args[3].pboolVal = &cancel;
    args[2].vt = VT_I4;
    args[2].lVal = 6;
    args[1] = Bstr(context);
    args[0] = Bstr(url);
    EXPECT_EQ(Invoke(DISPID_NEWWINDOW3, args), S_OK);
    EXPECT_EQ(handler.events,
              (std::vector<std::string>{"NewWindow3 6 http://127.0.0.1:1/page http://127.0.0.1:1/popup"}));
    EXPECT_EQ(handler.newWindowSlot, &newWindow);
    EXPECT_EQ(handler.cancelRef, &cancel);
    SysFreeString(context);
    SysFreeString(url);
}

TEST_F(EventSinkTest, OtherDispatchIdsAndArguments) {
    web.SetWebBrowserEventHandler(&handler);
    std::vector<VARIANT> two(2);
    for (VARIANT& v : two) VariantInit(&v);
    two[1].vt = VT_I4;
    two[1].lVal = CSC_NAVIGATEBACK;
    two[0].vt = VT_BOOL;
    two[0].boolVal = VARIANT_TRUE;
    EXPECT_EQ(Invoke(DISPID_COMMANDSTATECHANGE, two), S_OK);
    EXPECT_EQ(handler.events, (std::vector<std::string>{"CommandStateChange 2 -1"}));

    std::vector<VARIANT> none;
    EXPECT_EQ(Invoke(DISPID_STATUSTEXTCHANGE, none), S_OK);
    EXPECT_EQ(Invoke(DISPID_PROGRESSCHANGE, none), DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(Invoke(DISPID_TITLECHANGE, none), DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(Invoke(DISPID_COMMANDSTATECHANGE, two, IID_IDispatch), E_INVALIDARG);
    // Too few arguments are refused, not read past.
    std::vector<VARIANT> one(1);
    VariantInit(&one[0]);
    EXPECT_EQ(Invoke(DISPID_BEFORENAVIGATE2, one), DISP_E_BADPARAMCOUNT);
    EXPECT_EQ(web.Invoke(DISPID_NAVIGATEERROR, IID_NULL, 0, DISPATCH_METHOD, nullptr, nullptr, nullptr, nullptr),
              DISP_E_BADPARAMCOUNT);
    EXPECT_EQ(handler.events.size(), 1u);

    // Without a handler every relayed event still succeeds.
    web.SetWebBrowserEventHandler(nullptr);
    EXPECT_EQ(Invoke(DISPID_COMMANDSTATECHANGE, two), S_OK);
    EXPECT_EQ(handler.events.size(), 1u);

    UINT count = 7;
    EXPECT_EQ(web.GetTypeInfoCount(&count), E_NOTIMPL);
    EXPECT_EQ(count, 0u);
    EXPECT_EQ(web.GetIDsOfNames(IID_NULL, nullptr, 0, 0, nullptr), E_NOTIMPL);
}

// --- host answers ------------------------------------------------------------------------------------

struct HostAnswers {
    HRESULT contextMenu, hostInfo, showUI, hideUI, updateUI, modeless, docActivate, frameActivate, resize, accel,
        optionKey, dropTarget, external, translateUrl, filter, download;
};

HostAnswers Ask(CWebBrowserUI& web) {
    HostAnswers a;
    POINT pt = {0, 0};
    DOCHOSTUIINFO info = {};
    info.cbSize = sizeof(info);
    RECT rc = {};
    MSG msg = {};
    LPOLESTR key = nullptr;
    IDropTarget* drop = nullptr;
    IDispatch* external = nullptr;
    LPWSTR translated = reinterpret_cast<LPWSTR>(1);
    IDataObject* filtered = reinterpret_cast<IDataObject*>(1);
    a.contextMenu = web.ShowContextMenu(CONTEXT_MENU_DEFAULT, &pt, nullptr, nullptr);
    a.hostInfo = web.GetHostInfo(&info);
    a.showUI = web.ShowUI(0, nullptr, nullptr, nullptr, nullptr);
    a.hideUI = web.HideUI();
    a.updateUI = web.UpdateUI();
    a.modeless = web.EnableModeless(TRUE);
    a.docActivate = web.OnDocWindowActivate(TRUE);
    a.frameActivate = web.OnFrameWindowActivate(TRUE);
    a.resize = web.ResizeBorder(&rc, nullptr, TRUE);
    a.accel = web.TranslateAccelerator(&msg, nullptr, 0);
    a.optionKey = web.GetOptionKeyPath(&key, 0);
    a.dropTarget = web.GetDropTarget(nullptr, &drop);
    a.external = web.GetExternal(&external);
    a.translateUrl = web.TranslateUrl(0, nullptr, &translated);
    a.filter = web.FilterDataObject(nullptr, &filtered);
    ComPtr<IDownloadManager> manager;
    web.QueryService(kDownloadManager, kDownloadManager, reinterpret_cast<void**>(manager.GetAddressOf()));
    a.download = manager ? manager->Download(nullptr, nullptr, 0, 0, nullptr, nullptr, nullptr, 0) : E_FAIL;
    return a;
}

TEST(WebBrowserHostTest, HostQuestionsFallBackWithoutAHandler) {
    CWebBrowserUI web;
    const HostAnswers a = Ask(web);
    EXPECT_EQ(a.contextMenu, S_FALSE);  // the browser shows its own menu
    EXPECT_EQ(a.hostInfo, E_NOTIMPL);
    EXPECT_EQ(a.showUI, S_OK);
    EXPECT_EQ(a.hideUI, S_OK);
    EXPECT_EQ(a.updateUI, S_OK);
    EXPECT_EQ(a.modeless, E_NOTIMPL);
    EXPECT_EQ(a.docActivate, E_NOTIMPL);
    EXPECT_EQ(a.frameActivate, E_NOTIMPL);
    EXPECT_EQ(a.resize, E_NOTIMPL);
    EXPECT_EQ(a.accel, S_FALSE);
    EXPECT_EQ(a.optionKey, E_NOTIMPL);
    EXPECT_EQ(a.dropTarget, S_FALSE);
    EXPECT_EQ(a.external, S_FALSE);
    EXPECT_EQ(a.translateUrl, E_NOTIMPL);
    EXPECT_EQ(a.filter, E_NOTIMPL);
    EXPECT_EQ(a.download, S_OK);

    LPWSTR translated = reinterpret_cast<LPWSTR>(1);
    web.TranslateUrl(0, nullptr, &translated);
    EXPECT_EQ(translated, nullptr);
    IDataObject* filtered = reinterpret_cast<IDataObject*>(1);
    web.FilterDataObject(nullptr, &filtered);
    EXPECT_EQ(filtered, nullptr);
}

TEST(WebBrowserHostTest, HandlerDefaultsAnswerTheHostQuestions) {
    CWebBrowserUI web;
    DefaultHandler handler;
    web.SetWebBrowserEventHandler(&handler);
    EXPECT_EQ(web.GetWebBrowserEventHandler(), &handler);
    const HostAnswers a = Ask(web);
    EXPECT_EQ(a.contextMenu, S_OK);  // no context menu at all
    EXPECT_EQ(a.hostInfo, S_OK);
    EXPECT_EQ(a.showUI, S_FALSE);
    EXPECT_EQ(a.hideUI, S_OK);
    EXPECT_EQ(a.updateUI, S_OK);
    EXPECT_EQ(a.modeless, S_OK);
    EXPECT_EQ(a.docActivate, S_OK);
    EXPECT_EQ(a.frameActivate, S_OK);
    EXPECT_EQ(a.resize, S_OK);
    EXPECT_EQ(a.accel, S_FALSE);
    EXPECT_EQ(a.optionKey, S_OK);
    EXPECT_EQ(a.dropTarget, E_NOTIMPL);
    EXPECT_EQ(a.external, E_NOTIMPL);
    EXPECT_EQ(a.translateUrl, S_OK);
    EXPECT_EQ(a.filter, S_OK);
    EXPECT_EQ(a.download, S_OK);

    // The handler's own answers win, and downloads reach it.
    RecordingHandler recording;
    web.SetWebBrowserEventHandler(&recording);
    ComPtr<IDownloadManager> manager;
    ASSERT_EQ(web.QueryService(kDownloadManager, kDownloadManager, reinterpret_cast<void**>(manager.GetAddressOf())),
              S_OK);
    EXPECT_EQ(manager->Download(nullptr, nullptr, 3, 0, nullptr, nullptr, nullptr, 936), 0x1234);
    EXPECT_EQ(recording.events, (std::vector<std::string>{"Download 3 936"}));
}

TEST(WebBrowserHostTest, ServiceProviderServesOnlyTheDownloadManager) {
    CWebBrowserUI web;
    void* out = reinterpret_cast<void*>(1);
    EXPECT_EQ(web.QueryService(kDownloadManager, IID_IUnknown, &out), E_NOINTERFACE);
    EXPECT_EQ(out, nullptr);
    out = reinterpret_cast<void*>(1);
    EXPECT_EQ(web.QueryService(IID_IUnknown, kDownloadManager, &out), E_NOINTERFACE);
    EXPECT_EQ(out, nullptr);
}

TEST(WebBrowserHostTest, ScriptErrorsStaySilent) {
    CWebBrowserUI web;
    const GUID other = IID_IUnknown;
    VARIANT in;
    VariantInit(&in);
    VARIANT out;
    VariantInit(&out);
    EXPECT_EQ(web.Exec(nullptr, OLECMDID_SHOWSCRIPTERROR, 0, &in, &out), OLECMDERR_E_UNKNOWNGROUP);
    EXPECT_EQ(web.Exec(&other, OLECMDID_SHOWSCRIPTERROR, 0, &in, &out), OLECMDERR_E_UNKNOWNGROUP);
    EXPECT_EQ(web.Exec(&kCgidDocHostCommandHandler, OLECMDID_REFRESH, 0, &in, &out), OLECMDERR_E_NOTSUPPORTED);
    EXPECT_EQ(out.vt, VT_EMPTY);
    // Even when the document cannot be read the script keeps running.
    EXPECT_EQ(web.Exec(&kCgidDocHostCommandHandler, OLECMDID_SHOWSCRIPTERROR, 0, &in, &out), S_OK);
    EXPECT_EQ(out.vt, VT_BOOL);
    EXPECT_EQ(out.boolVal, VARIANT_TRUE);
    OLECMD command = {OLECMDID_SHOWSCRIPTERROR, 0};
    EXPECT_EQ(web.QueryStatus(&kCgidDocHostCommandHandler, 1, &command, nullptr), OLECMDERR_E_NOTSUPPORTED);
}

TEST(WebBrowserHostTest, ComFacesShareOneInterlockedCount) {
    CWebBrowserUI web;
    const IID faces[] = {IID_IDocHostUIHandler, IID_IDispatch, IID_IServiceProvider, IID_IOleCommandTarget,
                         DIID_DWebBrowserEvents2};
    for (const IID& iid : faces) {
        void* face = nullptr;
        EXPECT_EQ(static_cast<IDispatch&>(web).QueryInterface(iid, &face), S_OK);
        EXPECT_NE(face, nullptr);
    }
    EXPECT_EQ(web.AddRef(), 6u);
    EXPECT_EQ(web.Release(), 5u);
    void* none = reinterpret_cast<void*>(1);
    EXPECT_EQ(web.QueryInterface(IID_IOleObject, &none), E_NOINTERFACE);
    EXPECT_EQ(none, nullptr);
    for (int i = 0; i < 5; ++i) web.Release();
}

TEST_F(WebBrowserFixture, AcceleratorsGoToTheBrowserOnlyWhenItHasTheFocus) {
    CWebBrowserUI* web = Build("");
    ASSERT_NE(web, nullptr);
    MSG key = {window.Handle(), WM_KEYDOWN, VK_TAB, 0, 0, {0, 0}};
    EXPECT_EQ(web->TranslateAccel(&key), E_NOTIMPL);  // no browser yet
    Layout();
    ASSERT_NE(web->GetWebBrowser2(), nullptr);
    MSG mouse = {window.Handle(), WM_LBUTTONDOWN, 0, 0, 0, {0, 0}};
    EXPECT_EQ(web->TranslateAccel(&mouse), S_FALSE);
    SetFocus(window.Handle());
    EXPECT_EQ(web->TranslateAccel(&key), S_FALSE);  // focus outside the browser

    ComPtr<IOleInPlaceActiveObject> active;
    ASSERT_EQ(web->GetControl(IID_IOleInPlaceActiveObject, reinterpret_cast<void**>(active.GetAddressOf())), S_OK);
    SetFocus(web->GetHostWindow());
    ASSERT_EQ(GetFocus(), web->GetHostWindow());
    key.hwnd = web->GetHostWindow();
    EXPECT_EQ(web->TranslateAccel(&key), static_cast<LRESULT>(active->TranslateAccelerator(&key)));
}

}  // namespace
