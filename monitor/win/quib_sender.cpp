#include "monitor/win/quib_sender.h"

#include "monitor/monitor_names.h"
#include "monitor/quib_contacts.h"

namespace tesh::monitor {

namespace {

// Time the thread gets at the end: the record it may be sending, then the last one.
constexpr DWORD kSenderJoinMs = 2 * kQuibPeerAnswerMs + 500;

}  // namespace

// A hung peer is given up on at once, a slow one after a second.
QuibSendResult SendQuibRecordNow(HWND peer, uint32_t data, const uint8_t* bytes, std::size_t size) {
    if (!IsWindow(peer)) return QuibSendResult::kGone;
    COPYDATASTRUCT record{};
    record.dwData = data;
    record.cbData = static_cast<DWORD>(size);
    record.lpData = const_cast<uint8_t*>(bytes);
    DWORD_PTR answer = 0;
    if (SendMessageTimeoutA(peer, WM_COPYDATA, static_cast<WPARAM>(kQuibCopyDataWParam),
                            reinterpret_cast<LPARAM>(&record), SMTO_ABORTIFHUNG | SMTO_BLOCK,
                            kQuibPeerAnswerMs, &answer)) {
        return QuibSendResult::kDelivered;
    }
    return IsWindow(peer) ? QuibSendResult::kNoAnswer : QuibSendResult::kGone;
}

QuibSender::QuibSender(std::function<void(uintptr_t)> peerGone)
    : peerGone_(std::move(peerGone)),
      thread_(kQuibSendMessage, [this](WPARAM, LPARAM) { SendQueued(); }) {}

bool QuibSender::Start() {
    return thread_.Start(kWorkerStackBytes);
}

void QuibSender::Send(uintptr_t peer, uint32_t data, const uint8_t* bytes, std::size_t size) {
    Record record{peer, data, std::vector<uint8_t>(bytes, bytes + size)};
    if (!thread_.running()) return Deliver(record);
    {
        std::lock_guard lock(mutex_);
        if (queue_.size() == kMaxQueuedQuibRecords) queue_.pop_front();
        queue_.push_back(std::move(record));
    }
    thread_.Post(0, 0);
}

void QuibSender::Stop() {
    if (!thread_.running()) return;
    {
        std::lock_guard lock(mutex_);
        while (queue_.size() > 1) queue_.pop_front();
    }
    thread_.Post(0, 0);
    thread_.Stop(kSenderJoinMs);
}

// The queue's lock is let go for each send: the peer's answer may take a second.
void QuibSender::SendQueued() {
    for (;;) {
        Record record;
        {
            std::lock_guard lock(mutex_);
            if (queue_.empty()) return;
            record = std::move(queue_.front());
            queue_.pop_front();
        }
        Deliver(record);
    }
}

void QuibSender::Deliver(const Record& record) {
    HWND peer = reinterpret_cast<HWND>(record.peer);
    if (SendQuibRecordNow(peer, record.data, record.bytes.data(), record.bytes.size()) ==
        QuibSendResult::kGone) {
        peerGone_(record.peer);
    }
}

}  // namespace tesh::monitor
