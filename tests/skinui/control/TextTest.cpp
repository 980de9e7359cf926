// The text control: links found by painting with markup, link clicks and
// hover through real mouse messages, input flags and measuring wrapped text.
#include <gtest/gtest.h>

#include <string>

#include "skinui/control/Text.h"
#include "skinui/core/PaintManager.h"
#include "tests/support/ControlHarness.h"

namespace {

using namespace SkinUI;
using testsupport::ControlHarness;

POINT Centre(const RECT& rc) { return POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2}; }

class TextLinkTest : public testing::Test {
protected:
    void SetUp() override {
        text = h.Add<CTextUI>(
            "float=\"true\" pos=\"10,10,290,110\" showhtml=\"true\" text=\"<a first>MMMM</a> and <a second>MMMM</a>\"");
        EXPECT_EQ(text->GetLinkCount(), 0);  // nothing known before the first paint
        h.window.Paint();
        ASSERT_EQ(text->GetLinkCount(), 2);
        first = Centre(text->GetLinkRect(0));
        second = Centre(text->GetLinkRect(1));
    }

    ControlHarness h;
    CTextUI* text = nullptr;
    POINT first = {};
    POINT second = {};
};

TEST_F(TextLinkTest, PaintingFindsTheLinks) {
    EXPECT_STREQ(text->GetLinkText(0), "first");
    EXPECT_STREQ(text->GetLinkText(1), "second");
    EXPECT_LT(text->GetLinkRect(0).right, text->GetLinkRect(1).left + 1);
    EXPECT_EQ(text->GetInputFlags(), UINT{INPUT_WANTS_CURSOR});
    text->SetText("");
    h.window.Paint();
    EXPECT_EQ(text->GetLinkCount(), 0);
    EXPECT_EQ(text->GetInputFlags(), 0u);
}

TEST_F(TextLinkTest, ClicksReportTheLinkIndex) {
    h.Click(second.x, second.y);
    h.Click(first.x, first.y);
    h.Click(text->GetLinkRect(1).right + 5, 100);  // text, but no link
    ASSERT_EQ(h.log.Joined(), "link link");
    EXPECT_EQ(h.log.wParams[0], 1u);
    EXPECT_EQ(h.log.wParams[1], 0u);
    EXPECT_EQ(h.log.senders[0], text);

    h.log.Clear();
    text->SetEnabled(false);
    h.Click(first.x, first.y);
    EXPECT_EQ(h.log.Joined(), "");
}

TEST_F(TextLinkTest, HoverFollowsTheMouse) {
    EXPECT_EQ(text->GetHoveredLink(), -1);
    h.Send(WM_MOUSEMOVE, second.x, second.y);
    EXPECT_EQ(text->GetHoveredLink(), 1);
    h.Send(WM_MOUSEMOVE, first.x, first.y);
    EXPECT_EQ(text->GetHoveredLink(), 0);
    h.Send(WM_MOUSEMOVE, 280, 100);
    EXPECT_EQ(text->GetHoveredLink(), -1);
    h.Send(WM_MOUSEMOVE, first.x, first.y);
    h.Send(WM_MOUSEMOVE, 5, 5);  // onto the root: the text gets a leave
    EXPECT_EQ(text->GetHoveredLink(), -1);
}

TEST(TextControlTest, DefaultsAndMeasuring) {
    ControlHarness h;
    auto* text = h.Add<CTextUI>("text=\"one two three four five six seven eight nine ten\"");
    EXPECT_STREQ(text->GetTypeName(), "TextUI");
    EXPECT_EQ(text->AsInterface("Text"), text);
    EXPECT_EQ(text->GetTextStyle(), static_cast<UINT>(DT_WORDBREAK));
    EXPECT_EQ(text->GetTextPadding().left, 2);
    EXPECT_EQ(text->GetTextPadding().right, 2);
    EXPECT_EQ(text->GetInputFlags(), 0u);

    const int line = h.window.Manager().FontInfoByIndex(-1)->tm.tmHeight;
    const SIZE wide = text->MeasureSize(SIZE{2000, 100});
    EXPECT_EQ(wide.cy, line);
    const SIZE narrow = text->MeasureSize(SIZE{80, 100});
    EXPECT_GE(narrow.cy, 3 * line);  // wrapped onto several lines
    EXPECT_LE(narrow.cx, 80);
    text->SetFixedHeight(17);
    EXPECT_EQ(text->MeasureSize(SIZE{80, 100}).cy, 17);
}

}  // namespace
