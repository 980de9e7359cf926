// One synchronous HTTP request over WinINet, guarded by a watchdog thread, with
// a fallback library when WinINet cannot be opened at all.
#pragma once

#include <cstdint>
#include <string>

#include "cloud/HttpPlatform.h"
#include "cloud/PlatformHandles.h"

struct UrlParts {
    int32_t scheme = 0;    // INTERNET_SCHEME_*; 4 selects the secure path
    std::string host;      // at most 255 characters
    uint32_t port = 0;     // from the URL or the scheme's default
    std::string object;    // path followed by the extra information
};

// Shared between a request and its watchdog for the length of one request.
struct MonitorParam {
    InternetHandle* request = nullptr;  // closed and emptied on time-out
    int32_t timeoutMs = 0;
    HANDLE finished = nullptr;  // event set once the request has been sent
};

UrlParts CrackUrl(const char* url);

// Watchdog: aborts the request at the first 500 ms tick at or after the
// time-out, and ends at once when the request reports it has been sent.
DWORD WINAPI MonitorThreadProc(LPVOID param);

class HttpTransport {
public:
    explicit HttpTransport(const HttpPlatform& platform = HttpPlatform::System());

    // Returns the body (or the output file path); empty on any failure.
    // `errorCell` gets the Windows error of a failing step; `byteCount` is -1
    // until a 200 answer is accepted, then the number of body bytes read.
    std::string HttpRequest(const char* url, const char* verb, int32_t timeoutMs,
                            const char* body, const char* hostHeader, const char* outputFile,
                            const char* extraHeaders, int32_t* errorCell, int32_t* byteCount) const;

    // The whole request through "DODeza.dll", loaded for this call only.
    std::string FallbackHttpRequest(const char* verb, const char* url, const char* body,
                                    int32_t timeoutMs, const char* extraHeaders) const;

private:
    const HttpPlatform& m_platform;
};

// The same through the real platform.
std::string HttpRequest(const char* url, const char* verb, int32_t timeoutMs, const char* body,
                        const char* hostHeader, const char* outputFile, const char* extraHeaders,
                        int32_t* errorCell, int32_t* byteCount);
std::string FallbackHttpRequest(const char* verb, const char* url, const char* body,
                                int32_t timeoutMs, const char* extraHeaders);
