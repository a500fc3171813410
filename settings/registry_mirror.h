// The pointer and wheel settings of the current profile, mirrored into the user's
// Windows mouse and desktop settings.
#pragma once

#include "settings/registry_port.h"
#include "settings/settings_set.h"

namespace tesh {

inline constexpr char kMouseKey[] = "Control Panel\\Mouse";
inline constexpr char kDesktopKey[] = "Control Panel\\Desktop";

// Writes the six mouse values and the two desktop values; stops at the first value
// that cannot be written and returns false.
bool WriteRegistry(RegistryPort& registry, const ProfileRecord& profile);
// Reads them back into the profile. A value that cannot be read leaves its field as it
// was (for the acceleration, all three values must be readable); returns false when
// any value could not be read.
bool ReadRegistry(RegistryPort& registry, ProfileRecord& profile);

}  // namespace tesh
