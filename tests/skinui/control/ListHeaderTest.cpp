// List header columns under real mouse messages: separator drags from the
// right or the left edge, header clicks, rows and container items following
// the columns, and the sideways bar once the columns outgrow the body.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skinui/control/List.h"
#include "skinui/control/ListContainerElement.h"
#include "skinui/control/ListHeader.h"
#include "skinui/control/ListHeaderItem.h"
#include "skinui/control/ListTextElement.h"
#include "skinui/control/ScrollBar.h"
#include "skinui/core/SkinBuilder.h"
#include "tests/support/ContainerHelpers.h"
#include "tests/support/ControlHarness.h"  // NotifyLog
#include "tests/support/TestWindow.h"

namespace {

using namespace SkinUI;
using testsupport::MakeControl;
using testsupport::PointParam;
using testsupport::RectText;
using testsupport::TestWindow;

// Three columns of 60 in a 200x100 window: the second resizes from its right
// edge, the third (separator width -4) from its left edge.
class ListHeaderTest : public testing::Test {
protected:
    void SetUp() override {
        window.Manager().AddNotifyTarget(&log);
        list = MakeControl<CListUI>("");
        const char* columns[] = {"width=\"60\" text=\"A\"", "width=\"60\" dragable=\"true\" text=\"B\"",
                                 "width=\"60\" dragable=\"true\" sepwidth=\"-4\" text=\"C\""};
        for (const char* attributes : columns) {
            headers.push_back(MakeControl<CListHeaderItemUI>(attributes));
            list->Add(headers.back());
        }
        row = MakeControl<CListContainerElementUI>("height=\"20\"");
        for (int i = 0; i < 3; ++i) row->Add(MakeControl<CControlUI>(""));
        list->Add(row);
        text = MakeControl<CListTextElementUI>("height=\"20\"");
        text->SetText(0, "one");
        text->SetText(2, "three");
        list->Add(text);
        window.Manager().AttachRoot(list);
        window.Paint();
        y = (list->GetHeader()->GetPos().top + list->GetHeader()->GetPos().bottom) / 2;
        log.Clear();
    }
    void TearDown() override { window.Manager().RemoveNotifyTarget(&log); }
    void Drag(int fromX, int toX) {
        SendMessageA(window.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, PointParam(fromX, y));
        SendMessageA(window.Handle(), WM_MOUSEMOVE, MK_LBUTTON, PointParam((fromX + toX) / 2, y));
        SendMessageA(window.Handle(), WM_MOUSEMOVE, MK_LBUTTON, PointParam(toX, y));
        SendMessageA(window.Handle(), WM_LBUTTONUP, 0, PointParam(toX, y));
        window.Paint();
    }
    std::string Span(const RECT& rc) const { return std::to_string(rc.left) + "-" + std::to_string(rc.right); }

    TestWindow window{200, 100};
    testsupport::NotifyLog log;
    CListUI* list = nullptr;
    std::vector<CListHeaderItemUI*> headers;
    CListContainerElementUI* row = nullptr;
    CListTextElementUI* text = nullptr;
    int y = 0;
};

TEST_F(ListHeaderTest, ColumnsComeFromTheHeaderAndRowsSitBelowIt) {
    const TListInfoUI* info = list->GetListInfo();
    ASSERT_EQ(info->nColumns, 3);
    EXPECT_EQ(Span(info->rcColumn[1]), "60-120");
    EXPECT_EQ(row->GetPos().top, list->GetHeader()->GetPos().bottom);
    EXPECT_EQ(Span(row->GetItemAt(2)->GetPos()), "120-180");
    EXPECT_EQ(row->ItemIndex(), 0);
    EXPECT_EQ(text->ItemIndex(), 1);
    EXPECT_STREQ(text->GetText(1), "");
    EXPECT_STREQ(text->GetText(2), "three");
}

TEST_F(ListHeaderTest, DraggingSeparatorsResizesColumnsAndTheRowsFollow) {
    struct Case {
        int from;
        int to;
        const char* second;
        const char* third;
    };
    // Right-edge zone of B is 116-119; after B grew the left-edge zone of C is
    // 140-143, and dragging that edge leftwards widens C.
    const Case cases[] = {{118, 138, "60-140", "140-200"}, {141, 131, "60-140", "140-210"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.from) + "->" + std::to_string(c.to));
        Drag(c.from, c.to);
        EXPECT_EQ(Span(headers[1]->GetPos()), c.second);
        EXPECT_EQ(Span(headers[2]->GetPos()), c.third);
        EXPECT_EQ(Span(list->GetListInfo()->rcColumn[2]), c.third);
        EXPECT_EQ(Span(row->GetItemAt(1)->GetPos()), c.second);
        EXPECT_EQ(Span(row->GetItemAt(2)->GetPos()), c.third);
    }
    EXPECT_EQ(log.Joined(), "");
}

