#include "tests/option/loopback_server.h"

#include <chrono>
#include <cstdint>

#ifdef _WIN32
#include <winsock2.h>
#include <ws2tcpip.h>
#else
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/select.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace tesh::option {
namespace {

#ifdef _WIN32
using Socket = SOCKET;
constexpr int kSendFlags = 0;
void CloseSocket(Socket s) {
    closesocket(s);
}
struct Winsock {  // started once for the test program
    Winsock() {
        WSADATA data;
        WSAStartup(MAKEWORD(2, 2), &data);
    }
    ~Winsock() { WSACleanup(); }
};
#else
using Socket = int;
constexpr int kSendFlags = MSG_NOSIGNAL;  // a client that has gone is no signal
void CloseSocket(Socket s) {
    close(s);
}
struct Winsock {
    Winsock() {}  // sockets need no start-up
};
#endif

constexpr std::intptr_t kNoSocket = -1;
constexpr auto kAcceptWait = std::chrono::seconds(10);
constexpr auto kSilentWait = std::chrono::seconds(30);
constexpr auto kWaitSlice = std::chrono::milliseconds(50);
constexpr int kMaxRequest = 16384;
constexpr int kEndlessChunks = 100000;  // 100 MB at most, far more than any bound

Socket AsSocket(std::intptr_t s) {
    return static_cast<Socket>(s);
}

bool ReadableWithin(Socket s, std::chrono::milliseconds wait) {
    fd_set set;
    FD_ZERO(&set);
    FD_SET(s, &set);
    timeval tv{};
    tv.tv_sec = static_cast<long>(wait.count() / 1000);
    tv.tv_usec = static_cast<long>(wait.count() % 1000 * 1000);
    return select(static_cast<int>(s) + 1, &set, nullptr, nullptr, &tv) == 1;
}

bool SendAll(Socket s, const std::string& text) {
    std::size_t sent = 0;
    while (sent < text.size()) {
        auto n = send(s, text.data() + sent, static_cast<int>(text.size() - sent), kSendFlags);
        if (n <= 0) return false;
        sent += static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

LoopbackServer::LoopbackServer(Answer answer, std::string status, std::string body)
    : LoopbackServer({Step{answer, std::move(status), std::move(body)}}, kAcceptWait) {}

LoopbackServer::LoopbackServer(std::vector<Step> steps, std::chrono::milliseconds acceptWait)
    : steps_(std::move(steps)), acceptWait_(acceptWait) {
    static Winsock winsock;
    Socket s = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    socklen_t length = sizeof address;
    if (bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        listen(s, static_cast<int>(steps_.size())) != 0 ||
        getsockname(s, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        CloseSocket(s);
        return;
    }
    listener_ = static_cast<std::intptr_t>(s);
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this] { Serve(); });
}

LoopbackServer::~LoopbackServer() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
    if (listener_ != kNoSocket) CloseSocket(AsSocket(listener_));
}

std::string LoopbackServer::Origin() const {
    return port_ ? "http://127.0.0.1:" + std::to_string(port_) : std::string{};
}

std::string LoopbackServer::RequestLine() {
    if (thread_.joinable()) thread_.join();
    std::lock_guard lock(mutex_);
    return requestLines_.empty() ? std::string{} : requestLines_.front();
}

std::vector<std::string> LoopbackServer::RequestLines() {
    std::lock_guard lock(mutex_);
    return requestLines_;
}

// Waits until the socket can be read, at most the given time or until the server stops.
bool LoopbackServer::Readable(std::intptr_t s, std::chrono::milliseconds wait) {
    auto end = std::chrono::steady_clock::now() + wait;
    while (!stop_ && std::chrono::steady_clock::now() < end)
        if (ReadableWithin(AsSocket(s), kWaitSlice)) return true;
    return false;
}

void LoopbackServer::Serve() {
    for (const Step& step : steps_) {
        if (!Readable(listener_, acceptWait_)) return;
        Socket client = accept(AsSocket(listener_), nullptr, nullptr);
        Respond(static_cast<std::intptr_t>(client), step);
        CloseSocket(client);
    }
}

void LoopbackServer::Respond(std::intptr_t socket, const Step& step) {
    Socket client = AsSocket(socket);
    std::string request;
    char buffer[4096];
    while (request.find("\r\n\r\n") == std::string::npos && request.size() < kMaxRequest &&
           Readable(socket, kSilentWait)) {
        auto n = recv(client, buffer, sizeof buffer, 0);
        if (n <= 0) break;
        request.append(buffer, static_cast<std::size_t>(n));
    }
    {
        std::lock_guard lock(mutex_);
        requestLines_.push_back(request.substr(0, request.find("\r\n")));
    }
    switch (step.answer) {
        case Answer::kReply:
            SendAll(client, "HTTP/1.1 " + step.status +
                                "\r\nContent-Length: " + std::to_string(step.body.size()) +
                                "\r\nConnection: close\r\n\r\n" + step.body);
            break;
        case Answer::kSilent:
            // Until the client gives up (its read ends) or the wait is over.
            if (Readable(socket, kSilentWait)) recv(client, buffer, sizeof buffer, 0);
            break;
        case Answer::kEndless: {
            if (!SendAll(client, "HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n")) break;
            std::string chunk(1000, 'x');
            for (int i = 0; i < kEndlessChunks && !stop_ && SendAll(client, chunk); ++i) {
            }
            break;
        }
    }
}

}  // namespace tesh::option
