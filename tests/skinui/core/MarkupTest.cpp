// CSkinMarkup: the element table, attributes, entities, encodings and every
// parse failure with its message.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skinui/core/Markup.h"
#include "tests/support/CaseNames.h"

namespace {

using SkinUI::CSkinMarkup;
using SkinUI::CSkinMarkupNode;

// The document's elements as "Name(child,child)" text, for compact checks.
std::string Shape(CSkinMarkupNode node) {
    std::string out;
    for (; node.Exists(); node = node.NextSibling()) {
        if (!out.empty()) out += ",";
        out += node.Name();
        if (node.HasChild()) out += "(" + Shape(node.FirstChild()) + ")";
    }
    return out;
}

struct ParseCase {
    std::string text;
    std::string shape;    // when it loads
    std::string message;  // when it fails
};

class ParseTest : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseTest, LoadsOrFailsWithItsMessage) {
    const ParseCase& c = GetParam();
    CSkinMarkup markup;
    const bool loaded = markup.LoadText(c.text.c_str());
    if (c.message.empty()) {
        ASSERT_TRUE(loaded) << markup.GetLastErrorMessage();
        EXPECT_EQ(Shape(markup.Root()), c.shape);
        EXPECT_STREQ(markup.GetLastErrorMessage(), "");
    } else {
        EXPECT_FALSE(loaded);
        EXPECT_STREQ(markup.GetLastErrorMessage(), c.message.c_str());
        EXPECT_FALSE(markup.Root().Exists());
    }
}

std::string Nested(int depth) {
    std::string text;
    for (int i = 0; i < depth; ++i) text += "<N>";
    for (int i = 0; i < depth; ++i) text += "</N>";
    return text;
}

INSTANTIATE_TEST_SUITE_P(
    Documents, ParseTest,
    testing::Values(
        ParseCase{"<Control />", "Control", ""},
        ParseCase{"<Control/>", "Control", ""},
        ParseCase{"<Control name=\"a\"/>", "Control", ""},
        ParseCase{"<W><A/><B><C/></B><D></D></W>", "W(A,B(C),D)", ""},
        ParseCase{"<Window>text<A/></Window>", "Window(A)", ""},
        ParseCase{"<Window><A/>", "Window(A)", ""},
        ParseCase{"<Window><A>", "Window(A)", ""},
        ParseCase{"<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<Window/>", "Window", ""},
        ParseCase{"<!-- a --> <Window/> <!-->", "Window", ""},
        ParseCase{"  \r\n\t<!-- only a comment -->  ", "", ""},
        ParseCase{"", "", ""},
        ParseCase{"<A/><B/>", "A,B", ""},
        ParseCase{"<A></A  >", "A", ""},
        ParseCase{"< A ></ A>", "A", ""},
        ParseCase{"<A/></B>", "A", ""},
        ParseCase{"<a:b_1 x=\"<>/=&amp;\r\n\"/>", "a:b_1", ""},
        ParseCase{"abc", "", "Expected start tag"},
        ParseCase{"<Window><A/>text</Window>", "", "Expected start tag"},
        ParseCase{"<Window><A><B/>", "", "Expected start tag"},
        ParseCase{"<Window", "", "Error parsing element name"},
        ParseCase{"<Window a>", "", "Error while parsing attributes"},
        ParseCase{"<Window a=1>", "", "Expected attribute value"},
        ParseCase{"<Window a='1'>", "", "Expected attribute value"},
        ParseCase{"<Window a=\"1>", "", "Error while parsing attribute string"},
        ParseCase{"<Window/x>", "", "Expected start-tag closing"},
        ParseCase{"<Window a=\"1\" / >", "", "Expected start-tag closing"},
        ParseCase{"<Window><A><B>", "", "Expected end-tag start"},
        ParseCase{"<Window><A></B></Window>", "", "Unmatched closing tag"},
        ParseCase{"<Window></Window", "", "Unmatched closing tag"},
        ParseCase{"<Window></WindowX>", "", "Unmatched closing tag"},
        ParseCase{Nested(1001), "", "Element nesting too deep"},
        // A lead byte swallows the quote after it: stepping is by characters.
        ParseCase{"<A v=\"\x81\"/>", "", "Error while parsing attribute string"},
        ParseCase{"<A v=\"\x95\x5c\" w=\"\x81\x7c\"/>", "A", ""}),
    testsupport::CaseIndex());

TEST(MarkupTest, DeepNestingKeepsItsShape) {
    CSkinMarkup markup;
    ASSERT_TRUE(markup.LoadText(Nested(1000).c_str()));
    int depth = 0;
    for (CSkinMarkupNode node = markup.Root(); node.Exists(); node = node.FirstChild()) ++depth;
    EXPECT_EQ(depth, 1000);
}

