// The paint manager with real windows and messages: layout and "windowinit",
// the click protocol and capture, context menu, keys, hover, tab order,
// timers, notifications, delayed deletes, painting and window alpha.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skinui/core/GdiHandles.h"
#include "skinui/core/PaintManager.h"
#include "tests/support/TestControls.h"
#include "tests/support/TestWindow.h"

namespace {

using namespace SkinUI;
using testsupport::FixedContainer;
using testsupport::PointParam;
using testsupport::RecordingControl;
using testsupport::TestWindow;

class NotifyLog : public INotifyUI {
public:
    void Notify(TNotifyUI& msg) override {
        types.push_back(std::string(msg.sType));
        senders.push_back(msg.pSender);
    }
    int Count(const std::string& type) const {
        int n = 0;
        for (const auto& t : types) n += t == type;
        return n;
    }
    std::vector<std::string> types;
    std::vector<CControlUI*> senders;
};

class PaintManagerTest : public testing::Test {
protected:
    PaintManagerTest() {
        m_root = new FixedContainer;
        m_a = m_root->Add(new RecordingControl("a", INPUT_TAB_STOP, RECT{10, 10, 60, 40}));
        m_b = m_root->Add(new RecordingControl("b", 0, RECT{70, 10, 120, 40}));
        m_c = m_root->Add(new RecordingControl("c", INPUT_TAB_STOP, RECT{130, 10, 180, 40}));
        m_d = m_root->Add(new RecordingControl("d", INPUT_TAB_STOP, RECT{190, 10, 240, 40}));
        m_window.Manager().AddNotifyTarget(&m_log);
        m_window.Manager().AttachRoot(m_root);
        m_window.Paint();
    }
    void Send(UINT msg, WPARAM wParam, LPARAM lParam) { SendMessageA(m_window.Handle(), msg, wParam, lParam); }

