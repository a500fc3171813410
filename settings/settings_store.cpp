#include "settings/settings_store.h"

#include <cstring>

#include "settings/file_io.h"
#include "settings/ini_file.h"
#include "settings/platform.h"
#include "settings/profile_file.h"
#include "settings/registry_mirror.h"

namespace tesh {

namespace {

bool ValidSlot(int slot) { return slot >= 0 && slot < kProfileCount; }

}  // namespace

std::string SlotFileName(int slot) {
    return std::string(kConfigDir) + "\\Default" + std::to_string(slot) + ".qfm";
}

std::string SettingsStore::PathOf(std::string_view relative) const {
    return JoinPath(dir_, relative);
}

bool SettingsStore::SaveAll(const SettingsSet& set) {
    if (ValidSlot(set.CurrentProfile)) WriteRegistry(registry_, set.Profiles[set.CurrentProfile]);
    bool ok = IniFile(PathOf(kConfigIni)).Update([&](IniDocument& doc) {
        IniWriteInt(doc, kSettingSection, "CurrentProfile", set.CurrentProfile);
        IniWriteInt(doc, kSettingSection, "WindowsProfile", set.WindowsProfile);
        IniWriteInt(doc, kSettingSection, "QuickHelpLan", set.QuickHelpLan);
        IniWriteInt(doc, kSettingSection, "MouseType", set.MouseType);
        IniWriteInt(doc, kSettingSection, "LiftOnFlag", set.LiftOnFlag);
        IniWriteInt(doc, kSettingSection, "TrackControlFlag", set.TrackControlFlag);
        IniWriteStruct(doc, kSettingSection, "InfoData", set.InfoData, sizeof set.InfoData);
    });
    // Profiles would be lost without their folder: make it rather than fail.
    platform::MakeDirectory(PathOf(kConfigDir));
    for (int slot = 0; slot < kProfileCount; ++slot)
        ok = SaveProfile(set.Profiles[slot], PathOf(SlotFileName(slot))) && ok;
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
    return IniFile(PathOf(kConfigIni))
        .WriteString(kFileNameSection, "Profile" + std::to_string(slotNumber), title);
}

bool SettingsStore::WriteInfoData(const uint8_t (&info)[kInfoDataSize]) {
    return IniFile(PathOf(kConfigIni)).WriteStruct(kSettingSection, "InfoData", info, sizeof info);
}

int SettingsStore::ReadFirmwareVersion() const {
    return IniFile(PathOf(kConfigIni)).ReadInt(kSettingSection, "FWVersion", kDefaultFirmwareVersion);
}

bool SettingsStore::WriteFirmwareVersion(int version) {
    return IniFile(PathOf(kConfigIni)).WriteInt(kSettingSection, "FWVersion", version);
}

bool SettingsStore::WriteDevice(int connected) {
    return IniFile(PathOf(kConfigIni)).WriteInt(kSettingSection, "Device", connected);
}

bool SettingsStore::WriteCurrentProfile(int profile) {
    return IniFile(PathOf(kConfigIni)).WriteInt(kSettingSection, "CurrentProfile", profile);
}

bool SettingsStore::ReadOsdSettings(OsdSettings& osd) const {
    if (IniFile(PathOf(kConfigIni)).ReadStruct(kOsdSection, kOsdKey, &osd, sizeof osd)) return true;
    osd = DefaultOsdSettings();
    return false;
}

}  // namespace tesh
