// Hue, saturation and lightness adjustment of skin colours.
#include <gtest/gtest.h>

#include "skinui/render/SkinRender.h"
#include "tests/support/CaseNames.h"

namespace {

struct AdjustCase {
    DWORD color;
    short hue;
    short saturation;
    short lightness;
    DWORD expected;
};

class AdjustColor : public testing::TestWithParam<AdjustCase> {};

TEST_P(AdjustColor, ShiftsAndScales) {
    const AdjustCase& c = GetParam();
    EXPECT_EQ(SkinUI::CSkinRender::AdjustColor(c.color, c.hue, c.saturation, c.lightness), c.expected);
}

// The lowest byte is the first (red) component of the hue circle.
INSTANTIATE_TEST_SUITE_P(Cases, AdjustColor,
                         testing::Values(AdjustCase{0xFF123456, 180, 100, 100, 0xFF123456},   // unchanged
                                         AdjustCase{0x00ABCDEF, 180, 100, 100, 0x00ABCDEF},   // even alpha 0
                                         AdjustCase{0xFF0000FF, 300, 100, 100, 0xFF00FF00},   // +120 degrees
                                         AdjustCase{0xFF0000FF, 60, 100, 100, 0xFFFF0000},    // -120 wraps
                                         AdjustCase{0xFF00FF00, 240, 100, 100, 0xFFFFFF00},   // 120 + 60
                                         AdjustCase{0x800000FF, 180, 0, 100, 0x807F7F7F},     // grey, alpha kept
                                         AdjustCase{0xFF0000FF, 180, 100, 0, 0xFF000000},     // black
                                         AdjustCase{0xFF0000FF, 180, 100, 200, 0xFFFFFFFF},   // white
                                         AdjustCase{0xFF0000FF, 180, 50, 100, 0xFF3F3FBF}),   // half saturation
                         testsupport::CaseIndex());

}  // namespace
