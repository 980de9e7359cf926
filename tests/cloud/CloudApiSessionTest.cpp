// The four cloud operations against the simulator and against hand-made
// replies: message bytes, the session id, the running answer, bad replies.
#include <gtest/gtest.h>

#include <regex>

#include "app/AppLog.h"
#include "cloud/CloudApiSession.h"
#include "tests/support/CaseNames.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/Files.h"
#include "tools/zstack-sim/ZStackSimulator.h"

namespace {

CloudEndpoint Loopback(uint16_t port) {
    CloudEndpoint endpoint;
    endpoint.port = port;
    return endpoint;
}

class Session : public CCloudApiSession {
public:
    using CCloudApiSession::CCloudApiSession;
    void SetSessionUuid(const std::string& uuid) { m_sSessionUuid = uuid; }
};

// --- Message bodies, byte for byte --------------------------------------------

TEST(CloudMessageTest, LoginBody) {
    EXPECT_EQ(CCloudApiSession::LoginBody(),
              "{\n"
              "   \"org.zstack.header.identity.APILogInByAccountMsg\" : {\n"
              "      \"accountName\" : \"kv0003\",\n"
              "      \"password\" : \"a1b2c3d4e5f60718293a4b5c6d7e8f900f9e8d7c6b5a49382716f5e4d3c2b1a0"
              "1a2b3c4d5e6f708192a3b4c5d6e7f80990f8e7d6c5b4a3928170f6e5d4c3b2a1\"\n"
              "   }\n"
              "}\n");
}

TEST(CloudMessageTest, RunningVmQueryBody) {
    EXPECT_EQ(CCloudApiSession::QueryRunningVmBody("S1"),
              "{\n"
              "   \"org.zstack.header.vm.APIQueryVmInstanceMsg\" : {\n"
              "      \"conditions\" : [\n"
              "         {\n"
              "            \"name\" : \"state\",\n"
              "            \"op\" : \"=\",\n"
              "            \"value\" : \"Running\"\n"
              "         },\n"
              "         {\n"
              "            \"name\" : \"name\",\n"
              "            \"op\" : \"=\",\n"
              "            \"value\" : \"test\"\n"
              "         }\n"
              "      ],\n"
              "      \"session\" : {\n"
              "         \"uuid\" : \"S1\"\n"
              "      }\n"
              "   }\n"
              "}\n");
}

TEST(CloudMessageTest, ImageQueryBody) {
    EXPECT_EQ(CCloudApiSession::QueryImageBody(""),
              "{\n"
              "   \"org.zstack.header.image.APIQueryImageMsg\" : {\n"
              "      \"conditions\" : [\n"
              "         {\n"
              "            \"name\" : \"format\",\n"
              "            \"op\" : \"=\",\n"
              "            \"value\" : \"qcow2\"\n"
              "         },\n"
              "         {\n"
              "            \"name\" : \"type\",\n"
              "            \"op\" : \"=\",\n"
              "            \"value\" : \"zstack\"\n"
              "         },\n"
              "         {\n"
              "            \"name\" : \"name\",\n"
              "            \"op\" : \"=\",\n"
              "            \"value\" : \"small-Linux-for-testing\"\n"
              "         }\n"
              "      ],\n"
              "      \"session\" : {\n"
              "         \"uuid\" : \"\"\n"
              "      }\n"
              "   }\n"
              "}\n");
}

TEST(CloudMessageTest, LogoutBody) {
    EXPECT_EQ(CCloudApiSession::LogoutBody("S9"),
              "{\n"
              "   \"org.zstack.header.identity.APILogOutMsg\" : {\n"
              "      \"sessionUuid\" : \"S9\"\n"
              "   }\n"
              "}\n");
}

// --- Against the simulator -----------------------------------------------------

class SimulatorTest : public testing::Test {
protected:
    ZStackSimulator m_sim{ZStackSimulator::Options{}};
    Session m_session{Loopback(m_sim.Port())};
};

TEST_F(SimulatorTest, LoginStoresTheIssuedSession) {
    ASSERT_TRUE(m_sim.Listening());
    m_session.UserLogin();
    EXPECT_FALSE(m_sim.IssuedSession().empty());
    EXPECT_EQ(m_session.SessionUuid(), m_sim.IssuedSession());
    const SeenRequest seen = m_sim.Server().Requests().at(0);
    EXPECT_EQ(seen.target, "/zstack/api");
    EXPECT_EQ(seen.Header("Host"), "127.0.0.1");
    EXPECT_EQ(seen.body, CCloudApiSession::LoginBody());
}

TEST_F(SimulatorTest, RunningQueryFollowsTheInstanceState) {
    m_session.UserLogin();
    EXPECT_TRUE(m_session.QueryRunningVm());
    m_sim.SetVmRunning(false);
    EXPECT_FALSE(m_session.QueryRunningVm());
}

TEST_F(SimulatorTest, QueriesBeforeLoginSendAnEmptySession) {
    EXPECT_FALSE(m_session.QueryRunningVm());
    m_session.UserLogout();
    const auto requests = m_sim.Server().Requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].body, CCloudApiSession::QueryRunningVmBody(""));
    EXPECT_EQ(requests[1].body, CCloudApiSession::LogoutBody(""));
}

