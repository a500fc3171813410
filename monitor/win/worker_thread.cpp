#include "monitor/win/worker_thread.h"

namespace tesh::monitor {

bool WorkerThread::Start(SIZE_T stackBytes) {
    if (thread_) return true;
    ready_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    if (!ready_) return false;
    thread_ = CreateThread(nullptr, stackBytes, &WorkerThread::Run, this, 0, &threadId_);
    if (thread_) {
        // A thread message posted before the thread has a queue would be lost.
        HANDLE waits[] = {ready_, thread_};
        WaitForMultipleObjects(2, waits, FALSE, INFINITE);
    }
    CloseHandle(ready_);
    ready_ = nullptr;
    if (!thread_) threadId_ = 0;
    return thread_ != nullptr;
}

bool WorkerThread::Post(WPARAM wParam, LPARAM lParam) const {
    return thread_ && PostThreadMessageA(threadId_, message_, wParam, lParam);
}

bool WorkerThread::Stop(DWORD graceMs) {
    if (!thread_) return true;
    PostThreadMessageA(threadId_, WM_QUIT, 0, 0);
    const bool ended = WaitForSingleObject(thread_, graceMs) == WAIT_OBJECT_0;
    if (!ended) {
        TerminateThread(thread_, 0);
        WaitForSingleObject(thread_, INFINITE);
    }
    CloseHandle(thread_);
    thread_ = nullptr;
    threadId_ = 0;
    return ended;
}

DWORD WINAPI WorkerThread::Run(void* self) {
    auto& worker = *static_cast<WorkerThread*>(self);
    MSG msg;
    PeekMessageA(&msg, nullptr, WM_USER, WM_USER, PM_NOREMOVE);  // makes the queue
    SetEvent(worker.ready_);
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (msg.hwnd == nullptr && msg.message == worker.message_) {
            worker.handler_(msg.wParam, msg.lParam);
        }
    }
    return 0;
}

}  // namespace tesh::monitor
