// The one request entry point of the cloud operations.
#pragma once

#include <cstdint>
#include <string>

constexpr int32_t kPostRequestTimeoutMs = 10000;

// POSTs `body` and returns the reply trimmed of white space at both ends;
// empty when no reply was obtained. Never fails.
std::string PostRequest(const char* body, const char* url, const char* hostHeader,
                        const char* extraHeaders);

// Windows error code of the last failing transport step of any request.
int32_t PostRequestLastError();