    TestWindow m_window{400, 300};
    NotifyLog m_log;
    FixedContainer* m_root;
    RecordingControl *m_a, *m_b, *m_c, *m_d;
};

TEST_F(PaintManagerTest, FirstPaintLaysOutTheRootAndSendsWindowInitOnce) {
    const RECT& rc = m_root->GetPos();
    EXPECT_EQ(rc.right - rc.left, 400);
    EXPECT_EQ(rc.bottom - rc.top, 300);
    EXPECT_EQ(m_a->GetPos().left, 10);
    EXPECT_EQ(m_log.Count("windowinit"), 1);
    SetWindowPos(m_window.Handle(), nullptr, 0, 0, 500, 350, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    m_window.Paint();
    EXPECT_EQ(m_root->GetPos().right - m_root->GetPos().left, 500);
    EXPECT_EQ(m_log.Count("windowinit"), 1);
}

TEST_F(PaintManagerTest, NamesAreFoundThroughTheMap) {
    EXPECT_EQ(m_window.Manager().FindControl("c"), m_c);
    EXPECT_EQ(m_window.Manager().FindControl("none"), nullptr);
    EXPECT_EQ(m_window.Manager().FindControl(POINT{75, 20}), m_b);
    EXPECT_EQ(m_window.Manager().FindControl(POINT{65, 20}), m_root);
}

TEST_F(PaintManagerTest, PressHoldsTheCaptureUntilReleaseOutside) {
    Send(WM_LBUTTONDOWN, MK_LBUTTON, PointParam(20, 20));
    EXPECT_TRUE(m_window.Manager().HasMouseCapture());
    EXPECT_EQ(GetCapture(), m_window.Handle());
    Send(WM_MOUSEMOVE, MK_LBUTTON, PointParam(300, 200));  // outside: still ours
    Send(WM_LBUTTONUP, 0, PointParam(300, 200));
    EXPECT_FALSE(m_window.Manager().HasMouseCapture());
    std::vector<int> kinds;
    for (int k : m_a->Kinds())
        if (k != EV_MOUSEENTER && k != EV_MOUSELEAVE && k != EV_SETFOCUS && k != EV_KILLFOCUS) kinds.push_back(k);
    EXPECT_EQ(kinds, (std::vector<int>{EV_BUTTONDOWN, EV_MOUSEMOVE, EV_BUTTONUP}));
    EXPECT_EQ(m_a->events.back().ptMouse.x, 300);
    EXPECT_EQ(m_a->events.back().pSender, m_a);
    // A later release with nothing pressed reaches nobody.
    const size_t before = m_a->events.size();
    Send(WM_LBUTTONUP, 0, PointParam(20, 20));
    EXPECT_EQ(m_a->events.size(), before);
}

TEST_F(PaintManagerTest, RightPressThenContextMenu) {
    Send(WM_RBUTTONDOWN, MK_RBUTTON, PointParam(140, 20));
    POINT screen = {140, 20};
    ClientToScreen(m_window.Handle(), &screen);
    Send(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(m_window.Handle()), MAKELPARAM(screen.x, screen.y));
    ASSERT_GE(m_c->events.size(), 2u);
    const auto& menu = m_c->events.back();
    EXPECT_EQ(menu.Type, EV_CONTEXTMENU);
    EXPECT_EQ(menu.lParam, reinterpret_cast<LPARAM>(m_c));
    EXPECT_EQ(menu.ptMouse.x, 140);
    EXPECT_FALSE(m_window.Manager().HasMouseCapture());
    std::vector<int> kinds = m_c->Kinds();
    EXPECT_NE(std::find(kinds.begin(), kinds.end(), EV_RBUTTONDOWN), kinds.end());
}

TEST_F(PaintManagerTest, FirstPaintFocusesTheFirstTabStop) {
    EXPECT_EQ(m_window.Manager().FocusedControl(), m_a);
    EXPECT_TRUE(m_a->IsFocused());
}

TEST_F(PaintManagerTest, KeysGoToTheFocusedControlWithNoSender) {
    m_window.Manager().FocusControl(nullptr);
    m_a->events.clear();
    Send(WM_CHAR, 'x', 0);  // nothing focused: nobody gets it
    m_c->SetFocus();
    Send(WM_KEYDOWN, 'Q', 0);
    Send(WM_CHAR, 'q', 0);
    Send(WM_KEYUP, 'Q', 0);
    std::vector<TControlEvent> keys;
    for (const auto& e : m_c->events)
        if (IsKeyEvent(e.Type)) keys.push_back(e);
    ASSERT_EQ(keys.size(), 3u);
    EXPECT_EQ(keys[0].Type, EV_KEYDOWN);
    EXPECT_EQ(keys[0].chKey, 'Q');
    EXPECT_EQ(keys[0].pSender, nullptr);
    EXPECT_EQ(keys[1].Type, EV_CHAR);
    EXPECT_EQ(keys[2].Type, EV_KEYUP);
    for (auto* other : {m_a, m_b, m_d})
        for (const auto& e : other->events) EXPECT_FALSE(IsKeyEvent(e.Type));
}

TEST_F(PaintManagerTest, HoverMovesBetweenControls) {
    Send(WM_MOUSEMOVE, 0, PointParam(20, 20));
    Send(WM_MOUSEMOVE, 0, PointParam(80, 20));
    std::vector<int> a, b;
    for (int k : m_a->Kinds())
        if (IsMouseEvent(k)) a.push_back(k);
    for (int k : m_b->Kinds())
        if (IsMouseEvent(k)) b.push_back(k);
    EXPECT_EQ(a, (std::vector<int>{EV_MOUSEENTER, EV_MOUSEMOVE, EV_MOUSELEAVE}));
    EXPECT_EQ(b, (std::vector<int>{EV_MOUSEENTER, EV_MOUSEMOVE}));
}

struct TabCase {
    const char* start;
    bool forward;
    const char* expected;
};

class TabOrderTest : public PaintManagerTest, public testing::WithParamInterface<TabCase> {};

TEST_P(TabOrderTest, TabStopsInTreeOrderAndWrapBothWays) {
    CPaintManagerUI& manager = m_window.Manager();
    if (*GetParam().start) manager.FindControl(GetParam().start)->SetFocus();
    else manager.FocusControl(nullptr);
    manager.MoveFocus(GetParam().forward);
    ASSERT_NE(manager.FocusedControl(), nullptr);
    EXPECT_STREQ(manager.FocusedControl()->GetName(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Steps, TabOrderTest,
                         testing::Values(TabCase{"a", true, "c"}, TabCase{"c", true, "d"},
                                         TabCase{"d", true, "a"}, TabCase{"a", false, "d"},
                                         TabCase{"d", false, "c"}, TabCase{"b", true, "c"},
                                         TabCase{"", true, "a"}),
                         [](const testing::TestParamInfo<TabCase>& info) {
                             return std::string(*info.param.start ? info.param.start : "none") +
                                    (info.param.forward ? "Forward" : "Backward");
                         });

TEST_F(PaintManagerTest, TabKeyMovesFocusThroughThePreFilter) {
    m_d->SetFocus();
    const int focused = m_log.Count("setfocus"), lost = m_log.Count("killfocus");
    LRESULT result = 0;
    EXPECT_TRUE(m_window.Manager().PreFilterMessage(WM_KEYDOWN, VK_TAB, 0, result));
    EXPECT_EQ(m_window.Manager().FocusedControl(), m_a);
    EXPECT_EQ(m_log.Count("setfocus"), focused + 1);
    EXPECT_EQ(m_log.Count("killfocus"), lost + 1);
}

TEST_F(PaintManagerTest, FocusSkipsHiddenAndDisabledControls) {
    m_c->SetEnabled(false);
    m_a->SetFocus();
    m_window.Manager().MoveFocus(true);
    EXPECT_EQ(m_window.Manager().FocusedControl(), m_d);
    m_c->SetFocus();
    EXPECT_EQ(m_window.Manager().FocusedControl(), nullptr);  // d lost it, c cannot take it
}

TEST_F(PaintManagerTest, TimersRunAndTheirIdsAreReused) {
    CPaintManagerUI& manager = m_window.Manager();
    EXPECT_TRUE(manager.StartTimer(m_a, 1, 10000));
    EXPECT_FALSE(manager.StartTimer(m_a, 1, 10000));
    EXPECT_TRUE(manager.StartTimer(m_b, 1, 10000));
    // The first window timer id is 17, the next 18.
    Send(WM_TIMER, 17, 0);
    ASSERT_FALSE(m_a->events.empty());
    EXPECT_EQ(m_a->events.back().Type, EV_TIMER);
    EXPECT_EQ(m_a->events.back().wParam, 1u);
    EXPECT_EQ(m_log.Count("timer"), 1);
    EXPECT_TRUE(manager.StopTimer(m_a, 1));
    EXPECT_FALSE(manager.StopTimer(m_a, 1));
    const size_t before = m_a->events.size();
    Send(WM_TIMER, 17, 0);  // stopped: nobody gets it
    EXPECT_EQ(m_a->events.size(), before);
    EXPECT_TRUE(manager.StartTimer(m_a, 1, 10000));
    Send(WM_TIMER, 17, 0);  // the same window id again
    EXPECT_EQ(m_a->events.size(), before + 1);
    Send(WM_TIMER, 18, 0);
    EXPECT_EQ(m_b->events.back().Type, EV_TIMER);
}

TEST_F(PaintManagerTest, QueuedNotificationFromADeletedControlHasNoSender) {
    auto* doomed = m_root->Add(new RecordingControl("doomed", 0, RECT{0, 0, 5, 5}));
    m_window.Manager().SendNotification(doomed, "later", 1, 2, true);
    EXPECT_EQ(m_log.Count("later"), 0);
    m_root->children.pop_back();
    delete doomed;
    Send(WM_NULL, 0, 0);
    ASSERT_EQ(m_log.Count("later"), 1);
    EXPECT_EQ(m_log.senders.back(), nullptr);
    EXPECT_EQ(m_window.Manager().FindControl("doomed"), nullptr);
}

TEST_F(PaintManagerTest, ReplacedRootIsDeletedWhenThePostedMessageArrives) {
    bool deleted = false;
    struct Watch {
        bool* flag;
        bool Destroyed(void*) {
            *flag = true;
            return true;
        }
    } watch{&deleted};
    m_root->OnDestroy += MakeDelegate(&watch, &Watch::Destroyed);
    m_window.Manager().AttachRoot(new FixedContainer);
    EXPECT_FALSE(deleted);
    m_window.Pump();
    EXPECT_TRUE(deleted);
}

TEST_F(PaintManagerTest, PaintsThroughTheBackBuffer) {
    m_root->SetBkColor(0xFF102030);
    m_c->SetBkColor(0xFFFF0000);
    m_window.Paint();
    EXPECT_EQ(m_window.Pixel(5, 5), 0x102030u);
    EXPECT_EQ(m_window.Pixel(150, 20), 0xFF0000u);
    // The window itself shows it too.
    HDC dc = GetDC(m_window.Handle());
    const COLORREF shown = GetPixel(dc, 150, 20);
    ReleaseDC(m_window.Handle(), dc);
    EXPECT_EQ(shown, RGB(255, 0, 0));
}

TEST_F(PaintManagerTest, WindowAlphaTogglesTheLayeredStyle) {
    m_window.Manager().SetWindowAlpha(0);
    EXPECT_TRUE(GetWindowLongPtrA(m_window.Handle(), GWL_EXSTYLE) & WS_EX_LAYERED);
    EXPECT_EQ(m_window.Manager().WindowAlpha(), 0);
    m_window.Manager().SetWindowAlpha(256);
    EXPECT_FALSE(GetWindowLongPtrA(m_window.Handle(), GWL_EXSTYLE) & WS_EX_LAYERED);
    EXPECT_EQ(m_window.Manager().WindowAlpha(), 255);
}

TEST_F(PaintManagerTest, MinMaxInfoOverwritesOnlySetSizes) {
    m_window.Manager().SetMinTrackSize(320, 0);
    m_window.Manager().SetMaxTrackSize(0, 900);
    MINMAXINFO info = {};
    info.ptMinTrackSize = {1, 2};
    info.ptMaxTrackSize = {3, 4};
    LRESULT result = 0;
    m_window.Manager().HandleWindowMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info), result);
    EXPECT_EQ(info.ptMinTrackSize.x, 320);
    EXPECT_EQ(info.ptMinTrackSize.y, 2);
    EXPECT_EQ(info.ptMaxTrackSize.x, 3);
    EXPECT_EQ(info.ptMaxTrackSize.y, 900);
}

TEST_F(PaintManagerTest, ShortcutFocusesTheControlOrTheOneBeforeALabel) {
    m_c->SetShortcut('k');
    LRESULT result = 0;
    EXPECT_TRUE(m_window.Manager().PreFilterMessage(WM_SYSCHAR, 'K', 0, result));
    EXPECT_EQ(m_window.Manager().FocusedControl(), m_c);
    // A label passes its shortcut on: the search runs from the last child to
    // the first, so the control visited after the label is the one before it.
    m_b->m_typeName = "LabelUI";
    m_b->SetShortcut('L');
    EXPECT_TRUE(m_window.Manager().PreFilterMessage(WM_SYSCHAR, 'l', 0, result));
    EXPECT_EQ(m_window.Manager().FocusedControl(), m_a);
    EXPECT_FALSE(m_window.Manager().PreFilterMessage(WM_SYSCHAR, 'z', 0, result));
}

TEST_F(PaintManagerTest, FiltersSeeMessagesFirst) {
    struct Eat : IMessageFilterUI {
        LRESULT MessageHandler(UINT msg, WPARAM, LPARAM, bool& handled) override {
            handled = msg == WM_LBUTTONDOWN;
            return 42;
        }
    } eat;
    m_window.Manager().AddFilter(&eat);
    LRESULT result = 0;
    EXPECT_TRUE(m_window.Manager().HandleWindowMessage(WM_LBUTTONDOWN, 0, testsupport::PointParam(20, 20), result));
    EXPECT_EQ(result, 42);
    for (const auto& e : m_a->events) EXPECT_NE(e.Type, EV_BUTTONDOWN);
    m_window.Manager().RemoveFilter(&eat);
    Send(WM_LBUTTONDOWN, 0, PointParam(20, 20));
    Send(WM_LBUTTONUP, 0, PointParam(20, 20));
    EXPECT_EQ(m_a->events.back().Type, EV_BUTTONUP);
}

TEST_F(PaintManagerTest, HoverShowsTheTooltipOfTheControlUnderThePoint) {
    m_c->SetToolTip("hello");
    Send(WM_MOUSEMOVE, 0, PointParam(140, 20));
    Send(WM_MOUSEHOVER, 0, PointParam(140, 20));
    HWND tooltip = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND hwnd, LPARAM data) -> BOOL {
            char name[64] = {};
            GetClassNameA(hwnd, name, sizeof(name));
            if (lstrcmpiA(name, TOOLTIPS_CLASSA) == 0) *reinterpret_cast<HWND*>(data) = hwnd;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&tooltip));
    ASSERT_NE(tooltip, nullptr);
    EXPECT_EQ(GetWindow(tooltip, GW_OWNER), m_window.Handle());
    EXPECT_EQ(SendMessageA(tooltip, TTM_GETTOOLCOUNT, 0, 0), 1);
}

