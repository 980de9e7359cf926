// Reading skin files through the resource location: a folder, a zip file
// (opened per read or kept open), and an archive in memory.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "skinui/core/Markup.h"
#include "skinui/core/PaintManager.h"
#include "tests/support/CaseNames.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/Files.h"
#include "tests/support/ResourceFolder.h"
#include "tests/support/ZipBuilder.h"

namespace {

using SkinUI::CPaintManagerUI;
using SkinUI::CSkinMarkup;
using testsupport::MakeZip;
using testsupport::TempFolder;
using testsupport::WriteWholeFile;

const std::string kSkin = "<Window size=\"400,300\"><Button name=\"ok\"/></Window>";

// "ok" when it loads with the Button child, else the parser's message.
std::string Load(const char* name) {
    CSkinMarkup markup;
    if (!markup.LoadSkinFile(name)) return markup.GetLastErrorMessage();
    return markup.Root().FirstChild().Exists() ? "ok" : "no child";
}

std::string ExactlySized(size_t size) {
    std::string text = "<W>";
    text += std::string(size - text.size() - 4, ' ');
    return text + "</W>";
}

class SkinFileTest : public testing::Test {
protected:
    testsupport::ResourceFolder m_folder;
};

TEST_F(SkinFileTest, ResourcePathGetsItsSeparator) {
    CPaintManagerUI::SetResourcePath("C:\\skins");
    EXPECT_STREQ(CPaintManagerUI::ResourcePath(), "C:\\skins\\");
    CPaintManagerUI::SetResourcePath("C:/skins/");
    EXPECT_STREQ(CPaintManagerUI::ResourcePath(), "C:/skins/");
    CPaintManagerUI::SetResourcePath("");
    EXPECT_STREQ(CPaintManagerUI::ResourcePath(), "");
}

TEST_F(SkinFileTest, FromTheFolder) {
    ASSERT_TRUE(WriteWholeFile(m_folder.File("Main.xml"), kSkin));
    ASSERT_TRUE(WriteWholeFile(m_folder.File("empty.xml"), ""));
    ASSERT_TRUE(WriteWholeFile(m_folder.File("max.xml"), ExactlySized(4194304)));
    ASSERT_TRUE(WriteWholeFile(m_folder.File("over.xml"), ExactlySized(4194305)));
    EXPECT_EQ(Load("Main.xml"), "ok");
    EXPECT_EQ(Load("missing.xml"), "Error opening file");
    EXPECT_EQ(Load("empty.xml"), "File is empty");
    EXPECT_EQ(Load("max.xml"), "no child");
    EXPECT_EQ(Load("over.xml"), "File too large");
}

TEST_F(SkinFileTest, Utf8FileWithMarkAndGbkText) {
    ASSERT_TRUE(WriteWholeFile(m_folder.File("gbk.xml"),
                               "\xEF\xBB\xBF<Window title=\"\xe5\xba\x94\xe7\x94\xa8\"/>"));
    CSkinMarkup markup;
    ASSERT_TRUE(markup.LoadSkinFile("gbk.xml"));
    EXPECT_STREQ(markup.Root().Name(), "Window");
    EXPECT_STREQ(markup.Root().AttributeValue(0), "\xd3\xa6\xd3\xc3");
}

class ZipSkinTest : public SkinFileTest, public testing::WithParamInterface<bool> {
protected:
    void UseZip(const std::string& bytes) {
        ASSERT_TRUE(WriteWholeFile(m_folder.File("skin.zip"), bytes));
        CPaintManagerUI::SetResourceZip("skin.zip", GetParam());
        EXPECT_EQ(CPaintManagerUI::IsZipCached(), GetParam());
        EXPECT_EQ(CPaintManagerUI::ZipHandle() != nullptr, GetParam());
    }
};

TEST_P(ZipSkinTest, EntriesByNameWithoutRegardToCase) {
    UseZip(MakeZip({{"Skin/Main.xml", kSkin}, {"empty.xml", ""}, {"big.xml", ExactlySized(4194305)}}));
    EXPECT_EQ(Load("skin/main.xml"), "ok");
    EXPECT_EQ(Load("SKIN/MAIN.XML"), "ok");
    EXPECT_EQ(Load("Main.xml"), "Could not find ziped file");
    EXPECT_EQ(Load("empty.xml"), "File is empty");
    EXPECT_EQ(Load("big.xml"), "File too large");
}

TEST_P(ZipSkinTest, StoredEntriesToo) {
    UseZip(MakeZip({{"a.xml", kSkin}}, true));
    EXPECT_EQ(Load("a.xml"), "ok");
}

struct LyingCase {
    unsigned statedSize;
    const char* message;
};

class LyingZipTest : public SkinFileTest, public testing::WithParamInterface<LyingCase> {};

TEST_P(LyingZipTest, LyingSizesNeverOverrunAndFailCleanly) {
    for (bool stored : {false, true}) {
        std::string zip = MakeZip({{"a.xml", kSkin}}, stored);
        testsupport::SetStatedSize(zip, 0, GetParam().statedSize);
        ASSERT_TRUE(WriteWholeFile(m_folder.File("lying.zip"), zip));
        CPaintManagerUI::SetResourceZip("lying.zip", false);
        EXPECT_EQ(Load("a.xml"), GetParam().message) << (stored ? "stored" : "deflated");
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, LyingZipTest,
                         testing::Values(LyingCase{10, "Could not unzip file"},
                                         LyingCase{unsigned(kSkin.size()) + 100, "Could not unzip file"},
                                         LyingCase{0, "File is empty"},
                                         LyingCase{4194305, "File too large"},
                                         LyingCase{0xFFFFFFF0u, "File too large"}),
                         testsupport::CaseIndex());

TEST_F(SkinFileTest, BrokenArchives) {
    const std::string good = MakeZip({{"a.xml", kSkin}});
    std::string corruptData = good;
    corruptData[40] ^= 0x5A;  // inside the deflated data of the entry
    struct Broken {
        std::string bytes;
        std::vector<std::string> messages;  // any of these
    };
    const Broken cases[] = {
        {good.substr(0, good.size() / 2), {"Error opening zip file"}},
        {"not a zip at all", {"Error opening zip file"}},
        {corruptData, {"Could not unzip file"}},
        // A cut end record may still be found, then lists nothing usable.
        {good.substr(0, good.size() - 10), {"Error opening zip file", "Could not find ziped file"}},
    };
    for (const Broken& c : cases) {
        SCOPED_TRACE(c.bytes.size());
        ASSERT_TRUE(WriteWholeFile(m_folder.File("broken.zip"), c.bytes));
        CPaintManagerUI::SetResourceZip("broken.zip", false);
        const std::string message = Load("a.xml");
        EXPECT_NE(std::find(c.messages.begin(), c.messages.end(), message), c.messages.end())
            << message;
    }
    CPaintManagerUI::SetResourceZip("absent.zip", false);
    EXPECT_EQ(Load("a.xml"), "Error opening zip file");
}

INSTANTIATE_TEST_SUITE_P(Caching, ZipSkinTest, testing::Values(false, true),
                         [](const testing::TestParamInfo<bool>& info) {
                             return info.param ? "Cached" : "OpenedPerRead";
                         });

TEST_F(SkinFileTest, CachedArchiveStaysOpenUntilTheSettingChanges) {
    ASSERT_TRUE(WriteWholeFile(m_folder.File("skin.zip"), MakeZip({{"a.xml", kSkin}})));
    CPaintManagerUI::SetResourceZip("skin.zip", true);
    // Point the resource path elsewhere: the open archive still serves reads.
    TempFolder elsewhere;
    CPaintManagerUI::SetResourcePath(elsewhere.Path().c_str());
    EXPECT_EQ(Load("a.xml"), "ok");
    CPaintManagerUI::SetResourceZip("skin.zip", true);  // same setting: nothing happens
    EXPECT_EQ(Load("a.xml"), "ok");
    CPaintManagerUI::SetResourceZip("skin.zip", false);
    EXPECT_EQ(Load("a.xml"), "Error opening zip file");
}

// The archive in memory stays for the life of the process: its own process.
const bool g_registered = [] {
    testsupport::RegisterChildScenario("memory-zip", [] {
        static const std::string first = MakeZip({{"Dir/A.xml", kSkin}});
        static const std::string second = MakeZip({{"b.xml", kSkin}});
        CPaintManagerUI::SetResourceZip(static_cast<const void*>(first.data()), static_cast<unsigned>(first.size()));
        if (CPaintManagerUI::ResourceZip() != "membuffer" || !CPaintManagerUI::IsZipCached())
            return 1;
        if (Load("dir/a.xml") != "ok") return 2;
        CPaintManagerUI::SetResourceZip(static_cast<const void*>(second.data()), static_cast<unsigned>(second.size()));
        if (Load("dir/a.xml") != "ok" || Load("b.xml") != "Could not find ziped file") return 3;
        return 0;
    });
    return true;
}();

TEST(MemoryZipTest, FirstArchiveInMemoryStays) {
    EXPECT_EQ(testsupport::RunChildScenario("memory-zip"), 0);
}

}  // namespace