TEST_F(SimulatorTest, LogoutEndsTheSessionButKeepsTheId) {
    m_session.UserLogin();
    const std::string id = m_session.SessionUuid();
    m_session.UserLogout();
    EXPECT_EQ(m_sim.Server().Requests().back().body, CCloudApiSession::LogoutBody(id));
    EXPECT_TRUE(m_sim.IssuedSession().empty());
    EXPECT_EQ(m_session.SessionUuid(), id);
    EXPECT_FALSE(m_session.QueryRunningVm());  // the server no longer knows it
}

TEST_F(SimulatorTest, FailedLoginKeepsThePreviousId) {
    m_session.UserLogin();
    const std::string id = m_session.SessionUuid();
    for (auto mode : {ZStackSimulator::Mode::Garbage, ZStackSimulator::Mode::Status500,
                      ZStackSimulator::Mode::CloseAtOnce}) {
        m_sim.SetMode(mode);
        m_session.UserLogin();
        EXPECT_EQ(m_session.SessionUuid(), id);
        EXPECT_FALSE(m_session.QueryRunningVm());
    }
}

TEST_F(SimulatorTest, HugeReplyIsCutAndRefused) {
    m_session.SetSessionUuid("kept");
    m_sim.SetMode(ZStackSimulator::Mode::HugeBody);
    m_session.UserLogin();
    EXPECT_EQ(m_session.SessionUuid(), "kept");
    EXPECT_FALSE(m_session.QueryRunningVm());
}

// --- Hand-made replies ---------------------------------------------------------

class ReplyTest : public testing::Test {
protected:
    void Reply(const std::string& body) { m_reply = body; }

    std::string m_reply;
    LoopbackHttpServer m_server{
        [this](const SeenRequest&) { return ServerReply::Status(200, m_reply); }};
    Session m_session{Loopback(m_server.Port())};
};

std::string Done(const std::string& resultJson) {
    return "{\"state\":\"Done\",\"result\":" + resultJson + "}";
}

struct LoginCase {
    std::string reply;
    std::string session;
};

class LoginReplyTest : public ReplyTest, public testing::WithParamInterface<LoginCase> {};

TEST_P(LoginReplyTest, SessionIdFromTheResultText) {
    m_session.SetSessionUuid("old");
    Reply(GetParam().reply);
    m_session.UserLogin();
    EXPECT_EQ(m_session.SessionUuid(), GetParam().session);
}

INSTANTIATE_TEST_SUITE_P(
    Replies, LoginReplyTest,
    testing::Values(
        LoginCase{R"({"result":"{\"inventory\":{\"uuid\":\"abc\",\"accountUuid\":\"x\"}}"})", "abc"},
        LoginCase{R"(  {"result":"{\"uuid\":\"\",\"accountUuid\":\"x\"}"}  )", ""},
        // Markers missing or in the wrong order: what the positions give.
        LoginCase{R"({"result":"no markers here"})", ""},
        LoginCase{R"({"result":"\",\"accountUuid\"...\"uuid\":\"late"})", ""},
        LoginCase{R"({"result":"0123456789\",\"accountUuid\""})", "789"},
        LoginCase{R"({"result":"\"uuid\":\"runs to the end"})", ""},
        LoginCase{R"({"other":1})", ""},
        // "result" that is not text reads as empty text.
        LoginCase{R"({"result":{"inventory":{"uuid":"abc"}}})", ""},
        LoginCase{R"({"result":["\"uuid\":\"abc\",\"accountUuid\""]})", ""},
        LoginCase{R"({"result":42})", ""},
        LoginCase{R"({"result":true})", ""},
        LoginCase{R"({"result":null})", ""},
        LoginCase{R"([1,2,3])", ""},
        LoginCase{R"("just text")", ""},
        // Not JSON, empty, white space, or nested past the reader's limit: kept.
        LoginCase{"not json", "old"},
        LoginCase{"", "old"},
        LoginCase{" \r\n\t ", "old"},
        LoginCase{std::string(1100, '['), "old"}),
    testsupport::CaseIndex());

