// HttpRequest against a loopback server: statuses, bodies, headers, argument
// checks, the watchdog, the certificate retry and the fallback library.
#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <vector>

#include "cloud/HttpTransport.h"
#include "tests/support/CaseNames.h"
#include "tests/support/Files.h"
#include "tools/loopback-http/LoopbackHttpServer.h"

namespace {

using namespace std::chrono;
using testsupport::ReadWholeFile;

struct Outcome {
    std::string text;
    int32_t error = 0;
    int32_t bytes = 0;
};

Outcome Request(const HttpTransport& transport, const std::string& url, const char* verb,
                const char* body = "", const char* host = "", const char* outputFile = "",
                const char* extra = "", int32_t timeoutMs = 5000) {
    Outcome outcome;
    outcome.text = transport.HttpRequest(url.c_str(), verb, timeoutMs, body, host, outputFile,
                                         extra, &outcome.error, &outcome.bytes);
    return outcome;
}

Outcome Request(const std::string& url, const char* verb, const char* body = "",
                const char* host = "", const char* outputFile = "", const char* extra = "",
                int32_t timeoutMs = 5000) {
    return Request(HttpTransport(), url, verb, body, host, outputFile, extra, timeoutMs);
}

LoopbackHttpServer::Handler Always(ServerReply reply) {
    return [reply](const SeenRequest&) { return reply; };
}

class TransportTest : public testing::Test {
protected:
    void TearDown() override {
        EXPECT_EQ(SkinUI::LiveHandleCount(SkinUI::HandleKind::Internet), 0);
        EXPECT_EQ(SkinUI::LiveHandleCount(SkinUI::HandleKind::Kernel), 0);
        EXPECT_EQ(SkinUI::LiveHandleCount(SkinUI::HandleKind::Module), 0);
    }
};

struct StatusCase {
    int status;
    const char* body;
    const char* expected;
    int32_t bytes;
};

class StatusTest : public TransportTest, public testing::WithParamInterface<StatusCase> {};

TEST_P(StatusTest, OnlyStatus200YieldsTheBody) {
    const StatusCase& c = GetParam();
    LoopbackHttpServer server(Always(ServerReply::Status(c.status, c.body)));
    const Outcome got = Request(server.BaseUrl() + "/zstack/api", "POST", "{}");
    EXPECT_EQ(got.text, c.expected);
    EXPECT_EQ(got.bytes, c.bytes);
    EXPECT_EQ(server.Requests().size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Statuses, StatusTest,
                         testing::Values(StatusCase{200, "hello body", "hello body", 10},
                                         StatusCase{200, "", "", 0},
                                         StatusCase{201, "created", "", -1},
                                         StatusCase{204, "", "", -1},
                                         StatusCase{500, "oops", "", -1}),
                         testsupport::CaseIndex());

TEST_F(TransportTest, LongBodyIsReadInChunksWhole) {
    std::string body;
    for (int i = 0; i < 5000; ++i) body += static_cast<char>('a' + i % 26);
    LoopbackHttpServer server(Always(ServerReply::Status(200, body)));
    const Outcome got = Request(server.BaseUrl() + "/x", "GET");
    EXPECT_EQ(got.text, body);
    EXPECT_EQ(got.bytes, 5000);
}

TEST_F(TransportTest, BodyWithNulIsCutThereButCountedWhole) {
    const std::string body("abc\0def", 7);
    LoopbackHttpServer server(Always(ServerReply::Status(200, body)));
    const Outcome got = Request(server.BaseUrl() + "/x", "GET");
    EXPECT_EQ(got.text, "abc");
    EXPECT_EQ(got.bytes, 7);
}

TEST_F(TransportTest, OutputFileReceivesTheBodyBytes) {
    testsupport::TempFolder folder;
    const std::string path = folder.File("reply.bin");
    const std::string body("\x01\x02zero\0here", 11);
    LoopbackHttpServer server(Always(ServerReply::Status(200, body)));
    const Outcome got = Request(server.BaseUrl() + "/x", "GET", "", "", path.c_str());
    EXPECT_EQ(got.text, path);
    EXPECT_EQ(ReadWholeFile(path), body);
    EXPECT_EQ(got.bytes, 11);
}

TEST_F(TransportTest, UnwritableOutputFileFallsBackToText) {
    LoopbackHttpServer server(Always(ServerReply::Status(200, "text instead")));
    const Outcome got =
        Request(server.BaseUrl() + "/x", "GET", "", "", "C:\\no\\such\\folder\\out.bin");
    EXPECT_EQ(got.text, "text instead");
}

struct BadArguments {
    const char* url;
    const char* verb;
};

class BadArgumentsTest : public TransportTest, public testing::WithParamInterface<BadArguments> {};

TEST_P(BadArgumentsTest, RefusedWith87AndNoTraffic) {
    LoopbackHttpServer server(Always(ServerReply::Status(200, "x")));
    const std::string url = GetParam().url ? server.BaseUrl() + GetParam().url : "";
    const Outcome got = Request(url, GetParam().verb);
    EXPECT_EQ(got.text, "");
    EXPECT_EQ(got.error, ERROR_INVALID_PARAMETER);
    EXPECT_EQ(got.bytes, -1);
    EXPECT_EQ(server.ConnectionCount(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Arguments, BadArgumentsTest,
                         testing::Values(BadArguments{nullptr, "POST"},
                                         BadArguments{"/x", "PUT"},
                                         BadArguments{"/x", "post"},
                                         BadArguments{"/x", ""}),
                         testsupport::CaseIndex());

TEST_F(TransportTest, PostSendsBodyHostAndJsonContentType) {
    LoopbackHttpServer server(Always(ServerReply::Status(200, "ok")));
    Request(server.BaseUrl() + "/zstack/api?a=1", "POST", "{\"k\":1}", "cloud.test");
    ASSERT_EQ(server.Requests().size(), 1u);
    const SeenRequest seen = server.Requests()[0];
    EXPECT_EQ(seen.method, "POST");
    EXPECT_EQ(seen.target, "/zstack/api?a=1");
    EXPECT_EQ(seen.body, "{\"k\":1}");
    EXPECT_EQ(seen.Header("Host"), "cloud.test");
    EXPECT_EQ(seen.Header("Content-type"), "application/json");
    EXPECT_EQ(seen.Header("User-Agent"), "Mozilla/4.0 (compatible; MSIE 6.00; Windows NT 5.2; Velor)");
}

TEST_F(TransportTest, GetSendsNoContentTypeAndExtraHeadersAsGiven) {
    LoopbackHttpServer server(Always(ServerReply::Status(200, "ok")));
    Request(server.BaseUrl() + "/x", "GET", "", "", "", "Cookie: sid=42\r\nX-Extra: yes\r\n");
    ASSERT_EQ(server.Requests().size(), 1u);
    const SeenRequest seen = server.Requests()[0];
    EXPECT_EQ(seen.method, "GET");
    EXPECT_EQ(seen.Header("Content-type"), "");
    EXPECT_EQ(seen.Header("Cookie"), "sid=42");
    EXPECT_EQ(seen.Header("X-Extra"), "yes");
}

TEST_F(TransportTest, ServerClosingWithoutAnswerIsAFailure) {
    LoopbackHttpServer server(Always(ServerReply::CloseNow()));
    const Outcome got = Request(server.BaseUrl() + "/x", "POST", "{}");
    EXPECT_EQ(got.text, "");
    EXPECT_EQ(got.bytes, -1);
}

TEST_F(TransportTest, SilentServerEndsNearTheTimeout) {
    LoopbackHttpServer server(Always(ServerReply::Silence()));
    const auto start = steady_clock::now();
    const Outcome got = Request(server.BaseUrl() + "/x", "POST", "{}", "", "", "", 1000);
    const auto took = duration_cast<milliseconds>(steady_clock::now() - start).count();
    EXPECT_EQ(got.text, "");
    EXPECT_NE(got.error, 0);
    EXPECT_GE(took, 950);
    EXPECT_LT(took, 4000);
}

// Servers that answer too slowly, or stop half-way: the caller is back
// within the time-out plus a second, and a body cut short by the time-out is
// no answer.
TEST_F(TransportTest, DrippingOrCutAnswersEndWithinTheTimeout) {
    const std::string body(400, 'x');
    const ServerReply whole = ServerReply::Status(200, body);
    const size_t headLength = whole.bytes.size() - body.size();
    struct Case {
        const char* what;
        ServerReply reply;
        const char* text;  // null: any
        int32_t bytes;     // -2: any
        long long limitMs;
    };
    ServerReply dripAll = whole, dripBody = whole, cut = whole;
    dripAll.byteDelayMs = dripBody.byteDelayMs = 25;
    dripBody.delayFrom = headLength + 10;
    cut.bytes = "HTTP/1.1 200 OK\r\nContent-Length: 1000\r\nConnection: close\r\n\r\n{\"a\":";
    for (const Case& c : {Case{"headers and body one byte at a time", dripAll, "", -1, 2000},
                          Case{"body one byte at a time", dripBody, "", -1, 2000},
                          Case{"body cut short", cut, nullptr, -2, 2000}}) {
        SCOPED_TRACE(c.what);
        LoopbackHttpServer server(Always(c.reply));
        const auto start = steady_clock::now();
        const Outcome got = Request(server.BaseUrl() + "/x", "POST", "{}", "", "", "", 1000);
        const auto took = duration_cast<milliseconds>(steady_clock::now() - start).count();
        EXPECT_LT(took, c.limitMs);
        if (c.text) {
            EXPECT_EQ(got.text, c.text);
        }
        if (c.bytes != -2) {
            EXPECT_EQ(got.bytes, c.bytes);
        }
        server.Stop();
    }
}

TEST_F(TransportTest, RefusedConnectionFailsWithItsError) {
    uint16_t port = 0;
    {
        LoopbackHttpServer probe(Always(ServerReply::CloseNow()));
        port = probe.Port();
    }
    const Outcome got =
        Request("http://127.0.0.1:" + std::to_string(port) + "/x", "GET", "", "", "", "", 500);
    EXPECT_EQ(got.text, "");
    EXPECT_EQ(got.error, ERROR_INTERNET_CANNOT_CONNECT);
}

// --- The watchdog on its own -------------------------------------------------

int g_closedHandles = 0;
BOOL WINAPI CountingClose(HINTERNET) {
    ++g_closedHandles;
    return TRUE;
}

TEST_F(TransportTest, WatchdogEndsAtOnceWhenTheRequestIsSent) {
    HttpPlatform platform;
    platform.InternetCloseHandle = CountingClose;
    g_closedHandles = 0;
    InternetHandle request(reinterpret_cast<HINTERNET>(0x1234), InternetHandleTraits{&platform});
    SkinUI::EventHandle finished(CreateEventA(nullptr, TRUE, TRUE, nullptr));
    MonitorParam param{&request, 10000, finished.get()};

    const auto start = steady_clock::now();
    EXPECT_EQ(MonitorThreadProc(&param), 0u);
    EXPECT_LT(duration_cast<milliseconds>(steady_clock::now() - start).count(), 400);
    EXPECT_TRUE(request);
    EXPECT_EQ(g_closedHandles, 0);
}

TEST_F(TransportTest, WatchdogClosesTheRequestAtTheFirstTickPastTheTimeout) {
    HttpPlatform platform;
    platform.InternetCloseHandle = CountingClose;
    g_closedHandles = 0;
    InternetHandle request(reinterpret_cast<HINTERNET>(0x1234), InternetHandleTraits{&platform});
    SkinUI::EventHandle finished(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    MonitorParam param{&request, 1200, finished.get()};

    const auto start = steady_clock::now();
    EXPECT_EQ(MonitorThreadProc(&param), 0u);
    EXPECT_GE(duration_cast<milliseconds>(steady_clock::now() - start).count(), 1450);
    EXPECT_FALSE(request);
    EXPECT_EQ(g_closedHandles, 1);
}

// --- The certificate retry, through a platform that fails the send ----------

struct SendScript {
    std::vector<DWORD> failures;  // error of each failing send, in order
    int sends = 0;
    std::vector<DWORD> securityFlagWrites;
    DWORD openFlags = 0;
} g_send;

BOOL WINAPI ScriptedSend(HINTERNET request, LPCSTR headers, DWORD headersLength, LPVOID body,
                         DWORD bodyLength) {
    const size_t index = static_cast<size_t>(g_send.sends++);
    if (index < g_send.failures.size()) {
        SetLastError(g_send.failures[index]);
        return FALSE;
    }
    return HttpSendRequestA(request, headers, headersLength, body, bodyLength);
}

BOOL WINAPI RecordingSetOption(HINTERNET handle, DWORD option, LPVOID buffer, DWORD length) {
    if (option == INTERNET_OPTION_SECURITY_FLAGS)
        g_send.securityFlagWrites.push_back(*static_cast<DWORD*>(buffer));
    return InternetSetOptionA(handle, option, buffer, length);
}

BOOL WINAPI SecurityFlagsReadable(HINTERNET handle, DWORD option, LPVOID buffer, LPDWORD length) {
    if (option == INTERNET_OPTION_SECURITY_FLAGS) {
        *static_cast<DWORD*>(buffer) = 0;
        return TRUE;
    }
    return InternetQueryOptionA(handle, option, buffer, length);
}

HINTERNET WINAPI RecordingOpenRequest(HINTERNET connection, LPCSTR verb, LPCSTR object,
                                      LPCSTR version, LPCSTR referrer, LPCSTR* accept,
                                      DWORD flags, DWORD_PTR context) {
    g_send.openFlags = flags;
    return HttpOpenRequestA(connection, verb, object, version, referrer, accept, flags, context);
}

HttpPlatform ScriptedPlatform(std::vector<DWORD> failures) {
    g_send = SendScript{};
    g_send.failures = std::move(failures);
    HttpPlatform platform;
    platform.HttpSendRequestA = ScriptedSend;
    platform.InternetSetOptionA = RecordingSetOption;
    platform.InternetQueryOptionA = SecurityFlagsReadable;
    platform.HttpOpenRequestA = RecordingOpenRequest;
    return platform;
}

struct RetryCase {
    DWORD firstError;
    bool retried;
};

class CertificateRetryTest : public TransportTest, public testing::WithParamInterface<RetryCase> {};

TEST_P(CertificateRetryTest, OneRetryOnlyForCertificateErrors) {
    const HttpPlatform platform = ScriptedPlatform({GetParam().firstError});
    LoopbackHttpServer server(Always(ServerReply::Status(200, "after retry")));
    const Outcome got = Request(HttpTransport(platform), server.BaseUrl() + "/x", "POST", "{}",
                                "", "", "", 500);
    if (GetParam().retried) {
        EXPECT_EQ(g_send.sends, 2);
        EXPECT_EQ(got.text, "after retry");
        ASSERT_EQ(g_send.securityFlagWrites.size(), 1u);
        EXPECT_EQ(g_send.securityFlagWrites[0], 0x3180u);
    } else {
        EXPECT_EQ(g_send.sends, 1);
        EXPECT_EQ(got.text, "");
        EXPECT_EQ(got.error, static_cast<int32_t>(GetParam().firstError));
        EXPECT_TRUE(g_send.securityFlagWrites.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Errors, CertificateRetryTest,
                         testing::Values(RetryCase{12045, true}, RetryCase{12037, true},
                                         RetryCase{12057, true}, RetryCase{512, true},
                                         RetryCase{12038, false}, RetryCase{12029, false}),
                         [](const testing::TestParamInfo<RetryCase>& info) {
                             return "Error" + std::to_string(info.param.firstError);
                         });

TEST_F(TransportTest, SecondCertificateFailureIsFinal) {
    const HttpPlatform platform = ScriptedPlatform({12045, 12045, 12045});
    LoopbackHttpServer server(Always(ServerReply::Status(200, "never")));
    const Outcome got =
        Request(HttpTransport(platform), server.BaseUrl() + "/x", "POST", "{}", "", "", "", 500);
    EXPECT_EQ(g_send.sends, 2);
    EXPECT_EQ(got.text, "");
    EXPECT_EQ(got.error, 12045);
}

TEST_F(TransportTest, SecureRequestRelaxesCertificateChecksBeforeSending) {
    const HttpPlatform platform = ScriptedPlatform({12045, 12045});
    LoopbackHttpServer server(Always(ServerReply::Status(200, "never")));
    const std::string url = "https://127.0.0.1:" + std::to_string(server.Port()) + "/x";
    Request(HttpTransport(platform), url, "GET", "", "", "", "Cookie: a=b\r\n", 500);
    EXPECT_EQ(g_send.openFlags, 0x4801000u | INTERNET_FLAG_NO_COOKIES);
    ASSERT_EQ(g_send.securityFlagWrites.size(), 2u);
    EXPECT_EQ(g_send.securityFlagWrites[0], 0x3380u);
    EXPECT_EQ(g_send.securityFlagWrites[1], 0x3180u);
}

TEST_F(TransportTest, PlainRequestFlags) {
    const HttpPlatform platform = ScriptedPlatform({});
    LoopbackHttpServer server(Always(ServerReply::Status(200, "ok")));
    EXPECT_EQ(Request(HttpTransport(platform), server.BaseUrl() + "/x", "GET").text, "ok");
    EXPECT_EQ(g_send.openFlags, 0x04000000u);
    EXPECT_TRUE(g_send.securityFlagWrites.empty());
}

// --- Falling back to the outside library when WinINet cannot be opened -------

HINTERNET WINAPI FailingOpen(LPCSTR, DWORD, LPCSTR, LPCSTR, DWORD) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
}
HMODULE WINAPI NoLibrary(LPCSTR) {
    return nullptr;
}
FARPROC WINAPI NoCleanupEntry(HMODULE module, LPCSTR name) {
    return strcmp(name, "VLHTTPCleanup") == 0 ? nullptr : GetProcAddress(module, name);
}

HttpPlatform WithoutWinInet() {
    HttpPlatform platform;
    platform.InternetOpenA = FailingOpen;
    return platform;
}

class FallbackTest : public TransportTest {
protected:
    void TearDown() override {
        SetEnvironmentVariableA("DODEZA_TEST_MODE", nullptr);
        TransportTest::TearDown();
    }
};

TEST_F(FallbackTest, PostGoesThroughTheLibraryWithoutTheCookieLine) {
    Outcome got;
    got.error = 7;
    got.text = HttpTransport(WithoutWinInet())
                   .HttpRequest("http://127.0.0.1:1/api", "POST", 3000, "{body}", "host.test",
                                "", "A: 1\r\nCookie: s=1\r\nB: 2\r\n", &got.error, &got.bytes);
    EXPECT_EQ(got.text, "POST|http://127.0.0.1:1/api|{body}|A: 1\r\nB: 2\r\n|3000");
    EXPECT_EQ(got.error, 7);  // untouched
    EXPECT_EQ(got.bytes, -1);
}

TEST_F(FallbackTest, GetGoesThroughTheLibrary) {
    const HttpTransport transport(WithoutWinInet());
    EXPECT_EQ(transport.FallbackHttpRequest("GET", "http://h/x", "", 10, "Cookie: only=1"),
              "GET|http://h/x||10");
    EXPECT_EQ(transport.FallbackHttpRequest("PUT", "http://h/x", "", 10, ""), "");
}

TEST_F(FallbackTest, LibraryFailuresGiveEmptyText) {
    HttpPlatform noLibrary = WithoutWinInet();
    noLibrary.LoadLibraryA = NoLibrary;
    EXPECT_EQ(HttpTransport(noLibrary).FallbackHttpRequest("GET", "http://h/", "", 10, ""), "");

    HttpPlatform missingEntry = WithoutWinInet();
    missingEntry.GetProcAddress = NoCleanupEntry;
    EXPECT_EQ(HttpTransport(missingEntry).FallbackHttpRequest("GET", "http://h/", "", 10, ""), "");

    const HttpTransport transport(WithoutWinInet());
    SetEnvironmentVariableA("DODEZA_TEST_MODE", "init-fails");
    EXPECT_EQ(transport.FallbackHttpRequest("GET", "http://h/", "", 10, ""), "");
    SetEnvironmentVariableA("DODEZA_TEST_MODE", "zero");
    EXPECT_EQ(transport.FallbackHttpRequest("GET", "http://h/", "", 10, ""), "");
}

TEST_F(FallbackTest, FullBufferIsReadNoFurtherThanItsEnd) {
    SetEnvironmentVariableA("DODEZA_TEST_MODE", "fill");
    const std::string text =
        HttpTransport(WithoutWinInet()).FallbackHttpRequest("POST", "http://h/", "", 10, "");
    EXPECT_EQ(text, std::string(4096, 'f'));
}

// --- URL splitting -----------------------------------------------------------

TEST(CrackUrlTest, SplitsHostPortAndObject) {
    const UrlParts parts = CrackUrl("https://cloud.test:8443/zstack/api?x=1#frag");
    EXPECT_EQ(parts.scheme, INTERNET_SCHEME_HTTPS);
    EXPECT_EQ(parts.host, "cloud.test");
    EXPECT_EQ(parts.port, 8443u);
    EXPECT_EQ(parts.object, "/zstack/api?x=1#frag");

    const UrlParts plain = CrackUrl("http://127.0.0.1/");
    EXPECT_EQ(plain.scheme, INTERNET_SCHEME_HTTP);
    EXPECT_EQ(plain.port, 80u);
    EXPECT_EQ(plain.object, "/");
}

TEST(CrackUrlTest, UnsplittableUrlGivesEmptyParts) {
    const UrlParts parts = CrackUrl("not a url");
    EXPECT_EQ(parts.host, "");
    EXPECT_EQ(parts.object, "");
}

}  // namespace
