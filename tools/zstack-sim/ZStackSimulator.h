// A stand-in ZStack management node on loopback: answers the log-in, VM
// query, image query and log-out messages on POST /zstack/api, and can be
// told to misbehave.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>

#include "tools/loopback-http/LoopbackHttpServer.h"

class ZStackSimulator {
public:
    enum class Mode { Normal, Status500, Silent, CloseAtOnce, Garbage, HugeBody, Slow };

    struct Options {
        uint16_t port = 0;  // 0 picks a free port
        std::chrono::milliseconds lifetime = std::chrono::minutes(10);
        Mode mode = Mode::Normal;
        bool vmRunning = true;
    };

    static constexpr const char* kAccountName = "kv0003";
    static constexpr const char* kPasswordDigest =
        "a1b2c3d4e5f60718293a4b5c6d7e8f900f9e8d7c6b5a49382716f5e4d3c2b1a0"
        "1a2b3c4d5e6f708192a3b4c5d6e7f80990f8e7d6c5b4a3928170f6e5d4c3b2a1";
    static constexpr const char* kAccountUuid = "36c27e8ff05c4780bf6d2fa65700f22e";
    static constexpr const char* kImageUuid = "a8f3c2d1e0b94f7a8c6d5e4f3a2b1c0d";
    static constexpr size_t kHugeBodyBytes = 10u << 20;

    explicit ZStackSimulator(Options options);

    bool Listening() const { return m_server->Listening(); }
    uint16_t Port() const { return m_server->Port(); }
    LoopbackHttpServer& Server() { return *m_server; }

    void SetMode(Mode mode) { m_mode = mode; }
    void SetVmRunning(bool running) { m_vmRunning = running; }
    // The session id handed out by the last successful log-in (empty before).
    std::string IssuedSession() const;

    static bool ParseMode(const std::string& name, Mode& mode);

private:
    ServerReply Answer(const SeenRequest& request);
    std::string Dispatch(const std::string& body, int& status);

    std::atomic<Mode> m_mode;
    std::atomic<bool> m_vmRunning;
    mutable std::mutex m_mutex;
    std::string m_session;
    unsigned m_sessionCounter = 0;
    std::unique_ptr<LoopbackHttpServer> m_server;
};
