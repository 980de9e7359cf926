// A small HTTP/1.1 server on 127.0.0.1 for tests, benchmarks and the cloud
// simulator: one request per connection, answers chosen by a handler, able to
// misbehave (stay silent, close at once, dribble bytes).
#pragma once

#include <winsock2.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

struct SeenRequest {
    std::string method;
    std::string target;
    std::string headers;  // raw header lines, "\r\n"-separated
    std::string body;

    // Value of the first header named `name` (case-insensitive), or empty.
    std::string Header(const std::string& name) const;
};

struct ServerReply {
    enum class Action { Send, Silent, Close };
    Action action = Action::Send;
    std::string bytes;          // the whole raw response
    int byteDelayMs = 0;        // > 0: send one byte at a time with this pause
    size_t delayFrom = 0;       // bytes before this one go at once, the rest one by one

    // A complete response with the given status and body.
    static ServerReply Status(int code, const std::string& body,
                              const std::string& contentType = "application/json");
    static ServerReply Silence() { return {Action::Silent, {}, 0, 0}; }
    static ServerReply CloseNow() { return {Action::Close, {}, 0, 0}; }
};

class LoopbackHttpServer {
public:
    using Handler = std::function<ServerReply(const SeenRequest&)>;

    // Listens on 127.0.0.1:`port` (0 picks a free port). The server stops by
    // itself after `lifetime`, whatever happens.
    explicit LoopbackHttpServer(Handler handler, uint16_t port = 0,
                                std::chrono::milliseconds lifetime = std::chrono::minutes(5));
    ~LoopbackHttpServer();
    LoopbackHttpServer(const LoopbackHttpServer&) = delete;
    LoopbackHttpServer& operator=(const LoopbackHttpServer&) = delete;

    bool Listening() const { return m_listener != INVALID_SOCKET; }
    uint16_t Port() const { return m_port; }
    std::string BaseUrl() const;  // "http://127.0.0.1:port"

    std::vector<SeenRequest> Requests() const;
    size_t ConnectionCount() const { return m_connections.load(); }

    // Ends every connection (silent ones included) and the accept loop.
    void Stop();
    // Blocks until stopped (by Stop or by the lifetime running out).
    void Wait();

private:
    void AcceptLoop();
    void Serve(SOCKET client);
    bool StopRequested() const;

    Handler m_handler;
    SOCKET m_listener = INVALID_SOCKET;
    uint16_t m_port = 0;
    std::chrono::steady_clock::time_point m_deadline;
    std::atomic<bool> m_stop{false};
    std::atomic<size_t> m_connections{0};
    mutable std::mutex m_mutex;
    std::vector<SeenRequest> m_requests;
    std::vector<std::thread> m_workers;
    std::thread m_acceptThread;
};
