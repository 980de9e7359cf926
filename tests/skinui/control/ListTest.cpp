// The list driven by real window messages: selection by mouse and keys, its
// bounds, scrolling the selection into view, paging, activation, removal and
// insertion around the selection, expansion and the item colours.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skinui/control/List.h"
#include "skinui/control/ListHeader.h"
#include "skinui/control/ListLabelElement.h"
#include "skinui/control/ScrollBar.h"
#include "tests/support/ContainerHelpers.h"
#include "tests/support/ControlHarness.h"  // NotifyLog
#include "tests/support/TestWindow.h"

namespace {

using namespace SkinUI;
using testsupport::MakeControl;
using testsupport::NotifyLog;
using testsupport::PointParam;
using testsupport::TestWindow;

constexpr int kRows = 20;
constexpr int kRowHeight = 20;

// A 200x100 window filled by a list without header: twenty rows of 20, so the
// body shows five of them and scrolls by up to 300 - the bar's width aside.
class ListTest : public testing::Test {
protected:
    void SetUp() override {
        window.Manager().AddNotifyTarget(&log);
        list = MakeControl<CListUI>("header=\"hidden\" itemselectedbkcolor=\"#FFFF0000\" itemhotbkcolor=\"#FF00FF00\"");
        for (int i = 0; i < kRows; ++i) {
            auto* item = MakeControl<CListLabelElementUI>("height=\"20\"");
            item->SetText(("row " + std::to_string(i)).c_str());
            list->Add(item);
            items.push_back(item);
        }
        window.Manager().AttachRoot(list);
        window.Paint();
        log.Clear();
    }
    void TearDown() override { window.Manager().RemoveNotifyTarget(&log); }

    void Send(UINT msg, int x, int y, WPARAM wParam = 0) {
        SendMessageA(window.Handle(), msg, wParam, PointParam(x, y));
    }
    void Key(WPARAM key) {
        SendMessageA(window.Handle(), WM_KEYDOWN, key, 0);
        SendMessageA(window.Handle(), WM_KEYUP, key, 0);
    }
    int ScrollY() const { return list->GetScrollPos().cy; }

