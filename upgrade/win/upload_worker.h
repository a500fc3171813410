// The upgrade window's worker thread: it sleeps until it is woken, runs the upload,
// and tells the window about each accepted block (1424) and the result (1426) by
// posted messages only, so that all window work stays on the window's thread.
#pragma once

#include <windows.h>

#include <atomic>

#include "upgrade/firmware_buffer.h"
#include "upgrade/uploader.h"
#include "upgrade/win/featlink_entry_points.h"
#include "upgrade/win/featlink_update_device.h"

namespace tesh::upgrade {

class UploadWorker : private UploadProgress {
  public:
    // The image is written by the window's thread only before Wake.
    UploadWorker(const FeatlinkEntryPoints& featlink, const FirmwareBuffer& image);
    ~UploadWorker() override;
    UploadWorker(const UploadWorker&) = delete;
    UploadWorker& operator=(const UploadWorker&) = delete;

    // Creates the thread; it waits for Wake.
    bool Start(HWND window);
    // Starts one upload.
    void Wake();
    // Sets the stop flag, abandons an upload in progress before its next command, ends
    // every wait of the protocol at once and waits for the thread. True when the thread
    // has ended (or never ran); while it has not, this object must be kept.
    bool Stop(DWORD timeoutMs);

  private:
    static DWORD WINAPI Run(void* self);
    void BlockAccepted(uint32_t block) override;

    const FirmwareBuffer& image_;
    HANDLE wake_;      // auto-reset: one upload per Wake
    HANDLE stopping_;  // manual-reset: set once, ends the clock's waits
    HANDLE thread_ = nullptr;
    HWND window_ = nullptr;
    std::atomic<bool> stop_{false};
    std::atomic<bool> abandon_{false};
    FeatlinkUpdateDevice device_;
    InterruptibleClock clock_;
    Uploader uploader_;
};

}  // namespace tesh::upgrade
