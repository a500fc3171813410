#include "monitor/device_sequences.h"

#include <algorithm>
#include <array>
#include <memory>

#include "monitor/device_tables.h"
#include "monitor/monitor_names.h"
#include "monitor/peripheral_reports.h"
#include "settings/file_io.h"

namespace tesh::monitor {

bool DeviceSequences::ReadAll() {
    const uint64_t writesBefore = reports_.imageWrites();
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
    // An Apply that wrote to the mouse meanwhile may have changed what was already read:
    // nothing is cleared, saved or published, and the mouse is read once more.
    const bool stale = reports_.imageWrites() != writesBefore;
    auto read = std::make_unique<SettingsSet>();
    const bool complete = reports_.WithImage([&](SettingsSet& image) {
        if (stale) return false;
        ClearChangeFlags(image);
        if (!sensorRead) return false;
        *read = image;
        return true;
    });
    if (stale) {
        host_.PostDeviceJob(kJobReadAll, 0);
        return false;
    }
    if (!complete) return false;
    // Saved outside the image lock: another program holding a file open can keep the
    // save waiting for a second or more.
    const bool saved = files_.SaveAll(*read);
    reports_.WithImage([&](const SettingsSet& image) { block_.Publish(image); });
    windows_.PostToWindow(kOptionWindowTitle, kReloadSettingsMessage, 0, 0);
    return saved;
}

// Every macro button of the profile, as the button read just found them.
bool DeviceSequences::ReadProfileMacros(int profile) {
    for (int slot = 0; slot < kButtonSlots; ++slot) {
        const bool macro = reports_.WithImage([&](const SettingsSet& image) {
            return image.Profiles[profile].Buttons[slot].code == kMacroFunctionCode;
        });
        if (IsHostOnlySlot(slot) || !macro) continue;
        bool read = false;
        for (int attempt = 0; attempt < kMacroReadTries && !read; ++attempt) {
            read = reports_.ReadMacro(profile, slot);
            if (!channel().Pause(kSequencePauseMs)) return false;
        }
        if (!read) return false;
    }
    return true;
}

// What an Apply writes, taken from the image at its start: the flags and the codes
// that decide which reports go.
struct DeviceSequences::PendingWrites {
    bool activeProfile = false;
    std::array<bool, kProfileCount> settings{};
    std::array<bool, kProfileCount> buttons{};
    // -1: no macro there; 0: a macro without change; 1: a changed macro.
    std::array<std::array<int, kButtonSlots>, kProfileCount> macros{};
};

DeviceSequences::PendingWrites DeviceSequences::TakePendingWrites() {
    return reports_.WithImage([](const SettingsSet& image) {
        PendingWrites pending;
        pending.activeProfile = image.CurrentProfileChanged == 1;
        for (int p = 0; p < kProfileCount; ++p) {
            pending.settings[p] = image.ProfileChanged[p] == 1;
            for (int slot = 0; slot < kButtonSlots; ++slot) {
                const bool changed = image.ButtonChanged[p][slot] == 1;
                pending.buttons[p] = pending.buttons[p] || changed;
                const bool macro = !IsHostOnlySlot(slot) &&
                                   image.Profiles[p].Buttons[slot].code == kMacroFunctionCode;
                pending.macros[p][slot] = macro ? (changed ? 1 : 0) : -1;
            }
        }
        return pending;
    });
}

// The change flags are left as they are; Apply clears them once everything went
// through.
bool DeviceSequences::WriteChanges() {
    if (flags_.connection.load() != kConnected) return false;
    const PendingWrites pending = TakePendingWrites();
    if (pending.activeProfile) {
        reports_.SelectProfile();
        if (!channel().Pause(kSequencePauseMs)) return false;
    }
    for (int p = 0; p < kProfileCount; ++p) {
        if (!pending.settings[p]) continue;
        reports_.WriteProfileSettings(p);
        if (!channel().Pause(kSequencePauseMs)) return false;
    }
    for (int p = 0; p < kProfileCount; ++p) {
        if (!pending.buttons[p]) continue;
        reports_.WriteButtons(p);
        if (!channel().Pause(kSequencePauseMs)) return false;
    }
    for (int p = 0; p < kProfileCount; ++p) {
        for (int slot = 0; slot < kButtonSlots; ++slot) {
            if (pending.macros[p][slot] < 0) continue;
            if (pending.macros[p][slot] == 0) {
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
