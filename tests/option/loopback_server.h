// An HTTP listener on 127.0.0.1 for the transfer tests: an ephemeral port, one answer
// for each connection in turn, a thread of its own, and bounded waits, so that it
// stops by itself whatever the client does. Never listens on any other address.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace tesh::option {

class LoopbackServer {
  public:
    enum class Answer {
        kReply,    // the status line and body given, then the connection closes
        kSilent,   // accepts and reads the request but never answers
        kEndless,  // a body that does not end (until the client goes or a bound)
    };

    struct Step {
        Answer answer;
        std::string status = "200 OK";
        std::string body;
    };

    explicit LoopbackServer(Answer answer, std::string status = "200 OK", std::string body = {});
    // One step for each connection, in order; each connection is waited for at most
    // `acceptWait`.
    LoopbackServer(std::vector<Step> steps, std::chrono::milliseconds acceptWait);
    ~LoopbackServer();
    LoopbackServer(const LoopbackServer&) = delete;
    LoopbackServer& operator=(const LoopbackServer&) = delete;

    // "http://127.0.0.1:<port>"; empty when no listener could be made.
    std::string Origin() const;
    // The first line of the request received ("GET /path HTTP/1.1"), after the
    // connection has ended.
    std::string RequestLine();
    // The request lines of the connections so far, while the server goes on.
    std::vector<std::string> RequestLines();

  private:
    void Serve();
    bool Readable(std::intptr_t socket, std::chrono::milliseconds wait);

    void Respond(std::intptr_t client, const Step& step);

    std::vector<Step> steps_;
    std::chrono::milliseconds acceptWait_;
    std::intptr_t listener_ = -1;
    int port_ = 0;
    std::mutex mutex_;
    std::vector<std::string> requestLines_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

}  // namespace tesh::option
