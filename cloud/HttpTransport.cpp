// WinINet request with watchdog, certificate retry, transport log and fallback.
#include "cloud/HttpTransport.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "cloud/HttpLog.h"

namespace {

constexpr const char* kUserAgent = "Mozilla/4.0 (compatible; MSIE 6.00; Windows NT 5.2; Velor)";
constexpr DWORD kPlainRequestFlags = INTERNET_FLAG_NO_CACHE_WRITE;
constexpr DWORD kSecureRequestFlags =
    INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_SECURE | INTERNET_FLAG_IGNORE_CERT_CN_INVALID;
constexpr DWORD kSecureIgnoreFlags = 0x3380;  // revocation, unknown CA, usage, name, date
constexpr DWORD kRetryIgnoreFlags = 0x3180;   // the same without wrong usage
constexpr DWORD kWatchdogTickMs = 500;
// How long past the time-out the caller waits for a send.
constexpr DWORD kSendGraceMs = 400;
constexpr DWORD kReadChunk = 1022;
constexpr size_t kFallbackBufferSize = 4096;

const char* Text(const char* s) { return s ? s : ""; }

void SetErrorCell(int32_t* cell, DWORD error) {
    if (cell) *cell = static_cast<int32_t>(error);
}

bool IsCertificateError(DWORD error) {
    return error == ERROR_INTERNET_INVALID_CA || error == ERROR_INTERNET_SEC_CERT_DATE_INVALID ||
           error == 12057 /* ERROR_INTERNET_SEC_CERT_REV_FAILED */ || error == 512;
}

void AddSecurityFlags(const HttpPlatform& platform, HINTERNET request, DWORD flags) {
    DWORD current = 0;
    DWORD size = sizeof(current);
    if (platform.InternetQueryOptionA(request, INTERNET_OPTION_SECURITY_FLAGS, &current, &size)) {
        current |= flags;
        platform.InternetSetOptionA(request, INTERNET_OPTION_SECURITY_FLAGS, &current,
                                    sizeof(current));
    }
}

// An exported function as its real type (through the generic pointer type,
// which the compiler accepts for any function).
template <typename Fn>
Fn ProcAs(FARPROC proc) {
    return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(proc));
}

// Runs MonitorThreadProc for one request and is joined before the request
// returns. It runs on a pooled thread: a new thread per request costs more
// than the whole loopback exchange under Wine.
class RequestWatchdog {
public:
    RequestWatchdog(InternetHandle& request, int32_t timeoutMs) {
        m_param.request = &request;
        m_param.timeoutMs = timeoutMs;
        m_finished.reset(CreateEventA(nullptr, TRUE, FALSE, nullptr));
        m_done.reset(CreateEventA(nullptr, TRUE, FALSE, nullptr));
        m_param.finished = m_finished.get();
        m_running = m_finished && m_done &&
                    QueueUserWorkItem(Run, this, WT_EXECUTELONGFUNCTION) != FALSE;
        if (!m_running) WriteHttpLog("Create MonitorThreadProc failed!\n");
    }
    RequestWatchdog(const RequestWatchdog&) = delete;
    RequestWatchdog& operator=(const RequestWatchdog&) = delete;
    ~RequestWatchdog() { Join(); }

    // The request is on its way: the watchdog may end now.
    void Sent() {
        if (m_finished) SetEvent(m_finished.get());
    }

    void Join() {
        if (!m_running) return;
        WaitForSingleObject(m_done.get(), INFINITE);
        m_running = false;
    }

private:
    static DWORD WINAPI Run(LPVOID self) {
        auto* watchdog = static_cast<RequestWatchdog*>(self);
        MonitorThreadProc(&watchdog->m_param);
        SetEvent(watchdog->m_done.get());
        return 0;
    }

    MonitorParam m_param;
    SkinUI::EventHandle m_finished;
    SkinUI::EventHandle m_done;
    bool m_running = false;
};

// HttpSendRequest, with the retry that certificate errors allow, on a pooled
// thread. Under Wine a send blocked on headers that arrive byte by byte does
// not end when the watchdog closes its handle, so the caller stops waiting
// once the time-out has passed and leaves the send to end by itself: the job
// owns everything the send still uses.
class SendJob {
public:
    struct Outcome {
        bool sent = false;
        DWORD firstError = 0;  // of the first attempt, when it failed
        DWORD lastError = 0;
    };

