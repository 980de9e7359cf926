// Loopback HTTP server: accept loop with a worker thread per connection.
#include "tools/loopback-http/LoopbackHttpServer.h"

#include <ws2tcpip.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>

namespace {

constexpr size_t kMaxRequestBytes = 64u << 20;
constexpr int kPollMs = 20;

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

const char* ReasonPhrase(int code) {
    switch (code) {
        case 200: return "OK";
        case 201: return "Created";
        case 204: return "No Content";
        case 404: return "Not Found";
        case 500: return "Internal Server Error";
        default: return "Status";
    }
}

// Waits up to `ms` for `socket` to become readable.
bool Readable(SOCKET socket, int ms) {
    fd_set set;
    FD_ZERO(&set);
    FD_SET(socket, &set);
    timeval wait{ms / 1000, (ms % 1000) * 1000};
    return select(0, &set, nullptr, nullptr, &wait) > 0;
}

}  // namespace

std::string SeenRequest::Header(const std::string& name) const {
    const std::string wanted = Lower(name) + ":";
    size_t lineStart = 0;
    while (lineStart < headers.size()) {
        size_t lineEnd = headers.find("\r\n", lineStart);
        if (lineEnd == std::string::npos) lineEnd = headers.size();
        const std::string line = headers.substr(lineStart, lineEnd - lineStart);
        if (Lower(line.substr(0, wanted.size())) == wanted) {
            const size_t value = line.find_first_not_of(' ', wanted.size());
            return value == std::string::npos ? std::string() : line.substr(value);
        }
        lineStart = lineEnd + 2;
    }
    return {};
}

ServerReply ServerReply::Status(int code, const std::string& body, const std::string& contentType) {
    ServerReply reply;
    reply.bytes = "HTTP/1.1 " + std::to_string(code) + " " + ReasonPhrase(code) + "\r\n";
    if (code != 204) {
        reply.bytes += "Content-Type: " + contentType + "\r\n";
        reply.bytes += "Content-Length: " + std::to_string(body.size()) + "\r\n";
    }
    reply.bytes += "Connection: close\r\n\r\n";
    if (code != 204) reply.bytes += body;
    return reply;
}

LoopbackHttpServer::LoopbackHttpServer(Handler handler, uint16_t port,
                                       std::chrono::milliseconds lifetime)
    : m_handler(std::move(handler)), m_deadline(std::chrono::steady_clock::now() + lifetime) {
    WSADATA data;
    if (WSAStartup(MAKEWORD(2, 2), &data) != 0) return;

    m_listener = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (m_listener == INVALID_SOCKET) return;
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(port);
    int length = sizeof(address);
    if (bind(m_listener, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0 ||
        listen(m_listener, SOMAXCONN) != 0 ||
        getsockname(m_listener, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        closesocket(m_listener);
        m_listener = INVALID_SOCKET;
        return;
    }
    m_port = ntohs(address.sin_port);
    m_acceptThread = std::thread([this] { AcceptLoop(); });
}

LoopbackHttpServer::~LoopbackHttpServer() {
    Stop();
    WSACleanup();
}

std::string LoopbackHttpServer::BaseUrl() const {
    return "http://127.0.0.1:" + std::to_string(m_port);
}

std::vector<SeenRequest> LoopbackHttpServer::Requests() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_requests;
}

bool LoopbackHttpServer::StopRequested() const {
    return m_stop.load() || std::chrono::steady_clock::now() >= m_deadline;
}

void LoopbackHttpServer::Stop() {
    m_stop = true;
    if (m_acceptThread.joinable()) m_acceptThread.join();
    std::vector<std::thread> workers;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        workers.swap(m_workers);
    }
    for (std::thread& worker : workers) worker.join();
    if (m_listener != INVALID_SOCKET) {
        closesocket(m_listener);
        m_listener = INVALID_SOCKET;
    }
}

void LoopbackHttpServer::Wait() {
    while (!StopRequested()) Sleep(kPollMs);
}

