// Lines, rectangles and rounded rectangles, and plain text: pixels, and the DC
// handed back as it came.
#include <gtest/gtest.h>

#include <cstring>

#include "skinui/core/PaintManager.h"
#include "skinui/render/SkinRender.h"
#include "tests/support/RenderCanvas.h"

namespace {

using SkinUI::CSkinRender;
using testsupport::RenderCanvas;

constexpr uint32_t kWhite = 0xFFFFFF, kRed = 0xFF0000;
constexpr DWORD kSkinRed = 0xFFFF0000;

class Outline : public testing::Test {
protected:
    void SetUp() override {
        m_pen = GetCurrentObject(canvas.Dc(), OBJ_PEN);
        m_brush = GetCurrentObject(canvas.Dc(), OBJ_BRUSH);
        m_objects = SkinUI::LiveHandleCount(SkinUI::HandleKind::GdiObject);
    }
    void TearDown() override {
        EXPECT_EQ(GetCurrentObject(canvas.Dc(), OBJ_PEN), m_pen);
        EXPECT_EQ(GetCurrentObject(canvas.Dc(), OBJ_BRUSH), m_brush);
        EXPECT_EQ(SkinUI::LiveHandleCount(SkinUI::HandleKind::GdiObject), m_objects);
    }

    RenderCanvas canvas{40, 40};

private:
    HGDIOBJ m_pen = nullptr;
    HGDIOBJ m_brush = nullptr;
    long m_objects = 0;
};

TEST_F(Outline, LineRunsFromTopLeftToBottomRight) {
    CSkinRender::DrawLine(canvas.Dc(), {5, 5, 30, 5}, 1, kSkinRed);
    CSkinRender::DrawLine(canvas.Dc(), {5, 10, 5, 30}, 3, 0xFF0000FF);
    testsupport::ExpectProbes(canvas, {{5, 5, kRed}, {29, 5, kRed}, {30, 5, kWhite}, {10, 6, kWhite},
                                       {4, 20, 0x0000FF}, {6, 20, 0x0000FF}, {8, 20, kWhite}});
}

TEST_F(Outline, RectangleFrameStaysInsideAndHollow) {
    CSkinRender::DrawRect(canvas.Dc(), {10, 10, 30, 30}, 2, kSkinRed);
    testsupport::ExpectProbes(canvas, {{10, 10, kRed}, {11, 20, kRed}, {29, 29, kRed}, {28, 20, kRed},
                                       {12, 20, kWhite}, {20, 20, kWhite}, {30, 30, kWhite}, {9, 9, kWhite}});
}

TEST_F(Outline, RoundRectangleCutsItsCorners) {
    CSkinRender::DrawRoundRect(canvas.Dc(), {10, 10, 30, 30}, 1, 10, 10, kSkinRed);
    testsupport::ExpectProbes(canvas, {{10, 10, kWhite}, {20, 10, kRed}, {10, 20, kRed}, {20, 20, kWhite},
                                       {29, 29, kWhite}, {29, 20, kRed}});
}

class PlainText : public testing::Test {
protected:
    SkinUI::CPaintManagerUI manager;
    RenderCanvas canvas{120, 40};
};

TEST_F(PlainText, DrawsInTheColourInsideTheRectangle) {
    RECT rc = {10, 10, 110, 30};
    const HGDIOBJ font = GetCurrentObject(canvas.Dc(), OBJ_FONT);
    CSkinRender::DrawPlainText(canvas.Dc(), &manager, rc, "MMMM", kSkinRed, -1, DT_SINGLELINE);
    int red = 0, elsewhere = 0;
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 120; ++x) {
            const uint32_t pixel = canvas.Pixel(x, y);
            if (pixel == kWhite) continue;
            const bool inside = x >= 10 && x < 110 && y >= 10 && y < 30;
            elsewhere += !inside;
            const int r = (pixel >> 16) & 0xFF, g = (pixel >> 8) & 0xFF, b = pixel & 0xFF;
            red += inside && r > g + 0x40 && r > b + 0x40;
        }
    }
    EXPECT_GT(red, 10);
    EXPECT_EQ(elsewhere, 0);
    EXPECT_EQ(GetBkMode(canvas.Dc()), TRANSPARENT);
    EXPECT_EQ(GetCurrentObject(canvas.Dc(), OBJ_FONT), font);
}

TEST_F(PlainText, AmpersandsAreText) {
    RECT rc = {0, 0, 1000, 40};
    CSkinRender::DrawPlainText(canvas.Dc(), &manager, rc, "a&b", kSkinRed, -1, DT_SINGLELINE | DT_CALCRECT);
    SkinUI::SelectGuard select(canvas.Dc(), manager.FontByIndex(-1));
    SIZE size = {};
    GetTextExtentPoint32A(canvas.Dc(), "a&b", 3, &size);
    EXPECT_EQ(rc.right, size.cx);
    EXPECT_EQ(canvas.CountNot(kWhite), 0);
}

TEST_F(PlainText, NullTextOrManagerDrawsNothing) {
    RECT rc = {0, 0, 120, 40};
    CSkinRender::DrawPlainText(canvas.Dc(), &manager, rc, nullptr, kSkinRed, -1, 0);
    CSkinRender::DrawPlainText(canvas.Dc(), nullptr, rc, "MMMM", kSkinRed, -1, 0);
    EXPECT_EQ(canvas.CountNot(kWhite), 0);
}

}  // namespace
