// A tree view built from a skin with nested nodes: order, indentation, rows
// holding extra controls, folding and unfolding subtrees by the folder button
// and by double click, and check boxes passed down to descendants.
#include <gtest/gtest.h>

#include <string>

#include "skinui/control/CheckBox.h"
#include "skinui/control/HorizontalLayout.h"
#include "skinui/control/Label.h"
#include "skinui/control/Option.h"
#include "skinui/control/TreeNode.h"
#include "skinui/control/TreeView.h"
#include "skinui/core/SkinBuilder.h"
#include "tests/support/ControlHarness.h"  // NotifyLog
#include "tests/support/TestWindow.h"

namespace {

using namespace SkinUI;
using testsupport::PointParam;
using testsupport::TestWindow;

// a { b { c }, d }, e { a button in its row }: nodes are 18 high.
constexpr char kSkin[] =
    "<Window><TreeView name=\"tree\" visiblecheckbtn=\"true\" header=\"hidden\">"
    "<TreeNode text=\"a\"><TreeNode text=\"b\"><TreeNode text=\"c\"/></TreeNode><TreeNode text=\"d\"/></TreeNode>"
    "<TreeNode text=\"e\" itemtextcolor=\"#FF112233\"><Button name=\"extra\" width=\"20\"/></TreeNode>"
    "</TreeView></Window>";

class TreeTest : public testing::Test {
protected:
    void SetUp() override {
        window.Manager().AddNotifyTarget(&log);
        CSkinBuilder builder;
        CControlUI* root = builder.Build(kSkin, nullptr, nullptr, &window.Manager());
        ASSERT_NE(root, nullptr);
        tree = static_cast<CTreeViewUI*>(root->AsInterface("TreeView"));
        ASSERT_NE(tree, nullptr);
        window.Manager().AttachRoot(root);
        window.Paint();
        log.Clear();
    }
    void TearDown() override { window.Manager().RemoveNotifyTarget(&log); }

    CTreeNodeUI* Node(const char* text) const {
        for (int i = 0; i < tree->GetCount(); ++i) {
            auto* node = static_cast<CTreeNodeUI*>(tree->GetItemAt(i)->AsInterface("TreeNode"));
            if (node && node->GetText() == text) return node;
        }
        return nullptr;
    }
    std::string Visible() const {
        std::string shown;
        for (int i = 0; i < tree->GetCount(); ++i) {
            if (tree->GetItemAt(i)->IsVisible()) shown += tree->GetItemAt(i)->GetText().GetData();
        }
        return shown;
    }
    void ClickCenter(CControlUI* control) {
        const RECT rc = control->GetPos();
        const int x = (rc.left + rc.right) / 2;
        const int y = (rc.top + rc.bottom) / 2;
        SendMessageA(window.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, PointParam(x, y));
        SendMessageA(window.Handle(), WM_LBUTTONUP, 0, PointParam(x, y));
        window.Paint();
    }
    void Fold(const char* text) { ClickCenter(Node(text)->GetFolderButton()); }

