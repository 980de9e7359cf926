// CSkinRender's drawing: clips, colour adjustment, the software alpha blend,
// nine-grid bitmaps and image descriptors, fills, gradients, outlines and
// plain text. Markup text and image decoding live in their own files.
#include "skinui/render/SkinRender.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "skinui/control/Control.h"
#include "skinui/core/PaintManager.h"
#include "skinui/render/RenderProcs.h"

namespace SkinUI {

namespace detail {

RenderProcs& RenderFunctions() {
    static RenderProcs procs;
    return procs;
}

}  // namespace detail

namespace {

using detail::AlphaBlendProc;
using detail::GradientFillProc;

FARPROC Msimg32Proc(const char* name) {
    HMODULE module = ::GetModuleHandleA("msimg32.dll");
    // The paint manager normally loads it; drawing before any manager exists
    // loads it here and keeps it for the process, as the manager would.
    if (!module) module = ::LoadLibraryA("msimg32.dll");
    return module ? ::GetProcAddress(module, name) : nullptr;
}

// BlendFallback with AlphaBlend's calling convention (they differ on x86).
BOOL WINAPI CallBlendFallback(HDC hDcDest, int xDest, int yDest, int wDest, int hDest, HDC hDcSrc, int xSrc,
                              int ySrc, int wSrc, int hSrc, BLENDFUNCTION blend) {
    return CSkinRender::BlendFallback(hDcDest, xDest, yDest, wDest, hDest, hDcSrc, xSrc, ySrc, wSrc, hSrc, blend);
}

AlphaBlendProc LookUpAlphaBlend() {
    auto proc = reinterpret_cast<AlphaBlendProc>(reinterpret_cast<void*>(Msimg32Proc("AlphaBlend")));
    return proc ? proc : &CallBlendFallback;
}

AlphaBlendProc BitmapAlphaBlend() {
    auto& procs = detail::RenderFunctions();
    if (!procs.bitmapBlend) procs.bitmapBlend = LookUpAlphaBlend();
    return procs.bitmapBlend;
}

AlphaBlendProc GradientAlphaBlend() {
    auto& procs = detail::RenderFunctions();
    if (!procs.gradientBlend) procs.gradientBlend = LookUpAlphaBlend();
    return procs.gradientBlend;
}

GradientFillProc GradientFillFunction() {
    auto& procs = detail::RenderFunctions();
    if (!procs.gradientFillLookedUp) {
        procs.gradientFill =
            reinterpret_cast<GradientFillProc>(reinterpret_cast<void*>(Msimg32Proc("GradientFill")));
        procs.gradientFillLookedUp = true;
    }
    return procs.gradientFill;
}

int Width(const RECT& rc) { return rc.right - rc.left; }
int Height(const RECT& rc) { return rc.bottom - rc.top; }

bool Meets(const RECT& a, const RECT& b) {
    RECT overlap;
    return ::IntersectRect(&overlap, &a, &b) != FALSE;
}

BYTE Red(DWORD color) { return static_cast<BYTE>(color >> 16); }
BYTE Green(DWORD color) { return static_cast<BYTE>(color >> 8); }
BYTE Blue(DWORD color) { return static_cast<BYTE>(color); }

// Skin colours are 0xAARRGGBB; GDI wants 0x00BBGGRR.
COLORREF GdiColor(DWORD color) { return RGB(Red(color), Green(color), Blue(color)); }

BitmapHandle MakeDib(HDC dc, int width, int height, void** bits) {
    return CreateTopDownDib(dc, width, height, bits);
}

// --- HSL ----------------------------------------------------------------------

struct Hsl {
    double hue;  // degrees
    double saturation;
    double lightness;
};

Hsl ToHsl(double r, double g, double b) {
    const double high = std::max({r, g, b});
    const double low = std::min({r, g, b});
    Hsl hsl = {0.0, 0.0, (high + low) / 2.0};
    const double delta = high - low;
    if (delta <= 0.0) return hsl;
    hsl.saturation = hsl.lightness > 0.5 ? delta / (2.0 - high - low) : delta / (high + low);
    if (high == r) {
        hsl.hue = (g - b) / delta + (g < b ? 6.0 : 0.0);
    } else if (high == g) {
        hsl.hue = (b - r) / delta + 2.0;
    } else {
        hsl.hue = (r - g) / delta + 4.0;
    }
    hsl.hue *= 60.0;
    return hsl;
}

double HueToComponent(double p, double q, double t) {
    while (t < 0.0) t += 1.0;
    while (t >= 1.0) t -= 1.0;
    if (t < 1.0 / 6.0) return p + (q - p) * 6.0 * t;
    if (t < 1.0 / 2.0) return q;
    if (t < 2.0 / 3.0) return p + (q - p) * (2.0 / 3.0 - t) * 6.0;
    return p;
}

DWORD ComponentByte(double value) {
    // The nudge keeps a rounding error such as 254.9999999 from truncating to 254.
    const double scaled = value * 255.0 + 1e-9;
    if (scaled <= 0.0) return 0;
    if (scaled >= 255.0) return 255;
    return static_cast<DWORD>(scaled);
}

// --- Nine-grid parts ------------------------------------------------------------

struct Part {
    RECT dest;
    RECT source;
};

class PartPainter {
public:
    PartPainter(HDC target, HDC source, bool alpha, BYTE fade)
        : m_target(target), m_source(source), m_alpha(alpha), m_blend{AC_SRC_OVER, 0, fade, AC_SRC_ALPHA} {}

