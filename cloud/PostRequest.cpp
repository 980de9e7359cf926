// PostRequest: fixed verb and time-out, reply trimmed of white space.
#include "cloud/PostRequest.h"

#include "cloud/HttpTransport.h"

namespace {

int32_t g_postRequestError = 0;

std::string Trimmed(const std::string& text) {
    const char* blanks = " \t\n\v\f\r";
    const size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos) return {};
    const size_t last = text.find_last_not_of(blanks);
    return text.substr(first, last - first + 1);
}

}  // namespace

std::string PostRequest(const char* body, const char* url, const char* hostHeader,
                        const char* extraHeaders) {
    const std::string reply = HttpRequest(url, "POST", kPostRequestTimeoutMs, body, hostHeader,
                                          "", extraHeaders, &g_postRequestError, nullptr);
    // The text ends at its first NUL, as a narrow string would. There is no
    // second try: no name server is consulted for other addresses.
    return Trimmed(std::string(reply.c_str()));
}

int32_t PostRequestLastError() {
    return g_postRequestError;
}