    TestWindow window{200, 100};
    NotifyLog log;
    CListUI* list = nullptr;
    std::vector<CListLabelElementUI*> items;
};

TEST_F(ListTest, RowsAreStackedInTheBodyWithABar) {
    EXPECT_EQ(testsupport::RectText(items[1]->GetPos()), "0,20,184,40");
    ASSERT_NE(list->GetVerticalScrollBar(), nullptr);
    EXPECT_TRUE(list->GetVerticalScrollBar()->IsVisible());
    EXPECT_EQ(list->GetScrollRange().cy, kRows * kRowHeight - 100);
    for (int i = 0; i < kRows; ++i) EXPECT_EQ(items[i]->ItemIndex(), i);
}

TEST_F(ListTest, ALabelWithoutWidthWantsItsTextWidthAgainAfterANewText) {
    const LONG shortWidth = items[0]->MeasureSize(SIZE{200, 100}).cx;
    EXPECT_GT(shortWidth, 0);
    EXPECT_EQ(items[0]->MeasureSize(SIZE{200, 100}).cx, shortWidth);
    items[0]->SetText("row 0 with a much longer text");
    EXPECT_GT(items[0]->MeasureSize(SIZE{200, 100}).cx, shortWidth);
    EXPECT_EQ(items[0]->MeasureSize(SIZE{200, 100}).cy, kRowHeight);
}

TEST_F(ListTest, LeftAndRightClicksSendItemClickThenSelect) {
    struct Case {
        UINT down;
        UINT up;
        int y;
        int selected;
    };
    const Case cases[] = {{WM_LBUTTONDOWN, WM_LBUTTONUP, 30, 1}, {WM_RBUTTONDOWN, WM_RBUTTONUP, 70, 3}};
    int previous = -1;
    for (const Case& c : cases) {
        log.Clear();
        Send(c.down, 50, c.y, c.down == WM_LBUTTONDOWN ? MK_LBUTTON : MK_RBUTTON);
        Send(c.up, 50, c.y);
        EXPECT_EQ(list->GetCurSel(), c.selected);
        EXPECT_TRUE(items[c.selected]->IsSelected());
        EXPECT_EQ(log.Joined(), "itemclick itemselect");
        ASSERT_EQ(log.senders.size(), 2u);
        EXPECT_EQ(log.senders[0], items[c.selected]);
        EXPECT_EQ(log.senders[1], list);
        EXPECT_EQ(log.wParams[1], static_cast<WPARAM>(c.selected));
        if (previous >= 0) {
            EXPECT_FALSE(items[previous]->IsSelected());
        }
        previous = c.selected;
    }
}

TEST_F(ListTest, KeysMoveTheSelectionWithinBoundsAndScrollItIntoView) {
    struct Case {
        int start;
        WPARAM key;
        int selected;
        int scroll;
    };
    const Case cases[] = {
        {0, VK_DOWN, 1, 0},      {4, VK_DOWN, 5, 20},      {19, VK_DOWN, 19, 300}, {0, VK_UP, 0, 0},
        {12, VK_UP, 11, 160},    {12, VK_HOME, 0, 0},      {3, VK_END, 19, 300},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("start " + std::to_string(c.start) + " key " + std::to_string(c.key));
        list->SetScrollPos(SIZE{0, 0});
        ASSERT_TRUE(list->SelectItem(c.start, true));
        window.Paint();
        Key(c.key);
        EXPECT_EQ(list->GetCurSel(), c.selected);
        EXPECT_EQ(ScrollY(), c.scroll);
        const RECT row = items[c.selected]->GetPos();
        EXPECT_GE(row.top, 0);
        EXPECT_LE(row.bottom, 100);
    }
}

TEST_F(ListTest, SearchesSkipDisabledAndHiddenItems) {
    items[0]->SetEnabled(false);
    items[1]->SetVisible(false);
    window.Paint();
    list->SelectItem(5, true);
    Key(VK_HOME);
    EXPECT_EQ(list->GetCurSel(), 2);
    Key(VK_UP);
    EXPECT_EQ(list->GetCurSel(), 2);
    // End lands on a disabled last item: nothing is selected then.
    items[kRows - 1]->SetEnabled(false);
    Key(VK_END);
    EXPECT_EQ(list->GetCurSel(), -1);
    EXPECT_FALSE(items[2]->IsSelected());
}

TEST_F(ListTest, PageKeysScrollByAPageWithoutSelecting) {
    list->SelectItem(0, true);
    Key(VK_NEXT);
    EXPECT_EQ(ScrollY(), 100);
    Key(VK_NEXT);
    EXPECT_EQ(ScrollY(), 200);
    Key(VK_PRIOR);
    EXPECT_EQ(ScrollY(), 100);
    EXPECT_EQ(list->GetCurSel(), 0);
    // The rows moved with the body.
    EXPECT_EQ(items[5]->GetPos().top, 0);
}

TEST_F(ListTest, SelectItemRefusesWhatCannotBeSelectedAndIgnoresTheSelectedOne) {
    ASSERT_TRUE(list->SelectItem(3));
    log.Clear();
    EXPECT_TRUE(list->SelectItem(3));
    EXPECT_EQ(log.Joined(), "");
    items[6]->SetVisible(false);
    EXPECT_FALSE(list->SelectItem(6));
    EXPECT_EQ(list->GetCurSel(), -1);
    EXPECT_FALSE(items[3]->IsSelected());
    EXPECT_FALSE(list->SelectItem(kRows));
    ASSERT_TRUE(list->SelectItem(2));
    // -1 clears; asked again with nothing selected it is the selection already.
    EXPECT_FALSE(list->SelectItem(-1));
    EXPECT_FALSE(items[2]->IsSelected());
    EXPECT_TRUE(list->SelectItem(-1));
    log.Clear();
    ASSERT_TRUE(list->SelectItem(4));
    EXPECT_EQ(log.Joined(), "itemselect");
    // A disabled selected item can still be left.
    items[4]->SetEnabled(false);
    EXPECT_TRUE(list->SelectItem(5));
    EXPECT_FALSE(items[4]->IsSelected());
}

TEST_F(ListTest, DoubleClickAndEnterActivate) {
    Send(WM_LBUTTONDOWN, 50, 10, MK_LBUTTON);
    Send(WM_LBUTTONUP, 50, 10);
    log.Clear();
    Send(WM_LBUTTONDBLCLK, 50, 10, MK_LBUTTON);
    Send(WM_LBUTTONUP, 50, 10);
    Key(VK_RETURN);
    EXPECT_EQ(log.Joined(), "itemactivate itemactivate");
    EXPECT_EQ(log.senders[0], items[0]);
    EXPECT_EQ(log.senders[1], items[0]);
}

TEST_F(ListTest, RemovingAndInsertingKeepTheSelectionOnItsItem) {
    ASSERT_TRUE(list->SelectItem(5));
    list->Remove(items[2]);
    EXPECT_EQ(list->GetCurSel(), 4);
    EXPECT_EQ(items[5]->ItemIndex(), 4);
    auto* fresh = MakeControl<CListLabelElementUI>("height=\"20\"");
    ASSERT_TRUE(list->AddAt(fresh, 0));
    EXPECT_EQ(fresh->ItemIndex(), 0);
    EXPECT_EQ(list->GetCurSel(), 5);
    EXPECT_EQ(items[5]->ItemIndex(), 5);
    ASSERT_TRUE(list->SetItemIndex(items[5], 1));
    EXPECT_EQ(list->GetCurSel(), 1);
    EXPECT_EQ(items[5]->ItemIndex(), 1);
    // The selected item goes: the one before it takes over.
    list->Remove(items[5]);
    EXPECT_EQ(list->GetCurSel(), 1);
    EXPECT_TRUE(static_cast<IListItemUI*>(list->GetItemAt(1)->AsInterface("ListItem"))->IsSelected());
    for (int i = 0; i < list->GetCount(); ++i)
        EXPECT_EQ(static_cast<IListItemUI*>(list->GetItemAt(i)->AsInterface("ListItem"))->ItemIndex(), i);
}

TEST_F(ListTest, WheelScrollsOrSelectsWithScrollSelect) {
    POINT screen = {50, 50};
    ClientToScreen(window.Handle(), &screen);
    const auto wheelDown = [&] {
        SendMessageA(window.Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-120)),
                     MAKELPARAM(static_cast<WORD>(screen.x), static_cast<WORD>(screen.y)));
    };
    wheelDown();
    EXPECT_GT(ScrollY(), 0);
    EXPECT_EQ(list->GetCurSel(), -1);
    list->SetAttribute("scrollselect", "true");
    list->SelectItem(0);
    wheelDown();
    EXPECT_EQ(list->GetCurSel(), 1);
}

