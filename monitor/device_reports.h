// Every single operation on the mouse, built on the monitor's settings image: each
// builds its report from the image, exchanges it and stores what the mouse answers.
// All return true on success; profiles are 0..4, slots 0..23.
#pragma once

#include <cstdint>

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
    DeviceReports(DeviceChannel& channel, SettingsSet& image, SettingsFiles& files)
        : channel_(channel), image_(image), files_(files) {}

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

    // `LiftOnFlag`, `TrackControlFlag` and the LZC values from the mouse.
    bool ReadSensorSettings();
    // Calibration steps 1..4 change the LZC values first; 253..255 are special modes.
    bool WriteSensorSettings(int mode);

    bool SendQuibLight(uint8_t a, uint8_t b, uint8_t c);
    bool SendAmbientLight(const AmbientRecord& record);

    LzcValues& lzc() { return lzc_; }
    SettingsSet& image() { return image_; }
    DeviceChannel& channel() { return channel_; }

  private:
    DeviceChannel& channel_;
    SettingsSet& image_;
    SettingsFiles& files_;
    LzcValues lzc_;
};

}  // namespace tesh::monitor
