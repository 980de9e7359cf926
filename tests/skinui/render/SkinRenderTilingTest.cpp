// Tiling of the middle part, across and down, on the opaque and alpha paths:
// whole tiles repeat and the last one is cut, never scaled.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "skinui/render/SkinRender.h"
#include "tests/support/RenderCanvas.h"

namespace {

using SkinUI::CSkinRender;
using testsupport::Probe;
using testsupport::RenderCanvas;

// A 10x10 source with 5x5 quadrants.
constexpr uint32_t kA = 0xFF0000, kB = 0x00FF00, kC = 0x0000FF, kD = 0xFFFF00, kWhite = 0xFFFFFF;

SkinUI::BitmapHandle QuadrantSource() {
    std::vector<uint32_t> pixels(100);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x) pixels[y * 10 + x] = 0xFF000000 | (y < 5 ? (x < 5 ? kA : kB) : (x < 5 ? kC : kD));
    return testsupport::MakePixelBitmap(10, 10, pixels);
}

struct TilingCase {
    const char* name;
    bool xtiled;
    bool ytiled;
    SIZE size;
    std::vector<Probe> probes;
};

const TilingCase kCases[] = {
    {"Both", true, true, {25, 25},
     {{2, 2, kA}, {7, 2, kB}, {12, 2, kA}, {17, 17, kD}, {22, 2, kA}, {24, 2, kA}, {2, 7, kC},
      {2, 22, kA}, {2, 24, kA}, {24, 24, kA}, {25, 2, kWhite}, {2, 25, kWhite}}},
    {"Across", true, false, {25, 40},
     {{2, 5, kA}, {7, 5, kB}, {12, 35, kC}, {22, 5, kA}, {24, 5, kA}, {24, 35, kC}, {7, 35, kD},
      {2, 39, kC}, {25, 5, kWhite}}},
    {"Down", false, true, {40, 25},
     {{5, 2, kA}, {35, 2, kB}, {5, 7, kC}, {35, 17, kD}, {5, 22, kA}, {5, 24, kA}, {35, 24, kB},
      {5, 25, kWhite}}},
    {"Neither", false, false, {40, 40}, {{5, 5, kA}, {35, 5, kB}, {5, 35, kC}, {35, 35, kD}, {2, 12, kA}}},
};

class Tiling : public testing::TestWithParam<std::tuple<TilingCase, bool>> {};

TEST_P(Tiling, CoversTheMiddle) {
    const TilingCase& tiling = std::get<0>(GetParam());
    const bool alpha = std::get<1>(GetParam());
    RenderCanvas canvas(50, 50);
    auto source = QuadrantSource();
    const RECT dest = {0, 0, tiling.size.cx, tiling.size.cy};
    const RECT part = {0, 0, 10, 10};
    const RECT corners = {0, 0, 0, 0};
    CSkinRender::DrawBitmap(canvas.Dc(), source.get(), dest, canvas.Bounds(), part, corners, alpha, 255, false,
                            tiling.xtiled, tiling.ytiled);
    testsupport::ExpectProbes(canvas, tiling.probes);
}

INSTANTIATE_TEST_SUITE_P(Modes, Tiling, testing::Combine(testing::ValuesIn(kCases), testing::Bool()),
                         [](const testing::TestParamInfo<std::tuple<TilingCase, bool>>& info) {
                             return std::string(std::get<0>(info.param).name) +
                                    (std::get<1>(info.param) ? "Alpha" : "Opaque");
                         });

TEST(Tiling, TilesOnlyTheMiddleOfANineGrid) {
    RenderCanvas canvas(50, 50);
    auto source = QuadrantSource();
    // Corners of 2 leave a 6x6 source middle (2..8) with a 3x3 block of each
    // quadrant; the destination middle is 2..22.
    const RECT dest = {0, 0, 24, 24};
    const RECT part = {0, 0, 10, 10};
    const RECT corners = {2, 2, 2, 2};
    CSkinRender::DrawBitmap(canvas.Dc(), source.get(), dest, canvas.Bounds(), part, corners, false, 255, false, true,
                            true);
    // Tiles at 2, 8, 14 and 20; the last is cut to 2x2 and shows A only.
    testsupport::ExpectProbes(canvas, {{3, 3, kA}, {6, 3, kB}, {9, 3, kA}, {12, 12, kD}, {16, 16, kA},
                                       {20, 20, kA}, {21, 21, kA}, {0, 0, kA}, {23, 23, kD}, {23, 0, kB}});
}

}  // namespace
