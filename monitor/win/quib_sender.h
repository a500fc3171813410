// The records to the Quib peer go out on a thread of their own: a peer is another
// program, and one that does not answer must not keep the monitor's window thread (nor
// the device worker) waiting. Each record waits at most about a second for the peer;
// a peer found gone is reported, so that the monitor forgets it.
#pragma once

#include <windows.h>

#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <vector>

#include "monitor/win/worker_thread.h"

namespace tesh::monitor {

// A peer that has not answered a record in this time is given up on for that record.
constexpr UINT kQuibPeerAnswerMs = 1000;
// Records waiting for a slow peer beyond this many are dropped, the oldest first.
constexpr std::size_t kMaxQueuedQuibRecords = 32;

enum class QuibSendResult { kDelivered, kNoAnswer, kGone };
// WM_COPYDATA with wParam 2024 to `peer`, waiting at most kQuibPeerAnswerMs.
QuibSendResult SendQuibRecordNow(HWND peer, uint32_t data, const uint8_t* bytes, std::size_t size);

class QuibSender {
  public:
    // `peerGone` runs on the sender's thread with the peer found gone.
    explicit QuibSender(std::function<void(uintptr_t)> peerGone);
    ~QuibSender() { Stop(); }
    QuibSender(const QuibSender&) = delete;
    QuibSender& operator=(const QuibSender&) = delete;

    bool Start();
    // Queues the record; without the thread it is sent at once.
    void Send(uintptr_t peer, uint32_t data, const uint8_t* bytes, std::size_t size);
    // Sends the last record queued (the removal, at the end) and ends the thread.
    void Stop();

  private:
    struct Record {
        uintptr_t peer;
        uint32_t data;
        std::vector<uint8_t> bytes;
    };
    void SendQueued();
    void Deliver(const Record& record);

    std::function<void(uintptr_t)> peerGone_;
    std::mutex mutex_;
    std::deque<Record> queue_;
    WorkerThread thread_;
};

}  // namespace tesh::monitor