    static Outcome Run(const HttpPlatform& platform, HINTERNET request, const char* body, int32_t timeoutMs) {
        auto job = std::make_shared<SendJob>(platform, request, body);
        auto* held = new std::shared_ptr<SendJob>(job);
        if (!job->m_done || !QueueUserWorkItem(Work, held, WT_EXECUTELONGFUNCTION)) {
            delete held;
            job->Send();
            return job->m_outcome;
        }
        const DWORD wait = timeoutMs > 0 ? static_cast<DWORD>(timeoutMs) + kSendGraceMs : INFINITE;
        if (WaitForSingleObject(job->m_done.get(), wait) == WAIT_OBJECT_0) return job->m_outcome;
        Outcome late;
        late.firstError = late.lastError = ERROR_INTERNET_TIMEOUT;
        return late;
    }

    SendJob(const HttpPlatform& platform, HINTERNET request, const char* body)
        : m_platform(platform), m_request(request), m_body(body), m_done(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {}

private:
    static DWORD WINAPI Work(LPVOID param) {
        std::unique_ptr<std::shared_ptr<SendJob>> held(static_cast<std::shared_ptr<SendJob>*>(param));
        (*held)->Send();
        SetEvent((*held)->m_done.get());
        return 0;
    }

    bool SendOnce() {
        const DWORD length = static_cast<DWORD>(m_body.size());
        return m_platform.HttpSendRequestA(m_request, nullptr, 0, length ? m_body.data() : nullptr, length) != FALSE;
    }

    void Send() {
        m_outcome.sent = SendOnce();
        if (m_outcome.sent) return;
        m_outcome.firstError = m_outcome.lastError = GetLastError();
        if (!IsCertificateError(m_outcome.firstError)) return;
        AddSecurityFlags(m_platform, m_request, kRetryIgnoreFlags);
        m_outcome.sent = SendOnce();
        if (!m_outcome.sent) m_outcome.lastError = GetLastError();
    }

    const HttpPlatform m_platform;  // a copy: the caller's table may be gone
    HINTERNET m_request;
    std::string m_body;
    SkinUI::EventHandle m_done;
    Outcome m_outcome;
};

std::string BuildHeaders(const char* verb, const char* hostHeader, const char* extraHeaders) {
    std::string headers;
    if (*hostHeader) {
        headers += "Host: ";
        headers += hostHeader;
        headers += "\r\n";
    }
    if (strcmp(verb, "POST") == 0) headers += "Content-type: application/json\r\n";
    headers += extraHeaders;
    return headers;
}

// The fallback library takes no cookie line: drop it up to its line end.
std::string WithoutCookieLine(const std::string& headers) {
    const size_t cookie = headers.find("Cookie: ");
    if (cookie == std::string::npos) return headers;
    const size_t lineEnd = headers.find("\r\n", cookie);
    if (lineEnd == std::string::npos) return headers.substr(0, cookie);
    return headers.substr(0, cookie) + headers.substr(lineEnd + 2);
}

}  // namespace

UrlParts CrackUrl(const char* url) {
    char host[256] = {};
    char path[512] = {};
    char extra[1024] = {};
    URL_COMPONENTSA components = {};
    components.dwStructSize = sizeof(components);
    components.lpszHostName = host;
    components.dwHostNameLength = sizeof(host);
    components.lpszUrlPath = path;
    components.dwUrlPathLength = sizeof(path);
    components.lpszExtraInfo = extra;
    components.dwExtraInfoLength = sizeof(extra);

    UrlParts parts;
    if (!InternetCrackUrlA(Text(url), 0, ICU_ESCAPE, &components)) {
        fputs("Error:InternetCrackUrl failed!\n", stdout);
        return parts;
    }
    parts.scheme = components.nScheme;
    parts.host = host;
    parts.port = components.nPort;
    parts.object = std::string(path) + extra;
    return parts;
}

DWORD WINAPI MonitorThreadProc(LPVOID param) {
    auto* monitor = static_cast<MonitorParam*>(param);
    int32_t elapsed = 0;
    do {
        if (WaitForSingleObject(monitor->finished, kWatchdogTickMs) == WAIT_OBJECT_0) return 0;
        elapsed += kWatchdogTickMs;
    } while (elapsed < monitor->timeoutMs);
    monitor->request->reset();
    return 0;
}

HttpTransport::HttpTransport(const HttpPlatform& platform) : m_platform(platform) {}

