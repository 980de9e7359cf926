// Clip records: rectangular and rounded clips, switching between the outer and
// inner clip, and the previous clip coming back when a record goes away.
#include <gtest/gtest.h>

#include "skinui/render/SkinRender.h"
#include "tests/support/RenderCanvas.h"

namespace {

using SkinUI::CSkinClip;
using SkinUI::CSkinRender;
using testsupport::RenderCanvas;

constexpr uint32_t kWhite = 0xFFFFFF, kBlue = 0x0000FF, kGreen = 0x00FF00, kRed = 0xFF0000;

void FillAll(RenderCanvas& canvas, uint32_t rgb) {
    CSkinRender::DrawColor(canvas.Dc(), canvas.Bounds(), 0xFF000000 | rgb);
}

TEST(Clip, RectangleLimitsDrawingUntilTheRecordGoes) {
    RenderCanvas canvas(40, 40);
    const long regions = SkinUI::LiveHandleCount(SkinUI::HandleKind::GdiObject);
    {
        CSkinClip clip;
        CSkinRender::ClipToRect(canvas.Dc(), {10, 10, 20, 20}, clip);
        FillAll(canvas, kBlue);
        testsupport::ExpectProbes(canvas, {{10, 10, kBlue}, {19, 19, kBlue}, {9, 15, kWhite}, {20, 15, kWhite}});
    }
    FillAll(canvas, kGreen);
    testsupport::ExpectProbes(canvas, {{0, 0, kGreen}, {15, 15, kGreen}, {39, 39, kGreen}});
    EXPECT_EQ(SkinUI::LiveHandleCount(SkinUI::HandleKind::GdiObject), regions);
}

TEST(Clip, RoundRectangleCutsTheCorners) {
    RenderCanvas canvas(40, 40);
    CSkinClip clip;
    CSkinRender::ClipToRoundRect(canvas.Dc(), {10, 10, 30, 30}, {10, 10, 30, 30}, 10, 10, clip);
    FillAll(canvas, kBlue);
    testsupport::ExpectProbes(canvas, {{10, 10, kWhite}, {29, 29, kWhite}, {20, 10, kBlue}, {10, 20, kBlue},
                                       {20, 20, kBlue}, {29, 20, kBlue}, {30, 20, kWhite}});
}

TEST(Clip, InnerAndOuterClipsSwitch) {
    RenderCanvas canvas(40, 40);
    CSkinClip outer;
    CSkinRender::ClipToRect(canvas.Dc(), {0, 0, 20, 20}, outer);
    {
        CSkinClip inner;
        CSkinRender::ClipToRect(canvas.Dc(), {10, 10, 30, 30}, inner);
        FillAll(canvas, kBlue);  // both clips apply
        testsupport::ExpectProbes(canvas, {{15, 15, kBlue}, {25, 25, kWhite}, {5, 5, kWhite}});

        CSkinRender::UseInnerClip(canvas.Dc(), inner);  // the inner rectangle alone
        FillAll(canvas, kGreen);
        testsupport::ExpectProbes(canvas, {{25, 25, kGreen}, {15, 15, kGreen}, {5, 5, kWhite}});

        CSkinRender::UseOuterClip(canvas.Dc(), inner);  // what was in force before
        FillAll(canvas, kRed);
        testsupport::ExpectProbes(canvas, {{5, 5, kRed}, {15, 15, kRed}, {25, 25, kGreen}});
    }
    FillAll(canvas, kBlue);
    testsupport::ExpectProbes(canvas, {{19, 19, kBlue}, {25, 25, kGreen}});
}

}  // namespace
