// Where the configuration file is looked for.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>
#include <utility>

#include "app/UrlConfig.h"
#include "tests/support/CaseNames.h"
#include "tests/support/Files.h"

namespace {

struct ParentCase {
    const char* path;
    const char* parent;
};

class ParentDirTest : public testing::TestWithParam<ParentCase> {};

TEST_P(ParentDirTest, KeepsWhatComesBeforeTheLastBackslash) {
    char dir[255];
    memset(dir, 'x', sizeof(dir));
    GetParentDir(dir, GetParam().path);
    EXPECT_STREQ(dir, GetParam().parent);
}

INSTANTIATE_TEST_SUITE_P(Paths, ParentDirTest,
                         testing::Values(ParentCase{"C:\\Apps\\Store\\TaviAppStore.exe", "C:\\Apps\\Store"},
                                         ParentCase{"C:\\a.exe", "C:"},
                                         ParentCase{"no-backslash.exe", ""},
                                         ParentCase{"", ""},
                                         // GBK name whose trail byte is a backslash (\x5c)
                                         ParentCase{"C:\\\x95\x5c\\b.exe", "C:\\\x95\x5c"},
                                         ParentCase{"C:\\dir\\\x95\x5c", "C:\\dir"}),
                         testsupport::CaseIndex());

TEST(ParentDirTest, LongPathIsCutTo254Characters) {
    const std::string path = std::string(300, 'd') + "\\file";
    char dir[255];
    GetParentDir(dir, path.c_str());
    EXPECT_EQ(std::string(dir), std::string(254, 'd'));
}

TEST(ParentDirTest, NullArgumentsDoNothing) {
    char dir[8] = "keep";
    GetParentDir(dir, nullptr);
    EXPECT_STREQ(dir, "keep");
    GetParentDir(nullptr, "C:\\a\\b");
}

TEST(ConfigPathTest, IsUrlConfigBesideTheProgram) {
    char program[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, program, MAX_PATH);
    std::string dir(program);
    dir.resize(dir.rfind('\\'));
    EXPECT_TRUE(InitConfigFilePath());
    EXPECT_EQ(std::string(ConfigFilePath()), dir + "//UrlConfig.ini");
}

TEST(ConfigPathTest, RegistryNameIsAbsentOnTheMachineRoot) {
    char name[200];
    memset(name, 'x', sizeof(name));
    EXPECT_FALSE(ReadConfigFileNameFromRegistry(name));
    EXPECT_EQ(name[0], '\0');
    EXPECT_FALSE(ReadConfigFileNameFromRegistry(nullptr));
}

// The configuration file beside this program, present for one test.
class ConfigUrlTest : public testing::Test {
protected:
    void TearDown() override { testsupport::RemoveFile(ConfigFilePath()); }
    static void WriteConfig(const std::string& text) {
        ASSERT_TRUE(testsupport::WriteWholeFile(ConfigFilePath(), text));
    }
    static std::pair<bool, std::string> Read(const char* key) {
        char url[1024];
        memset(url, 'x', sizeof(url));
        const bool found = GetConfigUrl(url, key);
        return {found, url};
    }
};

struct ConfigCase {
    const char* file;  // nullptr: no file
    const char* key;
    bool found;
    const char* url;
};

class ConfigUrlCaseTest : public ConfigUrlTest, public testing::WithParamInterface<ConfigCase> {};

TEST_P(ConfigUrlCaseTest, ReadsTheKeyOrFallsBackToTheDefaultPage) {
    const ConfigCase& c = GetParam();
    testsupport::RemoveFile(ConfigFilePath());
    if (c.file) WriteConfig(c.file);
    const auto [found, url] = Read(c.key);
    EXPECT_EQ(found, c.found);
    EXPECT_EQ(url, c.url);
}

const char kBothKeys[] = "[URL]\r\nHomePage=http://127.0.0.1:1/home\r\nSearchPage=http://127.0.0.1:1/s?q=\r\n";

INSTANTIATE_TEST_SUITE_P(
    Files, ConfigUrlCaseTest,
    testing::Values(ConfigCase{kBothKeys, "HomePage", true, "http://127.0.0.1:1/home"},
                    ConfigCase{kBothKeys, "SearchPage", true, "http://127.0.0.1:1/s?q="},
                    ConfigCase{nullptr, "HomePage", false, kDefaultPageUrl},
                    ConfigCase{"[URL]\r\nHomePage=\r\n", "HomePage", true, kDefaultPageUrl},
                    ConfigCase{"[Other]\r\nHomePage=http://127.0.0.1:1/\r\n", "HomePage", true, kDefaultPageUrl},
                    ConfigCase{"[Other]\r\nHomePage=http://127.0.0.1:1/\r\n", "SearchPage", true, kDefaultPageUrl}),
    testsupport::CaseIndex());

TEST_F(ConfigUrlTest, LongValueIsCutTo1023Characters) {
    WriteConfig("[URL]\r\nHomePage=" + std::string(1500, 'a') + "\r\n");
    EXPECT_EQ(Read("HomePage").second, std::string(1023, 'a'));
}

TEST_F(ConfigUrlTest, AnEditedFileTakesEffectAtTheNextRead) {
    WriteConfig("[URL]\r\nHomePage=http://127.0.0.1:1/a\r\n");
    EXPECT_EQ(Read("HomePage").second, "http://127.0.0.1:1/a");
    WriteConfig("[URL]\r\nHomePage=http://127.0.0.1:1/b\r\n");
    EXPECT_EQ(Read("HomePage").second, "http://127.0.0.1:1/b");
}

TEST_F(ConfigUrlTest, NullBufferReturnsFalse) {
    WriteConfig(kBothKeys);
    EXPECT_FALSE(GetConfigUrl(nullptr, "HomePage"));
}

}  // namespace
