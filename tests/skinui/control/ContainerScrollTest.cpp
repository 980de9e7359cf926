// A container scrolled for real: by the wheel, by keys and through its bar
// (buttons, paging, thumb dragging, the repeat timer), and the bar drawn where
// the position says.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skinui/control/HorizontalLayout.h"
#include "skinui/control/ScrollBar.h"
#include "skinui/control/VerticalLayout.h"
#include "tests/support/CaseNames.h"
#include "tests/support/ContainerHelpers.h"
#include "tests/support/TestWindow.h"

namespace {

using namespace SkinUI;
using testsupport::MakeControl;
using testsupport::PointParam;
using testsupport::RectText;
using testsupport::TestWindow;

constexpr DWORD kOutline = 0x85E4FF;
constexpr DWORD kWhite = 0xFFFFFF;

// A 200x100 window whose vertical layout holds five rows of 50 and a float
// badge: 250 pixels of content, a bar of 16 at the right, range 150.
class ContainerScrollTest : public testing::Test {
protected:
    void SetUp() override {
        layout = MakeControl<CVerticalLayoutUI>("vscrollbar=\"true\" bkcolor=\"#FFFFFFFF\"");
        for (int i = 0; i < 5; ++i) {
            rows.push_back(MakeControl("height=\"50\""));
            layout->Add(rows.back());
        }
        badge = MakeControl("float=\"true\" pos=\"150,10,160,20\"");
        layout->Add(badge);
        window.Manager().AttachRoot(layout);
        window.Paint();
        bar = layout->GetVerticalScrollBar();
        step = window.Manager().BaseFontInfo()->tm.tmHeight + 8;
    }
    int Pos() const { return bar->GetScrollPos(); }
    void Press(int x, int y) { SendMessageA(window.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, PointParam(x, y)); }
    void Move(int x, int y) { SendMessageA(window.Handle(), WM_MOUSEMOVE, MK_LBUTTON, PointParam(x, y)); }
    void Release(int x, int y) { SendMessageA(window.Handle(), WM_LBUTTONUP, 0, PointParam(x, y)); }
    void Key(WPARAM key) {
        SendMessageA(window.Handle(), WM_KEYDOWN, key, 0);
        SendMessageA(window.Handle(), WM_KEYUP, key, 0);
    }
    void Wheel(int delta) {
        POINT screen = {50, 50};
        ClientToScreen(window.Handle(), &screen);
        SendMessageA(window.Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(delta)),
                     MAKELPARAM(static_cast<WORD>(screen.x), static_cast<WORD>(screen.y)));
    }

    TestWindow window{200, 100};
    CVerticalLayoutUI* layout = nullptr;
    CScrollBarUI* bar = nullptr;
    std::vector<CControlUI*> rows;
    CControlUI* badge = nullptr;
    int step = 0;
};

TEST_F(ContainerScrollTest, ContentBeyondTheHeightShowsTheBar) {
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(bar->IsVisible());
    EXPECT_EQ(bar->GetScrollRange(), 150);
    EXPECT_EQ(RectText(bar->GetPos()), "184,0,200,100");
    EXPECT_EQ(RectText(rows[4]->GetPos()), "0,200,184,250");
    EXPECT_EQ(RectText(layout->GetInnerRect()), "0,0,184,100");
    SIZE range = layout->GetScrollRange();
    EXPECT_EQ(range.cy, 150);
    EXPECT_EQ(range.cx, 0);
}

TEST_F(ContainerScrollTest, WheelScrollsByTheFontsLineStep) {
    EXPECT_GT(step, 8);
    Wheel(-120);
    EXPECT_EQ(Pos(), step);
    EXPECT_EQ(rows[0]->GetPos().top, -step);
    EXPECT_EQ(RectText(badge->GetPos()), "150,10,160,20");  // floats stay put
    Wheel(120);
    EXPECT_EQ(Pos(), 0);
    EXPECT_EQ(rows[0]->GetPos().top, 0);
}

TEST_F(ContainerScrollTest, KeysScrollTheFocusedContainer) {
    layout->SetFocus();
    ASSERT_EQ(window.Manager().FocusedControl(), layout);
    struct Step {
        WPARAM key;
        int expected;  // -1: one line step
    };
    const Step steps[] = {{VK_NEXT, 100}, {VK_NEXT, 150}, {VK_HOME, 0}, {VK_DOWN, -1},
                          {VK_UP, 0},     {VK_END, 150},  {VK_PRIOR, 50}};
    for (const Step& s : steps) {
        Key(s.key);
        const int expected = s.expected < 0 ? step : s.expected;
        SCOPED_TRACE("key " + std::to_string(s.key));
        EXPECT_EQ(Pos(), expected);
        EXPECT_EQ(rows[0]->GetPos().top, -expected);
    }
}

