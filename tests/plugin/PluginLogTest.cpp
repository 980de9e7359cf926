// The plug-in's log: the line prefix, and the marker looked at on every call.
#include <gtest/gtest.h>

#include <string>

#include "plugin/PluginLog.h"
#include "tests/support/Files.h"

namespace {

constexpr const char* kMarker = "C:\\vlqsmlog\\QSM_EnableDebug";
constexpr const char* kLog = "C:\\vlqsmlog\\VLSetupSkinDll.log";

struct PrefixCase {
    WORD hour, minute, second, milliseconds;
    const char* prefix;
};

class PluginLogPrefixTest : public testing::TestWithParam<PrefixCase> {};

TEST_P(PluginLogPrefixTest, PadsWithBlanksAndPrintsZeroAsBlanks) {
    SYSTEMTIME time = {};
    time.wHour = GetParam().hour;
    time.wMinute = GetParam().minute;
    time.wSecond = GetParam().second;
    time.wMilliseconds = GetParam().milliseconds;
    char prefix[64] = {};
    FormatPluginLogPrefix(time, prefix, sizeof(prefix));
    EXPECT_STREQ(prefix, GetParam().prefix);
}

INSTANTIATE_TEST_SUITE_P(Cases, PluginLogPrefixTest,
                         testing::Values(PrefixCase{9, 5, 0, 42, "[DEBUG  9: 5:   42] "},
                                         PrefixCase{23, 59, 59, 999, "[DEBUG 23:59:59 999] "},
                                         PrefixCase{0, 0, 0, 0, "[DEBUG   :  :   0] "},
                                         PrefixCase{10, 1, 10, 7, "[DEBUG 10: 1:10 7] "}));

TEST(PluginLogTest, WritesOnlyWhileTheMarkerExists) {
    testsupport::ScopedFile noMarker(kMarker, false);
    testsupport::RemoveFile(kLog);
    PluginLog("before %d\n", 1);
    EXPECT_FALSE(testsupport::FileExists(kLog));
    {
        testsupport::ScopedFile marker(kMarker);
        PluginLog("during %s %d\n", "call", 2);
        PluginLog("no line break");
    }
    PluginLog("after\n");
    const std::string log = testsupport::ReadTextFile(kLog);
    testsupport::RemoveFile(kLog);
    ASSERT_EQ(log.compare(0, 7, "[DEBUG "), 0) << log;
    const size_t first = log.find("] during call 2\n[DEBUG ");
    EXPECT_NE(first, std::string::npos) << log;
    EXPECT_EQ(log.substr(log.size() - 15), "] no line break") << log;
    EXPECT_EQ(log.find("before"), std::string::npos);
    EXPECT_EQ(log.find("after"), std::string::npos);
}

// A message of 100,000 characters is written whole, a missing log folder is
// not created, and a log that cannot be written (a folder in its place: a
// read-only file would not do, as these tests run as root) loses its lines.
TEST(PluginLogTest, HugeMessagesAndMissingFolders) {
    testsupport::RemoveFile(kLog);
    const std::string text(100000, 'y');
    {
        testsupport::ScopedFile marker(kMarker);
        PluginLog("%s\n", text.c_str());
        const std::string log = testsupport::ReadTextFile(kLog);
        EXPECT_NE(log.find(text + "\n"), std::string::npos);
    }
    testsupport::RemoveFile(kLog);
    {
        testsupport::ScopedFile marker(kMarker);
        ASSERT_TRUE(CreateDirectoryA(kLog, nullptr));
        PluginLog("%s\n", text.c_str());
        PluginLog("short\n");
        EXPECT_TRUE(GetFileAttributesA(kLog) & FILE_ATTRIBUTE_DIRECTORY);
        EXPECT_TRUE(RemoveDirectoryA(kLog));
    }
    if (RemoveDirectoryA("C:\\vlqsmlog")) {
        PluginLog("%s\n", text.c_str());
        EXPECT_FALSE(testsupport::FileExists("C:\\vlqsmlog"));
    }
}

}  // namespace
