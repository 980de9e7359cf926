// The scroll bar on its own: where its parts go, range and position rules,
// and a free-standing bar in a window (presses, "scroll", hot states,
// dragging, disabling).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skinui/control/Container.h"
#include "skinui/control/ScrollBar.h"
#include "tests/support/CaseNames.h"
#include "tests/support/ContainerHelpers.h"
#include "tests/support/TestWindow.h"

namespace {

using namespace SkinUI;
using testsupport::MakeControl;
using testsupport::PointParam;
using testsupport::RectText;
using testsupport::TestWindow;

struct PartsCase {
    const char* attributes;
    RECT pos;
    const char* button1;
    const char* button2;
    const char* thumb;
};

class ScrollBarPartsTest : public testing::TestWithParam<PartsCase> {};

TEST_P(ScrollBarPartsTest, PlacesButtonsAndThumb) {
    const PartsCase& c = GetParam();
    CScrollBarUI bar;
    bar.ApplyAttributes(c.attributes);
    bar.SetPos(c.pos);
    EXPECT_EQ(RectText(bar.GetButton1Rect()), c.button1);
    EXPECT_EQ(RectText(bar.GetButton2Rect()), c.button2);
    EXPECT_EQ(RectText(bar.GetThumbRect()), c.thumb);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ScrollBarPartsTest,
    testing::Values(
        PartsCase{"", {0, 0, 16, 100}, "0,0,16,16", "0,84,16,100", "0,16,16,50"},
        PartsCase{"value=\"100\"", {0, 0, 16, 100}, "0,0,16,16", "0,84,16,100", "0,50,16,84"},
        PartsCase{"", {0, 0, 16, 20}, "0,0,16,10", "0,10,16,20", "0,0,0,0"},  // no room for a thumb
        PartsCase{"range=\"0\"", {0, 0, 16, 100}, "0,0,16,16", "0,84,16,100", "0,16,16,84"},
        PartsCase{"showbutton1=\"false\" showbutton2=\"false\"", {10, 20, 26, 120}, "10,20,10,20", "10,120,10,120",
                  "10,20,26,70"},
        PartsCase{"hor=\"true\" value=\"50\"", {0, 0, 100, 16}, "0,0,16,16", "84,0,100,16", "33,0,67,16"},
        PartsCase{"hor=\"true\" height=\"10\" range=\"1000\"", {0, 0, 100, 10}, "0,0,10,10", "90,0,100,10",
                  "10,0,20,10"}),
    testsupport::CaseIndex());

TEST(ScrollBarValueTest, RangeAndPositionClamp) {
    CScrollBarUI bar;
    EXPECT_EQ(bar.GetFixedWidth(), 16);
    EXPECT_EQ(bar.GetScrollRange(), 100);
    bar.SetScrollPos(150);
    EXPECT_EQ(bar.GetScrollPos(), 100);
    bar.SetScrollPos(-5);
    EXPECT_EQ(bar.GetScrollPos(), 0);
    bar.SetScrollPos(80);
    bar.SetScrollRange(30);
    EXPECT_EQ(bar.GetScrollPos(), 30);
    bar.SetScrollRange(-4);
    EXPECT_EQ(bar.GetScrollRange(), 0);
    EXPECT_EQ(bar.GetScrollPos(), 0);
    bar.SetHorizontal(true);
    EXPECT_EQ(bar.GetFixedWidth(), 0);
    EXPECT_EQ(bar.GetFixedHeight(), 16);
    bar.SetAttribute("linesize", "5");
    EXPECT_EQ(bar.GetLineSize(), 5);
    EXPECT_STREQ(bar.GetTypeName(), "ScrollBarUI");
    EXPECT_EQ(bar.AsInterface("ScrollBar"), &bar);
}

class ScrollLog : public INotifyUI {
public:
    void Notify(TNotifyUI& msg) override {
        if (msg.sType == "scroll") ++count;
    }
    int count = 0;
};

// A free-standing bar 16x100 at the window's left edge; the window is a
// plain container so the bar lies where its "pos" says.
class FreeScrollBarTest : public testing::Test {
protected:
    void SetUp() override {
        window.Manager().AddNotifyTarget(&log);
        auto* root = MakeControl<CContainerUI>("bkcolor=\"#FFFFFFFF\"");
        bar = MakeControl<CScrollBarUI>("float=\"true\" pos=\"0,0,16,100\" linesize=\"10\"");
        root->Add(bar);
        window.Manager().AttachRoot(root);
        window.Paint();
    }
    void Send(UINT msg, int x, int y) { SendMessageA(window.Handle(), msg, 0, PointParam(x, y)); }

