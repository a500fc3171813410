#include "monitor/device_sequences.h"

#include <algorithm>

#include "monitor/device_tables.h"
#include "monitor/monitor_names.h"
#include "monitor/peripheral_reports.h"
#include "settings/file_io.h"

namespace tesh::monitor {

bool DeviceSequences::ReadAll() {
    SettingsSet& image = reports_.image();
    reports_.ReadFirmwareVersion();
    if (!channel().Pause(kSequencePauseMs)) return false;
    reports_.ReadActiveProfile();
    if (!channel().Pause(kSequencePauseMs)) return false;
    for (int p = 0; p < kProfileCount; ++p) {
        reports_.ReadProfileSettings(p);
        if (!channel().Pause(kSequencePauseMs)) return false;
    }
    for (int p = 0; p < kProfileCount; ++p) {
        reports_.ReadButtons(p);
        if (!channel().Pause(kSequencePauseMs)) return false;
    }
    for (int p = 0; p < kProfileCount; ++p) {
        const bool macrosRead = ReadProfileMacros(p);
        if (!channel().Pause(kSequencePauseMs) || !macrosRead) return false;
    }
    const bool sensorRead = reports_.ReadSensorSettings();
    ClearChangeFlags(image);
    if (!sensorRead) return false;
    files_.SaveAll(image);
    block_.Publish(image);
    windows_.PostToWindow(kOptionWindowTitle, kReloadSettingsMessage, 0, 0);
    return true;
}

// Every macro button of the profile, as the button read just found them.
bool DeviceSequences::ReadProfileMacros(int profile) {
    const ProfileRecord& record = reports_.image().Profiles[profile];
    for (int slot = 0; slot < kButtonSlots; ++slot) {
        if (IsHostOnlySlot(slot) || record.Buttons[slot].code != kMacroFunctionCode) continue;
        bool read = false;
        for (int attempt = 0; attempt < kMacroReadTries && !read; ++attempt) {
            read = reports_.ReadMacro(profile, slot);
            if (!channel().Pause(kSequencePauseMs)) return false;
        }
        if (!read) return false;
    }
    return true;
}

bool DeviceSequences::AnyButtonChanged(int profile) const {
    for (int flag : reports_.image().ButtonChanged[profile]) {
        if (flag == 1) return true;
    }
    return false;
}

// The change flags are left as they are; Apply clears them once everything went
// through.
bool DeviceSequences::WriteChanges() {
    if (flags_.connection.load() != kConnected) return false;
    const SettingsSet& image = reports_.image();
    if (image.CurrentProfileChanged == 1) {
        reports_.SelectProfile();
        if (!channel().Pause(kSequencePauseMs)) return false;
    }
    for (int p = 0; p < kProfileCount; ++p) {
        if (image.ProfileChanged[p] != 1) continue;
        reports_.WriteProfileSettings(p);
        if (!channel().Pause(kSequencePauseMs)) return false;
    }
    for (int p = 0; p < kProfileCount; ++p) {
        if (!AnyButtonChanged(p)) continue;
        reports_.WriteButtons(p);
        if (!channel().Pause(kSequencePauseMs)) return false;
    }
    for (int p = 0; p < kProfileCount; ++p) {
        for (int slot = 0; slot < kButtonSlots; ++slot) {
            if (IsHostOnlySlot(slot) ||
                image.Profiles[p].Buttons[slot].code != kMacroFunctionCode) {
                continue;
            }
            if (image.ButtonChanged[p][slot] != 1) {
                if (channel().Cancelled()) return false;
                continue;
            }
            const bool written = reports_.WriteMacro(p, slot);
            channel().Pause(kMacroWritePauseMs);
            if (channel().Cancelled() || !written) return false;
        }
    }
    return true;
}

bool DeviceSequences::RestoreDefaults() {
    if (flags_.connection.load() != kConnected) return false;
    return reports_.RestoreDeviceDefaults();
}

bool DeviceSequences::WriteRequestedMacro(int request) {
    if (request < 1) return false;
    const int profile = (request - 1) / kRequestsPerProfile;
    if (profile >= kProfileCount) return false;
    const int button = (request - 1) % kRequestsPerProfile + kFirstRequestButton;
    return reports_.WriteMacro(profile, SlotOfDeviceButton(button));
}

bool DeviceSequences::UploadColourDatabase() {
    const auto database = ReadWholeFile(JoinPath(dir_, kColourDatabaseFile));
    if (!database) return false;
    const uint32_t chunks = std::min(ColourChunkCount(database->size()), kMaxColourChunks);
    bool last = false;
    for (uint32_t i = 0; i < chunks; ++i) {
        if (channel().Cancelled()) return false;
        last = channel().WriteAndWait(BuildColourChunk(*database, i), kColourChunkWaitMs);
    }
    return last;
}

}  // namespace tesh::monitor
