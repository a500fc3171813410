// Every single operation on the mouse, built on the monitor's settings image: each
// builds its report from the image, exchanges it and stores what the mouse answers.
// All return true on success; profiles are 0..4, slots 0..23.
//
// The image's lock is taken only to build a report and to store a reply, never across
// the exchange: a busy mouse holds up the thread that talks to it, not the others.
// Callers do not hold the lock.
#pragma once

#include <cstdint>
#include <mutex>

#include "monitor/device_channel.h"
#include "monitor/host_ports.h"
#include "monitor/peripheral_reports.h"
#include "settings/settings_set.h"

namespace tesh::monitor {

struct FirmwareVersionRead {
    bool ok = false;
    int version = 0;  // 0 when the read failed
};

class DeviceReports {
  public:
    DeviceReports(DeviceChannel& channel, SettingsSet& image, std::mutex& imageLock,
                  SettingsFiles& files)
        : channel_(channel), image_(image), imageLock_(imageLock), files_(files) {}

    // The active profile report with `CurrentProfile`.
    bool SelectProfile();
    // `CurrentProfile` from the mouse, when it answers a profile 0..4.
    bool ReadActiveProfile();

    bool WriteProfileSettings(int profile);
    bool ReadProfileSettings(int profile);
    bool WriteButtons(int profile);
    bool ReadButtons(int profile);
    // A host-only slot has no device button: it is never sent (false).
    bool WriteMacro(int profile, int slot);
    // Fails at once when the cancel flag is set after the selection.
    bool ReadMacro(int profile, int slot);

    // Stores "FWVersion" in config.ini even when the read fails (as 0).
    FirmwareVersionRead ReadFirmwareVersion();
    bool RestoreDeviceDefaults();
    bool SetHostState(uint8_t state);
    // The last word to the mouse as the monitor ends: host state 0 and one look at the
    // status, so that a mouse that answers busy does not hold up the end for 16 s.
    bool SayHostStopped();

    // `LiftOnFlag`, `TrackControlFlag` and the LZC values from the mouse.
    bool ReadSensorSettings();
    // Calibration steps 1..4 change the LZC values first; 253..255 are special modes.
    bool WriteSensorSettings(int mode);

    bool SendQuibLight(uint8_t a, uint8_t b, uint8_t c);
    bool SendAmbientLight(const AmbientRecord& record);

    // Runs `use` on the image under its lock and returns its result.
    template <typename Use>
    auto WithImage(Use&& use) {
        std::lock_guard lock(imageLock_);
        return use(image_);
    }
    // Reports written from the image so far: a read-all that saw this change while it
    // ran may have read what the mouse held before.
    uint64_t imageWrites() {
        std::lock_guard lock(imageLock_);
        return imageWrites_;
    }

    LzcValues lzc() {
        std::lock_guard lock(imageLock_);
        return lzc_;
    }
    void SetLzcValue(uint8_t value) {
        std::lock_guard lock(imageLock_);
        lzc_.value = value;
    }
    DeviceChannel& channel() { return channel_; }

  private:
    // A report built from the image under its lock, counted as a write of the image.
    template <typename Build>
    auto Built(Build&& build) {
        std::lock_guard lock(imageLock_);
        ++imageWrites_;
        return build();
    }

    DeviceChannel& channel_;
    SettingsSet& image_;
    std::mutex& imageLock_;
    SettingsFiles& files_;
    LzcValues lzc_;             // under the image's lock
    uint64_t imageWrites_ = 0;  // under the image's lock
};

}  // namespace tesh::monitor