TEST_F(ListHeaderTest, APressOutsideTheSeparatorIsAHeaderClick) {
    SendMessageA(window.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, PointParam(90, y));
    EXPECT_TRUE(headers[1]->GetButtonState() & 0x10);
    SendMessageA(window.Handle(), WM_LBUTTONUP, 0, PointParam(90, y));
    EXPECT_FALSE(headers[1]->GetButtonState() & 0x10);
    EXPECT_EQ(log.Joined(), "headerclick");
    EXPECT_EQ(log.senders[0], headers[1]);
    // A column that is not dragable is not resized from its edge.
    Drag(58, 90);
    EXPECT_EQ(Span(headers[0]->GetPos()), "0-60");
}

TEST_F(ListHeaderTest, ColumnsWiderThanTheBodyShowTheSidewaysBar) {
    CScrollBarUI* bar = list->GetHorizontalScrollBar();
    ASSERT_NE(bar, nullptr);
    EXPECT_FALSE(bar->IsVisible());
    Drag(118, 168);
    ASSERT_TRUE(bar->IsVisible());
    EXPECT_EQ(bar->GetScrollRange(), 230 - 200);
    EXPECT_EQ(row->GetWidth(), 230);
    // Scrolled sideways, header and rows move together.
    list->SetScrollPos(SIZE{30, 0});
    EXPECT_EQ(Span(headers[2]->GetPos()), "140-200");
    EXPECT_EQ(row->GetPos().left, -30);
    // Narrowed again, the bar goes.
    Drag(168 - 30, 108 - 30);
    EXPECT_FALSE(bar->IsVisible());
}

TEST_F(ListHeaderTest, TextElementsAskTheListsTextCallbackPerColumn) {
    struct Callback : IListCallbackUI {
        const char* GetItemText(CControlUI* control, int index, int column) override {
            asked.push_back(std::to_string(index) + ":" + std::to_string(column));
            sender = control;
            return "x";
        }
        std::vector<std::string> asked;
        CControlUI* sender = nullptr;
    } callback;
    list->SetTextCallback(&callback);
    window.Paint();
    InvalidateRect(window.Handle(), nullptr, FALSE);
    window.Paint();
    ASSERT_GE(callback.asked.size(), 3u);
    EXPECT_EQ(callback.asked[0], "1:0");
    EXPECT_EQ(callback.asked[2], "1:2");
    EXPECT_EQ(callback.sender, text);
    list->SetTextCallback(nullptr);
}

TEST(ListSkinTest, ListElementsFromASkinWithLinksInTextElements) {
    TestWindow window(300, 200);
    testsupport::NotifyLog log;
    window.Manager().AddNotifyTarget(&log);
    CSkinBuilder builder;
    CControlUI* root = builder.Build(
        "<Window><List itemshowhtml=\"true\"><ListHeader><ListHeaderItem width=\"100\" text=\"A\"/>"
        "<ListHeaderItem width=\"100\" text=\"B\"/></ListHeader>"
        "<ListTextElement height=\"20\" text=\"&lt;a x&gt;MMMM&lt;/a&gt;\"/>"
        "<ListLabelElement height=\"20\" text=\"b\" selected=\"true\"/>"
        "<ListContainerElement height=\"20\"><Control/><Control/></ListContainerElement></List></Window>",
        nullptr, nullptr, &window.Manager());
    ASSERT_NE(root, nullptr);
    auto* list = static_cast<CListUI*>(root->AsInterface("List"));
    ASSERT_NE(list, nullptr);
    window.Manager().AttachRoot(root);
    window.Paint();
    EXPECT_STREQ(list->GetHeader()->GetTypeName(), "ListHeaderUI");
    EXPECT_EQ(list->GetHeader()->GetCount(), 2);
    EXPECT_EQ(list->GetListInfo()->nColumns, 2);
    ASSERT_EQ(list->GetCount(), 3);
    EXPECT_STREQ(list->GetItemAt(0)->GetTypeName(), "ListTextElementUI");
    EXPECT_STREQ(list->GetItemAt(1)->GetTypeName(), "ListLabelElementUI");
    EXPECT_STREQ(list->GetItemAt(2)->GetTypeName(), "ListContainerElementUI");
    EXPECT_EQ(list->GetCurSel(), 1);
    auto* container = static_cast<IContainerUI*>(list->GetItemAt(2)->AsInterface("IContainer"));
    EXPECT_EQ(container->GetItemAt(1)->GetPos().left, 100);

    auto* text = static_cast<CListTextElementUI*>(list->GetItemAt(0)->AsInterface("ListTextElement"));
    ASSERT_EQ(text->GetLinkCount(), 1);
    const RECT link = text->GetLinkRect(0);
    const int x = (link.left + link.right) / 2, y = (link.top + link.bottom) / 2;
    log.Clear();
    SendMessageA(window.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, PointParam(x, y));
    SendMessageA(window.Handle(), WM_LBUTTONUP, 0, PointParam(x, y));
    EXPECT_EQ(log.Joined(), "itemclick itemselect link");
    EXPECT_EQ(log.wParams[2], 0u);
    EXPECT_EQ(list->GetCurSel(), 0);
    window.Manager().RemoveNotifyTarget(&log);
}

}  // namespace
