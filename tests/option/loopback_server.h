// A one-connection HTTP listener on 127.0.0.1 for the transfer tests: an ephemeral port,
// a thread of its own, and bounded waits, so that it stops by itself whatever the
// client does. Never listens on any other address.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>

namespace tesh::option {

class LoopbackServer {
  public:
    enum class Answer {
        kReply,    // the status line and body given, then the connection closes
        kSilent,   // accepts and reads the request but never answers
        kEndless,  // a body that does not end (until the client goes or a bound)
    };

    explicit LoopbackServer(Answer answer, std::string status = "200 OK", std::string body = {});
    ~LoopbackServer();
    LoopbackServer(const LoopbackServer&) = delete;
    LoopbackServer& operator=(const LoopbackServer&) = delete;

    // "http://127.0.0.1:<port>"; empty when no listener could be made.
    std::string Origin() const;
    // The first line of the request received ("GET /path HTTP/1.1"), after the
    // connection has ended.
    std::string RequestLine();

  private:
    void Serve();
    bool Readable(std::intptr_t socket, std::chrono::milliseconds wait);

    Answer answer_;
    std::string status_;
    std::string body_;
    std::intptr_t listener_ = -1;
    int port_ = 0;
    std::mutex mutex_;
    std::string requestLine_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

}  // namespace tesh::option
