// Images into premultiplied DIB sections: formats, alpha, the mask rule,
// where the bytes come from, and the image cache.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "skinui/core/PaintManager.h"
#include "skinui/render/SkinRender.h"
#include "tests/support/Files.h"
#include "tests/support/ImageFiles.h"
#include "tests/support/ResourceFolder.h"
#include "tests/support/ZipBuilder.h"

namespace {

using namespace SkinUI;
using testsupport::EncodeImage;
using testsupport::SolidImage;

// The first pixel of a decoded image as its B, G, R, A bytes in 0xAARRGGBB form.
uint32_t FirstPixel(const TSkinImage* image) {
    DIBSECTION dib = {};
    GetObjectA(image->hBitmap.get(), sizeof(dib), &dib);
    return *static_cast<const uint32_t*>(dib.dsBm.bmBits);
}

struct Decoded {
    TSkinImage* image;
    ~Decoded() { CSkinRender::FreeSkinImage(image); }
};

class FormatTest : public testing::TestWithParam<const char*> {};

TEST_P(FormatTest, DecodesIntoATopDownDibOfItsSize) {
    // The top-left 8x8 block red (lossy formats smear single pixels), the rest blue.
    std::vector<uint32_t> pixels(16 * 8, 0xFF0000FF);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) pixels[y * 16 + x] = 0xFFFF0000;
    const std::string bytes = EncodeImage(16, 8, pixels, GetParam());
    ASSERT_FALSE(bytes.empty());
    Decoded decoded{CSkinRender::DecodeImage(bytes.data(), bytes.size(), 0)};
    ASSERT_NE(decoded.image, nullptr);
    EXPECT_EQ(decoded.image->nWidth, 16);
    EXPECT_EQ(decoded.image->nHeight, 8);
    EXPECT_FALSE(decoded.image->bAlpha);
    DIBSECTION dib = {};
    ASSERT_EQ(GetObjectA(decoded.image->hBitmap.get(), sizeof(dib), &dib), int(sizeof(dib)));
    EXPECT_EQ(dib.dsBmih.biBitCount, 32);
    // Top-down: the first row in memory is the image's top row.
    const uint32_t first = FirstPixel(decoded.image);
    EXPECT_GT((first >> 16) & 0xFF, 0xC0u);  // red (lossy formats come close)
    EXPECT_LT(first & 0xFF, 0x40u);
}

INSTANTIATE_TEST_SUITE_P(Formats, FormatTest, testing::Values("png", "bmp", "gif", "jpeg"),
                         [](const testing::TestParamInfo<const char*>& info) {
                             return std::string(info.param);
                         });

TEST(ImageDecoderTest, TranslucentPixelsArePremultiplied) {
    // (R 10, G 20, B 30, A 128) becomes B 15, G 10, R 5, A 128.
    const std::string png = SolidImage(2, 2, 0x800A141E, "png");
    Decoded decoded{CSkinRender::DecodeImage(png.data(), png.size(), 0)};
    ASSERT_NE(decoded.image, nullptr);
    EXPECT_TRUE(decoded.image->bAlpha);
    EXPECT_EQ(FirstPixel(decoded.image), 0x80050A0Fu);
}

TEST(ImageDecoderTest, MaskColourBecomesTransparent) {
    std::vector<uint32_t> pixels = {0xFFFF00FF, 0xFF00FF00};
    const std::string bmp = EncodeImage(2, 1, pixels, "bmp");
    Decoded masked{CSkinRender::DecodeImage(bmp.data(), bmp.size(), 0xFFFF00FF)};
    ASSERT_NE(masked.image, nullptr);
    EXPECT_TRUE(masked.image->bAlpha);
    EXPECT_EQ(FirstPixel(masked.image), 0u);
    Decoded plain{CSkinRender::DecodeImage(bmp.data(), bmp.size(), 0)};
    EXPECT_FALSE(plain.image->bAlpha);
    EXPECT_EQ(FirstPixel(plain.image), 0xFFFF00FFu);
}