TEST_F(PaintManagerTest, LayeredBackgroundPaintsThroughUpdateLayeredWindow) {
    m_root->SetBkColor(0xFF00FF00);
    m_window.Manager().SetLayeredBackground(true);
    m_window.Paint();
    EXPECT_TRUE(GetWindowLongPtrA(m_window.Handle(), GWL_EXSTYLE) & WS_EX_LAYERED);
}

TEST_F(PaintManagerTest, MessageLoopPreTranslatesThroughAccelerators) {
    struct SwallowF1 : ITranslateAccelerator {
        int seen = 0;
        LRESULT TranslateAccel(MSG* msg) override {
            if (msg->message != WM_KEYDOWN || msg->wParam != VK_F1) return 1;
            ++seen;
            return 0;
        }
    } accelerator;
    m_window.Manager().AddAccelerator(&accelerator);
    m_a->SetFocus();
    m_a->events.clear();
    PostMessageA(m_window.Handle(), WM_KEYDOWN, VK_F1, 0);
    PostMessageA(m_window.Handle(), WM_KEYDOWN, 'A', 0);
    PostQuitMessage(0);
    CPaintManagerUI::MessageLoop();
    EXPECT_EQ(accelerator.seen, 1);
    std::vector<WPARAM> keyDowns;
    for (const auto& e : m_a->events)
        if (e.Type == EV_KEYDOWN) keyDowns.push_back(e.wParam);
    EXPECT_EQ(keyDowns, std::vector<WPARAM>{'A'});  // F1 went to the accelerator only
}

