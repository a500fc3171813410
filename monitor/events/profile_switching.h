// Automatic profile switching: each profile names up to three programs; the profile
// of the program in the foreground becomes the active one, and without one the
// Windows profile does, unless the user has the configuration application open.
#pragma once

#include <optional>
#include <string_view>

#include "settings/settings_set.h"

namespace tesh::monitor {

struct SwitchTarget {
    int profile;
    bool matched;  // a program matched; otherwise it is the Windows profile
};

// True when the file name and extension of `path` (blanks around it ignored) equal
// `executable` without regard to case. An empty path matches nothing.
bool ProgramPathMatches(std::string_view path, std::string_view executable);

// The profile to switch to for the program `executable` in the foreground, or
// nullopt when the active profile stays.
std::optional<SwitchTarget> AutomaticSwitchTarget(const SettingsSet& set,
                                                  std::string_view executable,
                                                  bool optionWindowOpen);

}  // namespace tesh::monitor