    TestWindow window{100, 100};
    ScrollLog log;
    CScrollBarUI* bar = nullptr;
};

TEST_F(FreeScrollBarTest, PressesMoveItsOwnPositionAndNotify) {
    Send(WM_LBUTTONDOWN, 8, 90);
    EXPECT_EQ(bar->GetScrollPos(), 10);
    EXPECT_TRUE(bar->GetButton2State() & CScrollBarUI::STATE_PUSHED);
    EXPECT_EQ(log.count, 1);
    Send(WM_LBUTTONUP, 8, 90);
    EXPECT_EQ(log.count, 1);  // no notification on release
    EXPECT_FALSE(bar->GetButton2State() & CScrollBarUI::STATE_PUSHED);

    Send(WM_LBUTTONDOWN, 8, 80);  // track below the thumb: a page of the bar's height
    Send(WM_LBUTTONUP, 8, 80);
    EXPECT_EQ(bar->GetScrollPos(), 100);
    Send(WM_LBUTTONDOWN, 8, 5);
    Send(WM_LBUTTONUP, 8, 5);
    EXPECT_EQ(bar->GetScrollPos(), 90);
    EXPECT_EQ(log.count, 3);
}

TEST_F(FreeScrollBarTest, DraggingTheThumbMovesAtTheTick) {
    Send(WM_LBUTTONDOWN, 8, 20);  // thumb 16..50
    const UINT timer = testsupport::TakeOverWindowTimer(window.Handle());
    ASSERT_NE(timer, 0xFFFFu);
    SendMessageA(window.Handle(), WM_MOUSEMOVE, MK_LBUTTON, PointParam(8, 53));
    EXPECT_EQ(bar->GetScrollPos(), 0);
    testsupport::SendTimerTicks(window.Handle(), timer, 1);
    EXPECT_EQ(bar->GetScrollPos(), 97);  // 33 * 100 / 34
    EXPECT_EQ(log.count, 2);
    Send(WM_LBUTTONUP, 8, 53);
}

TEST_F(FreeScrollBarTest, HeldTrackPagesTowardTheCursor) {
    bar->SetScrollPos(50);  // thumb 33..67
    Send(WM_LBUTTONDOWN, 8, 80);
    const UINT timer = testsupport::TakeOverWindowTimer(window.Handle());
    ASSERT_NE(timer, 0xFFFFu);
    EXPECT_EQ(bar->GetScrollPos(), 100);
    bar->SetScrollPos(50);
    POINT above = {8, 10};
    ClientToScreen(window.Handle(), &above);
    ASSERT_TRUE(SetCursorPos(above.x, above.y));
    testsupport::SendTimerTicks(window.Handle(), timer, 5);
    EXPECT_EQ(bar->GetScrollPos(), 50);
    testsupport::SendTimerTicks(window.Handle(), timer, 1);
    EXPECT_EQ(bar->GetScrollPos(), 0);
    Send(WM_LBUTTONUP, 8, 10);
}

TEST_F(FreeScrollBarTest, HotButtonsStayHotUntilThePointerLeaves) {
    Send(WM_MOUSEMOVE, 8, 30);  // enters over the thumb
    EXPECT_TRUE(bar->GetButton1State() & CScrollBarUI::STATE_HOT);
    EXPECT_TRUE(bar->GetButton2State() & CScrollBarUI::STATE_HOT);
    EXPECT_TRUE(bar->GetThumbState() & CScrollBarUI::STATE_HOT);
    Send(WM_MOUSEMOVE, 8, 70);
    EXPECT_FALSE(bar->GetThumbState() & CScrollBarUI::STATE_HOT);
    EXPECT_TRUE(bar->GetButton1State() & CScrollBarUI::STATE_HOT);
    Send(WM_MOUSEMOVE, 60, 70);  // off the bar
    EXPECT_FALSE(bar->GetButton1State() & CScrollBarUI::STATE_HOT);
    EXPECT_FALSE(bar->GetButton2State() & CScrollBarUI::STATE_HOT);
}

TEST_F(FreeScrollBarTest, DisabledBarIgnoresPressesAndDrawsItsOutlines) {
    Send(WM_MOUSEMOVE, 8, 30);
    bar->SetEnabled(false);
    EXPECT_EQ(bar->GetButton1State() | bar->GetButton2State() | bar->GetThumbState(), 0u);
    Send(WM_LBUTTONDOWN, 8, 90);
    Send(WM_LBUTTONUP, 8, 90);
    EXPECT_EQ(bar->GetScrollPos(), 0);
    EXPECT_EQ(log.count, 0);
    window.Paint();
    EXPECT_EQ(window.Pixel(0, 30), 0x85E4FFu);
    EXPECT_TRUE(bar->GetThumbState() & CScrollBarUI::STATE_DISABLED);  // set again by painting
}

TEST(OwnedScrollBarTest, NeverNotifies) {
    TestWindow window(100, 100);
    ScrollLog log;
    window.Manager().AddNotifyTarget(&log);
    auto* root = MakeControl<CContainerUI>("vscrollbar=\"true\"");
    window.Manager().AttachRoot(root);
    window.Paint();
    CScrollBarUI* bar = root->GetVerticalScrollBar();
    bar->SetVisible(true);
    bar->SetPos(RECT{84, 0, 100, 100});
    SendMessageA(window.Handle(), WM_LBUTTONDOWN, 0, PointParam(90, 90));
    SendMessageA(window.Handle(), WM_LBUTTONUP, 0, PointParam(90, 90));
    EXPECT_EQ(log.count, 0);
}

}  // namespace
