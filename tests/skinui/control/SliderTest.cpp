// The slider: thumb geometry, values from points at the ends and inside,
// dragging and track clicks through real mouse messages, the wheel beyond
// the range, and the thumb images.
#include <gtest/gtest.h>

#include <string>

#include "skinui/control/Slider.h"
#include "skinui/core/PaintManager.h"
#include "tests/support/CaseNames.h"
#include "tests/support/ContainerHelpers.h"
#include "tests/support/ControlHarness.h"
#include "tests/support/SolidImageFolder.h"

namespace {

using namespace SkinUI;
using testsupport::ControlHarness;
using testsupport::RectText;

TEST(SliderGeometryTest, ThumbRectFollowsTheValue) {
    CSliderUI slider;
    slider.SetPos(RECT{10, 10, 210, 30});
    EXPECT_EQ(RectText(slider.GetThumbRect()), "10,15,20,25");
    slider.SetValue(50);
    EXPECT_EQ(RectText(slider.GetThumbRect()), "105,15,115,25");
    slider.SetValue(100);
    EXPECT_EQ(RectText(slider.GetThumbRect()), "200,15,210,25");
    slider.SetHorizontal(false);
    slider.SetPos(RECT{10, 10, 30, 210});
    slider.SetValue(0);
    EXPECT_EQ(RectText(slider.GetThumbRect()), "15,200,25,210");
    slider.SetValue(50);
    EXPECT_EQ(RectText(slider.GetThumbRect()), "15,105,25,115");
    slider.SetThumbSize(SIZE{6, 20});
    EXPECT_EQ(RectText(slider.GetThumbRect()), "17,100,23,120");
}

struct ReleaseCase {
    const char* attributes;
    RECT pos;
    POINT release;
    int value;
};

class SliderReleaseTest : public testing::TestWithParam<ReleaseCase> {};

TEST_P(SliderReleaseTest, ReleaseSetsTheValueAtThePoint) {
    ControlHarness h;
    const ReleaseCase& c = GetParam();
    std::string attributes = "float=\"true\" pos=\"" + RectText(c.pos) + "\" value=\"30\" " + c.attributes;
    auto* slider = h.Add<CSliderUI>(attributes.c_str());
    h.window.Paint();
    // A press on the track (not the thumb) still ends in a value at the release.
    h.Send(WM_LBUTTONDOWN, c.pos.left + 1, c.pos.top + 1, MK_LBUTTON);
    h.Send(WM_LBUTTONUP, c.release.x, c.release.y);
    EXPECT_EQ(slider->GetValue(), c.value) << c.attributes << " at " << c.release.x << "," << c.release.y;
    EXPECT_EQ(h.log.Joined(), "valuechanged");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SliderReleaseTest,
    testing::Values(ReleaseCase{"", {10, 10, 210, 30}, {205, 20}, 100},
                    ReleaseCase{"", {10, 10, 210, 30}, {204, 20}, 99},
                    ReleaseCase{"", {10, 10, 210, 30}, {15, 20}, 0},
                    ReleaseCase{"", {10, 10, 210, 30}, {110, 20}, 50},
                    ReleaseCase{"min=\"-10\" max=\"10\"", {10, 10, 210, 30}, {110, 20}, 0},
                    ReleaseCase{"hor=\"false\"", {10, 10, 30, 210}, {20, 205}, 0},
                    ReleaseCase{"hor=\"false\"", {10, 10, 30, 210}, {20, 15}, 100},
                    ReleaseCase{"hor=\"false\"", {10, 10, 30, 210}, {20, 110}, 50}),
    testsupport::CaseIndex());

TEST(SliderDragTest, DraggingTheThumbMovesTheValueQuietly) {
    ControlHarness h;
    auto* slider = h.Add<CSliderUI>("float=\"true\" pos=\"10,10,210,30\"");
    h.window.Paint();
    h.Send(WM_LBUTTONDOWN, 15, 20, MK_LBUTTON);
    EXPECT_TRUE(slider->GetButtonState() & 0x40);
    h.Send(WM_MOUSEMOVE, 110, 20, MK_LBUTTON);
    EXPECT_EQ(slider->GetValue(), 50);
    h.Send(WM_MOUSEMOVE, 300, 150, MK_LBUTTON);  // beyond the end while captured
    EXPECT_EQ(slider->GetValue(), 100);
    EXPECT_EQ(h.log.Joined(), "");
    h.Send(WM_LBUTTONUP, 62, 150);
    EXPECT_EQ(slider->GetValue(), 24);
    EXPECT_EQ(h.log.Joined(), "valuechanged");
    EXPECT_FALSE(slider->GetButtonState() & 0x40);

    // Moves without a captured thumb change nothing.
    h.Send(WM_MOUSEMOVE, 150, 20);
    EXPECT_EQ(slider->GetValue(), 24);
}

TEST(SliderWheelTest, StepsBeyondTheRangeUntilThePaintClamps) {
    ControlHarness h;
    auto* slider = h.Add<CSliderUI>("float=\"true\" pos=\"10,10,210,30\" value=\"98\" step=\"5\"");
    h.window.Paint();
    h.Wheel(100, 20, WHEEL_DELTA);
    EXPECT_EQ(slider->GetValue(), 103);
    h.Wheel(100, 20, WHEEL_DELTA);
    EXPECT_EQ(slider->GetValue(), 108);
    EXPECT_EQ(h.log.Joined(), "valuechanged valuechanged");
    h.window.Paint();
    EXPECT_EQ(slider->GetValue(), 100);
    h.Wheel(100, 20, -WHEEL_DELTA);
    EXPECT_EQ(slider->GetValue(), 95);
}

// Thumb plain green, hot blue, pushed red, on a white track.
TEST(SliderPaintTest, ThumbImageFollowsHoverAndCapture) {
    testsupport::SolidImageFolder images;
    ControlHarness h;
    auto* slider = h.Add<CSliderUI>(
        "float=\"true\" pos=\"10,10,210,30\" value=\"50\" thumbimage=\"green.png\" thumbhotimage=\"blue.png\" "
        "thumbpushedimage=\"red.png\"");
    h.window.Paint();
    EXPECT_EQ(RectText(slider->GetThumbRect()), "105,15,115,25");
    const auto thumb = [&h]() {
        h.window.Paint();
        return h.window.Pixel(110, 20);
    };
    EXPECT_EQ(thumb(), 0x00FF00u);
    EXPECT_EQ(h.window.Pixel(50, 20), 0xFFFFFFu);
    h.Send(WM_MOUSEMOVE, 50, 20);
    EXPECT_EQ(thumb(), 0x0000FFu);
    h.Send(WM_LBUTTONDOWN, 110, 20, MK_LBUTTON);
    EXPECT_EQ(thumb(), 0xFF0000u);
    h.Send(WM_LBUTTONUP, 110, 20);
    slider->SetEnabled(false);
    EXPECT_EQ(slider->GetButtonState(), 0u);
    EXPECT_EQ(thumb(), 0x00FF00u);
}

TEST(SliderAttributeTest, NamesAndSettings) {
    CSliderUI slider;
    EXPECT_STREQ(slider.GetTypeName(), "SliderUI");
    EXPECT_EQ(slider.AsInterface("Slider"), &slider);
    EXPECT_EQ(slider.AsInterface("Progress"), static_cast<CProgressUI*>(&slider));
    EXPECT_EQ(slider.GetTextStyle(), 0x21u);
    EXPECT_EQ(slider.GetInputFlags(), UINT{INPUT_WANTS_CURSOR});
    slider.ApplyAttributes("thumbsize=\"12,8\" step=\"3\"");
    EXPECT_EQ(slider.GetThumbSize().cx, 12);
    EXPECT_EQ(slider.GetThumbSize().cy, 8);
    EXPECT_EQ(slider.GetChangeStep(), 3);
    slider.SetEnabled(false);
    EXPECT_EQ(slider.GetInputFlags(), 0u);
}

}  // namespace
