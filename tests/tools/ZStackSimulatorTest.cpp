// The simulator refuses what a ZStack node would refuse.
#include <gtest/gtest.h>

#include "cloud/PostRequest.h"
#include "tools/zstack-sim/StorePages.h"
#include "tools/zstack-sim/ZStackSimulator.h"

namespace {

struct RefusalCase {
    const char* body;
    const char* expectedInReply;  // empty: the request fails (non-200)
};

class SimulatorRefusalTest : public testing::TestWithParam<RefusalCase> {};

TEST_P(SimulatorRefusalTest, Refuses) {
    ZStackSimulator sim{ZStackSimulator::Options{}};
    const std::string url = "http://127.0.0.1:" + std::to_string(sim.Port()) + "/zstack/api";
    const std::string reply = PostRequest(GetParam().body, url.c_str(), "127.0.0.1", "");
    if (*GetParam().expectedInReply) {
        EXPECT_NE(reply.find(GetParam().expectedInReply), std::string::npos) << reply;
    } else {
        EXPECT_EQ(reply, "");
    }
    EXPECT_TRUE(sim.IssuedSession().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Messages, SimulatorRefusalTest,
    testing::Values(
        RefusalCase{R"({"org.zstack.header.identity.APILogInByAccountMsg":{"accountName":"kv0003","password":"bad"}})",
                    R"(\"success\":false)"},
        RefusalCase{R"({"org.zstack.header.identity.APILogInByAccountMsg":{"accountName":"other","password":"a1b2c3d4e5f60718293a4b5c6d7e8f900f9e8d7c6b5a49382716f5e4d3c2b1a01a2b3c4d5e6f708192a3b4c5d6e7f80990f8e7d6c5b4a3928170f6e5d4c3b2a1"}})",
                    "wrong account name or password"},
        RefusalCase{R"({"org.zstack.header.vm.APIQueryVmInstanceMsg":{"session":{"uuid":"forged"},"conditions":[]}})",
                    "Session expired"},
        RefusalCase{R"({"org.zstack.header.image.APIQueryImageMsg":{"session":{"uuid":""}}})",
                    "Session expired"},
        RefusalCase{R"({"org.zstack.header.Unknown":{}})", ""},
        RefusalCase{"not json", ""},
        RefusalCase{R"({"a":{},"b":{}})", ""}),
    [](const testing::TestParamInfo<RefusalCase>& info) { return "Case" + std::to_string(info.index); });

struct PageCase {
    const char* method;
    const char* target;
    bool isPage;
    const char* expectedInReply;
};

class StorePageTest : public testing::TestWithParam<PageCase> {};

TEST_P(StorePageTest, ServesTheStorePages) {
    SeenRequest request;
    request.method = GetParam().method;
    request.target = GetParam().target;
    ASSERT_EQ(IsStorePageRequest(request), GetParam().isPage);
    if (!GetParam().isPage) return;
    const std::string reply = StorePage(request).bytes;
    EXPECT_NE(reply.find(GetParam().expectedInReply), std::string::npos) << reply;
}

INSTANTIATE_TEST_SUITE_P(
    Targets, StorePageTest,
    testing::Values(PageCase{"GET", "/store/", true, "window.external.vl_submit()"},
                    PageCase{"GET", "/store/search?q=abc", true, "Results for abc"},
                    // Search text never becomes markup in the page.
                    PageCase{"GET", "/store/search?q=<b>&", true, "Results for &lt;b&gt;&amp;"},
                    PageCase{"GET", "/store/other", true, "404"},
                    PageCase{"POST", "/store/", false, ""},
                    PageCase{"GET", "/zstack/api", false, ""}),
    [](const testing::TestParamInfo<PageCase>& info) { return "Case" + std::to_string(info.index); });

}  // namespace
