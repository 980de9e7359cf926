// The application log: decided at the first call of a run, one banner per run,
// messages cut at 1,023 characters. Each case runs in a child process.
#include <gtest/gtest.h>

#include <windows.h>

#include <regex>

#include "app/AppLog.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/Files.h"

namespace {

using testsupport::ReadTextFile;
using testsupport::RunChildScenario;
using testsupport::ScopedFile;

constexpr const char* kMarker = "C:\\EnableDebug";
constexpr const char* kLog = "C:\\TaviAppStore.log";
const std::string kBanner =
    R"(\n\n\n\*{19}New log start time: \d\d/\d\d/\d\d \d\d:\d\d:\d\d  \*{20}\n\n\n)";

const bool g_registered = [] {
    testsupport::RegisterChildScenario("app-log-messages", [] {
        AppLog("first %d\n", 1);
        AppLog("runs on ");
        AppLog("%s\n\n", "second");
        return 0;
    });
    testsupport::RegisterChildScenario("app-log-late-marker", [] {
        AppLog("nothing\n");
        ScopedFile marker(kMarker);
        AppLog("still nothing\n");
        return 0;
    });
    testsupport::RegisterChildScenario("app-log-long", [] {
        AppLog("%s", std::string(2000, 'z').c_str());
        return 0;
    });
    return true;
}();

class AppLogTest : public testing::Test {
protected:
    void SetUp() override { testsupport::RemoveFile(kLog); }
    void TearDown() override { testsupport::RemoveFile(kLog); }
};

TEST_F(AppLogTest, WithoutMarkerNothingIsWrittenEvenIfItAppearsLater) {
    ScopedFile noMarker(kMarker, false);
    ASSERT_EQ(RunChildScenario("app-log-messages"), 0);
    ASSERT_EQ(RunChildScenario("app-log-late-marker"), 0);
    EXPECT_FALSE(testsupport::FileExists(kLog));
}

TEST_F(AppLogTest, OneBannerPerRunThenMessagesAsGiven) {
    ScopedFile marker(kMarker);
    ASSERT_EQ(RunChildScenario("app-log-messages"), 0);
    ASSERT_EQ(RunChildScenario("app-log-messages"), 0);
    const std::string run = kBanner + "first 1\nruns on second\n\n";
    EXPECT_TRUE(std::regex_match(ReadTextFile(kLog), std::regex(run + run)))
        << ReadTextFile(kLog);
}

TEST_F(AppLogTest, LongMessageIsCutAt1023Characters) {
    ScopedFile marker(kMarker);
    ASSERT_EQ(RunChildScenario("app-log-long"), 0);
    EXPECT_TRUE(std::regex_match(ReadTextFile(kLog), std::regex(kBanner + "z{1023}")));
}

TEST_F(AppLogTest, UnopenableLogFileLosesMessagesQuietly) {
    // A folder in the log file's place cannot be opened for appending (a
    // read-only file would not do: these tests run as root).
    ScopedFile marker(kMarker);
    ASSERT_TRUE(CreateDirectoryA(kLog, nullptr));
    EXPECT_EQ(RunChildScenario("app-log-messages"), 0);
    EXPECT_TRUE(GetFileAttributesA(kLog) & FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_TRUE(RemoveDirectoryA(kLog));
}

}  // namespace
