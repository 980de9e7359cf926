// Colour fills and gradients, with and without msimg32's GradientFill.
#include <gtest/gtest.h>

#include <string>

#include "skinui/render/SkinRender.h"
#include "tests/support/RenderCanvas.h"
#include "tests/support/RenderCaseNames.h"
#include "tests/support/RenderInternals.h"

namespace {

using SkinUI::CSkinRender;
using testsupport::ColorNear;
using testsupport::Probe;
using testsupport::RenderCanvas;

constexpr uint32_t kWhite = 0xFFFFFF;

struct ColorCase {
    const char* name;
    DWORD color;
    uint32_t inside;
};

const ColorCase kColorCases[] = {
    {"Transparent", 0x00FF0000, kWhite},
    {"Opaque", 0xFF0000FF, 0x0000FF},
    {"HalfBlack", 0x80000000, 0x7F7F7F},
    // The colour is scaled by its alpha before the blend: 0x40 * 0x80 / 255 + 0x7F.
    {"HalfRed", 0x80400000, 0x9F7F7F},
};

class DrawColor : public testing::TestWithParam<ColorCase> {};

TEST_P(DrawColor, FillsTheRectangleOnly) {
    RenderCanvas canvas(20, 20);
    const RECT rc = {5, 5, 15, 15};
    CSkinRender::DrawColor(canvas.Dc(), rc, GetParam().color);
    testsupport::ExpectProbes(canvas, {{5, 5, GetParam().inside}, {14, 14, GetParam().inside},
                                       {4, 10, kWhite}, {15, 10, kWhite}, {10, 15, kWhite}}, 1);
}

INSTANTIATE_TEST_SUITE_P(Colors, DrawColor, testing::ValuesIn(kColorCases),
                         testsupport::NameField());

struct GradientCase {
    const char* name;
    DWORD first;
    DWORD second;
    bool vertical;
    bool withGradientFill;
    int steps;
    std::vector<Probe> probes;  // on a 64x64 gradient at (8, 8) over grey
    int tolerance;
};

constexpr uint32_t kGrey = 0x808080;
const GradientCase kGradientCases[] = {
    {"Vertical", 0xFF000000, 0xFFFFFFFF, true, true, 64,
     {{8, 8, 0x000000}, {71, 8, 0x000000}, {40, 71, 0xFBFBFB}, {20, 40, 0x808080}, {40, 7, kGrey}, {40, 72, kGrey}},
     5},
    {"Horizontal", 0xFF000000, 0xFFFFFFFF, false, true, 64,
     {{8, 8, 0x000000}, {8, 71, 0x000000}, {71, 40, 0xFBFBFB}, {40, 20, 0x808080}, {7, 40, kGrey}, {72, 40, kGrey}},
     5},
    {"BothTransparent", 0x00FF0000, 0x000000FF, true, true, 64, {{8, 8, kGrey}, {40, 40, kGrey}, {71, 71, kGrey}},
     0},
    // Mean alpha (0xFF + 0) / 2 = 127 blends blue over grey.
    {"HalfTransparent", 0xFF0000FF, 0x000000FF, true, true, 64, {{8, 8, 0x4040BF}, {71, 71, 0x4040BF}}, 2},
    // Bands: band i holds (second * (64 - i) + first * i) >> 6, band 0 at the bottom.
    {"BandsVertical", 0xFF000000, 0xFFFFFFFF, true, false, 64,
     {{40, 8, 0x030303}, {40, 40, 0x838383}, {40, 71, 0xFFFFFF}, {40, 7, kGrey}, {40, 72, kGrey}}, 0},
    {"BandsHorizontalTwo", 0xFF000000, 0xFFFFFFFF, false, false, 2,
     {{8, 40, 0x7F7F7F}, {39, 40, 0x7F7F7F}, {40, 40, 0xFFFFFF}, {71, 8, 0xFFFFFF}, {72, 40, kGrey}}, 0},
    {"BandsEight", 0xFF0000FF, 0xFFFF0000, true, false, 8,
     {{40, 8, 0x1F00DF}, {40, 15, 0x1F00DF}, {40, 63, 0xDF001F}, {40, 64, 0xFF0000}, {40, 71, 0xFF0000}}, 0},
};

class DrawGradient : public testing::TestWithParam<GradientCase> {};

TEST_P(DrawGradient, FillsFromFirstToSecond) {
    const GradientCase& c = GetParam();
    RenderCanvas canvas(80, 80, kGrey);
    const RECT rc = {8, 8, 72, 72};
    const long objects = SkinUI::LiveHandleCount(SkinUI::HandleKind::GdiObject);
    const long dcs = SkinUI::LiveHandleCount(SkinUI::HandleKind::Dc);
    if (c.withGradientFill) {
        CSkinRender::DrawGradient(canvas.Dc(), rc, c.first, c.second, c.vertical, c.steps);
    } else {
        testsupport::WithoutMsimg32 without;
        CSkinRender::DrawGradient(canvas.Dc(), rc, c.first, c.second, c.vertical, c.steps);
    }
    testsupport::ExpectProbes(canvas, c.probes, c.tolerance);
    EXPECT_EQ(SkinUI::LiveHandleCount(SkinUI::HandleKind::GdiObject), objects);
    EXPECT_EQ(SkinUI::LiveHandleCount(SkinUI::HandleKind::Dc), dcs);
}

INSTANTIATE_TEST_SUITE_P(Gradients, DrawGradient, testing::ValuesIn(kGradientCases),
                         testsupport::NameField());

TEST(DrawGradient, RunsTheSameAlongTheOtherAxis) {
    RenderCanvas canvas(80, 80, kGrey);
    const RECT rc = {8, 8, 72, 72};
    CSkinRender::DrawGradient(canvas.Dc(), rc, 0xFF000000, 0xFFFFFFFF, true, 64);
    for (int y = 8; y < 72; y += 9) EXPECT_EQ(canvas.Pixel(9, y), canvas.Pixel(70, y)) << y;
    EXPECT_LT(canvas.Pixel(40, 20) & 0xFF, canvas.Pixel(40, 60) & 0xFF);
}

}  // namespace