TEST_F(ListTest, SelectedAndHotRowsPaintTheirColours) {
    Send(WM_LBUTTONDOWN, 50, 30, MK_LBUTTON);
    Send(WM_LBUTTONUP, 50, 30);
    Send(WM_MOUSEMOVE, 50, 70);
    window.Paint();
    EXPECT_EQ(window.Pixel(100, 30) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(window.Pixel(100, 70) & 0xFFFFFF, 0x00FF00u);
    EXPECT_NE(window.Pixel(100, 50) & 0xFFFFFF, 0x00FF00u);
}

TEST(ListExpandTest, WithoutMultiExpandingASecondItemCollapsesTheFirst) {
    for (const bool multi : {false, true}) {
        CListUI list;
        list.SetAttribute("multiexpanding", multi ? "true" : "false");
        std::vector<CListLabelElementUI*> items;
        for (int i = 0; i < 3; ++i) {
            items.push_back(new CListLabelElementUI);
            list.Add(items.back());
        }
        EXPECT_TRUE(list.ExpandItem(0));
        EXPECT_TRUE(list.ExpandItem(2));
        EXPECT_EQ(items[0]->IsExpanded(), multi);
        EXPECT_TRUE(items[2]->IsExpanded());
        EXPECT_EQ(list.GetExpandedItem(), 2);
    }
}

TEST(ListAlternateTest, OddRowsLoseTheNormalBackground) {
    TestWindow window(200, 100);
    auto* list = MakeControl<CListUI>("header=\"hidden\" itemaltbk=\"true\" itembkcolor=\"#FF0000FF\"");
    for (int i = 0; i < 4; ++i) list->Add(MakeControl<CListLabelElementUI>("height=\"20\""));
    list->SetBkColor(0xFFFFFFFF);
    window.Manager().AttachRoot(list);
    window.Paint();
    EXPECT_EQ(window.Pixel(50, 10) & 0xFFFFFF, 0x0000FFu);
    EXPECT_EQ(window.Pixel(50, 30) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(window.Pixel(50, 50) & 0xFFFFFF, 0x0000FFu);
}

// A combo-like owner that is not a list: items select through it and paint
// with its appearance.
TEST(ListOwnerTest, ItemsWorkForAnOwnerThatIsNotAList) {
    struct Owner : IListOwnerUI {
        TListInfoUI* GetListInfo() override { return &info; }
        int GetCurSel() const override { return current; }
        bool SelectItem(int index, bool) override {
            asked.push_back(index);
            current = index;
            return true;
        }
        void HandleEvent(TControlEvent& event) override { events.push_back(event.Type); }
        TListInfoUI info;
        int current = -1;
        std::vector<int> asked;
        std::vector<int> events;
    } owner;
    CListLabelElementUI item;
    item.SetItemOwner(&owner);
    item.SetItemIndex(4);
    EXPECT_TRUE(item.Select(true));
    EXPECT_EQ(owner.asked, std::vector<int>{4});
    EXPECT_TRUE(item.IsSelected());
    TControlEvent key;
    key.Type = EV_KEYDOWN;
    key.chKey = VK_DOWN;
    item.HandleEvent(key);
    EXPECT_EQ(owner.events, std::vector<int>{EV_KEYDOWN});
    item.SetEnabled(false);
    EXPECT_TRUE(item.Select(false));
    EXPECT_FALSE(item.Select(true));
}

}  // namespace
