// Builders and parsers of the reports that carry a profile: status selection (4),
// active profile (5), profile settings (6) and buttons (7). A parser stores nothing
// unless the whole reply is valid.
#pragma once

#include <array>
#include <cstdint>

#include "monitor/report_format.h"
#include "settings/settings_set.h"

namespace tesh::monitor {

using StatusBytes = std::array<uint8_t, kStatusLength>;
using ActiveProfileBytes = std::array<uint8_t, kActiveProfileLength>;
using ProfileSettingsBytes = std::array<uint8_t, kProfileSettingsLength>;
using ButtonBytes = std::array<uint8_t, kButtonLength>;

// 4, profile, selector: chooses what the next read of report 6, 7 or 8 returns.
StatusBytes BuildStatusSelect(int profile, uint8_t selector);

// 5, 3, profile.
ActiveProfileBytes BuildActiveProfileReport(int32_t profile);
// Byte 2 becomes `currentProfile` when it is a profile 0..4; false otherwise.
bool ParseActiveProfileReport(const ActiveProfileBytes& reply, int32_t& currentProfile);

ProfileSettingsBytes BuildProfileSettingsReport(const ProfileRecord& record, int profile);
// False (and the record unchanged) when the checksum does not match.
bool ParseProfileSettingsReport(const ProfileSettingsBytes& reply, ProfileRecord& record);

// All 18 device buttons of the profile.
ButtonBytes BuildButtonReport(const ProfileRecord& record, int profile);
bool ParseButtonReport(const ButtonBytes& reply, ProfileRecord& record);

}  // namespace tesh::monitor