TEST_F(PaintManagerTest, ResizeTellsTheFocusedControlAndLaysOutAgain) {
    m_d->SetFocus();
    SetWindowPos(m_window.Handle(), nullptr, 0, 0, 300, 200, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    bool told = false;
    for (const auto& e : m_d->events) told |= e.Type == EV_WINDOWSIZE && e.pSender == m_d;
    EXPECT_TRUE(told);
    EXPECT_TRUE(m_root->IsLayoutPending());
    m_window.Paint();
    EXPECT_FALSE(m_root->IsLayoutPending());
    EXPECT_EQ(m_root->GetPos().right, 300);
}

// --- Without a window -------------------------------------------------------------

TEST(PaintManagerCachesTest, ClassDefaultsOptionGroupsAndBorrowing) {
    CPaintManagerUI owner, borrower;
    owner.AddClassDefaults("Button", "width=\"10\"");
    owner.AddClassDefaults("Button", "width=\"20\"");  // ignored
    EXPECT_STREQ(owner.ClassDefaults("Button"), "width=\"10\"");
    EXPECT_EQ(borrower.ClassDefaults("Button"), nullptr);
    EXPECT_TRUE(borrower.BorrowResources(&owner));
    EXPECT_STREQ(borrower.ClassDefaults("Button"), "width=\"10\"");
    EXPECT_FALSE(owner.BorrowResources(&borrower));  // would be a cycle
    owner.SetDefaultFontColor(0xFF123456);
    EXPECT_EQ(borrower.DefaultFontColor(), 0xFF123456u);
    EXPECT_TRUE(borrower.BorrowResources(nullptr));
    EXPECT_EQ(borrower.DefaultFontColor(), 0xFF000000u);

    RecordingControl x, y;
    EXPECT_TRUE(owner.JoinOptionGroup("g", &x));
    EXPECT_FALSE(owner.JoinOptionGroup("g", &x));
    EXPECT_TRUE(owner.JoinOptionGroup("g", &y));
    EXPECT_EQ(owner.OptionGroup("g")->Count(), 2);
    owner.LeaveOptionGroup("g", &x);
    owner.LeaveOptionGroup("g", &y);
    EXPECT_EQ(owner.OptionGroup("g"), nullptr);
}

TEST(PaintManagerCachesTest, FontsByIndexFallBackToTheBaseFont) {
    CPaintManagerUI manager;
    const TSkinFont* base = manager.BaseFontInfo();
    EXPECT_EQ(manager.FontByIndex(-1), base->hFont.get());
    EXPECT_EQ(manager.FontByIndex(0), base->hFont.get());
    HFONT bold = manager.RegisterFont("Tahoma", 12, true, false, false);
    ASSERT_NE(bold, nullptr);
    EXPECT_EQ(manager.FontByIndex(0), bold);
    EXPECT_EQ(manager.LookupFont("Tahoma", 12, true, false, false), bold);
    EXPECT_EQ(manager.LookupFont("Tahoma", 12, false, false, false), nullptr);
    LOGFONTA lf = {}, gui = {};
    GetObjectA(bold, sizeof(lf), &lf);
    GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof(gui), &gui);
    EXPECT_EQ(lf.lfHeight, -12);
    EXPECT_EQ(lf.lfWeight, gui.lfWeight + 700);
    EXPECT_GT(manager.FontInfoByIndex(0)->tm.tmHeight, 0);
    EXPECT_EQ(manager.FontInfoByHandle(bold)->iSize, 12);
}