std::string HttpTransport::HttpRequest(const char* url, const char* verb, int32_t timeoutMs,
                                       const char* body, const char* hostHeader,
                                       const char* outputFile, const char* extraHeaders,
                                       int32_t* errorCell, int32_t* byteCount) const {
    int32_t ignoredCount = 0;
    if (!byteCount) byteCount = &ignoredCount;
    *byteCount = -1;
    url = Text(url);
    verb = Text(verb);
    body = Text(body);
    hostHeader = Text(hostHeader);
    outputFile = Text(outputFile);
    extraHeaders = Text(extraHeaders);

    if (!*url || (strcmp(verb, "GET") != 0 && strcmp(verb, "POST") != 0)) {
        SetErrorCell(errorCell, ERROR_INVALID_PARAMETER);
        return {};
    }

    const UrlParts parts = CrackUrl(url);
    const InternetHandleTraits closer{&m_platform};

    InternetHandle session(
        m_platform.InternetOpenA(kUserAgent, INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0),
        closer);
    if (!session) return FallbackHttpRequest(verb, url, body, timeoutMs, extraHeaders);

    DWORD connectTimeout = static_cast<DWORD>(timeoutMs);
    if (!m_platform.InternetSetOptionA(session.get(), INTERNET_OPTION_CONNECT_TIMEOUT,
                                       &connectTimeout, sizeof(connectTimeout))) {
        SetErrorCell(errorCell, GetLastError());
        WriteHttpLog("Error %u in InternetSetOption.\n", unsigned(GetLastError()));
        return {};
    }

    InternetHandle connection(
        m_platform.InternetConnectA(session.get(), parts.host.c_str(),
                                    static_cast<INTERNET_PORT>(parts.port), nullptr, nullptr,
                                    INTERNET_SERVICE_HTTP, 0, 0),
        closer);
    if (!connection) {
        SetErrorCell(errorCell, GetLastError());
        WriteHttpLog("Error:InternetConnect failed!\n");
        return {};
    }

    const bool secure = parts.scheme == INTERNET_SCHEME_HTTPS;
    DWORD flags = secure ? kSecureRequestFlags : kPlainRequestFlags;
    if (strstr(extraHeaders, "Cookie: ")) flags |= INTERNET_FLAG_NO_COOKIES;

    InternetHandle request(m_platform.HttpOpenRequestA(connection.get(), verb,
                                                       parts.object.c_str(), nullptr, nullptr,
                                                       nullptr, flags, 0),
                           closer);
    if (!request) {
        SetErrorCell(errorCell, GetLastError());
        WriteHttpLog("Error:HttpOpenRequest failed!\n");
        return {};
    }
    // On Wine a blocked send ignores a handle closed by the watchdog, so the
    // socket time-outs must end a silent server too.
    if (timeoutMs > 0) {
        DWORD socketTimeout = static_cast<DWORD>(timeoutMs);
        m_platform.InternetSetOptionA(request.get(), INTERNET_OPTION_RECEIVE_TIMEOUT,
                                      &socketTimeout, sizeof(socketTimeout));
        m_platform.InternetSetOptionA(request.get(), INTERNET_OPTION_SEND_TIMEOUT, &socketTimeout,
                                      sizeof(socketTimeout));
    }
    if (secure) AddSecurityFlags(m_platform, request.get(), kSecureIgnoreFlags);

    const std::string headers = BuildHeaders(verb, hostHeader, extraHeaders);
    if (!headers.empty() &&
        !m_platform.HttpAddRequestHeadersA(request.get(), headers.c_str(),
                                           static_cast<DWORD>(lstrlenA(headers.c_str())),
                                           HTTP_ADDREQ_FLAG_ADD)) {
        SetErrorCell(errorCell, GetLastError());
        WriteHttpLog("Error:HttpAddRequestHeaders failed, lasterror:%u!\n",
                     unsigned(GetLastError()));
        return {};
    }

    // The raw value is used while the watchdog may close the owner's handle.
    HINTERNET sendHandle = request.get();
    const ULONGLONG started = GetTickCount64();
    RequestWatchdog watchdog(request, timeoutMs);
    const SendJob::Outcome outcome = SendJob::Run(m_platform, sendHandle, body, timeoutMs);
    if (outcome.firstError) SetErrorCell(errorCell, outcome.firstError);
    if (!outcome.sent) {
        SetErrorCell(errorCell, outcome.lastError);
        WriteHttpLog("Error:HttpSendRequest failed, lasterror:%u!\n", unsigned(outcome.lastError));
        watchdog.Join();
        return {};
    }
    watchdog.Sent();
    watchdog.Join();

    char status[32] = {};
    DWORD statusLength = 30;
    if (!m_platform.HttpQueryInfoA(request.get(), HTTP_QUERY_STATUS_CODE, status, &statusLength,
                                   nullptr)) {
        SetErrorCell(errorCell, GetLastError());
        WriteHttpLog(
            "Error:WinHttpQueryHeaders for HTTP_QUERY_STATUS_CODE failed, last error:%u!\n",
            unsigned(GetLastError()));
        return {};
    }
    status[statusLength < sizeof(status) ? statusLength : sizeof(status) - 1] = '\0';
    if (strcmp(status, "200") != 0) {
        SetErrorCell(errorCell, GetLastError());
        WriteHttpLog("Status code is not 200\n");
        return {};
    }

    SkinUI::CrtFile file;
    if (*outputFile) file.reset(fopen(outputFile, "wb"));

    std::string response;
    *byteCount = 0;
    char chunk[1024];
    DWORD read = 0;
    // The time-out covers the body too: a server that drips it byte by byte
    // never trips the socket's receive time-out, so each read takes only
    // what has arrived and the clock is looked at in between.
    for (;;) {
        if (timeoutMs > 0 && GetTickCount64() - started >= static_cast<ULONGLONG>(timeoutMs)) {
            SetErrorCell(errorCell, ERROR_INTERNET_TIMEOUT);
            WriteHttpLog("Error:InternetReadFile timed out, lasterror:%u!\n", unsigned(ERROR_INTERNET_TIMEOUT));
            *byteCount = -1;
            return {};
        }
        DWORD available = 0;
        if (!m_platform.InternetQueryDataAvailable(request.get(), &available, 0, 0) || available == 0) break;
        if (!m_platform.InternetReadFile(request.get(), chunk, available < kReadChunk ? available : kReadChunk,
                                         &read) ||
            read < 1 || read > kReadChunk)
            break;
        chunk[read] = '\0';
        if (file) {
            fwrite(chunk, 1, read, file.get());
        } else {
            response.append(chunk, strlen(chunk));  // text: up to the chunk's first NUL
        }
        *byteCount += static_cast<int32_t>(read);
    }
    if (file) response = outputFile;
    return response;
}

