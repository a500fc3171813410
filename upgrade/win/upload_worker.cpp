#include "upgrade/win/upload_worker.h"

#include "upgrade/upgrader_names.h"

namespace tesh::upgrade {

UploadWorker::UploadWorker(const FeatlinkEntryPoints& featlink, const FirmwareBuffer& image)
    : image_(image),
      wake_(CreateEventA(nullptr, FALSE, FALSE, nullptr)),
      stopping_(CreateEventA(nullptr, TRUE, FALSE, nullptr)),
      device_(featlink),
      clock_(stopping_),
      uploader_(device_, clock_) {}

UploadWorker::~UploadWorker() {
    Stop(INFINITE);
    if (wake_) CloseHandle(wake_);
    if (stopping_) CloseHandle(stopping_);
}

bool UploadWorker::Start(HWND window) {
    if (thread_ || !wake_ || !stopping_) return thread_ != nullptr;
    window_ = window;
    thread_ = CreateThread(nullptr, kWorkerStackBytes, &UploadWorker::Run, this, 0, nullptr);
    return thread_ != nullptr;
}

void UploadWorker::Wake() {
    if (wake_) SetEvent(wake_);
}

bool UploadWorker::Stop(DWORD timeoutMs) {
    stop_ = true;
    abandon_ = true;
    if (stopping_) SetEvent(stopping_);
    if (wake_) SetEvent(wake_);
    if (!thread_) return true;
    if (WaitForSingleObject(thread_, timeoutMs) != WAIT_OBJECT_0) return false;
    CloseHandle(thread_);
    thread_ = nullptr;
    return true;
}

DWORD WINAPI UploadWorker::Run(void* self) {
    auto& worker = *static_cast<UploadWorker*>(self);
    while (!worker.stop_) {
        WaitForSingleObject(worker.wake_, INFINITE);
        if (worker.stop_) break;
        const bool succeeded = worker.uploader_.Run(worker.image_, worker, worker.abandon_);
        if (!worker.stop_) {
            PostMessageA(worker.window_, kUpgradeResultMessage, 0, succeeded ? 1 : 0);
        }
    }
    return 0;
}

void UploadWorker::BlockAccepted(uint32_t block) {
    if (!stop_) PostMessageA(window_, kBlockAcceptedMessage, block, 0);
}

}  // namespace tesh::upgrade