// A kept back buffer: a window uncovered is copied from it, while what the
// controls invalidate is drawn again.
class CountingControl : public RecordingControl {
public:
    using RecordingControl::RecordingControl;
    // Reached only when the control meets the area being drawn.
    void PaintBackgroundColor(HDC hDC) override {
        ++paints;
        RecordingControl::PaintBackgroundColor(hDC);
    }
    int paints = 0;
};

class BackBufferTest : public testing::Test {
protected:
    BackBufferTest() {
        m_root = new FixedContainer;
        m_left = static_cast<CountingControl*>(m_root->Add(new CountingControl("left", 0, RECT{10, 10, 60, 40})));
        m_right = static_cast<CountingControl*>(m_root->Add(new CountingControl("right", 0, RECT{100, 10, 150, 40})));
        m_left->SetBkColor(0xFFFF0000);
        m_right->SetBkColor(0xFF0000FF);
        m_window.Manager().AttachRoot(m_root);
        m_window.Manager().SetKeepBackBuffer(true);
        m_window.Paint();
        m_left->paints = m_right->paints = 0;
    }
    uint32_t ScreenPixel(int x, int y) {
        WindowDc dc = GetWindowDc(m_window.Handle());
        return GetPixel(dc.get(), x, y);
    }

    TestWindow m_window{200, 100};
    FixedContainer* m_root;
    CountingControl *m_left, *m_right;
};