TEST(MarkupTest, AttributesInDocumentOrderWithEntitiesDecoded) {
    CSkinMarkup markup;
    ASSERT_TRUE(markup.LoadText(
        "<Window a=\"1\"b=\"2\"  c = \"a&amp;b&lt;&nbsp;\" d=\"&quot;&apos;&gt;&amp;&amp;\" e=\"\"/>"));
    CSkinMarkupNode root = markup.Root();
    ASSERT_EQ(root.AttributeCount(), 5);
    const char* names[] = {"a", "b", "c", "d", "e"};
    const char* values[] = {"1", "2", "a&b<&nbsp;", "\"'>&&", ""};
    for (int i = 0; i < 5; ++i) {
        EXPECT_STREQ(root.AttributeName(i), names[i]);
        EXPECT_STREQ(root.AttributeValue(i), values[i]);
    }
    EXPECT_STREQ(root.AttributeName(5), "");
    EXPECT_STREQ(root.AttributeValue(-1), "");
    EXPECT_STREQ(root.Name(), "Window");
}

TEST(MarkupTest, GbkValuesKeepTheirTrailBytes) {
    const std::string value = "\x95\x5c|\x81\x7c\\\x81\x41";
    CSkinMarkup markup;
    ASSERT_TRUE(markup.LoadText(("<Label text=\"" + value + "\" tip=\"\x95\x5c\"/>").c_str()));
    CSkinMarkupNode root = markup.Root();
    ASSERT_EQ(root.AttributeCount(), 2);
    EXPECT_EQ(std::string(root.AttributeValue(0)), value);
    EXPECT_STREQ(root.AttributeValue(1), "\x95\x5c");
}

TEST(MarkupTest, OnlySixtyFourAttributesAreVisible) {
    std::string text = "<W";
    for (int i = 0; i < 65; ++i) text += " a" + std::to_string(i) + "=\"v" + std::to_string(i) + "\"";
    text += "/>";
    CSkinMarkup markup;
    ASSERT_TRUE(markup.LoadText(text.c_str()));
    CSkinMarkupNode root = markup.Root();
    EXPECT_EQ(root.AttributeCount(), 64);
    char buffer[8] = {};
    EXPECT_TRUE(root.FindAttribute("a63", buffer, sizeof(buffer) - 1));
    EXPECT_STREQ(buffer, "v63");
    EXPECT_FALSE(root.FindAttribute("a64", buffer, sizeof(buffer) - 1));
}

TEST(MarkupTest, FindAttributeCopiesAtMostSizeBytes) {
    CSkinMarkup markup;
    ASSERT_TRUE(markup.LoadText("<W name=\"abcdef\" name=\"second\"/>"));
    CSkinMarkupNode root = markup.Root();
    char buffer[8];
    memset(buffer, 0, sizeof(buffer));
    EXPECT_TRUE(root.FindAttribute("name", buffer, 3));
    EXPECT_STREQ(buffer, "abc");
    memset(buffer, 0, sizeof(buffer));
    EXPECT_TRUE(root.FindAttribute("name", buffer, sizeof(buffer) - 1));
    EXPECT_STREQ(buffer, "abcdef");  // first match wins
    EXPECT_FALSE(root.FindAttribute("Name", buffer, 7));
    EXPECT_FALSE(CSkinMarkupNode().FindAttribute("name", buffer, 7));
}

TEST(MarkupTest, InvalidNodeAnswersNull) {
    CSkinMarkupNode none;
    EXPECT_FALSE(none.Exists());
    EXPECT_EQ(none.Name(), nullptr);
    EXPECT_EQ(none.AttributeName(0), nullptr);
    EXPECT_EQ(none.AttributeValue(0), nullptr);
    EXPECT_EQ(none.AttributeCount(), 0);
    EXPECT_FALSE(none.FirstChild().Exists());
    EXPECT_FALSE(none.NextSibling().Exists());
}

struct LocationCase {
    std::string text;
    std::string location;
};

class LocationTest : public testing::TestWithParam<LocationCase> {};

TEST_P(LocationTest, ExcerptOfTheFailurePoint) {
    CSkinMarkup markup;
    ASSERT_FALSE(markup.LoadText(GetParam().text.c_str()));
    EXPECT_EQ(std::string(markup.GetLastErrorLocation()), GetParam().location);
}

INSTANTIATE_TEST_SUITE_P(
    Failures, LocationTest,
    testing::Values(LocationCase{"<W a=1>", ">"},
                    LocationCase{"<W><A></B>", "B>"},
                    LocationCase{"<W></W xy", "y"},
                    LocationCase{"<W>x<A/>tail", "tail"},
                    LocationCase{"junk " + std::string(100, 'j'), "junk " + std::string(44, 'j')},
                    // cut before a double-byte character rather than through it
                    LocationCase{std::string(48, 'j') + "\x95\x5c", std::string(48, 'j')}),
    testsupport::CaseIndex());