    // Source (x, y, w, h) scaled onto destination (x, y, w, h).
    void Stretch(int dx, int dy, int dw, int dh, int sx, int sy, int sw, int sh) const {
        if (m_alpha) {
            BitmapAlphaBlend()(m_target, dx, dy, dw, dh, m_source, sx, sy, sw, sh, m_blend);
        } else {
            ::StretchBlt(m_target, dx, dy, dw, dh, m_source, sx, sy, sw, sh, SRCCOPY);
        }
    }

    void Stretch(const Part& part) const {
        Stretch(part.dest.left, part.dest.top, Width(part.dest), Height(part.dest), part.source.left,
                part.source.top, Width(part.source), Height(part.source));
    }

    void Copy(int dx, int dy, int w, int h, int sx, int sy) const {
        if (m_alpha) {
            BitmapAlphaBlend()(m_target, dx, dy, w, h, m_source, sx, sy, w, h, m_blend);
        } else {
            ::BitBlt(m_target, dx, dy, w, h, m_source, sx, sy, SRCCOPY);
        }
    }

    // Whole source tiles from the top-left; the last ones cut, not scaled.
    void TileBoth(const Part& part) const {
        const int tileWidth = Width(part.source);
        const int tileHeight = Height(part.source);
        if (tileWidth <= 0 || tileHeight <= 0) return;
        for (int y = part.dest.top; y < part.dest.bottom; y += tileHeight) {
            const int h = std::min<int>(tileHeight, part.dest.bottom - y);
            for (int x = part.dest.left; x < part.dest.right; x += tileWidth) {
                Copy(x, y, std::min<int>(tileWidth, part.dest.right - x), h, part.source.left, part.source.top);
            }
        }
    }

    // Columns of the source width, each stretched to the full height.
    void TileColumns(const Part& part) const {
        const int tileWidth = Width(part.source);
        if (tileWidth <= 0) return;
        for (int x = part.dest.left; x < part.dest.right; x += tileWidth) {
            const int w = std::min<int>(tileWidth, part.dest.right - x);
            Stretch(x, part.dest.top, w, Height(part.dest), part.source.left, part.source.top, w,
                    Height(part.source));
        }
    }