TEST(ImageDecoderTest, UndecodableAndHugeImagesAreRefused) {
    const std::string junk = "not an image at all";
    EXPECT_EQ(CSkinRender::DecodeImage(junk.data(), junk.size(), 0), nullptr);
    EXPECT_EQ(CSkinRender::DecodeImage(nullptr, 10, 0), nullptr);
    // A PNG header that states 60000 x 60000 pixels.
    std::string png = SolidImage(1, 1, 0xFF000000, "png");
    ASSERT_GT(png.size(), 24u);
    const unsigned char big[8] = {0, 0, 0xEA, 0x60, 0, 0, 0xEA, 0x60};
    png.replace(16, 8, reinterpret_cast<const char*>(big), 8);
    EXPECT_EQ(CSkinRender::DecodeImage(png.data(), png.size(), 0), nullptr);
}

class ImageSourceTest : public testing::Test {
protected:
    testsupport::ResourceFolder m_folder;
    testsupport::TempFolder m_other;
};

TEST_F(ImageSourceTest, FolderZipAbsolutePathAndCurrentFolder) {
    ASSERT_TRUE(testsupport::WriteWholeFile(m_folder.File("red.png"), SolidImage(3, 3, 0xFFFF0000, "png")));
    ASSERT_TRUE(testsupport::WriteWholeFile(m_other.File("blue.bmp"), SolidImage(4, 4, 0xFF0000FF, "bmp")));
    Decoded fromFolder{CSkinRender::LoadSkinImage("red.png", nullptr, 0)};
    ASSERT_NE(fromFolder.image, nullptr);
    EXPECT_EQ(fromFolder.image->nWidth, 3);

    // An absolute path is read as it is, even with a zip set.
    ASSERT_TRUE(testsupport::WriteWholeFile(
        m_folder.File("skin.zip"), testsupport::MakeZip({{"img/Green.png", SolidImage(5, 5, 0xFF00FF00, "png")}})));
    CPaintManagerUI::SetResourceZip("skin.zip", false);
    Decoded absolute{CSkinRender::LoadSkinImage(m_other.File("blue.bmp").c_str(), nullptr, 0)};
    ASSERT_NE(absolute.image, nullptr);
    EXPECT_EQ(absolute.image->nWidth, 4);
    Decoded fromZip{CSkinRender::LoadSkinImage("IMG/green.png", nullptr, 0)};
    ASSERT_NE(fromZip.image, nullptr);
    EXPECT_EQ(fromZip.image->nWidth, 5);

    // Missing from the zip: the current folder is tried last.
    char previous[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, previous);
    SetCurrentDirectoryA(m_other.Path().c_str());
    Decoded fromCurrent{CSkinRender::LoadSkinImage("blue.bmp", nullptr, 0)};
    SetCurrentDirectoryA(previous);
    ASSERT_NE(fromCurrent.image, nullptr);
    EXPECT_EQ(fromCurrent.image->nWidth, 4);
    EXPECT_EQ(CSkinRender::LoadSkinImage("nowhere.png", nullptr, 0), nullptr);
}

TEST_F(ImageSourceTest, CacheKeepsTheFirstImageOfAName) {
    ASSERT_TRUE(testsupport::WriteWholeFile(m_folder.File("a.png"), SolidImage(3, 3, 0xFFFF0000, "png")));
    CPaintManagerUI manager;
    const TSkinImage* first = manager.ObtainImage("a.png");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(manager.ObtainImage("a.png"), first);
    EXPECT_EQ(manager.RegisterImage("a.png"), nullptr);  // already there
    EXPECT_EQ(manager.RegisterImage("icon", "PNG"), nullptr);  // a resource needs a number
    EXPECT_EQ(manager.RegisterImage("102", "PNG"), nullptr);  // no such resource
    CPaintManagerUI::SetInstance(GetModuleHandleA(nullptr));
    const TSkinImage* resource = manager.RegisterImage("101", "PNG");
    CPaintManagerUI::SetInstance(nullptr);
    ASSERT_NE(resource, nullptr);
    EXPECT_EQ(resource->nWidth, 12);
    EXPECT_STREQ(resource->sResType, "PNG");
    CPaintManagerUI borrower;
    borrower.BorrowResources(&manager);
    EXPECT_EQ(borrower.ObtainImage("a.png"), first);
    manager.ClearImages();
}

}  // namespace
