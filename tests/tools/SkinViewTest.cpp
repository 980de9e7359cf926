// skinview renders reference skins to PNG; the pictures are checked at chosen
// pixels (fonts differ between machines, so no whole-image comparison).
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "skinui/core/SkinResources.h"
#include "skinui/render/SkinRender.h"
#include "tests/support/Files.h"
#include "tests/support/ImageFiles.h"
#include "tests/support/ZipBuilder.h"

namespace {

using namespace SkinUI;

std::string ProgramFolder() {
    char program[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, program, MAX_PATH);
    std::string folder(program);
    folder.resize(folder.rfind('\\'));
    return folder;
}

// Runs skinview with `arguments`; returns its exit code (-1 if it hung).
int RunSkinView(const std::string& arguments) {
    std::string command = "\"" + ProgramFolder() + "\\..\\..\\bin\\skinview.exe\" " + arguments;
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info = {};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
        return -2;
    UniqueHandle<KernelHandleTraits> process(info.hProcess), thread(info.hThread);
    if (WaitForSingleObject(process.get(), 30000) != WAIT_OBJECT_0) {
        TerminateProcess(process.get(), 99);
        return -1;
    }
    DWORD code = 0;
    GetExitCodeProcess(process.get(), &code);
    return static_cast<int>(code);
}

struct Picture {
    TSkinImage* image = nullptr;
    explicit Picture(const std::string& path) {
        const std::string bytes = testsupport::ReadWholeFile(path);
        image = CSkinRender::DecodeImage(bytes.data(), bytes.size(), 0);
    }
    ~Picture() { CSkinRender::FreeSkinImage(image); }
    uint32_t At(int x, int y) const {
        DIBSECTION dib = {};
        GetObjectA(image->hBitmap.get(), sizeof(dib), &dib);
        return static_cast<const uint32_t*>(dib.dsBm.bmBits)[y * image->nWidth + x] & 0xFFFFFF;
    }
};

const std::string kSkins = ProgramFolder() + "\\skinview-skins";

TEST(SkinViewTest, RendersALayoutFromAFolder) {
    testsupport::TempFolder out;
    const std::string png = out.File("stripes.png");
    ASSERT_EQ(RunSkinView("stripes.xml --folder \"" + kSkins + "\" --output \"" + png + "\""), 0);
    Picture picture(png);
    ASSERT_NE(picture.image, nullptr);
    EXPECT_EQ(picture.image->nWidth, 200);
    EXPECT_EQ(picture.image->nHeight, 100);
    EXPECT_EQ(picture.At(25, 50), 0xFF0000u);
    EXPECT_EQ(picture.At(75, 50), 0x00FF00u);
    EXPECT_EQ(picture.At(150, 50), 0x0000FFu);
}

TEST(SkinViewTest, RendersASkinFromAZipWithItsImages) {
    testsupport::TempFolder folder;
    const std::string skin = testsupport::ReadWholeFile(kSkins + "\\zipped.xml");
    ASSERT_FALSE(skin.empty());
    ASSERT_TRUE(testsupport::WriteWholeFile(
        folder.File("skin.zip"),
        testsupport::MakeZip({{"Zipped.xml", skin}, {"tile.bmp", testsupport::SolidImage(8, 8, 0xFF00C0C0, "bmp")}})));
    const std::string png = folder.File("zipped.png");
    ASSERT_EQ(RunSkinView("zipped.xml --folder \"" + folder.Path() + "\" --zip skin.zip --output \"" + png + "\""), 0);
    Picture picture(png);
    ASSERT_NE(picture.image, nullptr);
    EXPECT_EQ(picture.At(2, 60), 0x00C0C0u);   // the background image, stretched
    EXPECT_EQ(picture.At(60, 15), 0x202020u);  // the child inside the inset
}

TEST(SkinViewTest, ABrokenSkinIsRefusedWithAnError) {
    testsupport::TempFolder folder;
    ASSERT_TRUE(testsupport::WriteWholeFile(folder.File("broken.xml"), "<Window><Control"));
    EXPECT_EQ(RunSkinView("broken.xml --folder \"" + folder.Path() + "\" --output \"" + folder.File("x.png") + "\""), 1);
    EXPECT_EQ(RunSkinView("missing.xml --folder \"" + folder.Path() + "\""), 1);
    EXPECT_FALSE(testsupport::FileExists(folder.File("x.png")));
}

}  // namespace