void LoopbackHttpServer::AcceptLoop() {
    while (!StopRequested()) {
        if (!Readable(m_listener, kPollMs)) continue;
        SOCKET client = accept(m_listener, nullptr, nullptr);
        if (client == INVALID_SOCKET) continue;
        ++m_connections;
        std::lock_guard<std::mutex> lock(m_mutex);
        m_workers.emplace_back([this, client] { Serve(client); });
    }
}

void LoopbackHttpServer::Serve(SOCKET client) {
    // Read the head, then as many body bytes as Content-Length says.
    std::string data;
    char buffer[8192];
    size_t headEnd = std::string::npos;
    size_t wanted = 0;
    bool complete = false;
    const auto readDeadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!StopRequested() && std::chrono::steady_clock::now() < readDeadline &&
           data.size() < kMaxRequestBytes) {
        if (!Readable(client, kPollMs)) continue;
        const int got = recv(client, buffer, sizeof(buffer), 0);
        if (got <= 0) break;
        data.append(buffer, static_cast<size_t>(got));
        if (headEnd == std::string::npos) {
            headEnd = data.find("\r\n\r\n");
            if (headEnd == std::string::npos) continue;
            SeenRequest probe;
            probe.headers = data.substr(0, headEnd);
            wanted = headEnd + 4 + strtoul(probe.Header("Content-Length").c_str(), nullptr, 10);
        }
        if (data.size() >= wanted) {
            complete = true;
            break;
        }
    }
    if (!complete) {
        closesocket(client);
        return;
    }

    SeenRequest request;
    const size_t firstLineEnd = data.find("\r\n");
    const std::string firstLine = data.substr(0, firstLineEnd);
    const size_t space1 = firstLine.find(' ');
    const size_t space2 = firstLine.find(' ', space1 + 1);
    request.method = firstLine.substr(0, space1);
    if (space1 != std::string::npos) request.target = firstLine.substr(space1 + 1, space2 - space1 - 1);
    request.headers = headEnd > firstLineEnd ? data.substr(firstLineEnd + 2, headEnd - firstLineEnd - 2) : "";
    request.body = data.substr(headEnd + 4, wanted - headEnd - 4);
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_requests.push_back(request);
    }

    ServerReply reply;
    try {
        reply = m_handler(request);
    } catch (...) {
        reply = ServerReply::Status(500, "handler failed", "text/plain");
    }

    switch (reply.action) {
        case ServerReply::Action::Close:
            break;
        case ServerReply::Action::Silent:
            // Hold the connection open until the peer gives up or we stop.
            while (!StopRequested()) {
                if (Readable(client, kPollMs) && recv(client, buffer, sizeof(buffer), 0) <= 0) break;
            }
            break;
        case ServerReply::Action::Send:
            if (reply.byteDelayMs > 0) {
                const size_t head = std::min(reply.delayFrom, reply.bytes.size());
                if (head > 0 && send(client, reply.bytes.data(), static_cast<int>(head), 0) != static_cast<int>(head))
                    break;
                for (size_t i = head; i < reply.bytes.size() && !StopRequested(); ++i) {
                    if (send(client, &reply.bytes[i], 1, 0) != 1) break;
                    Sleep(static_cast<DWORD>(reply.byteDelayMs));
                }
            } else {
                size_t sent = 0;
                while (sent < reply.bytes.size() && !StopRequested()) {
                    const int n = send(client, reply.bytes.data() + sent,
                                       static_cast<int>(std::min<size_t>(reply.bytes.size() - sent, 1 << 16)), 0);
                    if (n <= 0) break;
                    sent += static_cast<size_t>(n);
                }
            }
            shutdown(client, SD_SEND);
            // Let the peer read to the end before the socket goes away.
            for (int i = 0; i < 100 && Readable(client, kPollMs); ++i) {
                if (recv(client, buffer, sizeof(buffer), 0) <= 0) break;
            }
            break;
    }
    closesocket(client);
}
