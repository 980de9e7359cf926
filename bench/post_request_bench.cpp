// PostRequest against a bare WinINet POST to the same loopback server, side
// by side in one run: per-request times interleaved in rounds, medians and
// spread, and the ratio of the medians (target: at most 1.2).
#include <windows.h>
#include <wininet.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "cloud/PostRequest.h"
#include "tools/loopback-http/LoopbackHttpServer.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kRounds = 30;
constexpr int kPerRound = 10;
constexpr const char* kBody = "{\"org.zstack.header.identity.APILogInByAccountMsg\":{}}";

// The least a WinINet POST takes: session, connection, request, send, status, body.
std::string BarePost(const std::string& host, INTERNET_PORT port) {
    std::string reply;
    HINTERNET session = InternetOpenA("bench", INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0);
    HINTERNET connection =
        InternetConnectA(session, host.c_str(), port, nullptr, nullptr, INTERNET_SERVICE_HTTP, 0, 0);
    HINTERNET request = HttpOpenRequestA(connection, "POST", "/zstack/api", nullptr, nullptr,
                                         nullptr, INTERNET_FLAG_NO_CACHE_WRITE, 0);
    const char* headers = "Content-type: application/json\r\n";
    if (HttpSendRequestA(request, headers, DWORD(-1), const_cast<char*>(kBody),
                         DWORD(strlen(kBody)))) {
        char status[32] = {};
        DWORD length = 30;
        HttpQueryInfoA(request, HTTP_QUERY_STATUS_CODE, status, &length, nullptr);
        char chunk[1024];
        DWORD read = 0;
        while (InternetReadFile(request, chunk, sizeof(chunk), &read) && read > 0)
            reply.append(chunk, read);
    }
    InternetCloseHandle(request);
    InternetCloseHandle(connection);
    InternetCloseHandle(session);
    return reply;
}

double Percentile(std::vector<double> values, double p) {
    std::sort(values.begin(), values.end());
    const size_t index = std::min(values.size() - 1, size_t(p * double(values.size() - 1) + 0.5));
    return values[index];
}

template <typename Fn>
void TimeBatch(std::vector<double>& samples, Fn&& fn) {
    for (int i = 0; i < kPerRound; ++i) {
        const auto start = Clock::now();
        fn();
        samples.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
}

}  // namespace

int main() {
    LoopbackHttpServer server([](const SeenRequest&) {
        return ServerReply::Status(200, "{\"state\":\"Done\",\"result\":\"{}\"}");
    });
    if (!server.Listening()) {
        fprintf(stderr, "cannot listen on loopback\n");
        return 1;
    }
    const std::string url = server.BaseUrl() + "/zstack/api";

    // Warm both paths once.
    PostRequest(kBody, url.c_str(), "127.0.0.1", "");
    BarePost("127.0.0.1", server.Port());

    // Each round times both paths back to back; its ratio pairs them under
    // the same machine load.
    std::vector<double> post, bare, roundRatios;
    for (int round = 0; round < kRounds; ++round) {
        std::vector<double> roundPost, roundBare;
        TimeBatch(roundPost, [&] { PostRequest(kBody, url.c_str(), "127.0.0.1", ""); });
        TimeBatch(roundBare, [&] { BarePost("127.0.0.1", server.Port()); });
        roundRatios.push_back(Percentile(roundPost, 0.5) / Percentile(roundBare, 0.5));
        post.insert(post.end(), roundPost.begin(), roundPost.end());
        bare.insert(bare.end(), roundBare.begin(), roundBare.end());
    }

    const double postMedian = Percentile(post, 0.5);
    const double bareMedian = Percentile(bare, 0.5);
    printf("requests per path: %zu (%d rounds of %d, interleaved)\n", post.size(), kRounds,
           kPerRound);
    printf("%-12s median %7.2f ms   p10 %7.2f   p90 %7.2f\n", "PostRequest", postMedian,
           Percentile(post, 0.1), Percentile(post, 0.9));
    printf("%-12s median %7.2f ms   p10 %7.2f   p90 %7.2f\n", "bare WinINet", bareMedian,
           Percentile(bare, 0.1), Percentile(bare, 0.9));
    printf("ratio (PostRequest / bare, medians): %.2f (target <= 1.20)\n", postMedian / bareMedian);
    printf("per-round ratios: median %.2f   min %.2f   max %.2f\n", Percentile(roundRatios, 0.5),
           Percentile(roundRatios, 0.0), Percentile(roundRatios, 1.0));
    return 0;
}
