// The upload of an image in update mode: every command is written and its status
// polled with a rising back-off; status 4 sends the same command again.
#pragma once

#include <atomic>
#include <cstdint>

#include "upgrade/firmware_buffer.h"
#include "upgrade/update_commands.h"
#include "upgrade/update_ports.h"

namespace tesh::upgrade {

class UploadProgress {
  public:
    virtual ~UploadProgress() = default;
    // Block n (from 0) was accepted, header and data.
    virtual void BlockAccepted(uint32_t block) = 0;
};

class Uploader {
  public:
    Uploader(UpdateDevice& device, UpdateClock& clock) : device_(device), clock_(clock) {}

    // begin, size, erase, every block, finish. True when every step succeeded, the
    // finish included: the mouse takes the new firmware only then. `abandon` stops the
    // upload before its next command, so that a closing window need not wait for it.
    bool Run(const FirmwareBuffer& image, UploadProgress& progress,
             const std::atomic<bool>& abandon);

    // One command: write, poll, and write again while the device answers 4 (a bounded
    // number of times). `settleMs` is waited after each successful write.
    bool Exchange(const UpdateCommand& command, uint32_t settleMs = 0);

  private:
    enum class PollOutcome { kDone, kResend, kFailed };
    PollOutcome Poll();

    UpdateDevice& device_;
    UpdateClock& clock_;
    UpdateCommand command_;  // kept here: the worker thread's stack is small
};

// The wait before poll k of a command.
uint32_t PollWait(int poll);

}  // namespace tesh::upgrade
