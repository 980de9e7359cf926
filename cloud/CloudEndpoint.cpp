// Cloud server address from the configuration file.
#include "cloud/CloudEndpoint.h"

#include <windows.h>

#include "app/UrlConfig.h"

namespace {

// A host name goes into a URL as is: refuse anything that would change its shape.
bool IsUsableHost(const char* host) {
    if (!*host) return false;
    for (const char* p = host; *p; ++p) {
        const unsigned char c = static_cast<unsigned char>(*p);
        if (c <= ' ' || c == '/' || c == '\\' || c == ':' || c == '@' || c == '?' || c == '#')
            return false;
    }
    return true;
}

}  // namespace

std::string CloudEndpoint::ApiUrl() const {
    return "http://" + host + ":" + std::to_string(port) + "/zstack/api";
}

CloudEndpoint CloudEndpoint::FromConfigFile(const char* path) {
    CloudEndpoint endpoint;
    if (!path || !*path) return endpoint;

    char host[256] = {};
    GetPrivateProfileStringA("Cloud", "Host", "", host, sizeof(host), path);
    if (IsUsableHost(host)) endpoint.host = host;

    char port[32] = {};
    GetPrivateProfileStringA("Cloud", "Port", "", port, sizeof(port), path);
    char* end = nullptr;
    const long value = strtol(port, &end, 10);
    if (end != port && *end == '\0' && value > 0 && value <= 65535)
        endpoint.port = static_cast<uint16_t>(value);
    return endpoint;
}

CloudEndpoint CloudEndpoint::FromProgramConfig() {
    return FromConfigFile(ConfigFilePath());
}
