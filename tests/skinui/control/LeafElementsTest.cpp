// The leaf controls as a skin file makes them: element names, and an option
// group that is already registered and selected while the skin is built.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skinui/control/Container.h"
#include "skinui/control/Option.h"
#include "skinui/core/PaintManager.h"
#include "skinui/core/SkinBuilder.h"
#include "skinui/core/SkinPtrArray.h"
#include "tests/support/ControlHarness.h"

namespace {

using namespace SkinUI;

TEST(LeafElementsTest, EachElementMakesItsControl) {
    testsupport::TestWindow window;
    CSkinBuilder builder;
    CControlUI* root = builder.Build(
        "<Window><HorizontalLayout><Label/><Text/><Button/><Option/><CheckBox/><Progress/><Slider/>"
        "</HorizontalLayout></Window>",
        nullptr, nullptr, &window.Manager());
    ASSERT_NE(root, nullptr);
    auto* container = static_cast<IContainerUI*>(root->AsInterface("IContainer"));
    ASSERT_NE(container, nullptr);
    std::vector<std::string> types;
    for (int i = 0; i < container->GetCount(); ++i) types.push_back(container->GetItemAt(i)->GetTypeName());
    EXPECT_EQ(types, (std::vector<std::string>{"LabelUI", "TextUI", "ButtonUI", "OptionUI", "CheckBoxUI",
                                               "ProgressUI", "SliderUI"}));
    delete root;
}

TEST(LeafElementsTest, GroupIsJoinedAndSelectedWhileBuilding) {
    testsupport::TestWindow window;
    testsupport::NotifyLog log;
    window.Manager().AddNotifyTarget(&log);
    CSkinBuilder builder;
    CControlUI* root = builder.Build(
        "<Window><VerticalLayout><Option name=\"a\" group=\"g\" selected=\"true\"/>"
        "<Option name=\"b\" group=\"g\" selected=\"true\"/></VerticalLayout></Window>",
        nullptr, nullptr, &window.Manager());
    ASSERT_NE(root, nullptr);
    window.Manager().AttachRoot(root);
    auto* a = static_cast<COptionUI*>(window.Manager().FindControl("a"));
    auto* b = static_cast<COptionUI*>(window.Manager().FindControl("b"));
    ASSERT_TRUE(a && b);
    EXPECT_FALSE(a->IsSelected());
    EXPECT_TRUE(b->IsSelected());
    EXPECT_EQ(log.Joined(), "selectchanged selectchanged");
    ASSERT_NE(window.Manager().OptionGroup("g"), nullptr);
    EXPECT_EQ(window.Manager().OptionGroup("g")->Count(), 2);
    window.Manager().RemoveNotifyTarget(&log);
}

}  // namespace
