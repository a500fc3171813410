// The settings files of a program directory: config.ini and the five slot files, with
// the pointer settings of the current profile mirrored into the registry.
#pragma once

#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "settings/osd_settings.h"
#include "settings/pending_writes.h"
#include "settings/registry_port.h"
#include "settings/settings_set.h"

namespace tesh {

inline constexpr char kConfigIni[] = "config.ini";
inline constexpr char kConfigDir[] = "config";
inline constexpr char kFileNameSection[] = "FileName";
inline constexpr char kOsdSection[] = "OSDSetting";
inline constexpr char kOsdKey[] = "config";
inline constexpr int kDefaultFirmwareVersion = 100;

// "config\Default%d.qfm" for slot 0..4 (slot files count from 0).
std::string SlotFileName(int slot);

class SettingsStore {
  public:
    // `programDirectory` ends with a separator; `registry` outlives the store.
    SettingsStore(std::string programDirectory, RegistryPort& registry)
        : dir_(std::move(programDirectory)), registry_(registry) {}

    std::string PathOf(std::string_view relative) const;

    // Registry of the current profile, config.ini [Setting], then the five slot files.
    // Each file is read and written once. Creates the "config" directory when it is
    // missing. False when a file could not be written (the others are written anyway).
    //
    // Every write below, and this one, that fails is kept and tried again with the
    // store's next write (see PendingWrites), so a caller that gets false can go on: the
    // change is not lost unless another program writes a newer one meanwhile.
    bool SaveAll(const SettingsSet& set);
    // config.ini [Setting], the slot files (defaults for a missing one), then the
    // registry into the current profile. A missing or damaged InfoData keeps the
    // set's previous bytes.
    void LoadAll(SettingsSet& set);

    bool SaveFileTitle(int slotNumber, std::string_view title);
    bool WriteInfoData(const uint8_t (&info)[kInfoDataSize]);
    // `fallback` when config.ini holds no version.
    int ReadFirmwareVersion(int fallback = kDefaultFirmwareVersion) const;
    bool WriteFirmwareVersion(int version);
    bool WriteDevice(int connected);
    bool WriteCurrentProfile(int profile);
    // Fills `osd` from [OSDSetting]; when the entry is missing or damaged, the
    // default block. False in that case.
    bool ReadOsdSettings(OsdSettings& osd) const;
    // True while a failed write waits for the next one.
    bool WritesPending() const;

  private:
    // With writeLock_ held: one read-modify-write of config.ini, pending keys first.
    bool WriteConfigKeys(const std::vector<IniKeyWrite>& keys);
    bool SaveSlot(int slot, const ProfileRecord& profile);
    void RetryProfiles();
    bool WriteConfigKey(std::string_view section, std::string key, std::string text);

    std::string dir_;
    RegistryPort& registry_;
    // The monitor writes from its window thread and its device worker.
    mutable std::mutex writeLock_;
    PendingWrites pending_;
};

}  // namespace tesh
