// The tab layout: which page is selected and shown, "tabselect", removing
// and inserting pages, and where the selected page goes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skinui/control/TabLayout.h"
#include "tests/support/ContainerHelpers.h"
#include "tests/support/TestWindow.h"

namespace {

using namespace SkinUI;
using testsupport::MakeControl;
using testsupport::RectText;
using testsupport::TestWindow;

class NotifyLog : public INotifyUI {
public:
    void Notify(TNotifyUI& msg) override {
        if (msg.sType == "tabselect")
            selections.push_back(std::to_string(msg.wParam) + "<-" + std::to_string(static_cast<int>(msg.lParam)));
    }
    std::vector<std::string> selections;
};

class TabLayoutTest : public testing::Test {
protected:
    void SetUp() override {
        window.Manager().AddNotifyTarget(&log);
        tab = MakeControl<CTabLayoutUI>("inset=\"2,2,2,2\"");
        for (const char* name : {"p0", "p1", "p2"}) {
            pages.push_back(MakeControl((std::string("name=\"") + name + "\" padding=\"1,1,1,1\"").c_str()));
            tab->Add(pages.back());
        }
        window.Manager().AttachRoot(tab);
        window.Paint();
    }
    std::string Shown() const {
        std::string shown;
        for (CControlUI* page : pages) shown += page->IsVisible() ? "1" : "0";
        return shown;
    }

    TestWindow window{200, 100};
    NotifyLog log;
    CTabLayoutUI* tab = nullptr;
    std::vector<CControlUI*> pages;
};

TEST_F(TabLayoutTest, FirstVisiblePageIsSelectedAndFillsTheCell) {
    EXPECT_EQ(tab->GetSelectedIndex(), 0);
    EXPECT_EQ(Shown(), "100");
    EXPECT_EQ(RectText(pages[0]->GetPos()), "3,3,197,97");
    EXPECT_STREQ(tab->GetTypeName(), "TabLayoutUI");
    EXPECT_EQ(tab->AsInterface("TabLayout"), tab);
}

TEST_F(TabLayoutTest, SelectItemShowsOnePageAndNotifiesOnce) {
    EXPECT_TRUE(tab->SelectItem(2));
    EXPECT_EQ(Shown(), "001");
    EXPECT_EQ(log.selections, (std::vector<std::string>{"2<-0"}));
    EXPECT_TRUE(tab->SelectItem(2));
    EXPECT_EQ(log.selections.size(), 1u);
    EXPECT_FALSE(tab->SelectItem(3));
    EXPECT_FALSE(tab->SelectItem(-1));
    EXPECT_EQ(tab->GetSelectedIndex(), 2);
    window.Paint();
    EXPECT_EQ(RectText(pages[2]->GetPos()), "3,3,197,97");

    tab->SetAttribute("selectedid", "1");
    EXPECT_EQ(Shown(), "010");
    EXPECT_EQ(log.selections.back(), "1<-2");
}

TEST_F(TabLayoutTest, RemovingPagesKeepsASelection) {
    tab->SelectItem(2);
    EXPECT_TRUE(tab->Remove(pages[2]));
    pages.pop_back();
    window.Pump();
    EXPECT_EQ(tab->GetSelectedIndex(), 0);
    EXPECT_EQ(Shown(), "10");

    tab->SelectItem(1);
    EXPECT_TRUE(tab->Remove(pages[0]));  // before the selection
    pages.erase(pages.begin());
    EXPECT_EQ(tab->GetSelectedIndex(), 0);
    EXPECT_EQ(Shown(), "1");

    tab->RemoveAll();
    pages.clear();
    EXPECT_EQ(tab->GetSelectedIndex(), -1);
    // The next page added becomes the selection again.
    CControlUI* page = MakeControl("");
    tab->Add(page);
    EXPECT_EQ(tab->GetSelectedIndex(), 0);
    EXPECT_TRUE(page->IsVisible());
}

TEST_F(TabLayoutTest, InsertingPagesMovesOrHidesByPosition) {
    tab->SelectItem(1);
    CControlUI* before = MakeControl("name=\"before\"");
    EXPECT_TRUE(tab->AddAt(before, 0));
    EXPECT_EQ(tab->GetSelectedIndex(), 2);
    EXPECT_TRUE(before->IsVisible());  // keeps its own visibility
    CControlUI* after = MakeControl("name=\"after\"");
    EXPECT_TRUE(tab->AddAt(after, 4));
    EXPECT_FALSE(after->IsVisible());
    EXPECT_EQ(tab->GetItemAt(2), pages[1]);
}

}  // namespace
