// A stand-in for the outside HTTP library the transport falls back to: it
// echoes its arguments as the response, so tests can see what it was given.
// DODEZA_TEST_MODE: "init-fails", "zero" (count 0), "fill" (buffer filled, no NUL).
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

std::string Mode() {
    char mode[32] = {};
    GetEnvironmentVariableA("DODEZA_TEST_MODE", mode, sizeof(mode));
    return mode;
}

int32_t Answer(const std::string& text, char* buffer, int32_t size) {
    const std::string mode = Mode();
    if (mode == "zero") {
        snprintf(buffer, static_cast<size_t>(size), "ignored");
        return 0;
    }
    if (mode == "fill") {
        memset(buffer, 'f', static_cast<size_t>(size));
        return size;
    }
    snprintf(buffer, static_cast<size_t>(size), "%s", text.c_str());
    return static_cast<int32_t>(strlen(buffer));
}

}  // namespace

extern "C" {

__declspec(dllexport) bool VLHTTPInit() {
    return Mode() != "init-fails";
}

__declspec(dllexport) int32_t VLHTTPGet(const char* url, const char* headers, int32_t timeout,
                                        char* buffer, int32_t size) {
    return Answer(std::string("GET|") + url + "|" + headers + "|" + std::to_string(timeout),
                  buffer, size);
}

__declspec(dllexport) int32_t VLHTTPPost(const char* url, const char* body, const char* headers,
                                         int32_t timeout, char* buffer, int32_t size) {
    return Answer(std::string("POST|") + url + "|" + body + "|" + headers + "|" +
                      std::to_string(timeout),
                  buffer, size);
}

__declspec(dllexport) void VLHTTPCleanup() {}

}