    // Rows of the source height, each stretched to the full width.
    void TileRows(const Part& part) const {
        const int tileHeight = Height(part.source);
        if (tileHeight <= 0) return;
        for (int y = part.dest.top; y < part.dest.bottom; y += tileHeight) {
            const int h = std::min<int>(tileHeight, part.dest.bottom - y);
            Stretch(part.dest.left, y, Width(part.dest), h, part.source.left, part.source.top,
                    Width(part.source), h);
        }
    }

private:
    HDC m_target;
    HDC m_source;
    bool m_alpha;
    BLENDFUNCTION m_blend;
};

// The eight edge and corner parts, each with the corner sizes it needs.
struct EdgePart {
    Part part;
    bool present;
};

void EdgeParts(const RECT& d, const RECT& s, const RECT& m, EdgePart (&parts)[8]) {
    const bool left = m.left > 0, top = m.top > 0, right = m.right > 0, bottom = m.bottom > 0;
    parts[0] = {{{d.left, d.top, d.left + m.left, d.top + m.top},
                 {s.left, s.top, s.left + m.left, s.top + m.top}},
                left && top};
    parts[1] = {{{d.left + m.left, d.top, d.right - m.right, d.top + m.top},
                 {s.left + m.left, s.top, s.right - m.right, s.top + m.top}},
                top};
    parts[2] = {{{d.right - m.right, d.top, d.right, d.top + m.top},
                 {s.right - m.right, s.top, s.right, s.top + m.top}},
                right && top};
    parts[3] = {{{d.left, d.top + m.top, d.left + m.left, d.bottom - m.bottom},
                 {s.left, s.top + m.top, s.left + m.left, s.bottom - m.bottom}},
                left};
    parts[4] = {{{d.right - m.right, d.top + m.top, d.right, d.bottom - m.bottom},
                 {s.right - m.right, s.top + m.top, s.right, s.bottom - m.bottom}},
                right};
    parts[5] = {{{d.left, d.bottom - m.bottom, d.left + m.left, d.bottom},
                 {s.left, s.bottom - m.bottom, s.left + m.left, s.bottom}},
                left && bottom};
    parts[6] = {{{d.left + m.left, d.bottom - m.bottom, d.right - m.right, d.bottom},
                 {s.left + m.left, s.bottom - m.bottom, s.right - m.right, s.bottom}},
                bottom};
    parts[7] = {{{d.right - m.right, d.bottom - m.bottom, d.right, d.bottom},
                 {s.right - m.right, s.bottom - m.bottom, s.right, s.bottom}},
                right && bottom};
}

// Puts the target's stretch mode back when drawing ends.
class StretchModeGuard {
public:
    StretchModeGuard(HDC dc, int mode) : m_dc(dc), m_previous(::SetStretchBltMode(dc, mode)) {}
    ~StretchModeGuard() {
        if (m_previous) ::SetStretchBltMode(m_dc, m_previous);
    }
    StretchModeGuard(const StretchModeGuard&) = delete;
    StretchModeGuard& operator=(const StretchModeGuard&) = delete;

private:
    HDC m_dc;
    int m_previous;
};

// --- Image descriptors -------------------------------------------------------------

struct ImageState {
    CSkinString name;
    CSkinString type;
    RECT dest;
    RECT source = {0, 0, 0, 0};
    RECT corners = {0, 0, 0, 0};
    DWORD mask = 0;
    BYTE fade = 255;
    bool hole = false;
    bool xtiled = false;
    bool ytiled = false;
    int count = 0;
};

class DescriptorPainter {
public:
    DescriptorPainter(HDC dc, CPaintManagerUI* manager, const RECT& item, const RECT& paint)
        : m_dc(dc), m_manager(manager), m_item(item), m_paint(paint) {}

    void Draw(const ImageState& state) const {
        CSkinRender::DrawNamedImage(m_dc, m_manager, m_item, m_paint, state.name, state.type, state.dest,
                                    state.source, state.corners, state.mask, state.fade, state.hole,
                                    state.xtiled, state.ytiled);
    }

    void Apply(const CSkinString& key, const CSkinString& value, ImageState& state) const {
        if (value.IsEmpty()) return;
        if (key == "file" || key == "res" || key == "restype") {
            // A new image (or type) finishes the one described so far.
            if (state.count > 0) Draw(state);
            if (key == "restype") {
                state.type = value;
            } else {
                state.name = value;
            }
            if (key != "res") ++state.count;
        } else if (key == "dest") {
            const RECT rc = attr::ParseRect(value);
            state.dest = {m_item.left + rc.left, m_item.top + rc.top,
                          std::min<LONG>(m_item.left + rc.right, m_item.right),
                          std::min<LONG>(m_item.top + rc.bottom, m_item.bottom)};
        } else if (key == "source") {
            state.source = attr::ParseRect(value);
        } else if (key == "corner") {
            state.corners = attr::ParseRect(value);
        } else if (key == "mask") {
            state.mask = attr::ParseHexColor(value);
        } else if (key == "fade") {
            state.fade = static_cast<BYTE>(std::strtol(value, nullptr, 10));
        } else if (key == "hole") {
            state.hole = attr::ParseBool(value);
        } else if (key == "xtiled") {
            state.xtiled = attr::ParseBool(value);
        } else if (key == "ytiled") {
            state.ytiled = attr::ParseBool(value);
        }
    }

