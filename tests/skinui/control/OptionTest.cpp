// Options and check boxes: groups within one paint manager, selection by
// clicks and by attributes with their notifications, group membership over
// the control's life, and the selected look.
#include <gtest/gtest.h>

#include "skinui/control/CheckBox.h"
#include "skinui/control/Option.h"
#include "skinui/core/PaintManager.h"
#include "skinui/core/SkinPtrArray.h"
#include "tests/support/ControlHarness.h"
#include "tests/support/SolidImageFolder.h"

namespace {

using namespace SkinUI;
using testsupport::ControlHarness;

int GroupSize(CPaintManagerUI& manager, const char* group) {
    CSkinPtrArray* members = manager.OptionGroup(group);
    return members ? members->Count() : 0;
}

TEST(OptionGroupTest, SelectingOneClearsTheOthersOfItsManagerOnly) {
    ControlHarness h;
    ControlHarness other;
    auto* a = h.Add<COptionUI>("float=\"true\" pos=\"0,0,50,30\" group=\"g\" selected=\"true\"");
    auto* b = h.Add<COptionUI>("float=\"true\" pos=\"60,0,110,30\" group=\"g\"");
    auto* c = h.Add<CCheckBoxUI>("float=\"true\" pos=\"120,0,170,30\" group=\"g\"");
    auto* elsewhere = other.Add<COptionUI>("float=\"true\" pos=\"0,0,50,30\" group=\"g\" selected=\"true\"");
    EXPECT_EQ(h.log.Joined(), "selectchanged");  // from "selected" while the skin was built
    EXPECT_EQ(GroupSize(h.window.Manager(), "g"), 3);
    h.window.Paint();
    h.log.Clear();

    h.Click(80, 15);
    EXPECT_EQ(h.log.Joined(), "btndown click selectchanged btnup");
    for (CControlUI* sender : h.log.senders) EXPECT_EQ(sender, b);
    EXPECT_FALSE(a->IsSelected());
    EXPECT_TRUE(b->IsSelected());
    EXPECT_FALSE(c->IsSelected());
    EXPECT_TRUE(elsewhere->IsSelected());
    EXPECT_EQ(other.log.Joined(), "selectchanged");

    h.log.Clear();
    h.Click(80, 15);  // the selected one again
    EXPECT_EQ(h.log.Joined(), "btndown click btnup");
    EXPECT_TRUE(b->IsSelected());

    h.Click(140, 15);
    EXPECT_TRUE(c->GetCheck());
    EXPECT_FALSE(b->IsSelected());
    EXPECT_EQ(b->GetButtonState() & UISTATE_SELECTED, 0u);
}

TEST(OptionGroupTest, UngroupedOptionsToggleOnEveryClick) {
    ControlHarness h;
    auto* option = h.Add<COptionUI>("float=\"true\" pos=\"0,0,50,30\"");
    auto* check = h.Add<CCheckBoxUI>("float=\"true\" pos=\"60,0,110,30\"");
    h.window.Paint();
    h.Click(20, 15);
    EXPECT_TRUE(option->IsSelected());
    h.Click(20, 15);
    EXPECT_FALSE(option->IsSelected());
    h.Click(80, 15);
    EXPECT_TRUE(check->GetCheck());
    EXPECT_EQ(h.log.Joined(),
              "btndown click selectchanged btnup btndown click selectchanged btnup btndown click selectchanged btnup");
    h.log.Clear();
    h.Key(VK_SPACE);  // the check box has the focus from its click
    EXPECT_FALSE(check->GetCheck());
    EXPECT_EQ(h.log.Joined(), "click selectchanged");
}

TEST(OptionGroupTest, MembershipFollowsGroupChangesAndDestruction) {
    ControlHarness h;
    auto* a = h.Add<COptionUI>("group=\"one\"");
    h.Add<COptionUI>("group=\"one\"");
    EXPECT_EQ(GroupSize(h.window.Manager(), "one"), 2);
    a->SetGroup("two");
    EXPECT_EQ(GroupSize(h.window.Manager(), "one"), 1);
    EXPECT_EQ(GroupSize(h.window.Manager(), "two"), 1);
    h.root->SetDelayedDestroy(false);
    h.root->Remove(a);
    EXPECT_EQ(GroupSize(h.window.Manager(), "two"), 0);

    // A grouped option deselected by hand says nothing.
    auto* b = h.Add<COptionUI>("group=\"three\" selected=\"true\"");
    h.log.Clear();
    b->SetSelected(false);
    EXPECT_EQ(h.log.Joined(), "");
}

TEST(OptionStateTest, NamesAndDisabling) {
    COptionUI option;
    CCheckBoxUI check;
    EXPECT_STREQ(option.GetTypeName(), "OptionUI");
    EXPECT_STREQ(check.GetTypeName(), "CheckBoxUI");
    EXPECT_EQ(check.AsInterface("Option"), static_cast<COptionUI*>(&check));
    EXPECT_EQ(option.AsInterface("Button"), static_cast<CButtonUI*>(&option));
    option.SetSelected(true);  // no manager: nothing to notify
    option.SetEnabled(false);
    EXPECT_EQ(option.GetButtonState(), UISTATE_SELECTED);
    option.SetAttribute("foreimage", "x.png");
    EXPECT_STREQ(option.GetForeImage(), "x.png");
    EXPECT_STREQ(option.CControlUI::GetForeImage(), "");
}

// Normal green, selected blue, selected-hot yellow, pushed red (never shown).
TEST(OptionPaintTest, SelectedImagesAndColour) {
    testsupport::SolidImageFolder images;
    ControlHarness h;
    auto* imaged = h.Add<COptionUI>(
        "float=\"true\" pos=\"0,0,50,30\" normalimage=\"green.png\" pushedimage=\"red.png\" "
        "selectedimage=\"blue.png\" selectedhotimage=\"yellow.png\"");
    auto* coloured = h.Add<COptionUI>(
        "float=\"true\" pos=\"60,0,110,30\" normalimage=\"green.png\" selectedbkcolor=\"#FF00FFFF\" "
        "foreimage=\"file='magenta.png' dest='0,0,5,5'\"");
    h.window.Paint();
    h.window.Manager().FocusControl(nullptr);
    h.window.Paint();
    EXPECT_EQ(h.window.Pixel(25, 15), 0x00FF00u);
    EXPECT_EQ(h.window.Pixel(62, 2), 0xFF00FFu);  // the option's own fore image

    h.Send(WM_MOUSEMOVE, 25, 15);
    h.Send(WM_LBUTTONDOWN, 25, 15, MK_LBUTTON);
    h.window.Paint();
    EXPECT_EQ(h.window.Pixel(25, 15), 0x00FF00u);  // hot without a hot image, never pushed
    h.Send(WM_LBUTTONUP, 25, 15);
    h.window.Paint();
    EXPECT_TRUE(imaged->IsSelected());
    EXPECT_EQ(h.window.Pixel(25, 15), 0xFFFF00u);
    h.Send(WM_MOUSEMOVE, 200, 150);
    h.window.Paint();
    EXPECT_EQ(h.window.Pixel(25, 15), 0x0000FFu);

    coloured->SetSelected(true);
    h.window.Paint();
    EXPECT_EQ(h.window.Pixel(85, 15), 0x00FFFFu);
    EXPECT_EQ(h.window.Pixel(62, 2), 0x00FFFFu);  // only the colour: no fore image
}

}  // namespace
