// The child layout: content built from its own skin file when the window
// attaches it, laid out like any child; a file that cannot be built leaves it
// empty.
#include <gtest/gtest.h>

#include <string>

#include "skinui/control/ChildLayout.h"
#include "skinui/control/VerticalLayout.h"
#include "tests/support/ContainerHelpers.h"
#include "tests/support/Files.h"
#include "tests/support/TestWindow.h"

namespace {

using namespace SkinUI;
using testsupport::MakeControl;
using testsupport::RectText;
using testsupport::TestWindow;

class ChildLayoutTest : public testing::Test {
protected:
    void SetUp() override { CPaintManagerUI::SetResourcePath(folder.Path().c_str()); }
    void TearDown() override { CPaintManagerUI::SetResourcePath(""); }

    testsupport::TempFolder folder;
};

TEST_F(ChildLayoutTest, BuildsItsFileWhenAttached) {
    ASSERT_TRUE(testsupport::WriteWholeFile(
        folder.File("page.xml"),
        "<Window><Container name=\"inner\" inset=\"5,5,5,5\">"
        "<Control name=\"leaf\" height=\"20\"/></Container></Window>"));
    TestWindow window(200, 100);
    auto* root = MakeControl<CVerticalLayoutUI>("");
    auto* child = MakeControl<CChildLayoutUI>("xmlfile=\"page.xml\" inset=\"10,0,0,0\"");
    EXPECT_EQ(child->GetCount(), 0);
    root->Add(MakeControl("height=\"30\""));
    root->Add(child);
    window.Manager().AttachRoot(root);
    window.Paint();

    ASSERT_EQ(child->GetCount(), 1);
    CControlUI* inner = window.Manager().FindControl("inner");
    ASSERT_NE(inner, nullptr);
    EXPECT_EQ(inner->GetParent(), child);
    EXPECT_STREQ(inner->GetTypeName(), "ContainerUI");
    EXPECT_EQ(RectText(inner->GetPos()), "10,30,200,100");
    EXPECT_EQ(RectText(window.Manager().FindControl("leaf")->GetPos()), "15,35,195,95");
}

TEST_F(ChildLayoutTest, UnbuildableFileLeavesItEmpty) {
    TestWindow window(100, 100);
    auto* child = MakeControl<CChildLayoutUI>("xmlfile=\"missing.xml\"");
    window.Manager().AttachRoot(child);
    window.Paint();
    EXPECT_EQ(child->GetCount(), 0);
}

TEST(ChildLayoutIdentityTest, OffersNoChildList) {
    CChildLayoutUI child;
    EXPECT_STREQ(child.GetTypeName(), "ChildLayoutUI");
    EXPECT_EQ(child.AsInterface("ChildLayout"), &child);
    EXPECT_EQ(child.AsInterface("IContainer"), nullptr);
    EXPECT_EQ(child.AsInterface("Container"), nullptr);
    EXPECT_EQ(child.AsInterface("Control"), static_cast<CControlUI*>(&child));
    child.SetAttribute("xmlfile", "a.xml");
    EXPECT_STREQ(child.GetXmlFile(), "a.xml");
}

}  // namespace
