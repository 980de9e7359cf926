// The cloud server address from the "Cloud" section of the configuration file.
#include <gtest/gtest.h>

#include "cloud/CloudEndpoint.h"
#include "tests/support/CaseNames.h"
#include "tests/support/Files.h"

namespace {

struct EndpointCase {
    const char* ini;
    const char* host;
    uint16_t port;
};

class EndpointTest : public testing::TestWithParam<EndpointCase> {};

TEST_P(EndpointTest, ReadsHostAndPortOrKeepsLoopback) {
    testsupport::TempFolder folder;
    const std::string path = folder.File("UrlConfig.ini");
    ASSERT_TRUE(testsupport::WriteWholeFile(path, GetParam().ini));
    const CloudEndpoint endpoint = CloudEndpoint::FromConfigFile(path.c_str());
    EXPECT_EQ(endpoint.host, GetParam().host);
    EXPECT_EQ(endpoint.port, GetParam().port);
}

INSTANTIATE_TEST_SUITE_P(
    Files, EndpointTest,
    testing::Values(EndpointCase{"", "127.0.0.1", 8080},
                    EndpointCase{"[URL]\r\nHomePage=about:blank\r\n", "127.0.0.1", 8080},
                    EndpointCase{"[Cloud]\r\nHost=127.0.0.2\r\nPort=18080\r\n", "127.0.0.2", 18080},
                    EndpointCase{"[Cloud]\r\nPort=9\r\n", "127.0.0.1", 9},
                    EndpointCase{"[Cloud]\r\nHost=localhost\r\n", "localhost", 8080},
                    EndpointCase{"[Cloud]\r\nPort=0\r\n", "127.0.0.1", 8080},
                    EndpointCase{"[Cloud]\r\nPort=70000\r\n", "127.0.0.1", 8080},
                    EndpointCase{"[Cloud]\r\nPort=80x\r\n", "127.0.0.1", 8080},
                    EndpointCase{"[Cloud]\r\nHost=a/b\r\n", "127.0.0.1", 8080},
                    EndpointCase{"[Cloud]\r\nHost=h:1\r\n", "127.0.0.1", 8080},
                    EndpointCase{"[Cloud]\r\nHost=\r\n", "127.0.0.1", 8080}),
    testsupport::CaseIndex());

TEST(EndpointTest, MissingFileKeepsTheDefaults) {
    const CloudEndpoint endpoint = CloudEndpoint::FromConfigFile("C:\\no\\such\\UrlConfig.ini");
    EXPECT_EQ(endpoint.ApiUrl(), "http://127.0.0.1:8080/zstack/api");
}

TEST(EndpointTest, ApiUrlCarriesHostAndPort) {
    CloudEndpoint endpoint;
    endpoint.host = "cloud.test";
    endpoint.port = 18080;
    EXPECT_EQ(endpoint.ApiUrl(), "http://cloud.test:18080/zstack/api");
}

}  // namespace
