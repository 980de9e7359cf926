// The label: attribute forms (alignment keywords, shadow offset, hints), the
// text accessors in both modes and their exceptions, measuring, and text
// drawn by the render engine and by GDI+.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "skinui/control/Label.h"
#include "skinui/core/PaintManager.h"
#include "tests/support/CaseNames.h"
#include "tests/support/ControlHarness.h"
#include "tests/support/TestControls.h"

namespace {

using namespace SkinUI;
using testsupport::ControlHarness;

struct AlignCase {
    const char* value;
    UINT style;
};

class LabelAlignTest : public testing::TestWithParam<AlignCase> {};

TEST_P(LabelAlignTest, KeywordsChangeTheTextStyle) {
    CLabelUI label;
    label.SetAttribute("align", GetParam().value);
    EXPECT_EQ(label.GetTextStyle(), GetParam().style) << GetParam().value;
}

INSTANTIATE_TEST_SUITE_P(Cases, LabelAlignTest,
                         testing::Values(AlignCase{"left", 0x0}, AlignCase{"center", 0x5}, AlignCase{"right", 0x2},
                                         AlignCase{"top", 0x20}, AlignCase{"vcenter", 0x25},
                                         AlignCase{"bottom", 0x28}, AlignCase{"left vcenter", 0x25},
                                         AlignCase{"right bottom", 0x2A}, AlignCase{"Left", 0x4}),
                         testsupport::CaseIndex());

struct ShadowCase {
    const char* value;
    float x;
    float y;
};

class LabelShadowOffsetTest : public testing::TestWithParam<ShadowCase> {};

TEST_P(LabelShadowOffsetTest, OffsetAndAngleGiveTheStoredPair) {
    CLabelUI label;
    label.SetAttribute("shadowoffset", GetParam().value);
    EXPECT_FLOAT_EQ(label.GetShadowOffset().X, GetParam().x) << GetParam().value;
    EXPECT_FLOAT_EQ(label.GetShadowOffset().Y, GetParam().y) << GetParam().value;
}

INSTANTIATE_TEST_SUITE_P(Cases, LabelShadowOffsetTest,
                         testing::Values(ShadowCase{"3,200", 0, 0}, ShadowCase{"3,-181", 0, 0},
                                         ShadowCase{"3,-90", 3, 0}, ShadowCase{"3,45", -3, -3},
                                         ShadowCase{"3,180", -3, 3}, ShadowCase{"3,-180", 0, 3},
                                         ShadowCase{"3,90", -3, -3}, ShadowCase{"3,-135", 3, 3}),
                         testsupport::CaseIndex());

TEST(LabelAttributeTest, DefaultsAndEffectSettings) {
    CLabelUI label;
    EXPECT_STREQ(label.GetTypeName(), "LabelUI");
    EXPECT_EQ(label.AsInterface("Label"), &label);
    EXPECT_EQ(label.GetTextStyle(), static_cast<UINT>(DT_VCENTER));
    EXPECT_EQ(label.GetFont(), -1);
    EXPECT_EQ(label.GetTransText(), 168);
    EXPECT_EQ(label.GetTransShadow1(), 60);
    EXPECT_EQ(label.GetTextColor1(), 0xFFFFFFFFu);
    EXPECT_EQ(label.GetEffectStringAlignment(), 0);
    EXPECT_EQ(label.GetEffectLineAlignment(), 1);

    label.ApplyAttributes(
        "rhaa=\"9\" endellipsis=\"true\" textcolor=\"#FF102030\" textpadding=\"1,2,3,4\" transstroke=\"7\" "
        "strokecolor=\"FF0000FF\" gradientangle=\"12\" enabledstroke=\"true\" font=\"2\"");
    EXPECT_EQ(label.GetTextRenderingHint(), 0);
    EXPECT_EQ(label.GetTextStyle(), static_cast<UINT>(DT_VCENTER | DT_END_ELLIPSIS));
    EXPECT_EQ(label.GetTextColor(), 0xFF102030u);
    EXPECT_EQ(label.GetTextPadding().bottom, 4);
    EXPECT_EQ(label.GetTransStroke(), 7);
    EXPECT_EQ(label.GetStrokeColor(), 0xFF0000FFu);
    EXPECT_EQ(label.GetGradientAngle(), 12);
    EXPECT_TRUE(label.GetEnabledStroke());
    EXPECT_EQ(label.GetFont(), 2);
    label.ApplyAttributes("rhaa=\"4\" endellipsis=\"yes\"");
    EXPECT_EQ(label.GetTextRenderingHint(), 4);
    EXPECT_EQ(label.GetTextStyle(), static_cast<UINT>(DT_VCENTER));
}

TEST(LabelTextTest, EffectModeKeepsItsOwnText) {
    CLabelUI label;
    label.SetText("plain");
    label.SetAttribute("enabledeffect", "true");
    EXPECT_STREQ(label.GetText(), "");
    label.SetText("effect");
    EXPECT_STREQ(label.GetText(), "effect");
    EXPECT_STREQ(label.CControlUI::GetText(), "plain");
    label.SetEnabledEffect(false);
    EXPECT_STREQ(label.GetText(), "plain");
}

// A parent whose rectangle cannot be read: the repaint request inside
// SetText fails.
class BrokenParent : public testsupport::RecordingControl {
public:
    const RECT& GetPos() const override { throw std::runtime_error("no rectangle"); }
};

TEST(LabelTextTest, FailureLeavesAsTheNamedException) {
    BrokenParent parent;
    CLabelUI label;
    label.SetManager(nullptr, &parent, false);
    std::string caught;
    try {
        label.SetText("boom");
    } catch (const char* what) {
        caught = what;
    }
    EXPECT_EQ(caught, "CLabelUI::SetText");
    // Effect mode stores without a repaint, so the same parent does no harm.
    label.SetEnabledEffect(true);
    EXPECT_NO_THROW(label.SetText("quiet"));
    EXPECT_STREQ(label.GetText(), "quiet");
}

TEST(LabelMeasureTest, FontHeightPlusFourUnlessFixed) {
    ControlHarness h;
    h.window.Manager().RegisterFont("Tahoma", 30, false, false, false);
    auto* label = h.Add<CLabelUI>("font=\"0\" width=\"70\"");
    const int tmHeight = h.window.Manager().FontInfoByIndex(0)->tm.tmHeight;
    ASSERT_GT(tmHeight, 20);
    EXPECT_EQ(label->MeasureSize(SIZE{300, 200}).cy, tmHeight + 4);
    EXPECT_EQ(label->MeasureSize(SIZE{300, 200}).cx, 70);
    label->SetFixedHeight(9);
    EXPECT_EQ(label->MeasureSize(SIZE{300, 200}).cy, 9);
}

bool IsReddish(uint32_t px) { return testsupport::Red(px) > 180 && testsupport::Green(px) < 90 && testsupport::Blue(px) < 90; }
bool IsGreyish(uint32_t px) {
    return px != 0xFFFFFF && testsupport::Red(px) == testsupport::Green(px) && testsupport::Green(px) == testsupport::Blue(px);
}

TEST(LabelPaintTest, PlainTextUsesTheEnabledOrDisabledColour) {
    ControlHarness h;
    h.window.Manager().RegisterFont("Tahoma", 30, true, false, false);
    auto* label = h.Add<CLabelUI>(
        "float=\"true\" pos=\"0,0,200,50\" font=\"0\" text=\"HHHH\" textcolor=\"#FFFF0000\" "
        "disabledtextcolor=\"#FF808080\"");
    const RECT area = {0, 0, 200, 50};
    EXPECT_GT(h.Count(area, IsReddish), 50);
    label->SetEnabled(false);
    EXPECT_EQ(h.Count(area, IsReddish), 0);
    EXPECT_GT(h.Count(area, IsGreyish), 50);
}

TEST(LabelPaintTest, DefaultColoursAreWrittenAtTheFirstPaint) {
    ControlHarness h;
    auto* label = h.Add<CLabelUI>("float=\"true\" pos=\"0,0,100,20\" text=\"x\"");
    h.window.Manager().SetDefaultFontColor(0xFF123456);
    EXPECT_EQ(label->GetTextColor(), 0u);
    h.window.Paint();
    EXPECT_EQ(label->GetTextColor(), 0xFF123456u);
    EXPECT_EQ(label->GetDisabledTextColor(), h.window.Manager().DefaultDisabledColor());
    h.window.Manager().SetDefaultFontColor(0xFF000000);
    h.window.Paint();
    EXPECT_EQ(label->GetTextColor(), 0xFF123456u);
}

// Effect drawing with opaque brushes on black, so each brush leaves pixels of
// its own hue (edges blend towards black, never towards white).
char Hue(uint32_t px) {
    using testsupport::Blue;
    using testsupport::Green;
    using testsupport::Red;
    if (Red(px) > 200 && Green(px) < 60 && Blue(px) < 60) return 'r';
    if (Green(px) > 200 && Red(px) < 60 && Blue(px) < 60) return 'g';
    if (Blue(px) > 200 && Red(px) < 60 && Green(px) < 60) return 'b';
    if (Red(px) > 200 && Green(px) > 60 && Green(px) < 200) return 'p';  // red washed towards white
    return '-';
}

struct EffectCase {
    const char* attributes;
    char present;  // a hue that must appear
    char absent;   // a hue that must not
};

class LabelEffectTest : public testing::TestWithParam<EffectCase> {};

TEST_P(LabelEffectTest, BrushesShowTheirColours) {
    ControlHarness h;
    h.window.Manager().RegisterFont("Tahoma", 36, true, false, false);
    std::string attributes =
        "float=\"true\" pos=\"10,10,260,90\" bkcolor=\"#FF000000\" font=\"0\" enabledeffect=\"true\" rhaa=\"1\" transtext=\"255\" "
        "transtext1=\"255\" transshadow=\"255\" transshadow1=\"255\" transstroke=\"255\" textcolor=\"#FFFF0000\" ";
    attributes += GetParam().attributes;
    auto* label = h.Add<CLabelUI>(attributes.c_str());
    label->SetText("HHHH");
    const RECT area = {0, 0, 300, 200};
    const char present = GetParam().present;
    const char absent = GetParam().absent;
    EXPECT_GT(h.Count(area, [present](uint32_t px) { return Hue(px) == present; }), 30) << GetParam().attributes;
    EXPECT_EQ(h.Count(area, [absent](uint32_t px) { return Hue(px) == absent; }), 0) << GetParam().attributes;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LabelEffectTest,
    testing::Values(
        // Opaque white as the second colour means "the text colour": no blend towards white.
        EffectCase{"textcolor1=\"#FFFFFFFF\"", 'r', 'p'},
        EffectCase{"textcolor1=\"#FF0000FF\" gradientlength=\"30\"", 'b', 'g'},
        EffectCase{"enabledshadow=\"true\" textshadowcolora=\"#FF00FF00\" shadowoffset=\"4,-135\"", 'g', 'b'},
        EffectCase{"enabledshadow=\"false\" textshadowcolora=\"#FF00FF00\" shadowoffset=\"4,-135\"", 'r', 'g'},
        EffectCase{"enabledstroke=\"true\" strokecolor=\"#FF0000FF\"", 'b', 'g'},
        EffectCase{"enabledstroke=\"true\" strokecolor=\"#00000000\"", 'r', 'b'}),
    testsupport::CaseIndex());

}  // namespace
