#include "settings/settings_store.h"

#include <cstring>

#include "settings/file_io.h"
#include "settings/ini_file.h"
#include "settings/platform.h"
#include "settings/profile_file.h"
#include "settings/registry_mirror.h"
#include "settings/struct_codec.h"

namespace tesh {

namespace {

bool ValidSlot(int slot) {
    return slot >= 0 && slot < kProfileCount;
}

}  // namespace

std::string SlotFileName(int slot) {
    return std::string(kConfigDir) + "\\Default" + std::to_string(slot) + ".qfm";
}

std::string SettingsStore::PathOf(std::string_view relative) const {
    return JoinPath(dir_, relative);
}

bool SettingsStore::WriteConfigKeys(const std::vector<IniKeyWrite>& keys) {
    PendingWrites::Found found;
    bool read = false;
    const bool ok = IniFile(PathOf(kConfigIni)).Update([&](IniDocument& doc) {
        read = true;
        found = pending_.WriteKeys(doc, keys);
    });
    if (ok) {
        pending_.KeysStored();
    } else {
        pending_.KeysFailed(keys, read ? &found : nullptr);
    }
    return ok;
}

bool SettingsStore::SaveSlot(int slot, const ProfileRecord& profile) {
    std::optional<std::size_t> found;
    const bool ok = IniFile(PathOf(SlotFileName(slot))).Update([&](IniDocument& doc) {
        found = PendingWrites::Stamp(doc);
        WriteProfileKeys(doc, profile);
    });
    if (ok) {
        pending_.ProfileStored(slot);
    } else {
        pending_.ProfileFailed(slot, profile, found);
    }
    return ok;
}

void SettingsStore::RetryProfiles() {
    for (int slot = 0; slot < kProfileCount; ++slot) {
        if (!pending_.ProfilePending(slot)) continue;
        if (IniFile(PathOf(SlotFileName(slot))).Update([&](IniDocument& doc) {
                return pending_.WriteProfile(slot, doc);
            })) {
            pending_.ProfileStored(slot);
        }
    }
}

bool SettingsStore::WriteConfigKey(std::string_view section, std::string key, std::string text) {
    std::lock_guard lock(writeLock_);
    const bool ok = WriteConfigKeys({{std::string(section), std::move(key), std::move(text)}});
    RetryProfiles();
    return ok;
}

bool SettingsStore::WritesPending() const {
    std::lock_guard lock(writeLock_);
    return !pending_.empty();
}

bool SettingsStore::SaveAll(const SettingsSet& set) {
    std::lock_guard lock(writeLock_);
    if (ValidSlot(set.CurrentProfile)) WriteRegistry(registry_, set.Profiles[set.CurrentProfile]);
    auto number = [](int value) { return std::to_string(value); };
    bool ok = WriteConfigKeys({
        {kSettingSection, "CurrentProfile", number(set.CurrentProfile)},
        {kSettingSection, "WindowsProfile", number(set.WindowsProfile)},
        {kSettingSection, "QuickHelpLan", number(set.QuickHelpLan)},
        {kSettingSection, "MouseType", number(set.MouseType)},
        {kSettingSection, "LiftOnFlag", number(set.LiftOnFlag)},
        {kSettingSection, "TrackControlFlag", number(set.TrackControlFlag)},
        {kSettingSection, "InfoData", EncodeStruct(set.InfoData, sizeof set.InfoData)},
    });
    // Profiles would be lost without their folder: make it rather than fail.
    platform::MakeDirectory(PathOf(kConfigDir));
    for (int slot = 0; slot < kProfileCount; ++slot) ok = SaveSlot(slot, set.Profiles[slot]) && ok;
    return ok;
}

void SettingsStore::LoadAll(SettingsSet& set) {
    IniDocument config = IniFile(PathOf(kConfigIni)).Load();
    set.CurrentProfile = IniReadInt(config, kSettingSection, "CurrentProfile", -1);
    set.WindowsProfile = IniReadInt(config, kSettingSection, "WindowsProfile", -1);
    set.QuickHelpLan = IniReadInt(config, kSettingSection, "QuickHelpLan", -1);
    set.MouseType = IniReadInt(config, kSettingSection, "MouseType", -1);
    set.LiftOnFlag = IniReadInt(config, kSettingSection, "LiftOnFlag", -1);
    set.TrackControlFlag = IniReadInt(config, kSettingSection, "TrackControlFlag", -1);
    IniReadStruct(config, kSettingSection, "InfoData", set.InfoData, sizeof set.InfoData);
    for (int slot = 0; slot < kProfileCount; ++slot) {
        if (!LoadProfile(set.Profiles[slot], PathOf(SlotFileName(slot))))
            ProfileDefaults(set.Profiles[slot], slot);
    }
    if (ValidSlot(set.CurrentProfile)) ReadRegistry(registry_, set.Profiles[set.CurrentProfile]);
}

bool SettingsStore::SaveFileTitle(int slotNumber, std::string_view title) {
    return WriteConfigKey(kFileNameSection, "Profile" + std::to_string(slotNumber),
                          IniStringText(title));
}

bool SettingsStore::WriteInfoData(const uint8_t (&info)[kInfoDataSize]) {
    return WriteConfigKey(kSettingSection, "InfoData", EncodeStruct(info, sizeof info));
}

int SettingsStore::ReadFirmwareVersion(int fallback) const {
    return IniFile(PathOf(kConfigIni)).ReadInt(kSettingSection, "FWVersion", fallback);
}

bool SettingsStore::WriteFirmwareVersion(int version) {
    return WriteConfigKey(kSettingSection, "FWVersion", std::to_string(version));
}

bool SettingsStore::WriteDevice(int connected) {
    return WriteConfigKey(kSettingSection, "Device", std::to_string(connected));
}

bool SettingsStore::WriteCurrentProfile(int profile) {
    return WriteConfigKey(kSettingSection, "CurrentProfile", std::to_string(profile));
}

bool SettingsStore::ReadOsdSettings(OsdSettings& osd) const {
    if (IniFile(PathOf(kConfigIni)).ReadStruct(kOsdSection, kOsdKey, &osd, sizeof osd)) return true;
    osd = DefaultOsdSettings();
    return false;
}

}  // namespace tesh
