// The request entry point: fixed verb, trimmed replies, the error cell.
#include <gtest/gtest.h>

#include "cloud/PostRequest.h"
#include "tests/support/CaseNames.h"
#include "tools/loopback-http/LoopbackHttpServer.h"

namespace {

struct TrimCase {
    std::string reply;
    std::string expected;
};

class TrimTest : public testing::TestWithParam<TrimCase> {};

TEST_P(TrimTest, ReplyIsTrimmedOfWhiteSpace) {
    const std::string reply = GetParam().reply;
    LoopbackHttpServer server([reply](const SeenRequest&) { return ServerReply::Status(200, reply); });
    const std::string url = server.BaseUrl() + "/zstack/api";
    EXPECT_EQ(PostRequest("{}", url.c_str(), "127.0.0.1", ""), GetParam().expected);
    ASSERT_EQ(server.Requests().size(), 1u);
    EXPECT_EQ(server.Requests()[0].method, "POST");
}

INSTANTIATE_TEST_SUITE_P(Replies, TrimTest,
                         testing::Values(TrimCase{"\r\n  {\"a\":1}\n\n", "{\"a\":1}"},
                                         TrimCase{" \t\v\f\r\n", ""},
                                         TrimCase{"x y", "x y"},
                                         TrimCase{std::string("ab\0 cd", 6), "ab"}),
                         testsupport::CaseIndex());

TEST(PostRequestTest, FailureGivesEmptyTextAndKeepsTheError) {
    LoopbackHttpServer server([](const SeenRequest&) { return ServerReply::Status(500, "no"); });
    const std::string url = server.BaseUrl() + "/zstack/api";
    EXPECT_EQ(PostRequest("{}", url.c_str(), "127.0.0.1", ""), "");
    EXPECT_EQ(server.Requests().size(), 1u);  // no second try

    EXPECT_EQ(PostRequest("{}", "", "", ""), "");
    EXPECT_EQ(PostRequestLastError(), ERROR_INVALID_PARAMETER);
}

}  // namespace
