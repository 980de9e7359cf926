// Hostile skins through the builder and on into a window: nesting far past
// what the parser takes, nesting stacked up through includes, ten thousand
// controls, unknown elements at every level, absurd include counts and
// defaults naming images and fonts that do not exist. Each builds or fails,
// and what builds lays out, paints and frees.
#include <gtest/gtest.h>

#include <string>

#include "skinui/control/Container.h"
#include "skinui/core/PaintManager.h"
#include "skinui/core/SkinBuilder.h"
#include "tests/support/Files.h"
#include "tests/support/TestWindow.h"

namespace {

using namespace SkinUI;

std::string Nested(int depth, const std::string& inner) {
    std::string text;
    text.reserve(depth * 40 + inner.size());
    for (int i = 0; i < depth; ++i) text += "<VerticalLayout>";
    text += inner;
    for (int i = 0; i < depth; ++i) text += "</VerticalLayout>";
    return text;
}

int Depth(CControlUI* control) {
    int depth = 0;
    while (control) {
        auto* container = static_cast<IContainerUI*>(control->AsInterface("IContainer"));
        control = container && container->GetCount() > 0 ? container->GetItemAt(0) : nullptr;
        ++depth;
    }
    return depth;
}

class SkinBuilderStressTest : public testing::Test {
protected:
    SkinBuilderStressTest() : m_window(320, 240, false) {}
    void SetUp() override { CPaintManagerUI::SetResourcePath(m_folder.Path().c_str()); }
    void TearDown() override { CPaintManagerUI::SetResourcePath(""); }
    void Write(const char* name, const std::string& text) {
        ASSERT_TRUE(testsupport::WriteWholeFile(m_folder.File(name), text));
    }
    // Builds into the window, lays out and paints; the window frees the tree.
    CControlUI* Show(const std::string& skin) {
        CSkinBuilder builder;
        CControlUI* root = builder.Build(skin.c_str(), nullptr, nullptr, &m_window.Manager());
        if (!root) return nullptr;
        m_window.Manager().AttachRoot(root);
        m_window.Paint();
        m_window.Pump();
        return root;
    }
    testsupport::TempFolder m_folder;
    testsupport::TestWindow m_window;
};

TEST_F(SkinBuilderStressTest, NestingBeyondTheParserLimitFailsCleanly) {
    EXPECT_EQ(Show("<Window>" + Nested(100000, "<Control/>") + "</Window>"), nullptr);
    // As deep as the parser allows still builds, lays out, paints and frees.
    CControlUI* root = Show("<Window>" + Nested(CSkinMarkup::kMaxDepth - 2, "<Button text=\"deep\"/>") + "</Window>");
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(Depth(root), CSkinMarkup::kMaxDepth - 1);
}

TEST_F(SkinBuilderStressTest, NestingStackedUpThroughIncludesStaysBounded) {
    // Each copy nests 500 deep and includes itself at the bottom: the parser
    // sees no deep document, so only the builder's own bound stops the tree.
    Write("deep.xml", "<Deep>" + Nested(500, "<Include source=\"deep.xml\"/>") + "</Deep>");
    CControlUI* root = Show("<Window><VerticalLayout><Include source=\"deep.xml\"/></VerticalLayout></Window>");
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(Depth(root), CSkinBuilder::kMaxControlDepth);
}

TEST_F(SkinBuilderStressTest, TenThousandControlsWithUnknownElementsBetweenThem) {
    std::string skin = "<Window size=\"320,240\"><Mystery/><VerticalLayout vscrollbar=\"true\"><Nope a=\"b\"/>";
    for (int i = 0; i < 10000; ++i) {
        skin += "<Button name=\"b" + std::to_string(i) + "\" text=\"x\" height=\"20\" zzz=\"1\"><Gadget><Control/></Gadget></Button>";
        if (i % 100 == 0) skin += "<Unknown><Label/><Unknown2/></Unknown>";
    }
    skin += "</VerticalLayout><Whatever/></Window>";
    CControlUI* root = Show(skin);
    ASSERT_NE(root, nullptr);
    auto* container = static_cast<IContainerUI*>(root->AsInterface("IContainer"));
    ASSERT_NE(container, nullptr);
    EXPECT_EQ(container->GetCount(), 10000);
    EXPECT_NE(m_window.Manager().FindControl("b9999"), nullptr);
}

TEST_F(SkinBuilderStressTest, AbsurdIncludeCountsEndPromptly) {
    Write("one.xml", "<One><Control/></One>");
    for (const char* count : {"-1", "0", "2147483647", "4294967296", "-2147483648", "1e9", "99999999999999999999", "x"}) {
        SCOPED_TRACE(count);
        CControlUI* root = Show(std::string("<Window><HorizontalLayout><Include source=\"one.xml\" count=\"") + count +
                                "\"/></HorizontalLayout></Window>");
        ASSERT_NE(root, nullptr);
        auto* container = static_cast<IContainerUI*>(root->AsInterface("IContainer"));
        EXPECT_LE(container->GetCount(), CSkinBuilder::kMaxIncludeCount);
    }
}

TEST_F(SkinBuilderStressTest, DefaultsNamingMissingImagesAndFontsPaintWithout) {
    CControlUI* root = Show(
        "<Window><Font name=\"NoSuchFace\" size=\"-5\" default=\"true\"/><Image name=\"gone.png\"/>"
        "<Default name=\"Button\" value=\"normalimage=&quot;gone.png&quot; hotimage=&quot;file='nope.bmp' "
        "corner='9,9,9,9'&quot; font=&quot;99&quot; bkimage=&quot;missing.jpg&quot;\"/>"
        "<Default name=\"Label\" value=\"font=&quot;-3&quot; bkimage=&quot;&quot;\"/>"
        "<Default name=\"VerticalLayout\" value=\"bkimage=&quot;file='x.png' source='1,2,3,4'&quot; inset=\"/>"
        "<VerticalLayout><Button name=\"b\" text=\"a\"/><Label text=\"l\" font=\"7\"/>"
        "<Text text=\"t\" font=\"100000\"/></VerticalLayout></Window>");
    ASSERT_NE(root, nullptr);
    EXPECT_NE(m_window.Manager().FindControl("b"), nullptr);
}

}  // namespace
