// The store's token in the URL library's user agent.
#include <gtest/gtest.h>

#include <windows.h>
#include <urlmon.h>

#include <string>

#include "mainwindow/UserAgentTag.h"

namespace {

struct AgentCase {
    const char* agent;
    const char* tagged;  // nullptr: left alone
};

class TaggedAgentTest : public testing::TestWithParam<AgentCase> {};

TEST_P(TaggedAgentTest, PutsTheTokenBeforeTheLastParenthesis) {
    char out[300];
    const bool changed = TaggedUserAgent(GetParam().agent, out, sizeof(out));
    EXPECT_EQ(changed, GetParam().tagged != nullptr);
    if (GetParam().tagged) {
        EXPECT_STREQ(out, GetParam().tagged);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Agents, TaggedAgentTest,
    testing::Values(AgentCase{"Agent/1.0 (a; b) x", "Agent/1.0 (a; b;VelorDEZ)"},
                    AgentCase{"Mozilla/4.0 (compatible; MSIE 8.0)", "Mozilla/4.0 (compatible; MSIE 8.0;VelorDEZ)"},
                    AgentCase{"Plain", "Plain;VelorDEZ)"}, AgentCase{"", ";VelorDEZ)"},
                    AgentCase{"Agent (RuDazuruv)", nullptr}),
    [](const testing::TestParamInfo<AgentCase>& info) { return "Case" + std::to_string(info.index); });

TEST(TaggedAgentTest, ResultThatDoesNotFitIsRefused) {
    char out[16];
    EXPECT_FALSE(TaggedUserAgent("Agent/1.0 (long)", out, sizeof(out)));
    EXPECT_FALSE(TaggedUserAgent(nullptr, out, sizeof(out)));
}

std::string CurrentAgent() {
    char agent[512] = {};
    DWORD length = 0;
    UrlMkGetSessionOption(URLMON_OPTION_USERAGENT, agent, sizeof(agent) - 1, &length, 0);
    return agent;
}

size_t Count(const std::string& text, const std::string& token) {
    size_t count = 0;
    for (size_t at = text.find(token); at != std::string::npos; at = text.find(token, at + 1)) ++count;
    return count;
}

TEST(UserAgentTagTest, SystemAgentGetsExactlyOneToken) {
    TagUserAgent();
    TagUserAgent();  // rebuilt from the default first, so never twice
    const std::string agent = CurrentAgent();
    EXPECT_EQ(Count(agent, ";VelorDEZ)"), 1u) << agent;
    EXPECT_EQ(agent.back(), ')') << agent;
}

}  // namespace
