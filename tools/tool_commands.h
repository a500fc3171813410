// The commands of the tool. Each one checks all of its input before it writes
// anything: on success it returns Ok with the text for standard output in `output`;
// otherwise what is wrong, and no output file has been created or changed.
#pragma once

#include <string>

#include "settings/registry_port.h"
#include "settings/settings_set.h"
#include "tools/command_line.h"
#include "tools/status.h"

namespace tesh {

// FILE.qfm [--json]
Status ProfileShow(const CommandArgs& args, RegistryPort& registry, std::string& output);
// FILE.json OUT.qfm [--slot N]
Status ProfileImport(const CommandArgs& args, RegistryPort& registry, std::string& output);
// --slot N OUT.qfm
Status ProfileNew(const CommandArgs& args, RegistryPort& registry, std::string& output);
// DIR [--json]; `registry` gives the current profile's pointer settings.
Status SettingsShow(const CommandArgs& args, RegistryPort& registry, std::string& output);

// FILE.dat [--json]; FILE.dat OUT.json; FILE.json OUT.dat
Status MacrosShow(const CommandArgs& args, RegistryPort& registry, std::string& output);
Status MacrosExport(const CommandArgs& args, RegistryPort& registry, std::string& output);
Status MacrosImport(const CommandArgs& args, RegistryPort& registry, std::string& output);
// FILE.ini [--json]; FILE.ini OUT.json; FILE.json OUT.ini
Status TimersShow(const CommandArgs& args, RegistryPort& registry, std::string& output);
Status TimersExport(const CommandArgs& args, RegistryPort& registry, std::string& output);
Status TimersImport(const CommandArgs& args, RegistryPort& registry, std::string& output);

// A profile file as the configuration application reads it, into a cleared record;
// refused when the file cannot be read or has no [Setting] section.
Status ReadProfileFile(const std::string& path, ProfileRecord& profile);
// Writes a fresh profile file in place of `path`, atomically: `path` is either left as
// it was or replaced whole.
Status WriteProfileFile(const ProfileRecord& profile, const std::string& path);

}  // namespace tesh
