// The skin builder: resources and window attributes of the root, the order
// attributes arrive in, defaults, unknown elements, includes and their
// cycles, and a control under something that is not a container.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skinui/control/Container.h"
#include "skinui/core/PaintManager.h"
#include "skinui/core/SkinBuilder.h"
#include "tests/support/Files.h"
#include "tests/support/TestControls.h"
#include "tests/support/TestWindow.h"

namespace {

using namespace SkinUI;
using testsupport::TestWindow;

// Records every attribute its controls get, in order: "name=value".
struct AttributeLog {
    std::vector<std::string> entries;
};

class LoggingControl : public CContainerUI {
public:
    explicit LoggingControl(AttributeLog* log) : m_log(log) {}
    void SetAttribute(const char* name, const char* value) override {
        m_log->entries.push_back(std::string(name) + "=" + value);
        CContainerUI::SetAttribute(name, value);
    }

private:
    AttributeLog* m_log;
};

class Factory : public IDialogBuilderCallback {
public:
    CControlUI* CreateControl(const char* name) override {
        asked.push_back(name);
        if (std::string(name) == "Logging") return new LoggingControl(&log);
        if (std::string(name) == "Leaf") return new testsupport::RecordingControl();
        return nullptr;
    }
    std::vector<std::string> asked;
    AttributeLog log;
};

int CountChildren(CControlUI* control) {
    auto* container = static_cast<IContainerUI*>(control->AsInterface("IContainer"));
    return container ? container->GetCount() : -1;
}

TEST(SkinBuilderTest, ChildrenGetTheirAttributesBeforeTheirParent) {
    Factory factory;
    CSkinBuilder builder;
    CControlUI* root = builder.Build("<Window><Logging name=\"outer\"><Logging name=\"inner\" text=\"t\"/></Logging></Window>",
                                     nullptr, &factory);
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(factory.log.entries, (std::vector<std::string>{"name=inner", "text=t", "name=outer"}));
    EXPECT_EQ(CountChildren(root), 1);
    delete root;
}

TEST(SkinBuilderTest, UnknownElementsAreSkippedWithTheirChildrenUnlessTheCallbackKnowsThem) {
    Factory factory;
    CSkinBuilder without;
    CControlUI* bare = without.Build("<Window><Container><Mystery><Container/></Mystery><Control name=\"c\"/></Container></Window>");
    ASSERT_NE(bare, nullptr);
    EXPECT_EQ(CountChildren(bare), 1);  // only the Control
    delete bare;

    CSkinBuilder with;
    CControlUI* known = with.Build("<Window><Logging name=\"x\"><Leaf/><Leaf/></Logging></Window>", nullptr, &factory);
    ASSERT_NE(known, nullptr);
    EXPECT_STREQ(known->GetName(), "x");
    EXPECT_EQ(CountChildren(known), 2);
    delete known;
}

TEST(SkinBuilderTest, AControlUnderANonContainerEndsTheLevel) {
    CSkinBuilder builder;
    CControlUI* root = builder.Build(
        "<Window><Container name=\"top\"><Control name=\"a\"><Control name=\"lost\"/></Control>"
        "<Control name=\"b\"/></Container></Window>");
    ASSERT_NE(root, nullptr);
    // "a" could not hold "lost"; "a" itself and "b" are still built.
    EXPECT_EQ(CountChildren(root), 2);
    delete root;
}

class BuilderWindowTest : public testing::Test {
protected:
    CControlUI* Build(const std::string& skin, IDialogBuilderCallback* callback = nullptr) {
        CSkinBuilder builder;
        return builder.Build(skin.c_str(), nullptr, callback, &m_window.Manager());
    }
    TestWindow m_window{300, 200};
};

TEST_F(BuilderWindowTest, ResourcesAtTheRootLevelOnlyAndTheFirstDefaultWins) {
    CControlUI* root = Build(
        "<Window><Font name=\"Tahoma\" size=\"14\" bold=\"true\"/><Font name=\"Tahoma\" size=\"9\" default=\"true\"/>"
        "<Default name=\"Control\" value=\"tooltip=&quot;first&quot; userdata=&quot;d&quot;\"/>"
        "<Default name=\"Control\" value=\"tooltip=&quot;second&quot;\"/>"
        "<Container><Font name=\"Nested\" size=\"20\"/><Default name=\"Container\" value=\"name=&quot;no&quot;\"/>"
        "<Control name=\"c\" tooltip=\"own\"/></Container></Window>");
    ASSERT_NE(root, nullptr);
    CPaintManagerUI& manager = m_window.Manager();
    EXPECT_EQ(manager.FontCount(), 2);
    EXPECT_EQ(manager.FontInfoByIndex(0)->iSize, 14);
    EXPECT_TRUE(manager.FontInfoByIndex(0)->bBold);
    EXPECT_EQ(manager.BaseFontInfo()->iSize, 9);
    EXPECT_STREQ(manager.ClassDefaults("Control"), "tooltip=\"first\" userdata=\"d\"");
    EXPECT_EQ(manager.ClassDefaults("Container"), nullptr);
    manager.AttachRoot(root);
    CControlUI* c = manager.FindControl("c");
    ASSERT_NE(c, nullptr);
    EXPECT_STREQ(c->GetToolTip(), "own");  // own attributes after the defaults
    EXPECT_STREQ(c->GetUserData(), "d");
}

TEST_F(BuilderWindowTest, WindowAttributesOfTheRoot) {
    CControlUI* root = Build(
        "<Window size=\"320,240\" caption=\"0,0,0,32\" sizebox=\"4,4,4,4\" roundcorner=\"5,6\" mininfo=\"200,0\" "
        "maxinfo=\"0,900\" alpha=\"128\" defaultfontcolor=\"#FF112233\" selectedcolor=\"FF445566\" unknown=\"1\">"
        "<Control/></Window>");
    ASSERT_NE(root, nullptr);
    CPaintManagerUI& manager = m_window.Manager();
    RECT window;
    GetWindowRect(m_window.Handle(), &window);
    EXPECT_EQ(window.right - window.left, 320);
    EXPECT_EQ(manager.CaptionArea().bottom, 32);
    EXPECT_EQ(manager.ResizeBorders().left, 4);
    EXPECT_EQ(manager.CornerSize().cx, 5);
    EXPECT_EQ(manager.CornerSize().cy, 6);
    EXPECT_EQ(manager.MinTrackSize().cx, 200);
    EXPECT_EQ(manager.MaxTrackSize().cy, 900);
    EXPECT_EQ(manager.WindowAlpha(), 128);
    EXPECT_TRUE(GetWindowLongPtrA(m_window.Handle(), GWL_EXSTYLE) & WS_EX_LAYERED);
    EXPECT_EQ(manager.DefaultFontColor(), 0xFF112233u);
    EXPECT_EQ(manager.DefaultSelectedBkColor(), 0xFF445566u);
    manager.AttachRoot(root);

    // Once a root is attached, "size" no longer resizes.
    CControlUI* second = Build("<Window size=\"500,400\" alpha=\"300\"><Control/></Window>");
    GetWindowRect(m_window.Handle(), &window);
    EXPECT_EQ(window.right - window.left, 320);
    EXPECT_FALSE(GetWindowLongPtrA(m_window.Handle(), GWL_EXSTYLE) & WS_EX_LAYERED);
    delete second;
}

class IncludeTest : public testing::Test {
protected:
    void SetUp() override { CPaintManagerUI::SetResourcePath(m_folder.Path().c_str()); }
    void TearDown() override { CPaintManagerUI::SetResourcePath(""); }
    void Write(const char* name, const std::string& text) {
        ASSERT_TRUE(testsupport::WriteWholeFile(m_folder.File(name), text));
    }
    testsupport::TempFolder m_folder;
};

TEST_F(IncludeTest, CountBuildsTheDocumentThatManyTimesIntoTheSameParent) {
    Write("item.xml", "<Item><Control name=\"piece\"/></Item>");
    CSkinBuilder builder;
    CControlUI* root = builder.Build("<Window><Container><Include source=\"item.xml\" count=\"3\"/>"
                                     "<Include source=\"missing.xml\"/><Control/></Container></Window>");
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(CountChildren(root), 4);
    delete root;
}

TEST_F(IncludeTest, IncludeCyclesAndAbsurdCountsStopCleanly) {
    Write("self.xml", "<Self><Control name=\"s\"/><Include source=\"self.xml\" count=\"2\"/></Self>");
    Write("a.xml", "<A><Control/><Include source=\"b.xml\"/></A>");
    Write("b.xml", "<B><Control/><Include source=\"a.xml\"/></B>");
    CSkinBuilder builder;
    CControlUI* root = builder.Build("<Window><Container><Include source=\"a.xml\"/>"
                                     "<Include source=\"self.xml\" count=\"99999999\"/><Control name=\"after\"/>"
                                     "</Container></Window>");
    ASSERT_NE(root, nullptr);
    const int children = CountChildren(root);
    EXPECT_GT(children, 16);
    EXPECT_LE(children, CSkinBuilder::kMaxIncludesPerBuild + 1);
    auto* container = static_cast<IContainerUI*>(root->AsInterface("IContainer"));
    EXPECT_STREQ(container->GetItemAt(children - 1)->GetName(), "after");
    delete root;
}

}  // namespace

namespace {

TEST(SkinBuilderTreeNodeTest, ANodeOutsideATreeEndsItsLevel) {
    struct Case {
        const char* skin;
        int children;  // of the root, -1 when the build gives nothing
    };
    const Case cases[] = {
        {"<Window><VerticalLayout><Control/><TreeNode text=\"n\"><TreeNode/></TreeNode><Control/></VerticalLayout></Window>", 1},
        {"<Window><TreeNode text=\"n\"/></Window>", -1},
        {"<Window><TreeView><TreeNode><TreeNode/></TreeNode><TreeNode/></TreeView></Window>", 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.skin);
        CSkinBuilder builder;
        CControlUI* root = builder.Build(c.skin);
        if (c.children < 0) {
            EXPECT_EQ(root, nullptr);
            continue;
        }
        ASSERT_NE(root, nullptr);
        EXPECT_EQ(CountChildren(root), c.children);
        delete root;
    }
}

}  // namespace
