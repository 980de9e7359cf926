// The software alpha blend: its per-pixel rule, its agreement with AlphaBlend
// for opaque sources, and drawing that falls back to it.
#include <gtest/gtest.h>

#include <string>

#include "skinui/render/SkinRender.h"
#include "tests/support/RenderCanvas.h"
#include "tests/support/RenderCaseNames.h"
#include "tests/support/RenderInternals.h"

namespace {

using SkinUI::CSkinRender;
using testsupport::ColorNear;
using testsupport::RenderCanvas;

// A one-row source DC holding premultiplied pixels.
struct Source {
    explicit Source(const std::vector<uint32_t>& pixels) : canvas(static_cast<int>(pixels.size()), 1) {
        for (size_t x = 0; x < pixels.size(); ++x) canvas.SetRawPixel(static_cast<int>(x), 0, pixels[x]);
    }
    RenderCanvas canvas;
};

struct BlendCase {
    const char* name;
    uint32_t source;  // premultiplied 0xAARRGGBB
    BYTE constant;
    uint32_t background;
};

const BlendCase kOpaqueCases[] = {
    {"Full", 0xFF204080, 255, 0xFFFFFF},
    {"Half", 0xFFFF0000, 128, 0x00FF00},
    {"Quarter", 0xFF0000FF, 64, 0x808080},
    {"None", 0xFF0000FF, 0, 0x123456},
};

class OpaqueSource : public testing::TestWithParam<BlendCase> {};

TEST_P(OpaqueSource, FallbackMatchesAlphaBlend) {
    const BlendCase& c = GetParam();
    Source source({c.source, c.source});
    RenderCanvas viaSystem(8, 8, c.background), viaFallback(8, 8, c.background);
    const BLENDFUNCTION blend = {AC_SRC_OVER, 0, c.constant, AC_SRC_ALPHA};
    ASSERT_TRUE(AlphaBlend(viaSystem.Dc(), 2, 2, 4, 4, source.canvas.Dc(), 0, 0, 2, 1, blend));
    ASSERT_TRUE(CSkinRender::BlendFallback(viaFallback.Dc(), 2, 2, 4, 4, source.canvas.Dc(), 0, 0, 2, 1, blend));
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            EXPECT_TRUE(ColorNear(viaFallback.Pixel(x, y), viaSystem.Pixel(x, y), 1)) << x << "," << y;
}

INSTANTIATE_TEST_SUITE_P(Cases, OpaqueSource, testing::ValuesIn(kOpaqueCases),
                         testsupport::NameField());

TEST(BlendFallback, WeighsColourBySourceAlphaTimesConstant) {
    // a = 0x80 * 0xC0 / 255 / 255; each byte = source * a + destination * (1 - a).
    Source source({0x80804020});
    RenderCanvas target(4, 4, 0xC8C8C8);
    const BLENDFUNCTION blend = {AC_SRC_OVER, 0, 0xC0, AC_SRC_ALPHA};
    ASSERT_TRUE(CSkinRender::BlendFallback(target.Dc(), 1, 1, 2, 2, source.canvas.Dc(), 0, 0, 1, 1, blend));
    const double a = 0x80 * 0xC0 / 255.0 / 255.0;
    auto mix = [a](int s, int d) { return static_cast<uint32_t>(static_cast<int>(s * a + d * (1.0 - a))); };
    const uint32_t expected = (mix(0x80, 0xC8) << 16) | (mix(0x40, 0xC8) << 8) | mix(0x20, 0xC8);
    EXPECT_TRUE(ColorNear(target.Pixel(1, 1), expected));
    EXPECT_TRUE(ColorNear(target.Pixel(2, 2), expected));
    EXPECT_EQ(target.RawPixel(2, 2) >> 24, 0u);
    EXPECT_TRUE(ColorNear(target.Pixel(0, 0), 0xC8C8C8));
    EXPECT_TRUE(ColorNear(target.Pixel(3, 3), 0xC8C8C8));
}

TEST(BlendFallback, RefusesAnEmptyDestination) {
    Source source({0xFFFF0000});
    RenderCanvas target(4, 4);
    const BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    EXPECT_FALSE(CSkinRender::BlendFallback(target.Dc(), 0, 0, 0, 4, source.canvas.Dc(), 0, 0, 1, 1, blend));
    EXPECT_EQ(target.CountNot(0xFFFFFF), 0);
}

TEST(BlendFallback, TakesAlphaBlendsPlaceInBitmapDrawing) {
    auto red = testsupport::MakePixelBitmap(1, 1, {0xFFFF0000});
    const RECT part = {0, 0, 1, 1}, corners = {0, 0, 0, 0}, dest = {2, 2, 10, 10};
    RenderCanvas viaSystem(12, 12), viaFallback(12, 12);
    CSkinRender::DrawBitmap(viaSystem.Dc(), red.get(), dest, viaSystem.Bounds(), part, corners, false, 100);
    const long objects = SkinUI::LiveHandleCount(SkinUI::HandleKind::GdiObject);
    {
        testsupport::WithoutMsimg32 without;
        CSkinRender::DrawBitmap(viaFallback.Dc(), red.get(), dest, viaFallback.Bounds(), part, corners, false, 100);
    }
    EXPECT_EQ(SkinUI::LiveHandleCount(SkinUI::HandleKind::GdiObject), objects);
    EXPECT_TRUE(ColorNear(viaFallback.Pixel(5, 5), viaSystem.Pixel(5, 5), 1));
    EXPECT_TRUE(ColorNear(viaFallback.Pixel(5, 5), 0xFF9B9B, 1));
    EXPECT_TRUE(ColorNear(viaFallback.Pixel(1, 1), 0xFFFFFF));
}

}  // namespace
