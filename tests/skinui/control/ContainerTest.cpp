// The container's child list: adding, moving, removing with auto and delayed
// destroy; propagation of manager and visibility; search order and flags;
// attributes; painting clipped to the inner rectangle.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skinui/control/Container.h"
#include "skinui/control/ScrollBar.h"
#include "skinui/control/VerticalLayout.h"
#include "tests/support/CaseNames.h"
#include "tests/support/ContainerHelpers.h"
#include "tests/support/TestControls.h"
#include "tests/support/TestWindow.h"

namespace {

using namespace SkinUI;
using testsupport::MakeControl;
using testsupport::RecordingControl;
using testsupport::RectText;
using testsupport::TestWindow;

// Counts its own destruction and its initialisation.
class LifeControl : public CControlUI {
public:
    LifeControl(const char* name, std::vector<std::string>& log) : m_log(log) { SetName(name); }
    ~LifeControl() override { m_log.push_back("delete " + std::string(GetName())); }
    void InitSelf() override { m_log.push_back("init " + std::string(GetName())); }

private:
    std::vector<std::string>& m_log;
};

class LifeContainer : public CContainerUI {
public:
    LifeContainer(const char* name, std::vector<std::string>& log) : m_log(log) { SetName(name); }
    void InitSelf() override { m_log.push_back("init " + std::string(GetName())); }

private:
    std::vector<std::string>& m_log;
};

TEST(ContainerListTest, IndexOperationsAndRangeChecks) {
    CContainerUI container;
    CControlUI* a = MakeControl("name=\"a\"");
    CControlUI* b = MakeControl("name=\"b\"");
    CControlUI* c = MakeControl("name=\"c\"");
    EXPECT_FALSE(container.Add(nullptr));
    EXPECT_TRUE(container.Add(a));
    EXPECT_TRUE(container.Add(c));
    EXPECT_TRUE(container.AddAt(b, 1));
    EXPECT_FALSE(container.AddAt(nullptr, 0));
    CControlUI stray;
    EXPECT_FALSE(container.AddAt(&stray, 4));
    EXPECT_EQ(container.GetCount(), 3);
    EXPECT_EQ(container.GetItemAt(1), b);
    EXPECT_EQ(container.GetItemAt(3), nullptr);
    EXPECT_EQ(container.GetItemAt(-1), nullptr);
    EXPECT_EQ(container.GetItemIndex(c), 2);
    EXPECT_EQ(container.GetItemIndex(&stray), -1);

    EXPECT_TRUE(container.SetItemIndex(c, 0));
    EXPECT_EQ(container.GetItemAt(0), c);
    EXPECT_EQ(container.GetItemAt(1), a);
    EXPECT_FALSE(container.SetItemIndex(&stray, 0));
    EXPECT_FALSE(container.SetItemIndex(a, 3));
    EXPECT_EQ(container.GetCount(), 3);
    EXPECT_FALSE(container.RemoveAt(5));
    EXPECT_FALSE(container.Remove(&stray));
    EXPECT_FALSE(container.Remove(nullptr));
}

struct DestroyCase {
    bool autoDestroy;
    bool delayed;
    bool withManager;
    bool deletedAtOnce;
    bool deletedAfterPump;
};

class ContainerDestroyTest : public testing::TestWithParam<DestroyCase> {};

TEST_P(ContainerDestroyTest, RemoveFollowsTheDestroyFlags) {
    const DestroyCase& c = GetParam();
    std::vector<std::string> log;
    TestWindow window(100, 100);
    auto* container = new CContainerUI;
    container->SetAutoDestroy(c.autoDestroy);
    container->SetDelayedDestroy(c.delayed);
    auto* child = new LifeControl("x", log);
    container->Add(child);
    if (c.withManager) window.Manager().AttachRoot(container);
    log.clear();

    EXPECT_TRUE(container->Remove(child));
    EXPECT_EQ(container->GetCount(), 0);
    EXPECT_EQ(log.size(), c.deletedAtOnce ? 1u : 0u);
    window.Pump();  // carries out the manager's delayed deletes
    EXPECT_EQ(log.size(), (c.deletedAtOnce || c.deletedAfterPump) ? 1u : 0u);
    if (!c.deletedAtOnce && !c.deletedAfterPump) delete child;
    if (!c.withManager) delete container;
}

INSTANTIATE_TEST_SUITE_P(Flags, ContainerDestroyTest,
                         testing::Values(DestroyCase{true, true, true, false, true},
                                         DestroyCase{true, true, false, true, false},
                                         DestroyCase{true, false, true, true, false},
                                         DestroyCase{false, true, true, false, false}),
                         testsupport::CaseIndex());

TEST(ContainerListTest, RemoveAllAndDestructionDeleteChildrenAtOnce) {
    std::vector<std::string> log;
    {
        CContainerUI container;
        container.SetDelayedDestroy(false);
        container.Add(new LifeControl("a", log));
        container.Add(new LifeControl("b", log));
        container.RemoveAll();
        EXPECT_EQ(container.GetCount(), 0);
        EXPECT_EQ(log, (std::vector<std::string>{"delete a", "delete b"}));
        container.Add(new LifeControl("c", log));
    }
    EXPECT_EQ(log.back(), "delete c");
}

TEST(ContainerPropagationTest, ChildrenAreInitialisedBeforeTheirContainer) {
    std::vector<std::string> log;
    TestWindow window(100, 100);
    auto* outer = new LifeContainer("outer", log);
    auto* inner = new LifeContainer("inner", log);
    inner->Add(new LifeControl("leaf", log));
    outer->Add(inner);
    outer->Add(new LifeControl("last", log));
    window.Manager().AttachRoot(outer);
    // The root has no parent, so only the controls below it are initialised.
    EXPECT_EQ(log, (std::vector<std::string>{"init leaf", "init inner", "init last"}));
    EXPECT_EQ(window.Manager().FindControl("leaf")->GetParent(), inner);
    // A control added to an attached container is attached and initialised at once.
    log.clear();
    auto* late = new LifeControl("late", log);
    inner->Add(late);
    EXPECT_EQ(log, (std::vector<std::string>{"init late"}));
    EXPECT_EQ(late->GetManager(), &window.Manager());
    EXPECT_EQ(window.Manager().FindControl("late"), late);
}

TEST(ContainerPropagationTest, VisibilityReachesGrandchildren) {
    CContainerUI outer;
    auto* inner = new CContainerUI;
    auto* leaf = new CControlUI;
    inner->Add(leaf);
    outer.Add(inner);
    outer.SetVisible(false);
    EXPECT_FALSE(leaf->IsVisible());
    EXPECT_FALSE(inner->IsVisible());
    // Added while hidden: hidden by the parent, its own flag untouched.
    auto* added = new CControlUI;
    outer.Add(added);
    EXPECT_FALSE(added->IsVisible());
    outer.SetVisible(true);
    EXPECT_TRUE(leaf->IsVisible());
    EXPECT_TRUE(added->IsVisible());
    inner->SetVisible(false);
    outer.SetVisible(false);
    outer.SetVisible(true);
    EXPECT_FALSE(leaf->IsVisible());  // its container is still hidden on its own
}

TEST(ContainerPropagationTest, MouseFlagReachesTheScrollBars) {
    CContainerUI container;
    container.SetAttribute("vscrollbar", "true");
    container.SetAttribute("hscrollbar", "true");
    container.SetMouseEnabled(false);
    EXPECT_FALSE(container.GetVerticalScrollBar()->IsMouseEnabled());
    EXPECT_FALSE(container.GetHorizontalScrollBar()->IsMouseEnabled());
    EXPECT_FALSE(container.IsMouseEnabled());
}

// --- Search ------------------------------------------------------------------------------

CControlUI* CALLBACK Collect(CControlUI* control, LPVOID data) {
    static_cast<std::vector<std::string>*>(data)->push_back(std::string(control->GetName()));
    return nullptr;
}

struct OrderCase {
    UINT flags;
    const char* order;
};

class FindOrderTest : public testing::TestWithParam<OrderCase> {};

TEST_P(FindOrderTest, VisitsInTheOrderTheFlagsAsk) {
    CContainerUI root;
    root.SetName("root");
    auto* box = MakeControl<CContainerUI>("name=\"box\"");
    box->Add(MakeControl("name=\"b1\""));
    box->Add(MakeControl("name=\"b2\" visible=\"false\""));
    root.Add(MakeControl("name=\"a\" enabled=\"false\""));
    root.Add(box);
    std::vector<std::string> visited;
    EXPECT_EQ(root.FindControl(Collect, &visited, GetParam().flags), nullptr);
    std::string order;
    for (const std::string& name : visited) order += (order.empty() ? "" : " ") + name;
    EXPECT_EQ(order, GetParam().order);
}

INSTANTIATE_TEST_SUITE_P(
    Flags, FindOrderTest,
    testing::Values(OrderCase{FIND_ALL, "a b1 b2 box root"},
                    OrderCase{FIND_SELF_FIRST, "root a box b1 b2"},
                    OrderCase{FIND_LAST_CHILD_FIRST, "b2 b1 box a root"},
                    OrderCase{FIND_LAST_CHILD_FIRST | FIND_SELF_FIRST, "root box b2 b1 a"},
                    OrderCase{FIND_VISIBLE_ONLY, "a b1 box root"},
                    OrderCase{FIND_ENABLED_ONLY | FIND_SELF_FIRST, "root box b1 b2"}),
    testsupport::CaseIndex());

CControlUI* CALLBACK First(CControlUI* control, LPVOID) { return control; }

TEST(FindAtPointTest, TopmostChildMouseChildAndInnerRectangle) {
    TestWindow window(200, 100);
    auto* root = MakeControl<CContainerUI>("name=\"root\"");
    auto* a = MakeControl("name=\"a\"");
    auto* b = MakeControl("name=\"b\"");
    root->Add(a);
    root->Add(b);
    window.Manager().AttachRoot(root);
    window.Paint();
    POINT pt = {50, 50};
    // The paint manager's own search: the last child is on top.
    EXPECT_EQ(window.Manager().FindControl(pt), b);
    EXPECT_EQ(root->FindControl(First, &pt, FIND_AT_POINT), a);
    EXPECT_EQ(root->FindControl(First, &pt, FIND_AT_POINT | FIND_SELF_FIRST), root);
    b->SetMouseEnabled(false);
    EXPECT_EQ(window.Manager().FindControl(pt), a);

    root->SetAttribute("mousechild", "false");
    EXPECT_EQ(window.Manager().FindControl(pt), root);
    root->SetAttribute("mousechild", "true");

    // A child reaching out of the inner rectangle is not found out there.
    root->SetInset(RECT{0, 0, 0, 40});
    a->SetPos(RECT{0, 0, 200, 100});
    POINT below = {50, 80};
    EXPECT_EQ(root->FindControl(First, &below, FIND_AT_POINT), root);
    POINT outside = {250, 50};
    EXPECT_EQ(root->FindControl(First, &outside, FIND_AT_POINT), nullptr);
}

// --- Attributes and painting ------------------------------------------------------------

TEST(ContainerAttributeTest, InsetPaddingAndScrollBarStyles) {
    CContainerUI container;
    container.ApplyAttributes("inset=\"1,2,3,4\" childpadding=\"7\" mousechild=\"false\"");
    const RECT inset = container.GetInset();
    EXPECT_EQ(RectText(inset), "1,2,3,4");
    EXPECT_EQ(container.GetChildPadding(), 7);
    EXPECT_FALSE(container.IsMouseChildEnabled());

    container.SetAttribute("vscrollbarstyle", "width=\"9\" linesize=\"3\"");
    ASSERT_NE(container.GetVerticalScrollBar(), nullptr);
    EXPECT_EQ(container.GetVerticalScrollBar()->GetFixedWidth(), 9);
    EXPECT_EQ(container.GetVerticalScrollBar()->GetOwner(), &container);
    EXPECT_EQ(container.GetHorizontalScrollBar(), nullptr);
    container.SetAttribute("hscrollbarstyle", "height=\"11\"");
    ASSERT_NE(container.GetHorizontalScrollBar(), nullptr);
    EXPECT_TRUE(container.GetHorizontalScrollBar()->IsHorizontal());
    EXPECT_EQ(container.GetHorizontalScrollBar()->GetFixedHeight(), 11);
    EXPECT_NE(container.GetVerticalScrollBar(), nullptr);  // kept
    container.SetAttribute("vscrollbar", "false");
    EXPECT_EQ(container.GetVerticalScrollBar(), nullptr);
    EXPECT_NE(container.GetHorizontalScrollBar(), nullptr);
}

TEST(ContainerAttributeTest, NewBarsTakeTheWindowsClassDefaults) {
    TestWindow window(100, 100);
    window.Manager().AddClassDefaults("VScrollBar", "width=\"12\"");
    window.Manager().AddClassDefaults("HScrollBar", "height=\"13\" showbutton1=\"false\"");
    auto* root = new CContainerUI;
    window.Manager().AttachRoot(root);
    root->EnableScrollBars(true, true);
    EXPECT_EQ(root->GetVerticalScrollBar()->GetFixedWidth(), 12);
    EXPECT_EQ(root->GetHorizontalScrollBar()->GetFixedHeight(), 13);
    EXPECT_FALSE(root->GetHorizontalScrollBar()->IsShowButton1());
}

TEST(ContainerPaintTest, ChildrenAreClippedToTheInnerRectangleFloatsAreNot) {
    TestWindow window(100, 100);
    auto* root = MakeControl<CContainerUI>("bkcolor=\"#FFFFFFFF\"");
    auto* box = MakeControl<CContainerUI>("inset=\"10,10,10,10\"");
    auto* child = MakeControl("bkcolor=\"#FF0000FF\"");
    auto* floating = MakeControl("float=\"true\" pos=\"0,0,5,5\" bkcolor=\"#FF00FF00\"");
    box->Add(child);
    box->Add(floating);
    root->Add(box);
    window.Manager().AttachRoot(root);
    window.Paint();
    // Stretch the child over the whole box: only the inner part shows.
    child->SetPos(RECT{0, 0, 100, 100});
    window.Paint();
    EXPECT_EQ(window.Pixel(50, 50), 0x0000FFu);
    EXPECT_EQ(window.Pixel(5, 50), 0xFFFFFFu);
    EXPECT_EQ(window.Pixel(95, 95), 0xFFFFFFu);
    EXPECT_EQ(window.Pixel(2, 2), 0x00FF00u);
}

TEST(FindSelectableItemTest, OnlyListItemsCount) {
    class ListItem : public CControlUI {
    public:
        void* AsInterface(const char* name) override {
            return std::string(name) == "ListItem" ? this : CControlUI::AsInterface(name);
        }
    };
    CContainerUI container;
    EXPECT_EQ(container.FindSelectableItem(0, true), -1);
    container.Add(new CControlUI);
    container.Add(new ListItem);
    container.Add(MakeControl<ListItem>("enabled=\"false\""));
    container.Add(new CControlUI);
    EXPECT_EQ(container.FindSelectableItem(0, true), 1);
    EXPECT_EQ(container.FindSelectableItem(2, true), -1);
    EXPECT_EQ(container.FindSelectableItem(9, false), 1);
    EXPECT_EQ(container.FindSelectableItem(0, false), 1);  // backward from 0 falls back to forward
}

}  // namespace