TEST_F(ContainerScrollTest, BarButtonsAndTrackScrollTheOwner) {
    // Thumb at the top: 16..43; button 2 at 84..100.
    EXPECT_EQ(RectText(bar->GetThumbRect()), "184,16,200,43");
    Press(192, 90);
    Release(192, 90);
    EXPECT_EQ(Pos(), step);
    Press(192, 8);
    Release(192, 8);
    EXPECT_EQ(Pos(), 0);
    Press(192, 70);  // the track below the thumb: a page
    Release(192, 70);
    EXPECT_EQ(Pos(), 100);
    EXPECT_EQ(rows[0]->GetPos().top, -100);
    Press(192, 20);  // above the thumb now
    Release(192, 20);
    EXPECT_EQ(Pos(), 0);
    // Pressing the bar gives its owner the focus.
    EXPECT_EQ(window.Manager().FocusedControl(), layout);
}

TEST_F(ContainerScrollTest, ThumbDragMovesAtTheNextTick) {
    Press(192, 30);
    const UINT timer = testsupport::TakeOverWindowTimer(window.Handle());
    ASSERT_NE(timer, 0xFFFFu);
    EXPECT_TRUE(bar->GetThumbState() & CScrollBarUI::STATE_CAPTURED);
    Move(192, 50);
    EXPECT_EQ(Pos(), 0);  // not before the tick
    testsupport::SendTimerTicks(window.Handle(), timer, 1);
    // Track = 100 - 2 * 16 - 27 = 41; 20 * 150 / 41 = 73.
    EXPECT_EQ(Pos(), 73);
    EXPECT_EQ(rows[0]->GetPos().top, -73);
    Move(192, 200);
    testsupport::SendTimerTicks(window.Handle(), timer, 1);
    EXPECT_EQ(Pos(), 150);
    Release(192, 200);
    EXPECT_EQ(bar->GetThumbState() & (CScrollBarUI::STATE_CAPTURED | CScrollBarUI::STATE_PUSHED), 0u);
}

TEST_F(ContainerScrollTest, HeldButtonRepeatsFromTheSixthTick) {
    Press(192, 90);
    const UINT timer = testsupport::TakeOverWindowTimer(window.Handle());
    ASSERT_NE(timer, 0xFFFFu);
    EXPECT_EQ(Pos(), step);
    testsupport::SendTimerTicks(window.Handle(), timer, 5);
    EXPECT_EQ(Pos(), step);
    testsupport::SendTimerTicks(window.Handle(), timer, 1);
    EXPECT_EQ(Pos(), 2 * step);
    testsupport::SendTimerTicks(window.Handle(), timer, 1);
    EXPECT_EQ(Pos(), 3 * step);
    Release(192, 90);
    testsupport::SendTimerTicks(window.Handle(), timer, 3);  // the timer stopped with the release
    EXPECT_EQ(Pos(), 3 * step);
}

TEST_F(ContainerScrollTest, ThumbIsDrawnWhereThePositionSays) {
    window.Paint();
    EXPECT_EQ(window.Pixel(184, 30), kOutline);  // thumb's left edge
    EXPECT_EQ(window.Pixel(184, 8), kOutline);   // button 1
    EXPECT_EQ(window.Pixel(184, 70), kWhite);
    EXPECT_EQ(window.Pixel(192, 30), kWhite);    // outlines only, no fill
    layout->ScrollToBottom();
    window.Paint();
    // At 150 the thumb spans 57..84.
    EXPECT_EQ(RectText(bar->GetThumbRect()), "184,57,200,84");
    EXPECT_EQ(window.Pixel(184, 70), kOutline);
    EXPECT_EQ(window.Pixel(184, 30), kWhite);
}

TEST_F(ContainerScrollTest, ShrinkingContentHidesTheBar) {
    layout->ScrollToBottom();
    for (int i = 4; i >= 1; --i) layout->RemoveAt(i);
    window.Paint();
    EXPECT_FALSE(bar->IsVisible());
    EXPECT_EQ(Pos(), 0);
    EXPECT_EQ(RectText(rows[0]->GetPos()), "0,0,200,50");
}

TEST(HorizontalScrollTest, KeysUseTheHorizontalBarWhenThereIsNoVerticalOne) {
    TestWindow window(200, 100);
    auto* layout = MakeControl<CHorizontalLayoutUI>("hscrollbar=\"true\"");
    CControlUI* first = MakeControl("width=\"150\"");
    layout->Add(first);
    layout->Add(MakeControl("width=\"150\""));
    window.Manager().AttachRoot(layout);
    window.Paint();
    CScrollBarUI* bar = layout->GetHorizontalScrollBar();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(RectText(bar->GetPos()), "0,84,200,100");
    layout->SetFocus();
    const std::pair<WPARAM, int> steps[] = {{VK_DOWN, 8}, {VK_END, 100}, {VK_UP, 92}, {VK_HOME, 0}};
    for (const auto& s : steps) {
        SendMessageA(window.Handle(), WM_KEYDOWN, s.first, 0);
        EXPECT_EQ(bar->GetScrollPos(), s.second);
        EXPECT_EQ(first->GetPos().left, -s.second);
    }
}

}  // namespace