TEST_F(BackBufferTest, ByDefaultEveryPaintDrawsTheControlsAgain) {
    m_window.Manager().SetKeepBackBuffer(false);
    RedrawWindow(m_window.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_GE(m_left->paints, 1);
    EXPECT_GE(m_right->paints, 1);
}

TEST_F(BackBufferTest, AnUncoveredWindowIsCopiedWithoutDrawingControls) {
    RedrawWindow(m_window.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(m_left->paints, 0);
    EXPECT_EQ(m_right->paints, 0);
    EXPECT_EQ(ScreenPixel(30, 20), RGB(255, 0, 0));
    EXPECT_EQ(ScreenPixel(120, 20), RGB(0, 0, 255));
}

TEST_F(BackBufferTest, AChangedControlIsDrawnAgainAndOnlyItsArea) {
    m_left->SetBkColor(0xFF00FF00);
    RedrawWindow(m_window.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_GE(m_left->paints, 1);
    EXPECT_EQ(m_right->paints, 0);
    EXPECT_EQ(ScreenPixel(30, 20), RGB(0, 255, 0));
    EXPECT_EQ(ScreenPixel(120, 20), RGB(0, 0, 255));
}

TEST_F(BackBufferTest, AreaDrawnOnDirectlyIsDrawnAgain) {
    {
        WindowDc dc = GetWindowDc(m_window.Handle());
        RECT scribble = {100, 10, 150, 40};
        FillRect(dc.get(), &scribble, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    }
    m_window.Manager().DiscardBufferedArea(RECT{100, 10, 150, 40});
    RedrawWindow(m_window.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_GE(m_right->paints, 1);
    EXPECT_EQ(m_left->paints, 0);
    EXPECT_EQ(ScreenPixel(120, 20), RGB(0, 0, 255));
}

TEST_F(BackBufferTest, ALaidOutWindowIsDrawnAgainWhole) {
    SetWindowPos(m_window.Handle(), nullptr, 0, 0, 220, 110, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    UpdateWindow(m_window.Handle());
    EXPECT_GE(m_left->paints, 1);
    EXPECT_GE(m_right->paints, 1);
}

}  // namespace
