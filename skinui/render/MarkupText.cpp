// CSkinRender::DrawMarkupText: text with inline tags for fonts, colours,
// links, paragraphs and images, laid out in lines inside a rectangle.
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "skinui/core/MbcsText.h"
#include "skinui/core/PaintManager.h"
#include "skinui/render/MarkupTextLayout.h"
#include "skinui/render/SkinRender.h"

namespace SkinUI {
namespace {

using detail::MarkupTag;

constexpr UINT kAlignFlags = DT_CENTER | DT_RIGHT | DT_VCENTER | DT_BOTTOM;

COLORREF GdiColor(DWORD argb) {
    return RGB((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF);
}

bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// Start of the character before `p`, scanning from `begin` so that double-byte
// characters are never entered from their trail byte.
const char* PreviousChar(const char* begin, const char* p, const bool* lead) {
    const char* previous = begin;
    for (const char* q = begin; q < p; q = detail::NextChar(q, lead)) previous = q;
    return previous;
}

// What the measuring and the drawing pass of a line both start from.
struct MarkupCursor {
    const char* text = nullptr;
    int x = 0;
    std::vector<HFONT> fonts;
    std::vector<DWORD> colors;
    std::vector<int> spacings;
    bool raw = false;
    bool selected = false;
    bool inLink = false;
    int linkIndex = 0;
    int linkLeft = 0;
    const char* linkData = nullptr;  // points into the text
    int linkDataLength = 0;
};

enum class LineEnd { More, Text };

struct RunFit {
    const char* end;  // first byte not drawn on this line
    bool lineFull;
};

class MarkupPainter {
public:
    MarkupPainter(HDC dc, CPaintManagerUI* manager, const RECT& rc, DWORD color, UINT style)
        : m_dc(dc),
          m_manager(manager),
          m_rc(rc),
          m_color(color),
          m_style(style),
          m_drawing((style & DT_CALCRECT) == 0),
          m_lead(detail::LeadByteTable()),
          m_widest(rc.left),
          m_imageBottom(rc.top) {
        const TSkinFont* base = manager->BaseFontInfo();
        m_baseFont = base ? base->hFont.get() : nullptr;
    }

    void SetLinkOutput(RECT* rects, CSkinString* texts, int capacity);
    void Layout(const char* text);

    int LinkCount() const { return m_linkCount; }
    int Widest() const { return m_widest; }
    int Bottom() const { return std::max(m_lineTop + m_lineHeight, m_imageBottom); }

private:
    // Lines and passes.
    LineEnd ProcessLine(MarkupCursor& c);
    int LineStartHeight(const MarkupCursor& c) const {
        return Spacing(c) + m_tm.tmHeight + m_tm.tmExternalLeading;
    }
    // The drawing pass keeps the height its measuring pass found.
    void GrowLine(int height) {
        if (!m_painting) m_lineHeight = std::max(m_lineHeight, height);
    }
    void SetLine(int height) {
        if (!m_painting) m_lineHeight = height;
    }
    void Reach(int x) { m_widest = std::max(m_widest, x); }
    int Spacing(const MarkupCursor& c) const { return c.spacings.empty() ? 0 : c.spacings.back(); }
    int TextTop() const { return m_lineTop + m_lineHeight - m_tm.tmHeight - m_tm.tmExternalLeading; }

    // Text.
    RunFit FitAndDrawRun(MarkupCursor& c, const char* begin, const char* end);
    void DrawBlank(MarkupCursor& c);
    int TextWidth(const char* text, int length) const;
    void PrepareText(const MarkupCursor& c) const;

    // Tags.
    bool ApplyTag(MarkupCursor& c, const MarkupTag& tag);
    bool CloseTag(MarkupCursor& c, const MarkupTag& tag);
    bool InlineImage(MarkupCursor& c, const MarkupTag& tag);

    // Fonts and colours.
    HFONT CurrentFont(const MarkupCursor& c) const { return c.fonts.empty() ? m_baseFont : c.fonts.back(); }
    const TSkinFont* FontInfo(HFONT font) const;
    void SelectFont(HFONT font);
    void PushFont(MarkupCursor& c, HFONT font);
    void PopFont(MarkupCursor& c);
    HFONT FontFromTag(const MarkupTag& tag);
    enum class Style { Bold, Underline, Italic };
    HFONT StyledVariant(const MarkupCursor& c, Style style);
    void PopColor(MarkupCursor& c) {
        if (!c.colors.empty()) c.colors.pop_back();
    }

    // Links.
    void OpenLink(MarkupCursor& c, const MarkupTag& tag);
    void CloseLink(MarkupCursor& c);
    void BreakLink(MarkupCursor& c);
    void ContinueLink(MarkupCursor& c);
    bool IsHovered(const char* data, int length) const;

    HDC m_dc;
    CPaintManagerUI* m_manager;
    RECT m_rc;
    DWORD m_color;
    UINT m_style;
    bool m_drawing;
    const bool* m_lead;
    HFONT m_baseFont = nullptr;
    TEXTMETRICA m_tm = {};
    bool m_painting = false;  // the drawing pass of a line

    int m_lineTop = 0;
    int m_lineHeight = 0;
    int m_widest;
    int m_imageBottom;

    RECT* m_linkRects = nullptr;
    CSkinString* m_linkTexts = nullptr;
    int m_linkCapacity = 0;
    int m_linkCount = 0;
    std::vector<CSkinString> m_hoveredTexts;
};

void MarkupPainter::SetLinkOutput(RECT* rects, CSkinString* texts, int capacity) {
    m_linkRects = rects;
    m_linkTexts = texts;
    m_linkCapacity = rects ? std::max(capacity, 0) : 0;
    // The caller's arrays still hold the previous drawing: remember which
    // links the mouse was over before they are overwritten.
    if (!m_drawing || !m_linkTexts) return;
    const POINT mouse = m_manager->MousePosition();
    for (int i = 0; i < m_linkCapacity; ++i) {
        if (::PtInRect(&m_linkRects[i], mouse)) m_hoveredTexts.push_back(m_linkTexts[i]);
    }
}

void MarkupPainter::Layout(const char* text) {
    MarkupCursor c;
    c.text = text;
    c.x = m_rc.left;
    SelectFont(m_baseFont);
    m_lineTop = m_rc.top;
    m_lineHeight = LineStartHeight(c);
    for (;;) {
        const int firstLink = c.linkIndex;
        LineEnd end;
        if (m_drawing) {
            const MarkupCursor start = c;
            m_painting = false;
            ProcessLine(c);
            c = start;
            SelectFont(CurrentFont(c));
            m_painting = true;
            end = ProcessLine(c);
            m_painting = false;
        } else {
            end = ProcessLine(c);
        }
        if (c.inLink) BreakLink(c);
        for (int i = firstLink; i < c.linkIndex; ++i) m_linkRects[i].bottom = m_lineTop + m_lineHeight;
        if (end == LineEnd::Text || (m_style & DT_SINGLELINE)) break;
        m_lineTop += m_lineHeight;
        c.x = m_rc.left;
        if (c.inLink) ContinueLink(c);
        m_lineHeight = LineStartHeight(c);
        if (m_drawing && m_lineTop >= m_rc.bottom) break;
    }
    m_linkCount = c.linkIndex;
}

LineEnd MarkupPainter::ProcessLine(MarkupCursor& c) {
    for (;;) {
        const char* p = c.text;
        if (!*p) return LineEnd::Text;
        if (c.x >= m_rc.right) return LineEnd::More;
        if (*p == '\n') {
            ++c.text;
            return LineEnd::More;
        }
        if (c.raw && detail::IsRawTextEnd(p)) {
            c.raw = false;
            c.text = p + 4;
            continue;
        }
        if (!c.raw) {
            if (detail::EscapedChar(p)) {
                const RunFit fit = FitAndDrawRun(c, p + 1, p + 2);
                if (fit.end == p + 2) c.text = p + 3;
                if (fit.lineFull) return LineEnd::More;
                continue;
            }
            MarkupTag tag;
            if (detail::ParseMarkupTag(p, m_lead, tag)) {
                if (!ApplyTag(c, tag)) return LineEnd::More;
                continue;
            }
        }
        if (*p == ' ') {
            DrawBlank(c);
            ++c.text;
            continue;
        }
        const RunFit fit = FitAndDrawRun(c, p, detail::TextRunEnd(p, m_lead, c.raw));
        c.text = fit.end;
        if (fit.lineFull) return LineEnd::More;
    }
}

// Fits as much of [begin, end) as the line takes, draws it in the drawing
// pass and advances the position.
RunFit MarkupPainter::FitAndDrawRun(MarkupCursor& c, const char* begin, const char* end) {
    const char* cut = end;
    const char* wordEnd = nullptr;
    bool full = false;
    int chars = 0;
    for (const char* p = begin; p < end;) {
        const char* next = std::min(detail::NextChar(p, m_lead), end);
        ++chars;
        // The widest character bounds the estimate, so no run ever crosses
        // the edge unmeasured (double-byte characters are twice the average).
        int width = chars * m_tm.tmMaxCharWidth;
        if (c.x + width >= m_rc.right) width = TextWidth(begin, static_cast<int>(next - begin));
        if (c.x + width > m_rc.right) {
            full = true;
            // A character wider than the whole line still has to go somewhere.
            cut = (p == begin && c.x == m_rc.left) ? next : p;
            if ((m_style & DT_WORDBREAK) && wordEnd) cut = wordEnd;
            break;
        }
        if (next - p != 1 || !IsAsciiLetter(*p)) wordEnd = next;
        p = next;
    }
    const bool ellipsis = full && (m_style & DT_END_ELLIPSIS);
    if (ellipsis) {
        for (int dropped = 0; dropped < 2 && cut > begin; ++dropped) cut = PreviousChar(begin, cut, m_lead);
    }
    const int length = static_cast<int>(cut - begin);
    const int width = TextWidth(begin, length);
    if (m_painting) {
        int shift = 0;
        if (!(m_style & DT_SINGLELINE)) {
            if (m_style & DT_CENTER) {
                shift = (m_rc.right - m_rc.left - width) / 2;
            } else if (m_style & DT_RIGHT) {
                shift = m_rc.right - m_rc.left - width;
            }
        }
        PrepareText(c);
        if (length > 0) ::TextOutA(m_dc, c.x + shift, TextTop(), begin, length);
        // The dots sit on the run's own baseline, also where the line is
        // taller than this font (external leading, bigger fonts, spacing).
        if (ellipsis) ::TextOutA(m_dc, c.x + shift + width, TextTop(), "...", 3);
    }
    c.x = ellipsis ? m_rc.right : c.x + width;
    Reach(c.x);
    return {cut, full};
}

void MarkupPainter::DrawBlank(MarkupCursor& c) {
    if (m_painting) {
        PrepareText(c);
        ::TextOutA(m_dc, c.x, TextTop(), " ", 1);
    }
    c.x += TextWidth(" ", 1);
    Reach(c.x);
}

int MarkupPainter::TextWidth(const char* text, int length) const {
    SIZE size = {0, 0};
    if (length > 0) ::GetTextExtentPoint32A(m_dc, text, length, &size);
    return size.cx;
}

void MarkupPainter::PrepareText(const MarkupCursor& c) const {
    ::SetTextColor(m_dc, GdiColor(c.colors.empty() ? m_color : c.colors.back()));
    ::SetBkMode(m_dc, c.selected ? OPAQUE : TRANSPARENT);
}

// Applies an opening or closing tag; false when the line ends before it (the
// tag is then read again at the start of the next line).
bool MarkupPainter::ApplyTag(MarkupCursor& c, const MarkupTag& tag) {
    if (tag.closing) return CloseTag(c, tag);
    const char* next = tag.next;
    switch (tag.letter) {
    case 'a':
        OpenLink(c, tag);
        break;
    case 'b':
        PushFont(c, StyledVariant(c, Style::Bold));
        break;
    case 'c':
        c.colors.push_back(static_cast<DWORD>(detail::ReadTagColor(tag.args, tag.argsEnd)));
        break;
    case 'f':
        PushFont(c, FontFromTag(tag));
        break;
    case 'i':
        if (detail::SkipBlanks(tag.args, tag.argsEnd) != tag.argsEnd) return InlineImage(c, tag);
        PushFont(c, StyledVariant(c, Style::Italic));
        break;
    case 'n':
        if (m_style & DT_SINGLELINE) break;
        c.text = next;
        return false;
    case 'p': {
        // A paragraph starts on a line of its own, with its spacing above it.
        if (c.x > m_rc.left) return false;
        const char* args = tag.args;
        c.spacings.push_back(detail::ReadTagNumber(args, tag.argsEnd, 0));
        GrowLine(LineStartHeight(c));
        break;
    }
    case 'r':
        c.raw = true;
        break;
    case 's':
        c.selected = !c.selected;
        break;
    case 'u':
        PushFont(c, StyledVariant(c, Style::Underline));
        break;
    case 'x': {
        const char* args = tag.args;
        c.x += detail::ReadTagNumber(args, tag.argsEnd, 0);
        Reach(c.x);
        break;
    }
    case 'y': {
        const char* args = tag.args;
        SetLine(detail::ReadTagNumber(args, tag.argsEnd, 0));
        break;
    }
    default:
        break;
    }
    c.text = next;
    return true;
}

bool MarkupPainter::CloseTag(MarkupCursor& c, const MarkupTag& tag) {
    c.text = tag.next;
    switch (tag.letter) {
    case 'a':
        CloseLink(c);
        PopColor(c);
        // Pops even when the link pushed no underlined font.
        PopFont(c);
        break;
    case 'b':
    case 'f':
    case 'i':
    case 'u':
        PopFont(c);
        break;
    case 'c':
        PopColor(c);
        break;
    case 'p':
        // The paragraph's last line keeps its spacing; the next line is outside.
        if (!c.spacings.empty()) c.spacings.pop_back();
        GrowLine(LineStartHeight(c));
        return c.x <= m_rc.left;
    case 's':
        c.selected = !c.selected;
        break;
    default:
        break;
    }
    return true;
}

bool MarkupPainter::InlineImage(MarkupCursor& c, const MarkupTag& tag) {
    const detail::InlineImageArgs args = detail::ReadInlineImageArgs(tag.args, tag.argsEnd);
    const TSkinImage* image =
        args.name.empty() ? nullptr
                          : m_manager->ObtainImage(args.name.c_str(),
                                                   args.type.empty() ? nullptr : args.type.c_str(), 0);
    if (!image || !image->hBitmap || image->nWidth <= 0) {
        c.text = tag.next;
        return true;
    }
    const int frameWidth = image->nWidth / args.frames;
    if (c.x + frameWidth > m_rc.right && c.x > m_rc.left && !(m_style & DT_SINGLELINE)) return false;
    GrowLine(image->nHeight);
    const int bottom = m_lineTop + m_lineHeight - std::max(0, m_lineHeight - image->nHeight) / 2;
    m_imageBottom = std::max(m_imageBottom, bottom);
    if (m_painting) {
        const RECT dest = {c.x, bottom - image->nHeight, c.x + frameWidth, bottom};
        const RECT source = {args.frame * frameWidth, 0, (args.frame + 1) * frameWidth, image->nHeight};
        const RECT corners = {0, 0, 0, 0};
        CSkinRender::DrawBitmap(m_dc, image->hBitmap.get(), dest, m_rc, source, corners, image->bAlpha);
    }
    c.x += frameWidth;
    Reach(c.x);
    c.text = tag.next;
    return true;
}

const TSkinFont* MarkupPainter::FontInfo(HFONT font) const {
    return font == m_baseFont ? m_manager->BaseFontInfo() : m_manager->FontInfoByHandle(font);
}

// Metrics come from the DC being drawn on: the manager measures its fonts on
// its paint DC, which a window-less manager does not have.
void MarkupPainter::SelectFont(HFONT font) {
    if (font) ::SelectObject(m_dc, font);
    if (!::GetTextMetricsA(m_dc, &m_tm)) m_tm = TEXTMETRICA{};
}

void MarkupPainter::PushFont(MarkupCursor& c, HFONT font) {
    if (!font) return;
    c.fonts.push_back(font);
    SelectFont(font);
    GrowLine(LineStartHeight(c));
}

void MarkupPainter::PopFont(MarkupCursor& c) {
    if (c.fonts.empty()) return;
    const TSkinFont* popped = FontInfo(c.fonts.back());
    ABC blank = {};
    const bool wasItalic = popped && popped->bItalic && ::GetCharABCWidthsA(m_dc, ' ', ' ', &blank);
    c.fonts.pop_back();
    SelectFont(CurrentFont(c));
    // Upright text after italic would touch the slanted last letter.
    const TSkinFont* now = FontInfo(CurrentFont(c));
    if (wasItalic && !(now && now->bItalic)) c.x += static_cast<int>(blank.abcC) / 2;
}

HFONT MarkupPainter::FontFromTag(const MarkupTag& tag) {
    const char* args = detail::SkipBlanks(tag.args, tag.argsEnd);
    if (args < tag.argsEnd && (detail::IsDigit(*args) || *args == '-')) {
        return m_manager->FontByIndex(detail::ReadTagNumber(args, tag.argsEnd, 0));
    }
    const detail::FontTagArgs font = detail::ReadFontTagArgs(args, tag.argsEnd);
    if (font.face.empty()) return nullptr;
    HFONT handle = m_manager->LookupFont(font.face.c_str(), font.size, font.bold, font.underline, font.italic);
    if (!handle) handle = m_manager->RegisterFont(font.face.c_str(), font.size, font.bold, font.underline, font.italic);
    return handle;
}

// The current font with one more style, or null when it has that style.
HFONT MarkupPainter::StyledVariant(const MarkupCursor& c, Style style) {
    const TSkinFont* info = FontInfo(CurrentFont(c));
    if (!info) return nullptr;
    bool bold = info->bBold;
    bool underline = info->bUnderline;
    bool italic = info->bItalic;
    bool& wanted = style == Style::Bold ? bold : style == Style::Underline ? underline : italic;
    if (wanted) return nullptr;
    wanted = true;
    HFONT font = m_manager->LookupFont(info->sFontName, info->iSize, bold, underline, italic);
    if (!font) font = m_manager->RegisterFont(info->sFontName, info->iSize, bold, underline, italic);
    return font;
}

void MarkupPainter::OpenLink(MarkupCursor& c, const MarkupTag& tag) {
    c.inLink = true;
    c.linkLeft = c.x;
    c.linkData = tag.args;
    c.linkDataLength = static_cast<int>(tag.argsEnd - tag.args);
    if (m_linkTexts && c.linkIndex < m_linkCapacity && !m_painting) {
        m_linkTexts[c.linkIndex].Assign(c.linkData, c.linkDataLength);
    }
    c.colors.push_back(IsHovered(c.linkData, c.linkDataLength) ? m_manager->DefaultLinkHoverFontColor()
                                                                : m_manager->DefaultLinkFontColor());
    PushFont(c, StyledVariant(c, Style::Underline));
}

void MarkupPainter::CloseLink(MarkupCursor& c) {
    if (!c.inLink) return;
    c.inLink = false;
    if (c.linkIndex >= m_linkCapacity) return;
    if (!m_painting) {
        m_linkRects[c.linkIndex] = {c.linkLeft, m_lineTop, c.x,
                                    m_lineTop + m_tm.tmHeight + m_tm.tmExternalLeading};
    }
    ++c.linkIndex;
}

// A line end inside a link: this line's part becomes an entry of its own.
void MarkupPainter::BreakLink(MarkupCursor& c) {
    if (c.linkIndex >= m_linkCapacity) return;
    m_linkRects[c.linkIndex] = {c.linkLeft, m_lineTop, std::min<int>(c.x, m_rc.right),
                                m_lineTop + m_lineHeight};
    ++c.linkIndex;
}

void MarkupPainter::ContinueLink(MarkupCursor& c) {
    c.linkLeft = m_rc.left;
    if (m_linkTexts && c.linkIndex < m_linkCapacity) {
        m_linkTexts[c.linkIndex].Assign(c.linkData, c.linkDataLength);
    }
}

bool MarkupPainter::IsHovered(const char* data, int length) const {
    for (const CSkinString& text : m_hoveredTexts) {
        if (text.Length() == length && std::memcmp(text.GetData(), data, length) == 0) return true;
    }
    return false;
}

// Single-line text moves as a whole; other lines are aligned run by run.
void AlignToMeasuredText(HDC dc, CPaintManagerUI* manager, RECT& rc, const char* text, DWORD color,
                         UINT style) {
    RECT measured = {0, 0, 9999, 100};
    int noLinks = 0;
    CSkinRender::DrawMarkupText(dc, manager, measured, text, color, nullptr, nullptr, noLinks,
                                style | DT_CALCRECT);
    const int width = measured.right - measured.left;
    const int height = measured.bottom - measured.top;
    if (style & DT_SINGLELINE) {
        if (style & DT_CENTER) {
            rc.left = rc.left + (rc.right - rc.left) / 2 - width / 2;
            rc.right = rc.left + width;
        }
        if (style & DT_RIGHT) rc.left = rc.right - width;
    }
    if (style & DT_VCENTER) {
        rc.top = rc.top + (rc.bottom - rc.top) / 2 - height / 2;
        rc.bottom = rc.top + height;
    }
    if (style & DT_BOTTOM) rc.top = rc.bottom - height;
}

}  // namespace

void CSkinRender::DrawMarkupText(HDC hDC, CPaintManagerUI* manager, RECT& rc, const char* text,
                                 DWORD color, RECT* links, CSkinString* linkTexts, int& linkCount,
                                 UINT style) {
    const int capacity = linkCount;
    linkCount = 0;
    if (!hDC || !text || !manager || ::IsRectEmpty(&rc)) return;
    const bool drawing = (style & DT_CALCRECT) == 0;
    if (drawing && (style & kAlignFlags)) AlignToMeasuredText(hDC, manager, rc, text, color, style);

    // Clip, font, colours and background mode all come back on every path.
    SavedDcState savedState(hDC);
    if (drawing) ::IntersectClipRect(hDC, rc.left, rc.top, rc.right, rc.bottom);
    ::SetBkMode(hDC, TRANSPARENT);
    ::SetTextColor(hDC, GdiColor(color));
    ::SetBkColor(hDC, GdiColor(manager->DefaultSelectedBkColor()));

    MarkupPainter painter(hDC, manager, rc, color, style);
    painter.SetLinkOutput(links, linkTexts, capacity);
    painter.Layout(text);
    linkCount = painter.LinkCount();
    if (!drawing) {
        rc.bottom = painter.Bottom();
        rc.right = std::min<LONG>(rc.right, painter.Widest());
    }
}

}  // namespace SkinUI
