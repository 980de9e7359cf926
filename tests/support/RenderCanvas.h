// Drawing surfaces for render tests: a 32-bit DIB in a memory DC whose pixels
// the test reads back, and small bitmaps built from pixel values.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "skinui/core/GdiHandles.h"

namespace testsupport {

// A top-down 32-bit DIB section; pixel values read as 0xAARRGGBB, the same
// layout as skin colours.
inline SkinUI::BitmapHandle MakeDibSection(int width, int height, uint32_t** bits) {
    void* raw = nullptr;
    SkinUI::BitmapHandle bitmap = SkinUI::CreateTopDownDib(nullptr, width, height, &raw);
    *bits = static_cast<uint32_t*>(raw);
    return bitmap;
}

// A bitmap holding `pixels` (premultiplied, row by row).
inline SkinUI::BitmapHandle MakePixelBitmap(int width, int height, const std::vector<uint32_t>& pixels) {
    uint32_t* bits = nullptr;
    SkinUI::BitmapHandle bitmap = MakeDibSection(width, height, &bits);
    for (size_t i = 0; bits && i < pixels.size() && i < static_cast<size_t>(width) * height; ++i) bits[i] = pixels[i];
    return bitmap;
}

class RenderCanvas {
public:
    explicit RenderCanvas(int width, int height, uint32_t background = 0xFFFFFF)
        : m_width(width),
          m_height(height),
          m_dc(CreateCompatibleDC(nullptr)),
          m_bitmap(MakeDibSection(width, height, &m_bits)),
          m_select(m_dc.get(), m_bitmap.get()) {
        Fill(background);
    }

    HDC Dc() const { return m_dc.get(); }
    RECT Bounds() const { return {0, 0, m_width, m_height}; }

    void Fill(uint32_t color) {
        GdiFlush();
        for (int i = 0; i < m_width * m_height; ++i) m_bits[i] = color;
    }

    // Red, green and blue of a pixel as 0xRRGGBB.
    uint32_t Pixel(int x, int y) const {
        GdiFlush();
        return m_bits[y * m_width + x] & 0xFFFFFF;
    }

    void SetRawPixel(int x, int y, uint32_t value) {
        GdiFlush();
        m_bits[y * m_width + x] = value;
    }

    uint32_t RawPixel(int x, int y) const {
        GdiFlush();
        return m_bits[y * m_width + x];
    }

    int CountNot(uint32_t color) const {
        GdiFlush();
        int count = 0;
        for (int i = 0; i < m_width * m_height; ++i) count += (m_bits[i] & 0xFFFFFF) != color;
        return count;
    }

private:
    int m_width;
    int m_height;
    uint32_t* m_bits = nullptr;
    SkinUI::MemoryDc m_dc;
    SkinUI::BitmapHandle m_bitmap;
    SkinUI::SelectGuard m_select;
};

// Each of red, green and blue within `tolerance` of the expected 0xRRGGBB.
inline testing::AssertionResult ColorNear(uint32_t actual, uint32_t expected, int tolerance = 0) {
    for (int shift = 0; shift < 24; shift += 8) {
        const int a = static_cast<int>((actual >> shift) & 0xFF);
        const int e = static_cast<int>((expected >> shift) & 0xFF);
        if (std::abs(a - e) > tolerance) {
            char text[64];
            snprintf(text, sizeof(text), "0x%06X, expected 0x%06X (+-%d)", static_cast<unsigned>(actual),
                     static_cast<unsigned>(expected), tolerance);
            return testing::AssertionFailure() << text;
        }
    }
    return testing::AssertionSuccess();
}

// A point to look at and the 0xRRGGBB it should have.
struct Probe {
    int x;
    int y;
    uint32_t color;
};

inline void ExpectProbes(const RenderCanvas& canvas, const std::vector<Probe>& probes, int tolerance = 0) {
    for (const Probe& probe : probes) {
        EXPECT_TRUE(ColorNear(canvas.Pixel(probe.x, probe.y), probe.color, tolerance))
            << "at (" << probe.x << ", " << probe.y << ")";
    }
}

}  // namespace testsupport