    TestWindow window{300, 200};
    testsupport::NotifyLog log;
    CTreeViewUI* tree = nullptr;
};

TEST_F(TreeTest, NestedNodesFollowTheirParentsIndentedSixteenMoreEachLevel) {
    ASSERT_EQ(tree->GetCount(), 5);
    std::string order;
    for (int i = 0; i < tree->GetCount(); ++i) order += tree->GetItemAt(i)->GetText().GetData();
    EXPECT_EQ(order, "abcde");
    struct Case {
        const char* text;
        int level;
        int top;
        const char* parent;
    };
    const Case cases[] = {{"a", 0, 0, nullptr}, {"b", 1, 18, "a"}, {"c", 2, 36, "b"}, {"d", 1, 54, "a"}, {"e", 0, 72, nullptr}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        CTreeNodeUI* node = Node(c.text);
        ASSERT_NE(node, nullptr);
        EXPECT_EQ(node->GetTreeLevel(), c.level);
        EXPECT_EQ(node->GetPos().top, c.top);
        EXPECT_EQ(node->GetHeight(), 18);
        EXPECT_EQ(node->GetParentNode(), c.parent ? Node(c.parent) : nullptr);
        if (c.parent) {
            EXPECT_EQ(node->GetDottedLine()->GetFixedWidth(), Node(c.parent)->GetDottedLine()->GetFixedWidth() + 16);
        }
    }
    EXPECT_FALSE(Node("a")->GetDottedLine()->IsVisible());
    // Below the first level the folder button moves right by 16 per level.
    EXPECT_EQ(Node("c")->GetFolderButton()->GetX() - Node("b")->GetFolderButton()->GetX(), 16);
    EXPECT_EQ(Node("a")->GetFolderButton()->GetWidth(), 18);
    // Other controls inside a node join its row after the node's own parts.
    CHorizontalLayoutUI* row = Node("e")->GetTreeNodeHoriz();
    ASSERT_EQ(row->GetCount(), 5);
    EXPECT_EQ(row->GetItemAt(4)->GetName(), "extra");
    EXPECT_EQ(Node("e")->GetItemButton()->GetTextColor(), 0xFF112233u);
}

TEST_F(TreeTest, TheFolderButtonHidesAndShowsDescendants) {
    Fold("a");
    EXPECT_EQ(Visible(), "ae");
    EXPECT_FALSE(Node("a")->IsExpanded());
    EXPECT_EQ(Node("e")->GetPos().top, 18);
    Fold("a");
    EXPECT_EQ(Visible(), "abcde");
    EXPECT_TRUE(Node("a")->IsExpanded());
    // A folded child stays folded when its parent opens again.
    Fold("b");
    EXPECT_EQ(Visible(), "abde");
    Fold("a");
    EXPECT_EQ(Visible(), "ae");
    Fold("a");
    EXPECT_EQ(Visible(), "abde");
    EXPECT_EQ(Node("d")->GetPos().top, 36);
}

TEST_F(TreeTest, DoubleClickTogglesTheFolderAndClickSelects) {
    CTreeNodeUI* a = Node("a");
    const int y = 9;
    SendMessageA(window.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, PointParam(150, y));
    SendMessageA(window.Handle(), WM_LBUTTONUP, 0, PointParam(150, y));
    EXPECT_TRUE(a->IsSelected());
    EXPECT_EQ(tree->GetCurSel(), 0);
    SendMessageA(window.Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, PointParam(150, y));
    SendMessageA(window.Handle(), WM_LBUTTONUP, 0, PointParam(150, y));
    window.Paint();
    EXPECT_TRUE(a->GetFolderButton()->IsSelected());
    EXPECT_EQ(Visible(), "ae");
    EXPECT_NE(log.Joined().find("itemdbclick"), std::string::npos);
}

TEST_F(TreeTest, CheckingANodeChecksItsWholeSubtree) {
    ASSERT_TRUE(Node("a")->GetCheckBox()->IsVisible());
    ClickCenter(Node("a")->GetCheckBox());
    for (const char* text : {"a", "b", "c", "d"}) EXPECT_TRUE(Node(text)->GetCheckBox()->GetCheck()) << text;
    EXPECT_FALSE(Node("e")->GetCheckBox()->GetCheck());
    ClickCenter(Node("b")->GetCheckBox());
    EXPECT_FALSE(Node("c")->GetCheckBox()->GetCheck());
    EXPECT_TRUE(Node("d")->GetCheckBox()->GetCheck());
}

TEST_F(TreeTest, NodesAddedInCodeJoinAfterTheParentsLastDescendant) {
    auto* f = new CTreeNodeUI;
    f->SetText("f");
    ASSERT_TRUE(Node("b")->AddChildNode(f));
    EXPECT_EQ(f->ItemIndex(), 3);
    EXPECT_EQ(Node("d")->ItemIndex(), 4);
    EXPECT_EQ(f->GetTreeView(), tree);
    // Removing a node takes its subtree along.
    ASSERT_TRUE(tree->Remove(Node("b")));
    window.Paint();
    std::string order;
    for (int i = 0; i < tree->GetCount(); ++i) order += tree->GetItemAt(i)->GetText().GetData();
    EXPECT_EQ(order, "ade");
    EXPECT_EQ(Node("a")->GetCountChild(), 1);
}

}  // namespace
