// The device sequences built from single reports: reading everything from the mouse,
// writing the changes the configuration application flagged, restoring the defaults,
// and answering the mouse's requests for a macro or for the colour database. Each
// checks the cancel flag at every pause and stops at once when it is set.
#pragma once

#include <string>

#include "monitor/device_reports.h"
#include "monitor/host_ports.h"

namespace tesh::monitor {

// Pause between the reports of a sequence, and after each macro written.
constexpr uint32_t kSequencePauseMs = 100;
constexpr uint32_t kMacroWritePauseMs = 50;
// Tries of each macro read in the read-all sequence.
constexpr int kMacroReadTries = 3;
// Macro request numbers: 16 per profile, for device buttons 2..17.
constexpr int kRequestsPerProfile = 16;
constexpr int kFirstRequestButton = 2;
// The chunk index travels in 16 bits: a larger colour database is cut there.
constexpr uint32_t kMaxColourChunks = 0x10000;

class DeviceSequences {
  public:
    DeviceSequences(DeviceReports& reports, const DeviceFlags& flags, SettingsFiles& files,
                    SettingsBlock& block, WindowPort& windows, LinkHost& host,
                    std::string programDirectory)
        : reports_(reports),
          flags_(flags),
          files_(files),
          block_(block),
          windows_(windows),
          host_(host),
          dir_(std::move(programDirectory)) {}

    // Firmware version, active profile, the five profiles' settings, buttons and macros,
    // then the sensor settings; the change flags are cleared. Only when all that went
    // through (a failed settings or button read is passed over) are the settings saved,
    // published and the configuration application told to reload: true then, and when
    // the files were saved too. (A save that failed is kept by the settings store and
    // goes with the monitor's next write of a settings file.) When an Apply wrote to the
    // mouse while it ran, nothing is cleared or saved and another read-all is queued.
    bool ReadAll();
    // The active profile, the profile settings, buttons and macros whose change flags
    // are 1, in that order. Only while connected; false when it stopped early.
    bool WriteChanges();
    // Only while connected.
    bool RestoreDefaults();
    // Request n = 1..110 asks for profile (n - 1) / 16 and device button
    // (n - 1) % 16 + 2. A request for a profile above 4 is ignored (false).
    bool WriteRequestedMacro(int request);
    // LightEffectColorDatabase.bin in 1024-byte chunks; the result is that of the last
    // chunk (false when there is no file or no chunk).
    bool UploadColourDatabase();

  private:
    struct PendingWrites;
    PendingWrites TakePendingWrites();
    bool ReadProfileMacros(int profile);
    DeviceChannel& channel() { return reports_.channel(); }

    DeviceReports& reports_;
    const DeviceFlags& flags_;
    SettingsFiles& files_;
    SettingsBlock& block_;
    WindowPort& windows_;
    LinkHost& host_;
    std::string dir_;
};

}  // namespace tesh::monitor
