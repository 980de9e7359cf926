// The button: the press/click protocol through real window messages,
// keyboard activation, which state image and text colour are drawn, and its
// attributes and sizes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skinui/control/Button.h"
#include "skinui/core/PaintManager.h"
#include "tests/support/CaseNames.h"
#include "tests/support/ControlHarness.h"
#include "tests/support/SolidImageFolder.h"

namespace {

using namespace SkinUI;
using testsupport::ControlHarness;

struct Step {
    UINT msg;
    int x;
    int y;
};

struct ClickCase {
    const char* attributes;  // besides the position 10,10,110,50
    std::vector<Step> steps;
    const char* notifications;
};

class ButtonClickTest : public testing::TestWithParam<ClickCase> {};

TEST_P(ButtonClickTest, SendsTheProtocolNotifications) {
    ControlHarness h;
    std::string attributes = "float=\"true\" pos=\"10,10,110,50\" menu=\"true\" ";
    attributes += GetParam().attributes;
    auto* button = h.Add<CButtonUI>(attributes.c_str());
    h.window.Paint();
    for (const Step& step : GetParam().steps) h.Send(step.msg, step.x, step.y, step.msg == WM_LBUTTONUP ? 0 : MK_LBUTTON);
    EXPECT_EQ(h.log.Joined(), GetParam().notifications);
    for (CControlUI* sender : h.log.senders) EXPECT_EQ(sender, button);
    EXPECT_EQ(button->GetButtonState() & (UISTATE_PUSHED | UISTATE_CAPTURED), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ButtonClickTest,
    testing::Values(
        ClickCase{"", {{WM_LBUTTONDOWN, 50, 30}, {WM_LBUTTONUP, 50, 30}}, "btndown click btnup"},
        ClickCase{"",
                  {{WM_LBUTTONDOWN, 50, 30}, {WM_MOUSEMOVE, 200, 150}, {WM_MOUSEMOVE, 60, 20}, {WM_LBUTTONUP, 60, 20}},
                  "btndown click btnup"},
        ClickCase{"", {{WM_LBUTTONDOWN, 50, 30}, {WM_MOUSEMOVE, 200, 150}, {WM_LBUTTONUP, 200, 150}}, "btndown btnup"},
        ClickCase{"", {{WM_LBUTTONDOWN, 200, 150}, {WM_MOUSEMOVE, 50, 30}, {WM_LBUTTONUP, 50, 30}}, ""},
        ClickCase{"", {{WM_LBUTTONDBLCLK, 50, 30}, {WM_LBUTTONUP, 50, 30}}, "click btnup"},
        ClickCase{"", {{WM_RBUTTONDOWN, 50, 30}}, "rclick"},
        ClickCase{"", {{WM_RBUTTONDOWN, 50, 30}, {WM_CONTEXTMENU, 50, 30}}, "rclick menu"},
        ClickCase{"menu=\"false\"", {{WM_RBUTTONDOWN, 50, 30}, {WM_CONTEXTMENU, 50, 30}}, "rclick"},
        ClickCase{"mouse=\"false\"", {{WM_LBUTTONDOWN, 50, 30}, {WM_LBUTTONUP, 50, 30}}, ""},
        ClickCase{"enabled=\"false\"",
                  {{WM_LBUTTONDOWN, 50, 30}, {WM_LBUTTONUP, 50, 30}, {WM_RBUTTONDOWN, 50, 30}}, ""}),
    testsupport::CaseIndex());

TEST(ButtonKeyTest, SpaceAndReturnActivateTheFocusedButton) {
    ControlHarness h;
    auto* button = h.Add<CButtonUI>("float=\"true\" pos=\"10,10,110,50\"");
    h.window.Paint();
    button->SetFocus();
    h.Key(VK_SPACE);
    h.Key(VK_RETURN);
    h.Key('A');
    EXPECT_EQ(h.log.Joined(), "click click");

    h.log.Clear();
    button->SetKeyboardEnabled(false);
    h.Key(VK_SPACE);
    button->SetKeyboardEnabled(true);
    button->SetEnabled(false);
    h.Key(VK_RETURN);  // reaches Activate, which fails
    EXPECT_EQ(h.log.Joined(), "");
    EXPECT_FALSE(button->Activate());
}

// Each state shows its own image: normal green, hot blue, pushed red,
// focused yellow, disabled grey.
TEST(ButtonPaintTest, StateImageFollowsTheState) {
    testsupport::SolidImageFolder images;
    ControlHarness h;
    auto* button = h.Add<CButtonUI>(
        "float=\"true\" pos=\"10,10,110,50\" normalimage=\"green.png\" hotimage=\"blue.png\" "
        "pushedimage=\"red.png\" focusedimage=\"yellow.png\" disabledimage=\"grey.png\"");
    const auto pixel = [&h]() {
        h.window.Paint();
        return h.window.Pixel(60, 30);
    };
    h.window.Paint();
    h.window.Manager().FocusControl(nullptr);  // the window focused its first tab stop
    EXPECT_EQ(pixel(), 0x00FF00u);
    h.Send(WM_MOUSEMOVE, 60, 30);
    EXPECT_EQ(pixel(), 0x0000FFu);
    h.Send(WM_LBUTTONDOWN, 60, 30, MK_LBUTTON);
    EXPECT_EQ(pixel(), 0xFF0000u);
    h.Send(WM_MOUSEMOVE, 200, 150, MK_LBUTTON);  // out while captured: neither pushed nor hot
    h.Send(WM_LBUTTONUP, 200, 150);
    EXPECT_TRUE(button->IsFocused());
    EXPECT_EQ(pixel(), 0xFFFF00u);
    button->SetEnabled(false);
    EXPECT_EQ(button->GetButtonState(), 0u);
    EXPECT_EQ(pixel(), 0x808080u);
    // Without a disabled image the normal one shows.
    button->SetDisabledImage("");
    EXPECT_EQ(pixel(), 0x00FF00u);
}

TEST(ButtonPaintTest, HotColourAndHotForeImageEndTheStateStep) {
    testsupport::SolidImageFolder images;
    ControlHarness h;
    auto* filled = h.Add<CButtonUI>(
        "float=\"true\" pos=\"10,10,110,50\" normalimage=\"green.png\" foreimage=\"red.png\" hotbkcolor=\"#FF00FFFF\"");
    auto* fronted = h.Add<CButtonUI>(
        "float=\"true\" pos=\"10,60,110,100\" hotimage=\"blue.png\" "
        "foreimage=\"file='red.png' dest='0,0,10,10'\" hotforeimage=\"file='magenta.png' dest='0,0,10,10'\"");
    h.window.Paint();
    EXPECT_EQ(h.window.Pixel(60, 30), 0xFF0000u);  // normal, then the fore image over it
    h.Send(WM_MOUSEMOVE, 60, 30);
    EXPECT_TRUE(filled->GetButtonState() & UISTATE_HOT);
    h.window.Paint();
    EXPECT_EQ(h.window.Pixel(60, 30), 0x00FFFFu);  // only the hot colour
    h.Send(WM_MOUSEMOVE, 60, 80);
    EXPECT_TRUE(fronted->GetButtonState() & UISTATE_HOT);
    h.window.Paint();
    EXPECT_EQ(h.window.Pixel(15, 65), 0xFF00FFu);  // hot fore image instead of the fore image
    EXPECT_EQ(h.window.Pixel(60, 80), 0x0000FFu);
}

bool IsRed(uint32_t px) { return testsupport::Red(px) > 180 && testsupport::Green(px) < 90 && testsupport::Blue(px) < 90; }
bool IsBlue(uint32_t px) { return testsupport::Blue(px) > 180 && testsupport::Red(px) < 90 && testsupport::Green(px) < 90; }

TEST(ButtonPaintTest, TextColourFollowsTheState) {
    ControlHarness h;
    h.window.Manager().RegisterFont("Tahoma", 28, true, false, false);
    h.Add<CButtonUI>(
        "float=\"true\" pos=\"10,10,160,60\" font=\"0\" text=\"HHH\" textcolor=\"#FF000000\" "
        "hottextcolor=\"#FFFF0000\" pushedtextcolor=\"#FF0000FF\"");
    const RECT area = {10, 10, 160, 60};
    EXPECT_EQ(h.Count(area, IsRed), 0);
    h.Send(WM_MOUSEMOVE, 60, 30);
    EXPECT_GT(h.Count(area, IsRed), 30);
    h.Send(WM_LBUTTONDOWN, 60, 30, MK_LBUTTON);
    EXPECT_GT(h.Count(area, IsBlue), 30);
    EXPECT_EQ(h.Count(area, IsRed), 0);
    h.Send(WM_LBUTTONUP, 60, 30);
}

TEST(ButtonAttributeTest, NamesFlagsAndSizes) {
    ControlHarness h;
    auto* button = h.Add<CButtonUI>("hottextcolor=\"#FF010203\" hotbkcolor=\"00000005\" width=\"40\"");
    EXPECT_STREQ(button->GetTypeName(), "ButtonUI");
    EXPECT_EQ(button->AsInterface("Button"), button);
    EXPECT_EQ(button->AsInterface("Label"), static_cast<CLabelUI*>(button));
    EXPECT_EQ(button->GetTextStyle(), 0x25u);
    EXPECT_EQ(button->GetHotTextColor(), 0xFF010203u);
    EXPECT_EQ(button->GetHotBkColor(), 5u);
    EXPECT_EQ(button->GetInputFlags(), UINT{INPUT_TAB_STOP | INPUT_WANTS_CURSOR});
    button->SetKeyboardEnabled(false);
    button->SetEnabled(false);
    EXPECT_EQ(button->GetInputFlags(), 0u);
    const SIZE size = button->MeasureSize(SIZE{300, 200});
    EXPECT_EQ(size.cx, 40);
    EXPECT_EQ(size.cy, h.window.Manager().FontInfoByIndex(-1)->tm.tmHeight + 8);
}

}  // namespace
