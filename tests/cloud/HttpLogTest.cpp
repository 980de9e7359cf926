// The transport log: its markers are read once per process, so each case runs
// in a child process of its own.
#include <gtest/gtest.h>

#include <regex>

#include "cloud/HttpLog.h"
#include "cloud/HttpTransport.h"
#include "tests/support/CaseNames.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/Files.h"
#include "tools/loopback-http/LoopbackHttpServer.h"

namespace {

using testsupport::FileExists;
using testsupport::ReadTextFile;
using testsupport::ScopedFile;

constexpr const char* kLogInFolder = "C:\\vlqsmlog\\RobustHTTPClient.log";

// One request that gets a 201 answer: a failure the log records.
int RequestCreatedStatus() {
    LoopbackHttpServer server([](const SeenRequest&) { return ServerReply::Status(201, "x"); });
    int32_t error = 0;
    int32_t bytes = 0;
    const std::string text = HttpRequest((server.BaseUrl() + "/x").c_str(), "POST", 3000, "{}",
                                         "", "", "", &error, &bytes);
    return text.empty() ? 0 : 1;
}

// One request to a server that never answers, with a short time-out.
int RequestSilentServer() {
    LoopbackHttpServer server([](const SeenRequest&) { return ServerReply::Silence(); });
    int32_t error = 0;
    const std::string text = HttpRequest((server.BaseUrl() + "/x").c_str(), "POST", 600, "{}",
                                         "", "", "", &error, nullptr);
    return text.empty() && error != 0 ? 0 : 1;
}

const bool g_registered = [] {
    testsupport::RegisterChildScenario("http-log-201", RequestCreatedStatus);
    testsupport::RegisterChildScenario("http-log-silent", RequestSilentServer);
    testsupport::RegisterChildScenario("http-log-late-marker", [] {
        WriteHttpLog("before\n");
        ScopedFile marker("C:\\DOZE_EnableDebug");
        WriteHttpLog("after\n");
        return IsHttpLogEnabled();
    });
    testsupport::RegisterChildScenario("http-log-long", [] {
        const std::string text(100000, 'x');
        WriteHttpLog("%s\n", text.c_str());
        WriteHttpLog("%s%s\n", text.c_str(), text.c_str());
        return 0;
    });
    return true;
}();

class HttpLogTest : public testing::Test {
protected:
    void SetUp() override {
        testsupport::RemoveFile(kLogInFolder);
        CreateDirectoryA("C:\\vlqsmlog", nullptr);
    }
    void TearDown() override { testsupport::RemoveFile(kLogInFolder); }

    // All three markers absent for the test, then `present` created.
    ScopedFile m_qsm{"C:\\vlqsmlog\\QSM_EnableDebug", false};
    ScopedFile m_doze{"C:\\vlqsmlog\\DOZE_EnableDebug", false};
    ScopedFile m_rootDoze{"C:\\DOZE_EnableDebug", false};
};

const std::regex kLine(R"(\d\d:\d\d:\d\d \d{1,3}: Status code is not 200\n)");

TEST_F(HttpLogTest, NoMarkerNoLogFile) {
    testsupport::TempFolder cwd;
    ASSERT_EQ(testsupport::RunChildScenario("http-log-201", cwd.Path()), 0);
    EXPECT_FALSE(FileExists(kLogInFolder));
    EXPECT_FALSE(FileExists(cwd.File("RobustHTTPClient.log")));
}

class HttpLogMarkerTest : public HttpLogTest, public testing::WithParamInterface<const char*> {};

TEST_P(HttpLogMarkerTest, AnyMarkerLogsOneStampedLine) {
    ScopedFile marker(GetParam());
    ASSERT_EQ(testsupport::RunChildScenario("http-log-201"), 0);
    EXPECT_TRUE(std::regex_match(ReadTextFile(kLogInFolder), kLine))
        << ReadTextFile(kLogInFolder);
}

INSTANTIATE_TEST_SUITE_P(Markers, HttpLogMarkerTest,
                         testing::Values("C:\\vlqsmlog\\QSM_EnableDebug",
                                         "C:\\vlqsmlog\\DOZE_EnableDebug",
                                         "C:\\DOZE_EnableDebug"),
                         testsupport::CaseIndex());

TEST_F(HttpLogTest, WithoutTheLogFolderTheLineGoesToTheCurrentFolder) {
    ScopedFile marker("C:\\DOZE_EnableDebug");
    RemoveDirectoryA("C:\\vlqsmlog");
    testsupport::TempFolder cwd;
    ASSERT_EQ(testsupport::RunChildScenario("http-log-201", cwd.Path()), 0);
    EXPECT_TRUE(std::regex_match(ReadTextFile(cwd.File("RobustHTTPClient.log")), kLine));
}

// Messages far past the line buffer are cut.
TEST_F(HttpLogTest, HugeMessagesAreCut) {
    ScopedFile marker("C:\\vlqsmlog\\QSM_EnableDebug");
    testsupport::TempFolder cwd;
    ASSERT_EQ(testsupport::RunChildScenario("http-log-long", cwd.Path()), 0);
    const std::string log = ReadTextFile(kLogInFolder);
    EXPECT_GT(log.size(), 2000u);
    EXPECT_LT(log.size(), 2u * 2100);
}

TEST_F(HttpLogTest, SilentServerLogsTheFailedSend) {
    ScopedFile marker("C:\\vlqsmlog\\QSM_EnableDebug");
    ASSERT_EQ(testsupport::RunChildScenario("http-log-silent"), 0);
    EXPECT_TRUE(std::regex_match(
        ReadTextFile(kLogInFolder),
        std::regex(R"(\d\d:\d\d:\d\d \d{1,3}: Error:HttpSendRequest failed, lasterror:\d+!\n)")))
        << ReadTextFile(kLogInFolder);
}

// A log that cannot be written (a folder in its place: a read-only file would
// not do, as these tests run as root): the lines go to the current folder,
// and where that cannot be written either they are lost, and nothing else.
TEST_F(HttpLogTest, UnwritableLogsLoseTheirLinesQuietly) {
    ScopedFile marker("C:\\vlqsmlog\\QSM_EnableDebug");
    ASSERT_TRUE(CreateDirectoryA(kLogInFolder, nullptr));
    testsupport::TempFolder cwd;
    EXPECT_EQ(testsupport::RunChildScenario("http-log-201", cwd.Path()), 0);
    EXPECT_TRUE(std::regex_match(ReadTextFile(cwd.File("RobustHTTPClient.log")), kLine));
    testsupport::TempFolder neither;
    ASSERT_TRUE(CreateDirectoryA(neither.File("RobustHTTPClient.log").c_str(), nullptr));
    EXPECT_EQ(testsupport::RunChildScenario("http-log-201", neither.Path()), 0);
    EXPECT_EQ(testsupport::RunChildScenario("http-log-long", neither.Path()), 0);
    EXPECT_TRUE(GetFileAttributesA(kLogInFolder) & FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_TRUE(RemoveDirectoryA(neither.File("RobustHTTPClient.log").c_str()));
    EXPECT_TRUE(RemoveDirectoryA(kLogInFolder));
}

TEST_F(HttpLogTest, MarkerCreatedLaterInTheRunChangesNothing) {
    testsupport::TempFolder cwd;
    EXPECT_EQ(testsupport::RunChildScenario("http-log-late-marker", cwd.Path()), 0);
    EXPECT_FALSE(FileExists(kLogInFolder));
}

}  // namespace
