// The progress bar: the filled part for values inside and outside the
// range, both directions, cut versus stretched fore images, and attributes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skinui/control/Progress.h"
#include "skinui/core/PaintManager.h"
#include "tests/support/CaseNames.h"
#include "tests/support/ControlHarness.h"
#include "tests/support/Files.h"
#include "tests/support/ImageFiles.h"

namespace {

using namespace SkinUI;
using testsupport::ControlHarness;

// A 200x20 image, red on its left half and blue on its right.
class HalvesImage {
public:
    HalvesImage() {
        std::vector<uint32_t> pixels(200 * 20);
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 200; ++x) pixels[static_cast<size_t>(y) * 200 + x] = x < 100 ? 0xFFFF0000 : 0xFF0000FF;
        testsupport::WriteWholeFile(m_folder.File("halves.png"), testsupport::EncodeImage(200, 20, pixels, "png"));
        CPaintManagerUI::SetResourcePath(m_folder.Path().c_str());
    }
    ~HalvesImage() { CPaintManagerUI::SetResourcePath(""); }

private:
    testsupport::TempFolder m_folder;
};

bool IsPainted(uint32_t px) { return px != 0xFFFFFF; }

struct FillCase {
    const char* attributes;
    RECT pos;
    RECT filled;  // window coordinates
    int storedValue;
};

class ProgressFillTest : public testing::TestWithParam<FillCase> {};

TEST_P(ProgressFillTest, FillsTheFractionOfTheRange) {
    HalvesImage image;
    ControlHarness h;
    const FillCase& c = GetParam();
    const std::string pos = std::to_string(c.pos.left) + "," + std::to_string(c.pos.top) + "," +
                            std::to_string(c.pos.right) + "," + std::to_string(c.pos.bottom);
    const std::string attributes = "float=\"true\" pos=\"" + pos + "\" foreimage=\"halves.png\" " + c.attributes;
    auto* bar = h.Add<CProgressUI>(attributes.c_str());
    const int area = (c.filled.right - c.filled.left) * (c.filled.bottom - c.filled.top);
    EXPECT_EQ(h.Count(c.filled, IsPainted), area) << c.attributes;
    EXPECT_EQ(h.Count(c.pos, IsPainted), area) << c.attributes;
    EXPECT_EQ(bar->GetValue(), c.storedValue);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProgressFillTest,
    testing::Values(FillCase{"value=\"25\"", {10, 10, 210, 30}, {10, 10, 60, 30}, 25},
                    FillCase{"value=\"150\"", {10, 10, 210, 30}, {10, 10, 210, 30}, 100},
                    FillCase{"value=\"-5\"", {10, 10, 210, 30}, {10, 10, 10, 30}, 0},
                    FillCase{"min=\"10\" max=\"30\" value=\"20\"", {10, 10, 210, 30}, {10, 10, 110, 30}, 20},
                    FillCase{"min=\"7\" max=\"7\" value=\"9\"", {10, 10, 210, 30}, {10, 10, 210, 30}, 8},
                    FillCase{"value=\"1\" max=\"3\"", {10, 10, 210, 30}, {10, 10, 76, 30}, 1},
                    FillCase{"hor=\"false\" value=\"25\"", {10, 10, 30, 110}, {10, 85, 30, 110}, 25},
                    FillCase{"hor=\"false\" value=\"1\" max=\"3\"", {10, 10, 30, 110}, {10, 76, 30, 110}, 1}),
    testsupport::CaseIndex());

TEST(ProgressImageTest, CutShowsOnlyTheStartOfTheImageStretchedShowsAll) {
    HalvesImage image;
    ControlHarness h;
    auto* bar = h.Add<CProgressUI>("float=\"true\" pos=\"0,0,200,20\" foreimage=\"halves.png\" value=\"25\"");
    const auto blue = [](uint32_t px) { return px == 0x0000FF; };
    const auto red = [](uint32_t px) { return px == 0xFF0000; };
    EXPECT_GT(h.Count(RECT{0, 0, 50, 20}, blue), 0);  // squeezed: both halves
    bar->SetStretchForeImage(false);
    EXPECT_EQ(h.Count(RECT{0, 0, 50, 20}, blue), 0);  // cut: (0,0,50,20) of the image
    EXPECT_EQ(h.Count(RECT{0, 0, 50, 20}, red), 50 * 20);
}

TEST(ProgressValueTest, SettersStoreWithoutClamping) {
    CProgressUI bar;
    EXPECT_STREQ(bar.GetTypeName(), "ProgressUI");
    EXPECT_EQ(bar.AsInterface("Progress"), &bar);
    EXPECT_EQ(bar.AsInterface("Label"), static_cast<CLabelUI*>(&bar));
    EXPECT_EQ(bar.GetFixedHeight(), 12);
    EXPECT_EQ(bar.GetTextStyle(), 0x21u);
    EXPECT_TRUE(bar.IsHorizontal());
    EXPECT_TRUE(bar.IsStretchForeImage());
    bar.SetValue(500);
    bar.SetMinValue(50);
    bar.SetMaxValue(-1);
    EXPECT_EQ(bar.GetValue(), 500);
    EXPECT_EQ(bar.GetMinValue(), 50);
    EXPECT_EQ(bar.GetMaxValue(), -1);
    bar.ApplyAttributes("hor=\"false\" isstretchfore=\"no\" foreimage=\"a.png\"");
    EXPECT_FALSE(bar.IsHorizontal());
    EXPECT_FALSE(bar.IsStretchForeImage());
    EXPECT_STREQ(bar.GetForeImage(), "a.png");
}

}  // namespace
