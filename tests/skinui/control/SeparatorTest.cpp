// Layout separators dragged with real mouse messages: deferred drags with the
// translucent bar, immediate drags, the min/max limits and ignored moves, and
// the horizontal mirror with a separator on the left edge.
#include <gtest/gtest.h>

#include "skinui/control/HorizontalLayout.h"
#include "skinui/control/VerticalLayout.h"
#include "tests/support/ContainerHelpers.h"
#include "tests/support/TestWindow.h"

namespace {

using namespace SkinUI;
using testsupport::MakeControl;
using testsupport::PointParam;
using testsupport::RectText;
using testsupport::TestWindow;

class SeparatorTest : public testing::Test {
protected:
    // A 200x200 vertical stack: `top` (100 high, with the attributes) over a
    // stretched `bottom`.
    void Build(const char* topAttributes) {
        auto* root = MakeControl<CVerticalLayoutUI>("bkcolor=\"#FFFFFFFF\"");
        top = MakeControl<CVerticalLayoutUI>(topAttributes);
        bottom = MakeControl("");
        root->Add(top);
        root->Add(bottom);
        window.Manager().AttachRoot(root);
        window.Paint();
    }
    void Mouse(UINT msg, int x, int y) {
        SendMessageA(window.Handle(), msg, msg == WM_LBUTTONUP ? 0 : MK_LBUTTON, PointParam(x, y));
    }

    TestWindow window{200, 200};
    CVerticalLayoutUI* top = nullptr;
    CControlUI* bottom = nullptr;
};

TEST_F(SeparatorTest, DeferredDragMovesOnlyTheBarUntilRelease) {
    Build("height=\"100\" sepheight=\"4\"");
    EXPECT_EQ(RectText(top->GetSeparatorRect(false)), "0,96,200,100");
    Mouse(WM_LBUTTONDOWN, 50, 98);
    Mouse(WM_MOUSEMOVE, 50, 130);
    EXPECT_EQ(RectText(top->GetSeparatorRect(true)), "0,128,200,132");
    EXPECT_EQ(RectText(top->GetPos()), "0,0,200,100");
    window.Paint();
    EXPECT_EQ(bottom->GetPos().top, 100);
    const DWORD bar = testsupport::ScreenPixel(window.Handle(), 100, 130);
    EXPECT_LT(bar & 0xFF, 0x80u) << std::hex << bar;  // translucent black over white
    EXPECT_GT(bar & 0xFF, 0x20u) << std::hex << bar;
    EXPECT_EQ(testsupport::ScreenPixel(window.Handle(), 100, 120), 0xFFFFFFu);

    Mouse(WM_LBUTTONUP, 50, 130);
    window.Paint();
    EXPECT_EQ(RectText(top->GetPos()), "0,0,200,132");
    EXPECT_EQ(bottom->GetPos().top, 132);
    EXPECT_EQ(testsupport::ScreenPixel(window.Handle(), 100, 130), 0xFFFFFFu);  // the bar is gone with the drag
}

TEST_F(SeparatorTest, MinimumStopsTheEdgeAndThePointerMustCatchUp) {
    Build("height=\"100\" sepheight=\"4\" minheight=\"80\"");
    Mouse(WM_LBUTTONDOWN, 50, 98);
    Mouse(WM_MOUSEMOVE, 50, 50);
    EXPECT_EQ(top->GetSeparatorRect(true).bottom, 80);
    Mouse(WM_MOUSEMOVE, 50, 60);  // still above the bar: ignored
    EXPECT_EQ(top->GetSeparatorRect(true).bottom, 80);
    Mouse(WM_MOUSEMOVE, 50, 78);
    EXPECT_EQ(top->GetSeparatorRect(true).bottom, 98);
    Mouse(WM_LBUTTONUP, 50, 78);
    window.Paint();
    EXPECT_EQ(top->GetFixedHeight(), 98);
    EXPECT_EQ(bottom->GetPos().top, 98);
}

TEST_F(SeparatorTest, ImmediateModeLaysOutWhileDragging) {
    Build("height=\"100\" sepheight=\"4\" sepimm=\"true\" maxheight=\"150\"");
    Mouse(WM_LBUTTONDOWN, 50, 98);
    Mouse(WM_MOUSEMOVE, 50, 120);
    window.Paint();
    EXPECT_EQ(RectText(top->GetPos()), "0,0,200,122");
    EXPECT_EQ(bottom->GetPos().top, 122);
    Mouse(WM_MOUSEMOVE, 50, 190);  // held at the maximum
    window.Paint();
    EXPECT_EQ(bottom->GetPos().top, 150);
    Mouse(WM_LBUTTONUP, 50, 190);
}

TEST_F(SeparatorTest, PressOutsideTheSeparatorIsNotADrag) {
    Build("height=\"100\" sepheight=\"4\"");
    Mouse(WM_LBUTTONDOWN, 50, 50);
    Mouse(WM_MOUSEMOVE, 50, 150);
    Mouse(WM_LBUTTONUP, 50, 150);
    window.Paint();
    EXPECT_EQ(bottom->GetPos().top, 100);
}

TEST(HorizontalSeparatorTest, LeftEdgeSeparatorWidensToTheLeft) {
    TestWindow window(200, 100);
    auto* root = MakeControl<CHorizontalLayoutUI>("");
    CControlUI* left = MakeControl("");
    auto* right = MakeControl<CHorizontalLayoutUI>("width=\"100\" sepwidth=\"-4\"");
    root->Add(left);
    root->Add(right);
    window.Manager().AttachRoot(root);
    window.Paint();
    EXPECT_EQ(RectText(right->GetSeparatorRect(false)), "100,0,104,100");
    SendMessageA(window.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, PointParam(102, 50));
    SendMessageA(window.Handle(), WM_MOUSEMOVE, MK_LBUTTON, PointParam(80, 50));
    EXPECT_EQ(RectText(right->GetSeparatorRect(true)), "78,0,82,100");
    SendMessageA(window.Handle(), WM_LBUTTONUP, 0, PointParam(80, 50));
    window.Paint();
    EXPECT_EQ(right->GetFixedWidth(), 122);
    EXPECT_EQ(RectText(left->GetPos()), "0,0,78,100");
    EXPECT_EQ(RectText(right->GetPos()), "78,0,200,100");
}

}  // namespace
