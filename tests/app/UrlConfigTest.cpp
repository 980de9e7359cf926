// Where the configuration file is looked for.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "app/UrlConfig.h"
#include "tests/support/CaseNames.h"

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

}  // namespace
