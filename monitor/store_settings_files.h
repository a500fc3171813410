// The settings files of a program directory behind the SettingsFiles port: the
// settings store's files and the upgrader's FWUpdate\config.ini.
#pragma once

#include <string>

#include "monitor/host_ports.h"
#include "settings/settings_store.h"

namespace tesh::monitor {

class StoreSettingsFiles : public SettingsFiles {
  public:
    // `store` outlives this object.
    StoreSettingsFiles(SettingsStore& store, std::string programDirectory)
        : store_(store), dir_(std::move(programDirectory)) {}

    // The store keeps what it could not write and writes it with its next write.
    bool SaveAll(const SettingsSet& set) override { return store_.SaveAll(set); }
    bool WriteFirmwareVersion(int version) override { return store_.WriteFirmwareVersion(version); }
    bool WriteDevice(int connected) override { return store_.WriteDevice(connected); }
    int ReadImageVersion() override;

  private:
    SettingsStore& store_;
    std::string dir_;
};

}  // namespace tesh::monitor