std::string HttpTransport::FallbackHttpRequest(const char* verb, const char* url,
                                               const char* body, int32_t timeoutMs,
                                               const char* extraHeaders) const {
    using InitFn = bool(__cdecl*)();
    using GetFn = int32_t(__cdecl*)(const char*, const char*, int32_t, char*, int32_t);
    using PostFn = int32_t(__cdecl*)(const char*, const char*, const char*, int32_t, char*,
                                     int32_t);
    using CleanupFn = void(__cdecl*)();

    LibraryHandle library(m_platform.LoadLibraryA("DODeza.dll"), LibraryTraits{&m_platform});
    if (!library) return {};
    auto lookup = [&](const char* name) {
        return m_platform.GetProcAddress(library.get(), name);
    };
    const auto init = ProcAs<InitFn>(lookup("VLHTTPInit"));
    const auto get = ProcAs<GetFn>(lookup("VLHTTPGet"));
    const auto post = ProcAs<PostFn>(lookup("VLHTTPPost"));
    const auto cleanup = ProcAs<CleanupFn>(lookup("VLHTTPCleanup"));
    if (!init || !get || !post || !cleanup) return {};
    if (!init()) return {};

    std::vector<char> buffer(kFallbackBufferSize, '\0');
    const std::string headers = WithoutCookieLine(Text(extraHeaders));
    const int32_t size = static_cast<int32_t>(buffer.size());
    int32_t count = 0;
    if (strcmp(Text(verb), "GET") == 0) {
        count = get(Text(url), headers.c_str(), timeoutMs, buffer.data(), size);
    } else if (strcmp(Text(verb), "POST") == 0) {
        count = post(Text(url), Text(body), headers.c_str(), timeoutMs, buffer.data(), size);
    }
    // A library that fills the whole buffer must not make us read past it.
    std::string response;
    if (count > 0) response.assign(buffer.data(), strnlen(buffer.data(), buffer.size()));
    cleanup();
    return response;
}

std::string HttpRequest(const char* url, const char* verb, int32_t timeoutMs, const char* body,
                        const char* hostHeader, const char* outputFile, const char* extraHeaders,
                        int32_t* errorCell, int32_t* byteCount) {
    return HttpTransport().HttpRequest(url, verb, timeoutMs, body, hostHeader, outputFile,
                                       extraHeaders, errorCell, byteCount);
}

std::string FallbackHttpRequest(const char* verb, const char* url, const char* body,
                                int32_t timeoutMs, const char* extraHeaders) {
    return HttpTransport().FallbackHttpRequest(verb, url, body, timeoutMs, extraHeaders);
}
