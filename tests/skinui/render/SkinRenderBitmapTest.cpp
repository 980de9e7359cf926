// Bitmap drawing: nine-grid parts, hole, the paint rectangle, the opaque copy,
// fade and per-pixel alpha, and what the DC looks like afterwards.
#include <gtest/gtest.h>

#include "skinui/render/SkinRender.h"
#include "tests/support/RenderCanvas.h"

namespace {

using SkinUI::CSkinRender;
using testsupport::ColorNear;
using testsupport::Probe;
using testsupport::RenderCanvas;

// A 12x12 source cut 4/4/4 each way, one colour per part.
constexpr uint32_t kLeftTop = 0xFF0000, kTop = 0x00FF00, kRightTop = 0x0000FF;
constexpr uint32_t kLeft = 0xFFFF00, kMiddle = 0x00FFFF, kRight = 0xFF00FF;
constexpr uint32_t kLeftBottom = 0x800000, kBottom = 0x008000, kRightBottom = 0x000080;
constexpr uint32_t kWhite = 0xFFFFFF;

SkinUI::BitmapHandle NineGridSource() {
    const uint32_t parts[9] = {kLeftTop, kTop, kRightTop, kLeft, kMiddle, kRight, kLeftBottom, kBottom, kRightBottom};
    std::vector<uint32_t> pixels(144);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 12; ++x) pixels[y * 12 + x] = 0xFF000000 | parts[(y / 4) * 3 + x / 4];
    return testsupport::MakePixelBitmap(12, 12, pixels);
}

constexpr RECT kSource = {0, 0, 12, 12};
constexpr RECT kCorners = {4, 4, 4, 4};
constexpr RECT kNoCorners = {0, 0, 0, 0};
constexpr RECT kDest = {10, 10, 110, 40};  // 100 x 30

// Drawing through StretchBlt and through AlphaBlend must cut the same parts.
class NineGrid : public testing::TestWithParam<bool> {};

TEST_P(NineGrid, CornersKeepTheirSizeEdgesStretchOneWayMiddleBoth) {
    RenderCanvas canvas(120, 50);
    auto source = NineGridSource();
    CSkinRender::DrawBitmap(canvas.Dc(), source.get(), kDest, canvas.Bounds(), kSource, kCorners, GetParam());
    testsupport::ExpectProbes(canvas, {
        {10, 10, kLeftTop},     {13, 13, kLeftTop},     {14, 10, kTop},         {60, 13, kTop},
        {105, 12, kTop},        {106, 10, kRightTop},   {109, 13, kRightTop},   {10, 14, kLeft},
        {13, 35, kLeft},        {14, 14, kMiddle},      {60, 25, kMiddle},      {105, 35, kMiddle},
        {106, 14, kRight},      {109, 35, kRight},      {10, 36, kLeftBottom},  {13, 39, kLeftBottom},
        {14, 39, kBottom},      {60, 36, kBottom},      {106, 36, kRightBottom}, {109, 39, kRightBottom},
        {9, 9, kWhite},         {110, 25, kWhite},      {60, 40, kWhite},
    });
}

INSTANTIATE_TEST_SUITE_P(Paths, NineGrid, testing::Values(false, true),
                         [](const testing::TestParamInfo<bool>& info) { return info.param ? "Alpha" : "Opaque"; });

TEST(DrawBitmap, HoleLeavesTheMiddleAlone) {
    RenderCanvas canvas(120, 50);
    auto source = NineGridSource();
    CSkinRender::DrawBitmap(canvas.Dc(), source.get(), kDest, canvas.Bounds(), kSource, kCorners, false, 255, true);
    testsupport::ExpectProbes(canvas, {{14, 14, kWhite}, {60, 25, kWhite}, {60, 12, kTop}, {12, 25, kLeft}});
}

TEST(DrawBitmap, OnlyPartsMeetingThePaintRectangleAreDrawn) {
    RenderCanvas canvas(120, 50);
    auto source = NineGridSource();
    const RECT paint = {0, 0, 12, 12};  // the left-top corner only
    CSkinRender::DrawBitmap(canvas.Dc(), source.get(), kDest, paint, kSource, kCorners, false);
    testsupport::ExpectProbes(canvas, {{12, 12, kLeftTop}, {60, 25, kWhite}, {60, 12, kWhite}, {12, 25, kWhite}});
}