TEST_F(ReplyTest, DeepNestingWithinTheBufferDoesNotCrash) {
    m_session.SetSessionUuid("old");
    Reply(std::string(1020, '[') + std::string(1020, ']'));
    m_session.UserLogin();
    EXPECT_EQ(m_session.SessionUuid(), "old");
    Reply(std::string(4000, '{'));
    EXPECT_FALSE(m_session.QueryRunningVm());
}

struct RunningCase {
    std::string reply;
    bool running;
};

class RunningReplyTest : public ReplyTest, public testing::WithParamInterface<RunningCase> {};

TEST_P(RunningReplyTest, RunningWhenTheResultTextSaysSo) {
    Reply(GetParam().reply);
    EXPECT_EQ(m_session.QueryRunningVm(), GetParam().running);
}

std::string Padded(size_t total) {
    const std::string head = R"({"result":"state\":\"Running)";
    const std::string tail = "\"}";
    return head + std::string(total - head.size() - tail.size(), 'p') + tail;
}

INSTANTIATE_TEST_SUITE_P(
    Replies, RunningReplyTest,
    testing::Values(RunningCase{R"({"result":"{\"inventories\":[{\"state\":\"Running\"}]}"})", true},
                    RunningCase{R"({"result":"xx state\":\"Running yy"})", true},
                    RunningCase{R"({"result":"{\"inventories\":[{\"state\":\"Stopped\"}]}"})", false},
                    RunningCase{R"({"result":"state\":\"running"})", false},
                    RunningCase{R"({"state":"Running","result":""})", false},
                    RunningCase{R"({"result":{"state":"Running"}})", false},
                    RunningCase{Padded(4095), true},
                    RunningCase{Padded(5000), false}),
    testsupport::CaseIndex());

TEST_F(ReplyTest, ImageQueryDoesNotTouchTheSession) {
    m_session.SetSessionUuid("S");
    Reply(Done(R"("{\"inventories\":[{\"uuid\":\"img\",\"name\":\"n\"}]}")"));
    m_session.GetMirroringList();
    EXPECT_EQ(m_session.SessionUuid(), "S");
    EXPECT_EQ(m_server.Requests().back().body, CCloudApiSession::QueryImageBody("S"));
}

// --- What the operations log -----------------------------------------------------

const bool g_registered = [] {
    testsupport::RegisterChildScenario("cloud-session-log", [] {
        ZStackSimulator sim{ZStackSimulator::Options{}};
        CCloudApiSession session(Loopback(sim.Port()));
        session.UserLogin();
        session.GetMirroringList();
        const bool running = session.QueryRunningVm();
        session.UserLogout();
        return running ? 0 : 1;
    });
    return true;
}();

TEST(CloudSessionLogTest, EachOperationLogsItsSteps) {
    testsupport::ScopedFile marker("C:\\EnableDebug");
    testsupport::RemoveFile("C:\\TaviAppStore.log");
    ASSERT_EQ(testsupport::RunChildScenario("cloud-session-log"), 0);
    const std::string log = testsupport::ReadTextFile("C:\\TaviAppStore.log");
    testsupport::RemoveFile("C:\\TaviAppStore.log");

    EXPECT_NE(log.find("enter UserLogin:http://127.0.0.1:"), std::string::npos) << log;
    EXPECT_NE(log.find("/zstack/api\nUserLogin result:{\"result\":"), std::string::npos);
    EXPECT_TRUE(std::regex_search(log, std::regex("Login uuid:5e55[0-9a-f]{28}\n")));
    EXPECT_NE(log.find(std::string("GetMirroringList uuid:") + ZStackSimulator::kImageUuid + "\n"),
              std::string::npos);
    EXPECT_NE(log.find("GetMirroringList sPostString:{\n   \"org.zstack.header.vm."),
              std::string::npos);
    EXPECT_NE(log.find("UserLogout sPostString:"), std::string::npos);
    EXPECT_NE(log.find("UserLogout sContent:{\"result\":"), std::string::npos);
}

}  // namespace
