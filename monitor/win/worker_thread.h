// A thread with a message queue of its own that carries out one thread message; the
// monitor's device worker (1649) and macro player (1648) are two of them. WM_QUIT ends
// the loop; a thread that does not end in its grace time is terminated.
#pragma once

#include <windows.h>

#include <functional>

namespace tesh::monitor {

// Both worker threads are created with this stack (the initial commitment; the stack
// grows up to the program's reserve).
constexpr SIZE_T kWorkerStackBytes = 4096;
// Time a worker gets to end after WM_QUIT before it is terminated.
constexpr DWORD kWorkerJoinMs = 1000;

class WorkerThread {
  public:
    using Handler = std::function<void(WPARAM, LPARAM)>;

    // `handler` runs on the thread for each `message`; other messages are dropped.
    WorkerThread(UINT message, Handler handler) : message_(message), handler_(std::move(handler)) {}
    ~WorkerThread() { Stop(kWorkerJoinMs); }
    WorkerThread(const WorkerThread&) = delete;
    WorkerThread& operator=(const WorkerThread&) = delete;

    // Creates the thread and returns once its queue takes messages.
    bool Start(SIZE_T stackBytes = kWorkerStackBytes);
    // Posts the thread's message; false when the thread is not running.
    bool Post(WPARAM wParam, LPARAM lParam) const;
    // Posts WM_QUIT and waits up to `graceMs`; terminates the thread when it has not
    // ended by then. True when it ended by itself (or was not running).
    bool Stop(DWORD graceMs = kWorkerJoinMs);
    bool running() const { return thread_ != nullptr; }
    DWORD threadId() const { return threadId_; }

  private:
    static DWORD WINAPI Run(void* self);

    UINT message_;
    Handler handler_;
    HANDLE thread_ = nullptr;
    HANDLE ready_ = nullptr;
    DWORD threadId_ = 0;
};

}  // namespace tesh::monitor
