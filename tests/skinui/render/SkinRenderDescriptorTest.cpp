// Image descriptors drawn through a paint manager from real image files:
// keys, several images in one descriptor, modifiers, and what is skipped.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "skinui/core/PaintManager.h"
#include "skinui/render/SkinRender.h"
#include "tests/support/Files.h"
#include "tests/support/ImageFiles.h"
#include "tests/support/RenderCanvas.h"
#include "tests/support/RenderCaseNames.h"

namespace {

using SkinUI::CSkinRender;
using testsupport::Probe;
using testsupport::RenderCanvas;

constexpr uint32_t kA = 0xFF0000, kB = 0x00FF00, kC = 0x0000FF, kD = 0xFFFF00;
constexpr uint32_t kGreen = 0x00FF00, kWhite = 0xFFFFFF;
constexpr RECT kItem = {10, 10, 110, 40};  // 100 x 30

// quad.png: 20x20 with 10x10 quadrants A B / C D; solid red and green; a
// half-transparent red; all in one folder set as the resource path.
class Images {
public:
    Images() {
        std::vector<uint32_t> quad(400);
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 20; ++x)
                quad[y * 20 + x] = 0xFF000000 | (y < 10 ? (x < 10 ? kA : kB) : (x < 10 ? kC : kD));
        Write("quad.png", testsupport::EncodeImage(20, 20, quad, "png"));
        Write("red.png", testsupport::SolidImage(10, 10, 0xFFFF0000, "png"));
        Write("green.png", testsupport::SolidImage(10, 10, 0xFF00FF00, "png"));
        Write("halfred.png", testsupport::SolidImage(10, 10, 0x80FF0000, "png"));
    }
    const std::string& Path() const { return m_folder.Path(); }

private:
    void Write(const char* name, const std::string& bytes) {
        EXPECT_FALSE(bytes.empty()) << name;
        EXPECT_TRUE(testsupport::WriteWholeFile(m_folder.File(name), bytes)) << name;
    }
    testsupport::TempFolder m_folder;
};

class DescriptorTest : public testing::Test {
protected:
    static void SetUpTestSuite() { s_images = std::make_unique<Images>(); }
    static void TearDownTestSuite() { s_images.reset(); }
    void SetUp() override { SkinUI::CPaintManagerUI::SetResourcePath(s_images->Path().c_str()); }
    void TearDown() override { SkinUI::CPaintManagerUI::SetResourcePath(""); }

    bool Draw(const char* descriptor, const char* modifier = nullptr) {
        return CSkinRender::DrawImageDescriptor(canvas.Dc(), &manager, kItem, canvas.Bounds(), descriptor, modifier);
    }

    static std::unique_ptr<Images> s_images;
    SkinUI::CPaintManagerUI manager;
    RenderCanvas canvas{130, 60};
};

std::unique_ptr<Images> DescriptorTest::s_images;

struct DescriptorCase {
    const char* name;
    const char* descriptor;
    const char* modifier;
    std::vector<Probe> probes;
};

