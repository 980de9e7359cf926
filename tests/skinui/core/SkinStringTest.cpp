// CSkinString: inline and heap storage, slicing, searching by characters,
// case mapping and formatting.
#include <gtest/gtest.h>

#include <string>

#include "skinui/core/SkinString.h"
#include "tests/support/CaseNames.h"

namespace {

using SkinUI::CSkinString;

TEST(SkinStringTest, InlineBelow63BytesHeapFrom63) {
    CSkinString s(std::string(62, 'a').c_str());
    EXPECT_TRUE(s.IsInline());
    EXPECT_EQ(s.Length(), 62);
    s = std::string(63, 'b').c_str();
    EXPECT_FALSE(s.IsInline());
    EXPECT_EQ(std::string(s), std::string(63, 'b'));
    s = "ten bytes!";
    EXPECT_TRUE(s.IsInline());
    EXPECT_STREQ(s, "ten bytes!");
}

TEST(SkinStringTest, AppendingCrossesToTheHeapAndKeepsTheText) {
    CSkinString s;
    std::string expected;
    for (int i = 0; i < 200; ++i) {
        s += static_cast<char>('a' + i % 26);
        expected += static_cast<char>('a' + i % 26);
        ASSERT_EQ(std::string(s), expected);
    }
    EXPECT_FALSE(s.IsInline());
    s += s;  // appending itself
    EXPECT_EQ(std::string(s), expected + expected);
    s.Clear();
    EXPECT_TRUE(s.IsInline());
    EXPECT_TRUE(s.IsEmpty());
}

TEST(SkinStringTest, AssigningFromItsOwnTextIsSafe) {
    CSkinString s(std::string(100, 'x').append("tail").c_str());
    s = static_cast<const char*>(s) + 100;
    EXPECT_STREQ(s, "tail");
    CSkinString t("abcdef");
    t.Assign(static_cast<const char*>(t) + 2, 3);
    EXPECT_STREQ(t, "cde");
}

TEST(SkinStringTest, ConstructionVariants) {
    EXPECT_STREQ(CSkinString(nullptr), "");
    EXPECT_STREQ(CSkinString("abcdef", 3), "abc");
    EXPECT_STREQ(CSkinString("ab", 10), "ab");  // stops at the NUL
    CSkinString copy(CSkinString(std::string(80, 'q').c_str()));
    EXPECT_EQ(copy.Length(), 80);
    CSkinString s;
    s = static_cast<const char*>(nullptr);
    EXPECT_TRUE(s.IsEmpty());
    s.Append(nullptr);
    EXPECT_TRUE(s.IsEmpty());
}

TEST(SkinStringTest, WideTextIsConvertedToGbk) {
    CSkinString s;
    s = L"Tavi\u5e94\u7528\u5546\u5e97";
    EXPECT_STREQ(s, "Tavi\xd3\xa6\xd3\xc3\xc9\xcc\xb5\xea");
    s = static_cast<const wchar_t*>(nullptr);
    EXPECT_TRUE(s.IsEmpty());
}

TEST(SkinStringTest, HeadAndSubstring) {
    const CSkinString s("abcdef");
    EXPECT_STREQ(s.Substring(2, -1), "cdef");
    EXPECT_STREQ(s.Substring(2, 100), "cdef");
    EXPECT_STREQ(s.Substring(1, 2), "bc");
    EXPECT_STREQ(s.Substring(6, 1), "");
    EXPECT_STREQ(s.Substring(-1, 2), "");
    EXPECT_STREQ(CSkinString("abc").Head(10), "abc");
    EXPECT_STREQ(CSkinString("abc").Head(-1), "");
    EXPECT_STREQ(CSkinString("abc").Head(2), "ab");
}

// GBK characters whose trail byte is an ASCII byte: 0x955C ("\\" trail),
// 0x817C ("|" trail), 0x8141 ("A" trail).
const char* const kBackslashTrail = "\x95\x5c";
const char* const kBarTrail = "\x81\x7c";
const char* const kUpperATrail = "\x81\x41";

struct FindCase {
    std::string text;
    std::string needle;  // one character: FindChar; else FindText
    int start;
    int expected;
};

class FindTest : public testing::TestWithParam<FindCase> {};

TEST_P(FindTest, FindsWholeCharactersOnly) {
    const FindCase& c = GetParam();
    const CSkinString s(c.text.c_str());
    if (c.needle.size() == 1) {
        EXPECT_EQ(s.FindChar(c.needle[0], c.start), c.expected);
    } else {
        EXPECT_EQ(s.FindText(c.needle.c_str(), c.start), c.expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FindTest,
    testing::Values(FindCase{"abc", "c", 0, 2}, FindCase{"abc", "c", 3, -1},
                    FindCase{"abc", "a", -1, -1}, FindCase{"", "a", 0, -1},
                    FindCase{"abc", "", 3, 3}, FindCase{"abc", "bc", 4, -1},
                    FindCase{"abcabc", "bc", 2, 4},
                    // trail bytes are never matches
                    FindCase{std::string("a") + kBackslashTrail + "\\", "\\", 0, 3},
                    FindCase{std::string(kBarTrail) + "|", "|", 0, 2},
                    FindCase{std::string(kUpperATrail) + "A", "A", 0, 2},
                    FindCase{std::string(kBackslashTrail) + "\\x", "\\x", 0, 2},
                    FindCase{std::string("x") + kBackslashTrail, kBackslashTrail, 0, 1}),
    testsupport::CaseIndex());

TEST(SkinStringTest, ReplaceAllNeverRevisitsInsertedText) {
    CSkinString s("aaa");
    EXPECT_EQ(s.ReplaceAll("a", "aa"), 3);
    EXPECT_STREQ(s, "aaaaaa");
    CSkinString none("abc");
    EXPECT_EQ(none.ReplaceAll("x", "y"), 0);
    EXPECT_STREQ(none, "abc");
    CSkinString removed("a-b-c");
    EXPECT_EQ(removed.ReplaceAll("-", ""), 2);
    EXPECT_STREQ(removed, "abc");
    // "\" inside a double-byte character is not replaced.
    CSkinString gbk((std::string(kBackslashTrail) + "\\").c_str());
    EXPECT_EQ(gbk.ReplaceAll("\\", "/"), 1);
    EXPECT_EQ(std::string(gbk), std::string(kBackslashTrail) + "/");
}

TEST(SkinStringTest, CompareIsCaseSensitiveAndCharacterWise) {
    EXPECT_EQ(CSkinString("abc").Compare("abc"), 0);
    EXPECT_LT(CSkinString("abc").Compare("abd"), 0);
    EXPECT_GT(CSkinString("b").Compare("abc"), 0);
    EXPECT_NE(CSkinString("ABC").Compare("abc"), 0);
    EXPECT_LT(CSkinString("ab").Compare("abc"), 0);
    EXPECT_TRUE(CSkinString("") == nullptr);
    EXPECT_TRUE(CSkinString(kBarTrail) == kBarTrail);
    EXPECT_FALSE(CSkinString(kBarTrail) == "\x81");
}

TEST(SkinStringTest, ToLowerMapsLettersButNotTrailBytes) {
    CSkinString s((std::string("ABC") + kUpperATrail + "Z").c_str());
    s.ToLower();
    EXPECT_EQ(std::string(s), std::string("abc") + kUpperATrail + "z");
    // Full-width capital A (0xA3C1) lower-cases to full-width a (0xA3E1).
    CSkinString wide("\xa3\xc1");
    wide.ToLower();
    EXPECT_STREQ(wide, "\xa3\xe1");
}

TEST(SkinStringTest, FormatMeasuresExactly) {
    CSkinString s;
    EXPECT_EQ(s.Format("%s-%d", std::string(100, 'z').c_str(), 42), 103);
    EXPECT_EQ(std::string(s), std::string(100, 'z') + "-42");
    EXPECT_EQ(s.Format("%d,%d", 1, 2), 3);
    EXPECT_STREQ(s, "1,2");
}

TEST(SkinStringTest, FormatShortCutsAt63Characters) {
    CSkinString s;
    EXPECT_EQ(s.FormatShort("dest='%d,%d,%d,%d' source='%d,%d,%d,%d'", 1, 2, 3, 4, 5, 6, 7, 8), 31);
    EXPECT_STREQ(s, "dest='1,2,3,4' source='5,6,7,8'");
    EXPECT_EQ(s.FormatShort("%s", std::string(100, 'k').c_str()), 63);
    EXPECT_EQ(std::string(s), std::string(63, 'k'));
    // Never cut inside a double-byte character.
    const std::string gbk = std::string(62, 'k') + kBackslashTrail;
    EXPECT_EQ(s.FormatShort("%s", gbk.c_str()), 62);
}

}  // namespace
