// Markup text: layout read back through DT_CALCRECT and link records, and
// real GDI text drawn into 32-bit DIB sections whose pixels are checked.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "skinui/core/GdiHandles.h"
#include "skinui/core/PaintManager.h"
#include "skinui/render/SkinRender.h"
#include "tests/support/Files.h"
#include "tests/support/TestWindow.h"

namespace {

using SkinUI::CPaintManagerUI;
using SkinUI::CSkinRender;
using SkinUI::CSkinString;

constexpr const char* kFace = "Tahoma";
constexpr int kSize = 16;
constexpr DWORD kWhite = 0xFFFFFFFF;

// A black 32-bit top-down DIB section selected into a memory DC.
class Canvas {
public:
    Canvas(int width, int height) : m_width(width), m_height(height) {
        m_dc.reset(CreateCompatibleDC(nullptr));
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        m_bitmap.reset(CreateDIBSection(m_dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        m_bits = static_cast<uint32_t*>(bits);
        m_select = std::make_unique<SkinUI::SelectGuard>(m_dc.get(), m_bitmap.get());
        Clear();
    }

    HDC Dc() const { return m_dc.get(); }
    void Clear() {
        GdiFlush();
        std::fill(m_bits, m_bits + m_width * m_height, 0u);
    }
    uint32_t Pixel(int x, int y) const {
        GdiFlush();
        return m_bits[y * m_width + x] & 0xFFFFFF;
    }
    std::vector<uint32_t> Pixels() const {
        GdiFlush();
        return std::vector<uint32_t>(m_bits, m_bits + m_width * m_height);
    }
    // Pixels inside `area` for which `match` holds.
    template <typename Match>
    int Count(const RECT& area, Match match) const {
        int count = 0;
        for (int y = area.top; y < area.bottom; ++y) {
            for (int x = area.left; x < area.right; ++x) count += match(Pixel(x, y)) ? 1 : 0;
        }
        return count;
    }
    RECT Whole() const { return {0, 0, m_width, m_height}; }
    // Bounding box of the pixels for which `match` holds (empty when none).
    template <typename Match>
    RECT Bounds(Match match) const {
        RECT box = {m_width, m_height, 0, 0};
        for (int y = 0; y < m_height; ++y) {
            for (int x = 0; x < m_width; ++x) {
                if (!match(Pixel(x, y))) continue;
                box = {std::min<LONG>(box.left, x), std::min<LONG>(box.top, y),
                       std::max<LONG>(box.right, x + 1), std::max<LONG>(box.bottom, y + 1)};
            }
        }
        return box;
    }

private:
    int m_width;
    int m_height;
    SkinUI::MemoryDc m_dc;
    SkinUI::BitmapHandle m_bitmap;
    std::unique_ptr<SkinUI::SelectGuard> m_select;
    uint32_t* m_bits = nullptr;
};

int Red(uint32_t p) { return (p >> 16) & 0xFF; }
int Green(uint32_t p) { return (p >> 8) & 0xFF; }
int Blue(uint32_t p) { return p & 0xFF; }
bool IsInk(uint32_t p) { return p != 0; }
bool IsRed(uint32_t p) { return Red(p) > 120 && Green(p) < 40 && Blue(p) < 40; }
bool IsWhitish(uint32_t p) { return Red(p) > 120 && Green(p) > 120 && Blue(p) > 120; }
bool IsLinkBlue(uint32_t p) { return Blue(p) > 120 && Red(p) < 40 && Green(p) < 40; }
// The default hover colour 0xD3215F, also where anti-aliasing darkens it.
bool IsHoverRed(uint32_t p) { return Red(p) > 120 && Red(p) > 2 * Blue(p) && Blue(p) > 2 * Green(p); }
bool IsSelectedBk(uint32_t p) { return p == 0xBAE4FF; }

std::string RectText(const RECT& rc) {
    return "(" + std::to_string(rc.left) + "," + std::to_string(rc.top) + "," + std::to_string(rc.right) +
           "," + std::to_string(rc.bottom) + ")";
}

// A manager without a window: fonts and images work, metrics come from the DC.
class MarkupFixture : public testing::Test {
protected:
    void SetUp() override { manager.SetBaseFont(kFace, kSize, false, false, false); }

    HFONT BaseFont() { return manager.BaseFontInfo()->hFont.get(); }
    HFONT Font(int size, bool bold = false, bool underline = false, bool italic = false) {
        HFONT font = manager.LookupFont(kFace, size, bold, underline, italic);
        return font ? font : manager.RegisterFont(kFace, size, bold, underline, italic);
    }
    int Extent(HFONT font, const std::string& text) {
        SkinUI::SelectGuard select(canvas.Dc(), font);
        SIZE size = {};
        GetTextExtentPoint32A(canvas.Dc(), text.c_str(), static_cast<int>(text.size()), &size);
        return size.cx;
    }
    int Extent(const std::string& text) { return Extent(BaseFont(), text); }
    int LineHeight(HFONT font) {
        SkinUI::SelectGuard select(canvas.Dc(), font);
        TEXTMETRICA tm = {};
        GetTextMetricsA(canvas.Dc(), &tm);
        return tm.tmHeight + tm.tmExternalLeading;
    }
    int LineHeight() { return LineHeight(BaseFont()); }
    TEXTMETRICA Metrics(HFONT font) {
        SkinUI::SelectGuard select(canvas.Dc(), font);
        TEXTMETRICA tm = {};
        GetTextMetricsA(canvas.Dc(), &tm);
        return tm;
    }

    RECT Measure(const char* text, UINT style = 0, RECT rc = {0, 0, 9999, 100}) {
        int links = 0;
        CSkinRender::DrawMarkupText(canvas.Dc(), &manager, rc, text, kWhite, nullptr, nullptr, links,
                                    style | DT_CALCRECT);
        return rc;
    }
    RECT Draw(const char* text, RECT rc, UINT style = 0, DWORD color = kWhite) {
        int links = 0;
        CSkinRender::DrawMarkupText(canvas.Dc(), &manager, rc, text, color, nullptr, nullptr, links, style);
        return rc;
    }

    CPaintManagerUI manager;
    Canvas canvas{480, 200};
};

// --- One line measured exactly -------------------------------------------------------

struct WidthCase {
    const char* name;
    const char* markup;
    const char* drawn;  // what ends up on the line, in the base font
    int extra;          // pixels added by tags
};

class MarkupOneLine : public MarkupFixture, public testing::WithParamInterface<WidthCase> {};

TEST_P(MarkupOneLine, CalcRectIsAsWideAsTheTextAndAsHighAsItsLine) {
    const WidthCase& c = GetParam();
    const RECT rc = Measure(c.markup, 0, {10, 20, 9999, 100});
    EXPECT_EQ(rc.left, 10);
    EXPECT_EQ(rc.top, 20);
    EXPECT_EQ(rc.right, 10 + Extent(c.drawn) + c.extra);
    EXPECT_EQ(rc.bottom, 20 + LineHeight());
}

INSTANTIATE_TEST_SUITE_P(
    Markup, MarkupOneLine,
    testing::Values(WidthCase{"Plain", "Hello world", "Hello world", 0},
                    WidthCase{"AngleEscapes", "{<}b{>}", "<b>", 0},
                    WidthCase{"BraceEscapes", "<{>b<}>", "{b}", 0},
                    WidthCase{"RawKeepsTags", "<r><b>x</b></r>y", "<b>x</b>y", 0},
                    WidthCase{"RawInBraces", "{r}{b}x{/b}{/r}", "{b}x{/b}", 0},
                    WidthCase{"ColourTag", "a<c #FF0000>b</c>c", "abc", 0},
                    WidthCase{"MixedBrackets", "a{c #00FF00>b</c}c", "abc", 0},
                    WidthCase{"OpenerWithoutTag", "a < b {x", "a < b {x", 0},
                    WidthCase{"SelectedText", "a<s>b</s>c", "abc", 0},
                    WidthCase{"Gbk", "Tavi应用商店", "Tavi应用商店", 0},
                    WidthCase{"MoveRight", "ab<x 7>c", "abc", 7},
                    WidthCase{"LeadingBlank", " x", " x", 0}),
    [](const testing::TestParamInfo<WidthCase>& info) { return std::string(info.param.name); });

TEST_F(MarkupFixture, CalcRectOfACutLineIsAsWideAsWhatFits) {
    const std::string text = "Hello world";
    size_t fit = 0;
    while (fit < text.size() && Extent(text.substr(0, fit + 1)) <= 30) ++fit;
    const RECT rc = Measure(text.c_str(), DT_SINGLELINE, {0, 0, 30, 100});
    EXPECT_EQ(rc.right, Extent(text.substr(0, fit)));
    EXPECT_EQ(Measure(text.c_str(), DT_SINGLELINE | DT_END_ELLIPSIS, {0, 0, 30, 100}).right, 30);
}

// --- Fonts ----------------------------------------------------------------------------

struct VariantCase {
    const char* name;
    const char* markup;
    bool bold, underline, italic;
};

class MarkupFontVariant : public MarkupFixture, public testing::WithParamInterface<VariantCase> {};

TEST_P(MarkupFontVariant, RunUsesTheStyledVariantOfTheCurrentFont) {
    const VariantCase& c = GetParam();
    const RECT rc = Measure(c.markup);
    HFONT variant = manager.LookupFont(kFace, kSize, c.bold, c.underline, c.italic);
    ASSERT_NE(variant, nullptr);
    EXPECT_EQ(rc.right, Extent(variant, "Hello"));
}

INSTANTIATE_TEST_SUITE_P(
    Markup, MarkupFontVariant,
    testing::Values(VariantCase{"Bold", "<b>Hello</b>", true, false, false},
                    VariantCase{"Underline", "{u}Hello{/u}", false, true, false},
                    VariantCase{"Italic", "<i>Hello</i>", false, false, true},
                    VariantCase{"BoldItalic", "<b><i>Hello</i></b>", true, false, true},
                    VariantCase{"BoldTwice", "<b><b>Hello</b></b>", true, false, false}),
    [](const testing::TestParamInfo<VariantCase>& info) { return std::string(info.param.name); });

TEST_F(MarkupFixture, BoldRunIsWiderThanPlain) {
    EXPECT_GT(Measure("<b>Hello world</b>").right, Measure("Hello world").right);
}

struct FontTagCase {
    const char* name;
    const char* markup;
    int size;
    bool bold, underline, italic;
};

class MarkupFontTag : public MarkupFixture, public testing::WithParamInterface<FontTagCase> {};

TEST_P(MarkupFontTag, FaceSizeAndStyleWordsSelectThatFont) {
    const FontTagCase& c = GetParam();
    const RECT rc = Measure(c.markup);
    HFONT font = manager.LookupFont(kFace, c.size, c.bold, c.underline, c.italic);
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(rc.right, Extent(font, "Hi"));
    EXPECT_EQ(rc.bottom, std::max(LineHeight(), LineHeight(font)));
}

INSTANTIATE_TEST_SUITE_P(
    Markup, MarkupFontTag,
    testing::Values(FontTagCase{"SizeAndBold", "<f Tahoma 12 Bold>Hi</f>", 12, true, false, false},
                    FontTagCase{"UpperCaseWords", "<f Tahoma 12 BOLD ITALIC>Hi</f>", 12, true, false, true},
                    FontTagCase{"Underline", "{f Tahoma 30 underline}Hi{/f}", 30, false, true, false},
                    FontTagCase{"DefaultSize", "<f Tahoma>Hi</f>", 10, false, false, false}),
    [](const testing::TestParamInfo<FontTagCase>& info) { return std::string(info.param.name); });

TEST_F(MarkupFixture, FontTagByIndexUsesTheManagersFont) {
    manager.RegisterFont(kFace, 11, false, false, false);
    HFONT big = manager.RegisterFont(kFace, 28, true, false, false);
    ASSERT_EQ(manager.FontByIndex(1), big);
    const RECT rc = Measure("<f 1>Hi</f>");
    EXPECT_EQ(rc.right, Extent(big, "Hi"));
    EXPECT_EQ(rc.bottom, LineHeight(big));
}

// Runs of different sizes sit on the line's bottom: with the selected
// background their cells end on the same row.
TEST_F(MarkupFixture, MixedFontsShareTheLineBottom) {
    HFONT big = manager.RegisterFont(kFace, 36, false, false, false);
    Draw("<s>ab<f 0>AB</f>ab</s>", {10, 10, 470, 190});
    const int small = Extent("ab");
    const int large = Extent(big, "AB");
    const RECT left = {10, 0, 10 + small, 200};
    const RECT middle = {10 + small, 0, 10 + small + large, 200};
    auto bounds = [&](const RECT& area) {
        RECT box = {0, 200, 0, -1};
        for (int y = area.top; y < area.bottom; ++y) {
            for (int x = area.left; x < area.right; ++x) {
                if (!IsSelectedBk(canvas.Pixel(x, y))) continue;
                box.top = std::min<LONG>(box.top, y);
                box.bottom = std::max<LONG>(box.bottom, y + 1);
            }
        }
        return box;
    };
    const RECT smallCell = bounds(left);
    const RECT largeCell = bounds(middle);
    // Opaque cells are the text height; external leading stays above them.
    const int leading = Metrics(big).tmExternalLeading;
    ASSERT_EQ(leading, Metrics(BaseFont()).tmExternalLeading);
    EXPECT_EQ(largeCell.top, 10);
    EXPECT_EQ(largeCell.bottom, 10 + Metrics(big).tmHeight);
    EXPECT_EQ(smallCell.bottom, largeCell.bottom);
    EXPECT_EQ(smallCell.top, largeCell.bottom - Metrics(BaseFont()).tmHeight);
}

// --- Colours ---------------------------------------------------------------------------

class MarkupColourTag : public MarkupFixture, public testing::WithParamInterface<const char*> {};

TEST_P(MarkupColourTag, EnclosedTextIsRedAndTheRestKeepsTheCallersColour) {
    Draw(GetParam(), {10, 10, 470, 190});
    const int red = Extent("MMMM");
    EXPECT_GT(canvas.Count({10, 10, 10 + red, 60}, IsRed), 20);
    EXPECT_EQ(canvas.Count({10 + red, 0, 480, 200}, IsRed), 0);
    EXPECT_GT(canvas.Count({10 + red, 10, 10 + 2 * red, 60}, IsWhitish), 20);
}

INSTANTIATE_TEST_SUITE_P(Markup, MarkupColourTag,
                         testing::Values("<c #FF0000>MMMM</c>MMMM", "<c FF0000>MMMM</c>MMMM",
                                         "<c   #FFFF0000>MMMM</c>MMMM", "{c #FF0000}MMMM{/c}MMMM"),
                         [](const testing::TestParamInfo<const char*>& info) {
                             return "Form" + std::to_string(info.index);
                         });

TEST_F(MarkupFixture, PlainTextDrawsNoRed) {
    Draw("MMMMMMMM", {10, 10, 470, 190});
    EXPECT_EQ(canvas.Count(canvas.Whole(), IsRed), 0);
    EXPECT_GT(canvas.Count(canvas.Whole(), IsWhitish), 40);
}

// --- Links ------------------------------------------------------------------------------

TEST_F(MarkupFixture, LinkRecordsItsTextAndRectangleAndIsUnderlined) {
    RECT links[4] = {};
    CSkinString texts[4];
    int count = 4;
    RECT rc = {10, 10, 470, 190};
    CSkinRender::DrawMarkupText(canvas.Dc(), &manager, rc, "go <a http://x/>here</a> now", kWhite, links,
                                texts, count, 0);
    ASSERT_EQ(count, 1);
    EXPECT_STREQ(texts[0], "http://x/");
    const int left = 10 + Extent("go ");
    const int width = Extent(Font(kSize, false, true), "here");
    const RECT expected = {left, 10, left + width, 10 + LineHeight()};
    EXPECT_TRUE(EqualRect(&links[0], &expected)) << RectText(links[0]);

    // The link colour, and one row of it (the underline) across the whole link.
    EXPECT_GT(canvas.Count(links[0], IsLinkBlue), 10);
    int longest = 0;
    for (int y = links[0].top; y < links[0].bottom; ++y) {
        longest = std::max(longest, canvas.Count({links[0].left, y, links[0].right, y + 1}, IsLinkBlue));
    }
    EXPECT_GE(longest, width - 2);
    EXPECT_EQ(canvas.Count({0, 0, left, 200}, IsLinkBlue), 0);
}

TEST_F(MarkupFixture, LinksBeyondTheCapacityAreNotRecorded) {
    RECT links[1] = {};
    CSkinString texts[1];
    int count = 1;
    RECT rc = {0, 0, 470, 190};
    CSkinRender::DrawMarkupText(canvas.Dc(), &manager, rc, "<a one>1</a> <a two>2</a>", kWhite, links,
                                texts, count, 0);
    EXPECT_EQ(count, 1);
    EXPECT_STREQ(texts[0], "one");

    count = 5;
    CSkinRender::DrawMarkupText(canvas.Dc(), &manager, rc, "<a one>1</a>", kWhite, nullptr, nullptr,
                                count, 0);
    EXPECT_EQ(count, 0);
}

TEST_F(MarkupFixture, LinkWrappingAcrossLinesGivesOneEntryPerLine) {
    const int width = Extent("aaaa bbbb c");
    RECT links[4] = {};
    CSkinString texts[4];
    int count = 4;
    RECT rc = {10, 10, 10 + width, 190};
    CSkinRender::DrawMarkupText(canvas.Dc(), &manager, rc, "<a data>aaaa bbbb cccc</a>", kWhite, links,
                                texts, count, DT_WORDBREAK);
    ASSERT_EQ(count, 2);
    EXPECT_STREQ(texts[0], "data");
    EXPECT_STREQ(texts[1], "data");
    const int line = LineHeight();
    const RECT first = {10, 10, 10 + Extent(Font(kSize, false, true), "aaaa bbbb "), 10 + line};
    const RECT second = {10, 10 + line, 10 + Extent(Font(kSize, false, true), "cccc"), 10 + 2 * line};
    EXPECT_TRUE(EqualRect(&links[0], &first)) << RectText(links[0]);
    EXPECT_TRUE(EqualRect(&links[1], &second)) << RectText(links[1]);
}

TEST(MarkupHover, LinkUnderTheMouseTakesTheHoverColour) {
    testsupport::TestWindow window(300, 100, false);
    CPaintManagerUI& manager = window.Manager();
    manager.SetBaseFont(kFace, kSize, false, false, false);
    Canvas canvas(300, 100);
    RECT links[2] = {};
    CSkinString texts[2];
    int count = 2;
    RECT rc = {0, 0, 300, 100};
    const char* text = "<a first>MMMM</a> <a second>MMMM</a>";
    CSkinRender::DrawMarkupText(canvas.Dc(), &manager, rc, text, kWhite, links, texts, count, 0);
    ASSERT_EQ(count, 2);
    EXPECT_EQ(canvas.Count(canvas.Whole(), IsHoverRed), 0);

    const POINT over = {(links[1].left + links[1].right) / 2, (links[1].top + links[1].bottom) / 2};
    SendMessageA(window.Handle(), WM_MOUSEMOVE, 0, testsupport::PointParam(over.x, over.y));
    ASSERT_EQ(manager.MousePosition().x, over.x);
    canvas.Clear();
    count = 2;
    CSkinRender::DrawMarkupText(canvas.Dc(), &manager, rc, text, kWhite, links, texts, count, 0);
    EXPECT_GT(canvas.Count(links[0], IsLinkBlue), 10);
    EXPECT_EQ(canvas.Count(links[0], IsHoverRed), 0);
    EXPECT_GT(canvas.Count(links[1], IsHoverRed), 10);
    EXPECT_EQ(canvas.Count(links[1], IsLinkBlue), 0);
}

// --- Line breaking ------------------------------------------------------------------------

struct BreakCase {
    const char* name;
    const char* text;
    const char* fits;       // the rectangle is a little wider than this
    const char* firstLine;  // what the first line keeps
    int lines;
    UINT style;
};

class MarkupLineBreak : public MarkupFixture, public testing::WithParamInterface<BreakCase> {};

TEST_P(MarkupLineBreak, FirstLineEndsWhereExpected) {
    const BreakCase& c = GetParam();
    const int width = Extent(c.fits) + 2;
    const RECT rc = Measure(c.text, c.style, {0, 0, width, 100});
    EXPECT_EQ(rc.right, Extent(c.firstLine));
    EXPECT_EQ(rc.bottom, c.lines * LineHeight());
}

INSTANTIATE_TEST_SUITE_P(
    Markup, MarkupLineBreak,
    testing::Values(BreakCase{"AtBlank", "aaaa bbbb cc", "aaaa bbbb c", "aaaa bbbb ", 2, DT_WORDBREAK},
                    BreakCase{"AfterComma", "aaaaaa,bbb", "aaaaaa,b", "aaaaaa,", 2, DT_WORDBREAK},
                    BreakCase{"NoBreakChance", "abcdefghij", "abcdef", "abcdef", 2, DT_WORDBREAK},
                    BreakCase{"WithoutWordBreak", "aaaa bbbb cc", "aaaa bbbb c", "aaaa bbbb c", 2, 0},
                    BreakCase{"GbkWhole", "应用商店应用", "应用商", "应用商", 2, DT_WORDBREAK},
                    BreakCase{"GbkWithoutWordBreak", "应用商店应用", "应用商", "应用商", 2, 0},
                    BreakCase{"SingleLineStops", "aaaa bbbb cc", "aaaa bbbb c", "aaaa bbbb ", 1,
                              DT_WORDBREAK | DT_SINGLELINE}),
    [](const testing::TestParamInfo<BreakCase>& info) { return std::string(info.param.name); });

struct LineEndCase {
    const char* name;
    const char* markup;
    int lines;
    int extra;  // paragraph spacing added
    UINT style;
};

class MarkupLineEnds : public MarkupFixture, public testing::WithParamInterface<LineEndCase> {};

TEST_P(MarkupLineEnds, HeightCountsTheLines) {
    const LineEndCase& c = GetParam();
    EXPECT_EQ(Measure(c.markup, c.style).bottom, c.lines * LineHeight() + c.extra);
}

INSTANTIATE_TEST_SUITE_P(
    Markup, MarkupLineEnds,
    testing::Values(LineEndCase{"Newline", "a\nb", 2, 0, 0},
                    LineEndCase{"NTag", "a<n>b", 2, 0, 0},
                    LineEndCase{"NTagInBraces", "a{n}b{n}c", 3, 0, 0},
                    LineEndCase{"NTagSingleLine", "a<n>b", 1, 0, DT_SINGLELINE},
                    LineEndCase{"NewlineSingleLine", "a\nb", 1, 0, DT_SINGLELINE},
                    LineEndCase{"ParagraphAtStart", "<p>a", 1, 0, 0},
                    LineEndCase{"ParagraphEndStartsALine", "<p>a</p>", 2, 0, 0},
                    LineEndCase{"NewlineAtEnd", "a\n", 2, 0, 0},
                    LineEndCase{"Paragraph", "a<p>b</p>c", 3, 0, 0},
                    LineEndCase{"ParagraphSpacing", "a<p 10>b</p>c", 3, 10, 0},
                    LineEndCase{"SpacingOnEveryLine", "a<p 6>b<n>c</p>d", 4, 12, 0},
                    LineEndCase{"LineHeightTag", "a<y 40>b", 0, 40, 0}),
    [](const testing::TestParamInfo<LineEndCase>& info) { return std::string(info.param.name); });

// --- End ellipsis ---------------------------------------------------------------------------

class MarkupEllipsis : public MarkupFixture, public testing::WithParamInterface<const char*> {};

// The cut text with "..." looks exactly like the shortened text written out.
TEST_P(MarkupEllipsis, DropsTwoMoreCharactersAndDrawsDots) {
    const std::string text = GetParam();
    std::vector<size_t> ends;  // character ends
    for (size_t i = 0; i < text.size();) {
        i += (static_cast<unsigned char>(text[i]) >= 0x81) ? 2 : 1;
        ends.push_back(i);
    }
    const int width = Extent(text.substr(0, ends[6])) + 3;
    size_t fit = 0;
    while (fit < ends.size() && Extent(text.substr(0, ends[fit])) <= width) ++fit;
    ASSERT_GE(fit, 3u);
    const std::string kept = text.substr(0, ends[fit - 3]);

    Draw(text.c_str(), {10, 10, 10 + width, 60}, DT_SINGLELINE | DT_END_ELLIPSIS);
    const std::vector<uint32_t> drawn = canvas.Pixels();
    // The kept text, then the dots right behind it (one string would let the
    // rasteriser kern "o." and move the dots).
    canvas.Clear();
    const int dots = 10 + Extent(kept);
    Draw(kept.c_str(), {10, 10, 470, 60}, DT_SINGLELINE);
    Draw("...", {dots, 10, 470, 60}, DT_SINGLELINE);
    const std::vector<uint32_t> written = canvas.Pixels();
    int differing = 0;
    for (int y = 0; y < 200; ++y) {
        for (int x = 0; x < 10 + width; ++x) differing += drawn[y * 480 + x] != written[y * 480 + x];
    }
    EXPECT_EQ(differing, 0) << kept;
    EXPECT_GT(canvas.Count({dots, 10, dots + Extent("..."), 60}, IsInk), 0);

    EXPECT_EQ(Measure(text.c_str(), DT_SINGLELINE | DT_END_ELLIPSIS, {0, 0, width, 100}).right, width);
}

INSTANTIATE_TEST_SUITE_P(Markup, MarkupEllipsis,
                         testing::Values("Hello wonderful world", "应用商店应用商店应用商店",
                                         "ab应用商店cd应用"),
                         [](const testing::TestParamInfo<const char*>& info) {
                             return "Text" + std::to_string(info.index);
                         });

// --- Alignment of a single line ---------------------------------------------------------------

struct AlignCase {
    const char* name;
    UINT style;
    RECT (*expected)(RECT rc, int width, int height);
};

class MarkupAlign : public MarkupFixture, public testing::WithParamInterface<AlignCase> {};

TEST_P(MarkupAlign, CallersRectangleMovesToTheText) {
    const AlignCase& c = GetParam();
    const RECT given = {20, 10, 320, 110};
    const RECT rc = Draw("Hello", given, c.style);
    const RECT expected = c.expected(given, Extent("Hello"), LineHeight());
    EXPECT_TRUE(EqualRect(&rc, &expected)) << RectText(rc) << " expected " << RectText(expected);
    const RECT ink = canvas.Bounds(IsInk);
    ASSERT_LT(ink.left, ink.right);
    EXPECT_GE(ink.left, rc.left);
    EXPECT_LE(ink.right, rc.right);
    EXPECT_GE(ink.top, rc.top);
    EXPECT_LE(ink.bottom, rc.bottom);
}

INSTANTIATE_TEST_SUITE_P(
    Markup, MarkupAlign,
    testing::Values(
        AlignCase{"Center", DT_SINGLELINE | DT_CENTER,
                  [](RECT rc, int w, int) { return RECT{170 - w / 2, rc.top, 170 - w / 2 + w, rc.bottom}; }},
        AlignCase{"Right", DT_SINGLELINE | DT_RIGHT,
                  [](RECT rc, int w, int) { return RECT{rc.right - w, rc.top, rc.right, rc.bottom}; }},
        AlignCase{"VCenter", DT_SINGLELINE | DT_VCENTER,
                  [](RECT rc, int, int h) { return RECT{rc.left, 60 - h / 2, rc.right, 60 - h / 2 + h}; }},
        AlignCase{"Bottom", DT_SINGLELINE | DT_BOTTOM,
                  [](RECT rc, int, int h) { return RECT{rc.left, rc.bottom - h, rc.right, rc.bottom}; }},
        AlignCase{"CenterVCenter", DT_SINGLELINE | DT_CENTER | DT_VCENTER,
                  [](RECT, int w, int h) { return RECT{170 - w / 2, 60 - h / 2, 170 - w / 2 + w, 60 - h / 2 + h}; }}),
    [](const testing::TestParamInfo<AlignCase>& info) { return std::string(info.param.name); });

TEST_F(MarkupFixture, CentredLinesAreShiftedRunByRun) {
    Draw("Hello<n>Hi", {20, 10, 320, 110}, DT_CENTER);
    const int line = LineHeight();
    auto inkIn = [&](int top) {
        RECT box = {480, 0, 0, 0};
        for (int y = top; y < top + line; ++y) {
            for (int x = 0; x < 480; ++x) {
                if (!IsInk(canvas.Pixel(x, y))) continue;
                box.left = std::min<LONG>(box.left, x);
                box.right = std::max<LONG>(box.right, x + 1);
            }
        }
        return box;
    };
    const RECT first = inkIn(10);
    const RECT second = inkIn(10 + line);
    EXPECT_NEAR(first.left - 20, 320 - first.right, 3);
    EXPECT_NEAR(second.left - 20, 320 - second.right, 3);
    EXPECT_GT(second.left, first.left);
}

// --- Inline images --------------------------------------------------------------------------

// A 24-bit bottom-up BMP whose pixel colours come from `color(x, y)`.
template <typename Color>
std::string MakeBmp(int width, int height, Color color) {
    const int stride = (width * 3 + 3) & ~3;
    const int size = 54 + stride * height;
    std::string bytes(size, '\0');
    auto put32 = [&](int at, uint32_t v) {
        for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    bytes[0] = 'B';
    bytes[1] = 'M';
    put32(2, size);
    put32(10, 54);
    put32(14, 40);
    put32(18, width);
    put32(22, height);
    put32(26, 1 | (24 << 16));
    put32(34, stride * height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const uint32_t c = color(x, height - 1 - y);
            const int at = 54 + y * stride + x * 3;
            bytes[at] = static_cast<char>(Blue(c));
            bytes[at + 1] = static_cast<char>(Green(c));
            bytes[at + 2] = static_cast<char>(Red(c));
        }
    }
    return bytes;
}

class ImageFolder {
public:
    ImageFolder() {
        // Three 10x10 frames: red, green, blue; and a tall grey bar.
        testsupport::WriteWholeFile(folder.File("strip.bmp"), MakeBmp(30, 10, [](int x, int) {
            return x < 10 ? 0xFF0000u : x < 20 ? 0x00FF00u : 0x0000FFu;
        }));
        testsupport::WriteWholeFile(folder.File("tall.bmp"), MakeBmp(8, 40, [](int, int) { return 0x808080u; }));
        CPaintManagerUI::SetResourcePath(folder.Path().c_str());
        CPaintManagerUI::SetResourceZip("", false);
    }
    ~ImageFolder() { CPaintManagerUI::SetResourcePath(""); }

    testsupport::TempFolder folder;
};

struct ImageCase {
    const char* name;
    const char* markup;
    int width;
    uint32_t color;  // in the middle of the drawn image
};

class MarkupInlineImage : public MarkupFixture, public testing::WithParamInterface<ImageCase> {
protected:
    ImageFolder images;
};

TEST_P(MarkupInlineImage, DrawsTheFrameCentredOnTheLine) {
    const ImageCase& c = GetParam();
    const std::string markup = std::string("ab") + c.markup + "cd";
    const int before = Extent("ab");
    EXPECT_EQ(Measure(markup.c_str()).right, before + c.width + Extent("cd"));

    Draw(markup.c_str(), {10, 10, 470, 190});
    const int line = LineHeight();
    const int bottom = 10 + line - (line - 10) / 2;
    const RECT image = {10 + before, bottom - 10, 10 + before + c.width, bottom};
    EXPECT_EQ(canvas.Pixel(image.left + 5, image.top + 5), c.color);
    EXPECT_EQ(canvas.Count(image, [&](uint32_t p) { return p == c.color; }), 100);
    EXPECT_EQ(canvas.Count({image.left, image.top - 1, image.right, image.top}, IsInk), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Markup, MarkupInlineImage,
    testing::Values(ImageCase{"FirstFrame", "<i strip.bmp 3 0>", 10, 0xFF0000},
                    ImageCase{"SecondFrame", "<i strip.bmp 3 1>", 10, 0x00FF00},
                    ImageCase{"ThirdFrame", "{i strip.bmp 3 2}", 10, 0x0000FF},
                    ImageCase{"FrameOutside", "<i strip.bmp 3 7>", 10, 0xFF0000},
                    ImageCase{"WholeImage", "<i strip.bmp>", 30, 0xFF0000},
                    ImageCase{"Descriptor", "<i file='strip.bmp' dest='0,0,1,1'>", 30, 0xFF0000}),
    [](const testing::TestParamInfo<ImageCase>& info) { return std::string(info.param.name); });

TEST_F(MarkupFixture, TallImageRaisesTheLineAndTextSharesItsBottom) {
    ImageFolder images;
    EXPECT_EQ(Measure("ab<i tall.bmp>cd").bottom, 40);
    Draw("<s>ab</s><i tall.bmp>", {10, 10, 470, 190});
    EXPECT_EQ(canvas.Pixel(10 + Extent("ab") + 4, 10), 0x808080u);
    EXPECT_EQ(canvas.Pixel(10 + Extent("ab") + 4, 49), 0x808080u);
    const int cellBottom = 50 - Metrics(BaseFont()).tmExternalLeading;
    EXPECT_TRUE(IsSelectedBk(canvas.Pixel(10, cellBottom - 1)));
    EXPECT_FALSE(IsSelectedBk(canvas.Pixel(10, cellBottom - 1 - LineHeight())));
}

TEST_F(MarkupFixture, ImageThatDoesNotFitStartsTheNextLine) {
    ImageFolder images;
    const int width = Extent("abc") + 20;
    const RECT rc = Measure("abc<i strip.bmp>", 0, {0, 0, width, 100});
    EXPECT_EQ(rc.bottom, 2 * LineHeight());
    EXPECT_EQ(Measure("abc<i strip.bmp>", DT_SINGLELINE, {0, 0, width, 100}).bottom, LineHeight());
}

// --- DC state and nothing-to-do cases ----------------------------------------------------------

TEST_F(MarkupFixture, DcComesBackAsItWasAndNothingLeaks) {
    ImageFolder images;
    const char* text = "<b>a</b><i>b</i><u>c</u><a x>d</a><s>e</s><f Tahoma 20 bold>f</f><i strip.bmp 3 1>";
    Draw(text, {10, 10, 200, 100});  // registers the variants once
    HDC dc = canvas.Dc();
    HGDIOBJ font = GetCurrentObject(dc, OBJ_FONT);
    const COLORREF textColor = GetTextColor(dc);
    const int mode = GetBkMode(dc);
    const long objects = SkinUI::LiveHandleCount(SkinUI::HandleKind::GdiObject);

    Draw(text, {10, 10, 200, 100}, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    EXPECT_EQ(SkinUI::LiveHandleCount(SkinUI::HandleKind::GdiObject), objects);
    SkinUI::RegionHandle clip(CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(GetClipRgn(dc, clip.get()), 0);  // still no clip region
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), font);
    EXPECT_EQ(GetTextColor(dc), textColor);
    EXPECT_EQ(GetBkMode(dc), mode);
}

TEST_F(MarkupFixture, DrawingStaysInsideTheRectangle) {
    Draw("MMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMM<n>MMMMMMMMMMM<n>MMMMMMMM<n>MMMM", {30, 20, 90, 40});
    const RECT ink = canvas.Bounds(IsInk);
    EXPECT_GE(ink.left, 30);
    EXPECT_LE(ink.right, 90);
    EXPECT_GE(ink.top, 20);
    EXPECT_LE(ink.bottom, 40);
}

TEST_F(MarkupFixture, NothingHappensWithoutTextManagerOrArea) {
    RECT links[1] = {};
    int count = 1;
    RECT empty = {10, 10, 10, 50};
    CSkinRender::DrawMarkupText(canvas.Dc(), &manager, empty, "abc", kWhite, links, nullptr, count, 0);
    EXPECT_EQ(count, 0);
    RECT rc = {0, 0, 100, 50};
    count = 1;
    CSkinRender::DrawMarkupText(canvas.Dc(), nullptr, rc, "abc", kWhite, links, nullptr, count, 0);
    CSkinRender::DrawMarkupText(canvas.Dc(), &manager, rc, nullptr, kWhite, links, nullptr, count, 0);
    EXPECT_EQ(count, 0);
    const RECT same = {0, 0, 100, 50};
    EXPECT_TRUE(EqualRect(&rc, &same));
    EXPECT_EQ(canvas.Count(canvas.Whole(), IsInk), 0);
}

}  // namespace