TEST(DrawBitmap, UnscaledOpaqueImageCopiesOnlyTheDirtyPart) {
    RenderCanvas canvas(40, 40);
    auto source = NineGridSource();
    const RECT dest = {10, 10, 22, 22};
    const RECT paint = {14, 14, 40, 40};
    CSkinRender::DrawBitmap(canvas.Dc(), source.get(), dest, paint, kSource, kNoCorners, false);
    testsupport::ExpectProbes(canvas, {{14, 14, kMiddle}, {21, 21, kRightBottom}, {18, 14, kRight},
                                       {13, 13, kWhite}, {12, 20, kWhite}, {22, 22, kWhite}});
}

TEST(DrawBitmap, UnscaledCopyTakesTheSourceOffset) {
    RenderCanvas canvas(20, 20);
    auto source = NineGridSource();
    const RECT dest = {0, 0, 4, 4};
    const RECT part = {8, 8, 12, 12};
    CSkinRender::DrawBitmap(canvas.Dc(), source.get(), dest, canvas.Bounds(), part, kNoCorners, false);
    testsupport::ExpectProbes(canvas, {{0, 0, kRightBottom}, {3, 3, kRightBottom}, {4, 4, kWhite}});
}

TEST(DrawBitmap, FadeBlendsAnOpaqueImage) {
    RenderCanvas canvas(20, 20);
    auto red = testsupport::MakePixelBitmap(1, 1, {0xFFFF0000});
    const RECT part = {0, 0, 1, 1};
    CSkinRender::DrawBitmap(canvas.Dc(), red.get(), canvas.Bounds(), canvas.Bounds(), part, kNoCorners, false, 128);
    EXPECT_TRUE(ColorNear(canvas.Pixel(10, 10), 0xFF7F7F, 1));
}

TEST(DrawBitmap, AlphaImageIsBlendedPremultiplied) {
    RenderCanvas canvas(20, 20);
    auto halfRed = testsupport::MakePixelBitmap(1, 1, {0x80800000});
    const RECT part = {0, 0, 1, 1};
    CSkinRender::DrawBitmap(canvas.Dc(), halfRed.get(), canvas.Bounds(), canvas.Bounds(), part, kNoCorners, true);
    EXPECT_TRUE(ColorNear(canvas.Pixel(5, 5), 0xFF7F7F, 1));
}

TEST(DrawBitmap, WithoutAlphaTheSameImageIsCopied) {
    RenderCanvas canvas(20, 20);
    auto halfRed = testsupport::MakePixelBitmap(1, 1, {0x80800000});
    const RECT part = {0, 0, 1, 1};
    CSkinRender::DrawBitmap(canvas.Dc(), halfRed.get(), canvas.Bounds(), canvas.Bounds(), part, kNoCorners, false);
    EXPECT_TRUE(ColorNear(canvas.Pixel(5, 5), 0x800000, 1));
}

TEST(DrawBitmap, NullBitmapDrawsNothing) {
    RenderCanvas canvas(20, 20);
    CSkinRender::DrawBitmap(canvas.Dc(), nullptr, canvas.Bounds(), canvas.Bounds(), kSource, kNoCorners, true);
    EXPECT_EQ(canvas.CountNot(kWhite), 0);
}

TEST(DrawBitmap, RestoresStretchModeAndFreesWhatItMade) {
    RenderCanvas canvas(120, 50);
    auto source = NineGridSource();
    SetStretchBltMode(canvas.Dc(), COLORONCOLOR);
    const long objects = SkinUI::LiveHandleCount(SkinUI::HandleKind::GdiObject);
    const long dcs = SkinUI::LiveHandleCount(SkinUI::HandleKind::Dc);
    const HGDIOBJ bitmapBefore = GetCurrentObject(canvas.Dc(), OBJ_BITMAP);
    for (bool alpha : {false, true}) {
        CSkinRender::DrawBitmap(canvas.Dc(), source.get(), kDest, canvas.Bounds(), kSource, kCorners, alpha, 255,
                                false, true, true);
    }
    EXPECT_EQ(GetStretchBltMode(canvas.Dc()), COLORONCOLOR);
    EXPECT_EQ(GetCurrentObject(canvas.Dc(), OBJ_BITMAP), bitmapBefore);
    EXPECT_EQ(SkinUI::LiveHandleCount(SkinUI::HandleKind::GdiObject), objects);
    EXPECT_EQ(SkinUI::LiveHandleCount(SkinUI::HandleKind::Dc), dcs);
    // The source is no longer selected anywhere, so another DC can take it.
    SkinUI::MemoryDc dc(CreateCompatibleDC(nullptr));
    EXPECT_NE(SelectObject(dc.get(), source.get()), nullptr);
}

}  // namespace
