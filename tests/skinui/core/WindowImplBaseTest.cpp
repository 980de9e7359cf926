// The skinned window base: creation from a skin, hit testing, rounded
// region, keys and system commands, the system buttons, the message map,
// and the fatal path of a skin without controls.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "skinui/core/WindowImplBase.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/TestControls.h"

namespace {

using namespace SkinUI;
using testsupport::RecordingControl;

// A skinned window over a skin given as markup; "Typed" elements become
// controls of the type name in their "type" attribute.
class SkinWindow : public WindowImplBase {
public:
    explicit SkinWindow(std::string skin) : m_skin(std::move(skin)) {}
    const char* WindowClassName() const override { return "SkinUITestSkinWindow"; }
    CSkinString SkinFolder() override { return CSkinString(); }
    CSkinString SkinFile() override { return CSkinString(m_skin.c_str()); }
    CControlUI* CreateControl(const char* name) override {
        return std::string(name) == "Typed" ? new TypedControl : nullptr;
    }
    void OnInitWindow() override { ++initialized; }
    LRESULT OnClose(UINT, WPARAM wParam, LPARAM, BOOL& handled) override {
        closeCodes.push_back(wParam);
        handled = TRUE;  // keep the window: the test inspects it
        return 0;
    }
    void OnClick(TNotifyUI& msg) override {
        clicks.push_back(std::string(msg.pSender ? msg.pSender->GetName() : CSkinString()));
        WindowImplBase::OnClick(msg);
    }
    void Pump() {
        MSG msg;
        for (int i = 0; i < 1000 && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
            if (!CPaintManagerUI::PreTranslate(&msg)) {
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
        }
    }

    class TypedControl : public CControlUI {
    public:
        const char* GetTypeName() const override { return m_type.c_str(); }
        void SetAttribute(const char* name, const char* value) override {
            if (std::string(name) == "type") m_type = value;
            else CControlUI::SetAttribute(name, value);
        }

    private:
        std::string m_type = "ControlUI";
    };

    int initialized = 0;
    std::vector<WPARAM> closeCodes;
    std::vector<std::string> clicks;

private:
    std::string m_skin;
};

const char* const kSkin =
    "<Window size=\"300,200\" caption=\"0,0,0,40\" sizebox=\"4,4,4,4\" roundcorner=\"6,6\">"
    "<Container>"
    "<Typed name=\"label\" type=\"LabelUI\" float=\"true\" pos=\"50,5,150,35\"/>"
    "<Typed name=\"button\" type=\"buttonui\" float=\"true\" pos=\"160,5,260,35\"/>"
    "<Typed name=\"closebtn\" type=\"ButtonUI\" float=\"true\" pos=\"10,100,40,130\"/>"
    "</Container></Window>";

class WindowTest : public testing::Test {
protected:
    void SetUp() override {
        // No caption here: under Xvfb (no window manager) Wine waits seconds
        // for a captioned window to be withdrawn when it is destroyed.
        ASSERT_NE(m_window.Create(nullptr, "test", WS_POPUP | WS_SYSMENU, 0, 100, 100, 400, 300), nullptr);
        // Kept hidden (a shown window with a region costs Wine seconds to
        // map), so the layout the first paint would do is done here.
        RECT client;
        GetClientRect(m_window.GetHWND(), &client);
        m_window.PaintManager().RootControl()->SetPos(client);
        m_window.Pump();
    }
    void TearDown() override {
        if (IsWindow(m_window.GetHWND())) DestroyWindow(m_window.GetHWND());
    }
    LRESULT HitTest(int x, int y) {
        POINT pt = {x, y};
        ClientToScreen(m_window.GetHWND(), &pt);
        return m_window.SendMessageA(WM_NCHITTEST, 0, MAKELPARAM(pt.x, pt.y));
    }
    SkinWindow m_window{kSkin};
};

TEST(WindowCreationTest, TheCaptionIsDropped) {
    SkinWindow window(kSkin);
    ASSERT_NE(window.Create(nullptr, "captioned", WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, 0, 0, 100, 100), nullptr);
    const LONG_PTR style = GetWindowLongPtrA(window.GetHWND(), GWL_STYLE);
    EXPECT_FALSE(style & WS_CAPTION);
    EXPECT_TRUE(style & WS_CLIPCHILDREN);
    DestroyWindow(window.GetHWND());
}

TEST_F(WindowTest, CreationBuildsTheSkin) {
    EXPECT_EQ(m_window.initialized, 1);
    RECT client;
    GetClientRect(m_window.GetHWND(), &client);
    EXPECT_EQ(client.right, 300);  // the skin's size
    EXPECT_NE(m_window.PaintManager().FindControl("button"), nullptr);
}

struct HitCase {
    int x, y;
    LRESULT expected;
};

class HitTestCases : public WindowTest, public testing::WithParamInterface<HitCase> {};

TEST_P(HitTestCases, BordersCornersAndCaption) {
    EXPECT_EQ(HitTest(GetParam().x, GetParam().y), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Points, HitTestCases,
                         testing::Values(HitCase{1, 1, HTTOPLEFT}, HitCase{298, 1, HTTOPRIGHT},
                                         HitCase{150, 2, HTTOP}, HitCase{1, 198, HTBOTTOMLEFT},
                                         HitCase{298, 198, HTBOTTOMRIGHT}, HitCase{150, 198, HTBOTTOM},
                                         HitCase{1, 100, HTLEFT}, HitCase{298, 100, HTRIGHT},
                                         HitCase{100, 20, HTCAPTION},  // over the label
                                         HitCase{200, 20, HTCLIENT},   // over a button (any case)
                                         HitCase{280, 20, HTCAPTION},  // over the container
                                         HitCase{100, 100, HTCLIENT}),
                         [](const testing::TestParamInfo<HitCase>& info) {
                             return "At" + std::to_string(info.param.x) + "x" + std::to_string(info.param.y);
                         });

TEST_F(WindowTest, MaximisedCornersAreCaptionOverALabelAndClientOverAButton) {
    ShowWindow(m_window.GetHWND(), SW_MAXIMIZE);
    ASSERT_TRUE(IsZoomed(m_window.GetHWND()));
    UpdateWindow(m_window.GetHWND());
    EXPECT_EQ(HitTest(1, 1), HTCAPTION);
    EXPECT_EQ(HitTest(200, 20), HTCLIENT);
}

TEST_F(WindowTest, RoundCornersShapeTheWindow) {
    RegionHandle region(CreateRectRgn(0, 0, 0, 0));
    EXPECT_NE(GetWindowRgn(m_window.GetHWND(), region.get()), ERROR);
    RECT box;
    GetRgnBox(region.get(), &box);
    EXPECT_EQ(box.right, 300);  // the round rectangle reaches one pixel past: its box ends at the edge
    EXPECT_FALSE(PtInRegion(region.get(), 0, 0));
    EXPECT_TRUE(PtInRegion(region.get(), 150, 100));
}

TEST_F(WindowTest, EscapeClosesWithCodeOneEnterDoesNothing) {
    PostMessageA(m_window.GetHWND(), WM_KEYDOWN, VK_RETURN, 0);
    PostMessageA(m_window.GetHWND(), WM_KEYDOWN, VK_ESCAPE, 0);
    m_window.Pump();
    EXPECT_EQ(m_window.closeCodes, std::vector<WPARAM>{1});
}

TEST_F(WindowTest, AltF4IsSwallowed) {
    m_window.SendMessageA(WM_SYSCOMMAND, SC_CLOSE, 0);
    m_window.Pump();
    EXPECT_TRUE(IsWindow(m_window.GetHWND()));
    EXPECT_TRUE(m_window.closeCodes.empty());
}

TEST_F(WindowTest, CloseButtonClickPostsCloseWithOne) {
    CControlUI* button = m_window.PaintManager().FindControl("closebtn");
    ASSERT_NE(button, nullptr);
    m_window.PaintManager().SendNotification(button, "click");
    m_window.Pump();
    EXPECT_EQ(m_window.clicks, std::vector<std::string>{"closebtn"});
    EXPECT_EQ(m_window.closeCodes, std::vector<WPARAM>{1});
}

// --- The message map ----------------------------------------------------------------

class MappedWindow : public SkinWindow {
public:
    MappedWindow() : SkinWindow(kSkin) {}
    const SKIN_MSGMAP* GetMessageMap() const override {
        static const TMsgMapEntry entries[] = {
            MapEntry("select", "button", &MappedWindow::OnButtonSelect),
            MapEntry("select", "", &MappedWindow::OnAnySelect),
            MapEntry("value", "", &MappedWindow::OnValue),
            MapEnd(),
        };
        static const SKIN_MSGMAP map = {&WindowImplBase::GetThisMessageMap, entries};
        return &map;
    }
    void OnButtonSelect(TNotifyUI&) { log.push_back("button"); }
    void OnAnySelect(TNotifyUI&) { log.push_back("any"); }
    void OnValue(WPARAM w, LPARAM l) { log.push_back("value " + std::to_string(w) + "," + std::to_string(l)); }
    std::vector<std::string> log;
};

TEST(MessageMapTest, NamedEntriesWinThenTheBaseMapIsSearched) {
    MappedWindow window;
    ASSERT_NE(window.Create(nullptr, "map", WS_POPUP, 0, 0, 0, 100, 100), nullptr);
    CPaintManagerUI& manager = window.PaintManager();
    manager.SendNotification(manager.FindControl("button"), "select");
    manager.SendNotification(manager.FindControl("label"), "select");
    manager.SendNotification(manager.FindControl("label"), "value", 3, 4);
    manager.SendNotification(manager.FindControl("label"), "click");  // base map: OnClick
    EXPECT_EQ(window.log, (std::vector<std::string>{"button", "any", "value 3,4"}));
    EXPECT_EQ(window.clicks, std::vector<std::string>{"label"});
    DestroyWindow(window.GetHWND());
}

// --- The fatal path --------------------------------------------------------------------

const bool g_registered = [] {
    testsupport::RegisterChildScenario("empty-skin", [] {
        SkinWindow window("<Window size=\"100,100\"></Window>");
        window.Create(nullptr, "empty", WS_POPUP, 0, 0, 0, 100, 100);
        return 0;  // never reached: the window ends the process
    });
    return true;
}();

TEST(WindowFatalTest, SkinWithoutControlsShowsTheMessageAndExitsWithOne) {
    testsupport::RunningChild child("empty-skin");
    ASSERT_TRUE(child.Started());
    HWND box = nullptr;
    for (int i = 0; i < 200 && !box; ++i) {
        box = FindWindowA(nullptr, "SkinUI");
        if (!box) Sleep(50);
    }
    ASSERT_NE(box, nullptr) << "no message box";
    std::string text;
    EnumChildWindows(
        box,
        [](HWND child, LPARAM data) -> BOOL {
            char buffer[256] = {};
            GetWindowTextA(child, buffer, sizeof(buffer));
            if (std::string(buffer) == "Fail to load resource") *reinterpret_cast<std::string*>(data) = buffer;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&text));
    EXPECT_EQ(text, "Fail to load resource");
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(child.Wait(20000), 1);
}

}  // namespace