const DescriptorCase kCases[] = {
    {"BareFileNameIsStretched", "quad.png", nullptr,
     {{12, 12, kA}, {107, 12, kB}, {12, 37, kC}, {107, 37, kD}, {9, 20, kWhite}, {110, 20, kWhite}, {60, 40, kWhite}}},
    {"Source", "file='quad.png' source='10,10,20,20'", nullptr, {{12, 12, kD}, {107, 37, kD}}},
    {"DestPlacesTheSourcePart", "file='quad.png' source='0,0,20,20' dest='10,5,30,25'", nullptr,
     {{22, 17, kA}, {37, 17, kB}, {22, 32, kC}, {37, 32, kD}, {19, 20, kWhite}, {40, 20, kWhite}, {30, 14, kWhite}}},
    {"DestIsCutAtTheItemsRight", "file='quad.png' dest='10,5,500,25'", nullptr,
     {{22, 17, kA}, {107, 33, kD}, {19, 20, kWhite}, {110, 20, kWhite}, {60, 14, kWhite}}},
    {"DestOutsideTheItemDrawsNothing", "file='quad.png' dest='200,0,300,30'", nullptr,
     {{60, 25, kWhite}, {109, 25, kWhite}}},
    {"Hole", "file='quad.png' corner='5,5,5,5' hole='true'", nullptr,
     {{60, 25, kWhite}, {12, 12, kA}, {107, 37, kD}}},
    {"Fade", "file='red.png' fade='128'", nullptr, {{60, 25, 0xFF7F7F}}},
    {"FadeTakesTheLowByte", "file='red.png' fade='384'", nullptr, {{60, 25, 0xFF7F7F}}},
    // 20-wide columns stretched to the full height; the third is cut to 10.
    {"TiledAcross", "file='quad.png' dest='0,0,50,30' xtiled='true'", nullptr,
     {{12, 12, kA}, {27, 12, kB}, {45, 12, kB}, {55, 12, kA}, {59, 37, kC}, {62, 20, kWhite}}},
    {"TiledDown", "file='quad.png' dest='0,0,100,25' ytiled='true'", nullptr,
     {{12, 12, kA}, {12, 27, kC}, {12, 32, kA}, {107, 34, kB}, {60, 36, kWhite}}},
    {"AlphaImage", "halfred.png", nullptr, {{60, 25, 0xFF7F7F}}},
    {"MaskMakesPixelsTransparent", "file='green.png' mask='#FF00FF00'", nullptr, {{60, 25, kWhite}}},
    {"SecondFileDrawsTheFirst", "file='green.png' file='quad.png' dest='50,0,100,30'", nullptr,
     {{20, 20, kGreen}, {58, 20, kGreen}, {62, 12, kA}, {107, 37, kD}}},
    {"StateCarriesToTheNextImage", "file='green.png' dest='0,0,50,30' file='quad.png'", nullptr,
     {{12, 12, kA}, {57, 37, kD}, {62, 20, kWhite}, {100, 20, kWhite}}},
    // Drawn once without and once with the type (the cache answers by name).
    {"FileThenRestypeDrawsTwice", "file='red.png' fade='128' restype='BMPX'", nullptr, {{60, 25, 0xFF3F3F}}},
    {"ResDoesNotCount", "res='green.png' file='quad.png' dest='0,0,50,30'", nullptr,
     {{12, 12, kA}, {100, 20, kWhite}}},
    {"ModifierDestKeepsFileAndSource", "file='quad.png' source='10,10,20,20'", "dest='0,0,50,30'",
     {{12, 12, kD}, {57, 37, kD}, {62, 20, kWhite}}},
    {"ModifierFileReplacesWithoutDrawing", "file='quad.png'", "file='green.png' dest='0,0,50,30'",
     {{12, 12, kGreen}, {100, 20, kWhite}}},
    {"BlanksAroundKeysAndEquals", "  file = 'quad.png'   source = '10,10,20,20' ", nullptr,
     {{12, 12, kD}, {107, 37, kD}}},
    {"UnknownKeysAndEmptyValuesAreIgnored", "file='quad.png' color='#FF00FF' dest='' source='10,10,20,20'", nullptr,
     {{12, 12, kD}, {107, 37, kD}}},
    {"NoBlankAfterAValueEndsTheText", "file='quad.png',source='10,10,20,20'", nullptr, {{12, 12, kA}, {107, 37, kD}}},
    {"MissingImageIsSkipped", "file='missing.png'", nullptr, {{60, 25, kWhite}}},
};

class Descriptor : public DescriptorTest, public testing::WithParamInterface<DescriptorCase> {};

TEST_P(Descriptor, Draws) {
    EXPECT_TRUE(Draw(GetParam().descriptor, GetParam().modifier));
    testsupport::ExpectProbes(canvas, GetParam().probes, 2);
}

INSTANTIATE_TEST_SUITE_P(Cases, Descriptor, testing::ValuesIn(kCases),
                         testsupport::NameField());

TEST_F(DescriptorTest, NeedsADcAndAManager) {
    EXPECT_FALSE(CSkinRender::DrawImageDescriptor(nullptr, &manager, kItem, kItem, "quad.png"));
    EXPECT_FALSE(CSkinRender::DrawImageDescriptor(canvas.Dc(), nullptr, kItem, kItem, "quad.png"));
    EXPECT_EQ(canvas.CountNot(kWhite), 0);
}

TEST_F(DescriptorTest, NamedImageCutsTheSourceToTheImage) {
    const RECT dest = {10, 10, 50, 50}, source = {10, 10, 40, 40}, corners = {0, 0, 0, 0};
    EXPECT_TRUE(CSkinRender::DrawNamedImage(canvas.Dc(), &manager, dest, canvas.Bounds(), "quad.png", "", dest, source,
                                            corners, 0, 255, false, false, false));
    testsupport::ExpectProbes(canvas, {{10, 10, kD}, {49, 49, kD}, {50, 50, kWhite}});
}

TEST_F(DescriptorTest, NamedImageOutsideThePaintRectangleIsFoundButNotDrawn) {
    const RECT dest = {10, 10, 50, 50}, paint = {60, 0, 130, 60}, none = {0, 0, 0, 0};
    EXPECT_TRUE(CSkinRender::DrawNamedImage(canvas.Dc(), &manager, dest, paint, "quad.png", nullptr, dest, none, none,
                                            0, 255, false, false, false));
    EXPECT_FALSE(CSkinRender::DrawNamedImage(canvas.Dc(), &manager, dest, paint, "", nullptr, dest, none, none, 0, 255,
                                             false, false, false));
    EXPECT_FALSE(CSkinRender::DrawNamedImage(canvas.Dc(), &manager, dest, canvas.Bounds(), "missing.png", nullptr,
                                             dest, none, none, 0, 255, false, false, false));
    EXPECT_EQ(canvas.CountNot(kWhite), 0);
}

}  // namespace
