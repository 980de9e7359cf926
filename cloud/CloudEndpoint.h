// Where the cloud server is: loopback by default, or the "Cloud" section of
// the program's configuration file.
#pragma once

#include <cstdint>
#include <string>

struct CloudEndpoint {
    std::string host = "127.0.0.1";
    uint16_t port = 8080;

    // "http://host:port/zstack/api"
    std::string ApiUrl() const;

    // Keys "Host" and "Port" of section "Cloud"; missing or unusable values
    // keep the defaults.
    static CloudEndpoint FromConfigFile(const char* path);
    // The same from "UrlConfig.ini" beside the program.
    static CloudEndpoint FromProgramConfig();
};
