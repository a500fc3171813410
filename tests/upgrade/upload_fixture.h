// The upload against the virtual mouse's model, on a virtual clock that only moves
// when the uploader sleeps, with every command and status read recorded.
#pragma once

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "featlink/device.h"
#include "featlink/device_state.h"
#include "upgrade/firmware_buffer.h"
#include "upgrade/uploader.h"

namespace tesh::upgrade::test {

class VirtualClock : public UpdateClock, public vmouse::Clock {
  public:
    void SleepMs(uint32_t ms) override {
        sleeps.push_back(ms);
        now += ms;
    }
    uint64_t NowMs() const override { return now; }
    uint64_t now = 0;
    std::vector<uint32_t> sleeps;
};

// One transfer: a command written (its sub-command) or a status read (its answer).
struct Transfer {
    uint64_t timeMs;
    bool command;
    bool ok;
    uint8_t value;   // sub-command, or status
    uint16_t block;  // block number of a header, first data byte pair of a data command
};

class ModelLink : public UpdateDevice {
  public:
    ModelLink(vmouse::Device& device, VirtualClock& clock) : device_(device), clock_(clock) {}
    bool SetFeature(const uint8_t* buffer, uint32_t length) override;
    bool GetFeature(uint8_t* buffer, uint32_t length) override;

    std::vector<Transfer> transfers;
    // Sub-commands in the order they were written.
    std::vector<uint8_t> Commands() const;
    // Damages the data of the next block-data command on its way to the mouse, as a
    // transfer error would; the mouse then asks for it again.
    bool damageNextBlockData = false;
    // Calls the hook with the number of commands written so far, before each write.
    std::function<void(size_t)> beforeWrite;

  private:
    vmouse::Device& device_;
    VirtualClock& clock_;
};

class Progress : public UploadProgress {
  public:
    void BlockAccepted(uint32_t block) override { blocks.push_back(block); }
    std::vector<uint32_t> blocks;
};

class UploadTest : public ::testing::Test {
  protected:
    UploadTest();
    // Loads the image into the buffer and runs the upload.
    bool Upload(const std::string& image);
    int DeviceFirmwareVersion();

    VirtualClock clock;
    std::unique_ptr<vmouse::DeviceState> state;
    std::unique_ptr<vmouse::Device> device;
    std::unique_ptr<ModelLink> link;
    std::unique_ptr<FirmwareBuffer> buffer;
    Progress progress;
    std::atomic<bool> abandon{false};
};

}  // namespace tesh::upgrade::test