TEST(MarkupTest, ReloadReplacesAndFailureEmpties) {
    CSkinMarkup markup;
    ASSERT_TRUE(markup.LoadText("<First/>"));
    ASSERT_TRUE(markup.LoadText("<Second><C/></Second>"));
    EXPECT_EQ(Shape(markup.Root()), "Second(C)");
    EXPECT_FALSE(markup.LoadText("<Broken"));
    EXPECT_FALSE(markup.Root().Exists());
    ASSERT_TRUE(markup.LoadText("<Third/>"));
    EXPECT_STREQ(markup.GetLastErrorMessage(), "");
    markup.Clear();
    EXPECT_FALSE(markup.Root().Exists());
}

TEST(MarkupTest, ManyElementsGrowTheTable) {
    std::string text = "<W>";
    for (int i = 0; i < 5000; ++i) text += "<C n=\"" + std::to_string(i) + "\"/>";
    text += "</W>";
    CSkinMarkup markup;
    ASSERT_TRUE(markup.LoadText(text.c_str()));
    int count = 0;
    char buffer[16] = {};
    for (CSkinMarkupNode c = markup.Root().FirstChild(); c.Exists(); c = c.NextSibling()) {
        memset(buffer, 0, sizeof(buffer));
        ASSERT_TRUE(c.FindAttribute("n", buffer, sizeof(buffer) - 1));
        ASSERT_EQ(std::string(buffer), std::to_string(count));
        ++count;
    }
    EXPECT_EQ(count, 5000);
}

// --- Encodings ------------------------------------------------------------------------

std::string Utf16(const std::wstring& text, bool bigEndian) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (wchar_t c : text) {
        const char hi = static_cast<char>(c >> 8), lo = static_cast<char>(c & 0xFF);
        bytes += bigEndian ? std::string{hi, lo} : std::string{lo, hi};
    }
    return bytes;
}

std::string LoadedText(const std::string& bytes, int encoding) {
    CSkinMarkup markup;
    if (!markup.LoadBytes(bytes.data(), static_cast<unsigned>(bytes.size()), encoding)) return "(failed)";
    CSkinMarkupNode root = markup.Root();
    return std::string(root.Name()) + "|" + root.AttributeValue(0);
}

TEST(MarkupEncodingTest, EveryInputFormGivesTheSameGbkDocument) {
    const std::string expected = "Window|\xd3\xa6\xd3\xc3";  // 应用 in GBK
    const std::string utf8 = "<Window text=\"\xe5\xba\x94\xe7\x94\xa8\"/>";
    EXPECT_EQ(LoadedText(utf8, 0), expected);
    EXPECT_EQ(LoadedText("\xEF\xBB\xBF" + utf8, 0), expected);
    const std::wstring wide = L"<Window text=\"\u5e94\u7528\"/>";
    EXPECT_EQ(LoadedText(Utf16(wide, false), 1), expected);
    EXPECT_EQ(LoadedText(Utf16(wide, true), 1), expected);
    EXPECT_EQ(LoadedText(Utf16(wide, false) + "x", 1), expected);  // odd byte ignored
    EXPECT_EQ(LoadedText("<Window text=\"\xd3\xa6\xd3\xc3\"/>", 2), expected);
}

TEST(MarkupEncodingTest, InvalidUtf8BecomesTheDefaultCharacter) {
    EXPECT_EQ(LoadedText("<W t=\"a\x80" "b\"/>", 0), "W|a?b");
    EXPECT_EQ(LoadedText("<W t=\"\xe5\xba\"/>", 0), "W|?");
    EXPECT_EQ(LoadedText("<W t=\"x\xe5\xba\x94\xe5\xba\x94y\"/>", 0), "W|x\xd3\xa6\xd3\xa6y");
}

TEST(MarkupEncodingTest, Utf16WithoutMarkFails) {
    std::string bytes = Utf16(L"<W/>", false).substr(2);
    EXPECT_EQ(LoadedText(bytes, 1), "(failed)");
    EXPECT_EQ(LoadedText("\xFF", 1), "(failed)");
}

TEST(MarkupEncodingTest, DocumentEndsAtItsFirstNul) {
    const std::string bytes("<A/>\0<B/>", 9);
    CSkinMarkup markup;
    ASSERT_TRUE(markup.LoadBytes(bytes.data(), static_cast<unsigned>(bytes.size()), 2));
    EXPECT_EQ(Shape(markup.Root()), "A");
}

}  // namespace