    // key='value' items separated by blanks; anything else ends the text.
    void Parse(const char* text, ImageState& state) const {
        if (!text) return;
        auto isSpace = [](char ch) {
            const auto byte = static_cast<unsigned char>(ch);
            return byte >= 1 && byte <= 32;
        };
        const char* p = text;
        while (*p) {
            while (isSpace(*p)) ++p;
            const char* keyStart = p;
            while (*p && *p != '=' && static_cast<unsigned char>(*p) > 32 && static_cast<unsigned char>(*p) <= 127) ++p;
            const CSkinString key(keyStart, static_cast<int>(p - keyStart));
            while (isSpace(*p)) ++p;
            if (*p++ != '=') return;
            while (isSpace(*p)) ++p;
            if (*p++ != '\'') return;
            const char* valueStart = p;
            while (*p && *p != '\'') ++p;
            if (!*p) return;
            Apply(key, CSkinString(valueStart, static_cast<int>(p - valueStart)), state);
            ++p;
            if (*p++ != ' ') return;
        }
    }

private:
    HDC m_dc;
    CPaintManagerUI* m_manager;
    RECT m_item;
    RECT m_paint;
};

// --- Gradients -----------------------------------------------------------------------

void FillGradientBands(HDC dc, const RECT& rc, DWORD first, DWORD second, bool vertical, int steps) {
    const int shift = steps >= 64 ? 6 : steps >= 32 ? 5 : steps >= 16 ? 4 : steps >= 8 ? 3 : steps >= 4 ? 2 : 1;
    const int count = 1 << shift;
    auto mix = [&](BYTE a, BYTE b, int i) { return static_cast<BYTE>((b * (count - i) + a * i) >> shift); };
    for (int i = 0; i < count; ++i) {
        RECT band = rc;
        if (vertical) {
            band.top = rc.bottom - (((i + 1) * Height(rc)) >> shift);
            band.bottom = rc.bottom - ((i * Height(rc)) >> shift);
        } else {
            band.left = rc.right - (((i + 1) * Width(rc)) >> shift);
            band.right = rc.right - ((i * Width(rc)) >> shift);
        }
        if (band.top >= band.bottom || band.left >= band.right) continue;
        const COLORREF color = RGB(mix(Red(first), Red(second), i), mix(Green(first), Green(second), i),
                                   mix(Blue(first), Blue(second), i));
        BrushHandle brush(::CreateSolidBrush(color));
        ::FillRect(dc, &band, brush.get());
    }
}

void FillGradient(HDC dc, const RECT& rc, DWORD first, DWORD second, bool vertical, int steps) {
    GradientFillProc gradientFill = GradientFillFunction();
    if (!gradientFill) {
        FillGradientBands(dc, rc, first, second, vertical, steps);
        return;
    }
    TRIVERTEX vertices[2] = {};
    vertices[0].x = rc.left;
    vertices[0].y = rc.top;
    vertices[0].Red = static_cast<COLOR16>(Red(first) << 8);
    vertices[0].Green = static_cast<COLOR16>(Green(first) << 8);
    vertices[0].Blue = static_cast<COLOR16>(Blue(first) << 8);
    vertices[0].Alpha = 0xFF00;
    vertices[1].x = rc.right;
    vertices[1].y = rc.bottom;
    vertices[1].Red = static_cast<COLOR16>(Red(second) << 8);
    vertices[1].Green = static_cast<COLOR16>(Green(second) << 8);
    vertices[1].Blue = static_cast<COLOR16>(Blue(second) << 8);
    vertices[1].Alpha = 0xFF00;
    GRADIENT_RECT mesh = {0, 1};
    gradientFill(dc, vertices, 2, &mesh, 1, vertical ? GRADIENT_FILL_RECT_V : GRADIENT_FILL_RECT_H);
}

}  // namespace

// --- Clips ------------------------------------------------------------------------------

CSkinClip::~CSkinClip() {
    if (hDC) ::SelectClipRgn(hDC, hOldRgn.get());
}

namespace {

// Keeps the clip box in force and starts the record's own region from `rc`.
void BeginClip(HDC hDC, const RECT& rc, CSkinClip& clip) {
    RECT rcClip = {0, 0, 0, 0};
    ::GetClipBox(hDC, &rcClip);
    clip.hOldRgn.reset(::CreateRectRgnIndirect(&rcClip));
    clip.hRgn.reset(::CreateRectRgnIndirect(&rc));
    clip.hDC = hDC;
    clip.rcItem = rc;
}

}  // namespace

void CSkinRender::ClipToRect(HDC hDC, RECT rc, CSkinClip& clip) {
    BeginClip(hDC, rc, clip);
    ::ExtSelectClipRgn(hDC, clip.hRgn.get(), RGN_AND);
}

void CSkinRender::ClipToRoundRect(HDC hDC, RECT rc, RECT rcItem, int width, int height, CSkinClip& clip) {
    BeginClip(hDC, rc, clip);
    RegionHandle round(
        ::CreateRoundRectRgn(rcItem.left, rcItem.top, rcItem.right + 1, rcItem.bottom + 1, width, height));
    ::CombineRgn(clip.hRgn.get(), clip.hRgn.get(), round.get(), RGN_AND);
    ::ExtSelectClipRgn(hDC, clip.hRgn.get(), RGN_AND);
}

void CSkinRender::UseOuterClip(HDC hDC, CSkinClip& clip) {
    ::SelectClipRgn(hDC, clip.hOldRgn.get());
}

void CSkinRender::UseInnerClip(HDC hDC, CSkinClip& clip) {
    ::SelectClipRgn(hDC, clip.hRgn.get());
}

// --- Colours ------------------------------------------------------------------------------

DWORD CSkinRender::AdjustColor(DWORD color, short hue, short saturation, short lightness) {
    if (hue == 180 && saturation == 100 && lightness == 100) return color;
    // The lowest byte plays red and the third byte blue, as the skins expect.
    Hsl hsl = ToHsl((color & 0xFF) / 255.0, ((color >> 8) & 0xFF) / 255.0, ((color >> 16) & 0xFF) / 255.0);
    hsl.hue += hue - 180;
    if (hsl.hue <= 0.0) hsl.hue += 360.0;
    hsl.saturation *= saturation / 100.0;
    hsl.lightness *= lightness / 100.0;

    double r = hsl.lightness, g = hsl.lightness, b = hsl.lightness;
    if (hsl.saturation != 0.0) {
        const double q = hsl.lightness < 0.5 ? hsl.lightness * (1.0 + hsl.saturation)
                                             : hsl.lightness + hsl.saturation - hsl.lightness * hsl.saturation;
        const double p = 2.0 * hsl.lightness - q;
        const double h = hsl.hue / 360.0;
        r = HueToComponent(p, q, h + 1.0 / 3.0);
        g = HueToComponent(p, q, h);
        b = HueToComponent(p, q, h - 1.0 / 3.0);
    }
    return (color & 0xFF000000) | ComponentByte(r) | (ComponentByte(g) << 8) | (ComponentByte(b) << 16);
}

BOOL CSkinRender::BlendFallback(HDC hDcDest, int xDest, int yDest, int wDest, int hDest, HDC hDcSrc, int xSrc,
                                int ySrc, int wSrc, int hSrc, BLENDFUNCTION blend) {
    if (wDest <= 0 || hDest <= 0) return FALSE;
    MemoryDc dc(::CreateCompatibleDC(hDcDest));
    if (!dc) return FALSE;
    void* sourceBits = nullptr;
    void* destBits = nullptr;
    BitmapHandle sourceDib = MakeDib(hDcDest, wDest, hDest, &sourceBits);
    BitmapHandle destDib = MakeDib(hDcDest, wDest, hDest, &destBits);
    if (!sourceDib || !destDib) return FALSE;
    {
        SelectGuard select(dc.get(), sourceDib.get());
        ::StretchBlt(dc.get(), 0, 0, wDest, hDest, hDcSrc, xSrc, ySrc, wSrc, hSrc, SRCCOPY);
    }
    SelectGuard select(dc.get(), destDib.get());
    ::BitBlt(dc.get(), 0, 0, wDest, hDest, hDcDest, xDest, yDest, SRCCOPY);
    ::GdiFlush();

    auto* source = static_cast<BYTE*>(sourceBits);
    auto* dest = static_cast<BYTE*>(destBits);
    const size_t pixels = static_cast<size_t>(wDest) * hDest;
    for (size_t i = 0; i < pixels; ++i, source += 4, dest += 4) {
        double a = source[3] * blend.SourceConstantAlpha / 255.0 / 255.0;
        if (a < 0.0) a = 0.0;
        for (int c = 0; c < 3; ++c) dest[c] = static_cast<BYTE>(source[c] * a + dest[c] * (1.0 - a));
        dest[3] = 0;
    }
    ::BitBlt(hDcDest, xDest, yDest, wDest, hDest, dc.get(), 0, 0, SRCCOPY);
    return TRUE;
}

// --- Bitmaps ---------------------------------------------------------------------------------

void CSkinRender::DrawBitmap(HDC hDC, HBITMAP hBitmap, const RECT& rc, const RECT& rcPaint, const RECT& rcBmpPart,
                             const RECT& rcCorners, bool alpha, BYTE fade, bool hole, bool xtiled, bool ytiled) {
    if (!hDC || !hBitmap) return;
    MemoryDc memory(::CreateCompatibleDC(hDC));
    if (!memory) return;
    SelectGuard select(memory.get(), hBitmap);
    StretchModeGuard stretchMode(hDC, HALFTONE);

    const RECT& m = rcCorners;
    const bool blended = alpha || fade < 255;
    const PartPainter painter(hDC, memory.get(), blended, fade);
    RECT overlap;

    // An opaque unscaled image without corners: one copy of the dirty part.
    if (!blended && Width(rc) == Width(rcBmpPart) && Height(rc) == Height(rcBmpPart) && m.left == 0 &&
        m.top == 0 && m.right == 0 && m.bottom == 0) {
        if (::IntersectRect(&overlap, &rc, &rcPaint)) {
            ::BitBlt(hDC, overlap.left, overlap.top, Width(overlap), Height(overlap), memory.get(),
                     rcBmpPart.left + overlap.left - rc.left, rcBmpPart.top + overlap.top - rc.top, SRCCOPY);
        }
        return;
    }

    const Part middle = {{rc.left + m.left, rc.top + m.top, rc.right - m.right, rc.bottom - m.bottom},
                         {rcBmpPart.left + m.left, rcBmpPart.top + m.top, rcBmpPart.right - m.right,
                          rcBmpPart.bottom - m.bottom}};
    if (!hole && Meets(middle.dest, rcPaint)) {
        if (xtiled && ytiled) {
            painter.TileBoth(middle);
        } else if (xtiled) {
            painter.TileColumns(middle);
        } else if (ytiled) {
            painter.TileRows(middle);
        } else {
            painter.Stretch(middle);
        }
    }

    EdgePart edges[8];
    EdgeParts(rc, rcBmpPart, m, edges);
    for (const EdgePart& edge : edges) {
        if (edge.present && Meets(edge.part.dest, rcPaint)) painter.Stretch(edge.part);
    }
}

bool CSkinRender::DrawNamedImage(HDC hDC, CPaintManagerUI* manager, const RECT& rcItem, const RECT& rcPaint,
                                 const char* name, const char* type, RECT rcDest, RECT rcSource, RECT rcCorners,
                                 DWORD mask, BYTE fade, bool hole, bool xtiled, bool ytiled) {
    if (!name || !*name || !manager) return false;
    const TSkinImage* image = manager->ObtainImage(name, type && *type ? type : nullptr, mask);
    if (!image) return false;

    if (rcSource.left == 0 && rcSource.top == 0 && rcSource.right == 0 && rcSource.bottom == 0) {
        rcSource = {0, 0, image->nWidth, image->nHeight};
    }
    rcSource.right = std::min<LONG>(rcSource.right, image->nWidth);
    rcSource.bottom = std::min<LONG>(rcSource.bottom, image->nHeight);

    if (Meets(rcDest, rcItem) && Meets(rcDest, rcPaint)) {
        DrawBitmap(hDC, image->hBitmap.get(), rcDest, rcPaint, rcSource, rcCorners, image->bAlpha, fade, hole,
                   xtiled, ytiled);
    }
    return true;
}

bool CSkinRender::DrawImageDescriptor(HDC hDC, CPaintManagerUI* manager, const RECT& rcItem, const RECT& rcPaint,
                                      const char* descriptor, const char* modifier) {
    if (!hDC || !manager) return false;
    ImageState state;
    state.name = descriptor ? descriptor : "";
    state.dest = rcItem;

    const DescriptorPainter painter(hDC, manager, rcItem, rcPaint);
    painter.Parse(descriptor, state);
    // A "file" in the modifier replaces the name instead of drawing it.
    state.count = 0;
    painter.Parse(modifier, state);
    painter.Draw(state);
    return true;
}

// --- Fills and gradients -------------------------------------------------------------------------

void CSkinRender::DrawColor(HDC hDC, const RECT& rc, DWORD color) {
    if (!hDC || color <= 0x00FFFFFF) return;
    if (color >= 0xFF000000) {
        ::SetBkColor(hDC, GdiColor(color));
        ::ExtTextOutA(hDC, 0, 0, ETO_OPAQUE, &rc, nullptr, 0, nullptr);
        return;
    }
    void* bits = nullptr;
    BitmapHandle pixel = MakeDib(hDC, 1, 1, &bits);
    if (!pixel) return;
    // The blend takes premultiplied pixels: scale the colour by its alpha.
    const DWORD alpha = color >> 24;
    const auto scaled = [&](int shift) { return (((color >> shift) & 0xFF) * alpha / 255) << shift; };
    *static_cast<DWORD*>(bits) = (alpha << 24) | scaled(16) | scaled(8) | scaled(0);
    const RECT source = {0, 0, 1, 1};
    const RECT corners = {0, 0, 0, 0};
    DrawBitmap(hDC, pixel.get(), rc, rc, source, corners, true, 255);
}

void CSkinRender::DrawGradient(HDC hDC, const RECT& rc, DWORD first, DWORD second, bool vertical, int steps) {
    if (!hDC) return;
    const int alpha = static_cast<int>((first >> 24) + (second >> 24)) / 2;
    if (alpha == 0) return;
    if (alpha == 255) {
        FillGradient(hDC, rc, first, second, vertical, steps);
        return;
    }
    const int width = Width(rc);
    const int height = Height(rc);
    if (width <= 0 || height <= 0) return;
    MemoryDc memory(::CreateCompatibleDC(hDC));
    BitmapHandle bitmap(::CreateCompatibleBitmap(hDC, width, height));
    if (!memory || !bitmap) return;
    SelectGuard select(memory.get(), bitmap.get());
    const RECT local = {0, 0, width, height};
    FillGradient(memory.get(), local, first, second, vertical, steps);
    const BLENDFUNCTION blend = {AC_SRC_OVER, 0, static_cast<BYTE>(alpha), AC_SRC_ALPHA};
    GradientAlphaBlend()(hDC, rc.left, rc.top, width, height, memory.get(), 0, 0, width, height, blend);
}

// --- Outlines ---------------------------------------------------------------------------------------

void CSkinRender::DrawLine(HDC hDC, const RECT& rc, int size, DWORD color, int style) {
    if (!hDC) return;
    LOGPEN logPen = {static_cast<UINT>(style), {size, 0}, GdiColor(color)};
    PenHandle pen(::CreatePenIndirect(&logPen));
    SelectGuard select(hDC, pen.get());
    ::MoveToEx(hDC, rc.left, rc.top, nullptr);
    ::LineTo(hDC, rc.right, rc.bottom);
}

void CSkinRender::DrawRect(HDC hDC, const RECT& rc, int size, DWORD color) {
    if (!hDC) return;
    PenHandle pen(::CreatePen(PS_INSIDEFRAME, size, GdiColor(color)));
    SelectGuard selectPen(hDC, pen.get());
    SelectGuard selectBrush(hDC, ::GetStockObject(HOLLOW_BRUSH));
    ::Rectangle(hDC, rc.left, rc.top, rc.right, rc.bottom);
}

void CSkinRender::DrawRoundRect(HDC hDC, const RECT& rc, int size, int width, int height, DWORD color) {
    if (!hDC) return;
    PenHandle pen(::CreatePen(PS_INSIDEFRAME, size, GdiColor(color)));
    SelectGuard selectPen(hDC, pen.get());
    SelectGuard selectBrush(hDC, ::GetStockObject(HOLLOW_BRUSH));
    ::RoundRect(hDC, rc.left, rc.top, rc.right, rc.bottom, width, height);
}

// --- Text --------------------------------------------------------------------------------------------

void CSkinRender::DrawPlainText(HDC hDC, CPaintManagerUI* manager, RECT& rc, const char* text, DWORD color,
                                int font, UINT style) {
    if (!hDC || !text || !manager) return;
    ::SetBkMode(hDC, TRANSPARENT);
    ::SetTextColor(hDC, GdiColor(color));
    SelectGuard select(hDC, manager->FontByIndex(font));
    ::DrawTextA(hDC, text, -1, &rc, style | DT_NOPREFIX);
}

}  // namespace SkinUI
