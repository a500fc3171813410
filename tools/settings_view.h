// A whole SettingsSet as JSON and as text: the header fields by their config.ini
// names, InfoData as 27 int32, then the five profiles. The change flags are left out:
// they are never stored.
#pragma once

#include <array>
#include <string>

#include "settings/settings_set.h"
#include "tools/json_values.h"

namespace tesh {

inline constexpr int kInfoDataValues = kInfoDataSize / 4;

// InfoData read as little-endian int32 values.
std::array<int32_t, kInfoDataValues> InfoDataValues(const uint8_t (&info)[kInfoDataSize]);

// {"CurrentProfile",...,"MouseType","InfoData":[27],"Profiles":[5 profile objects]}
Json SettingsToJson(const SettingsSet& set);
// Header lines, then each profile under "[Profile 1]".."[Profile 5]".
std::string SettingsText(const SettingsSet& set);

}  // namespace tesh
