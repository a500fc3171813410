// A ProfileRecord as readable text: one "Key = value" line per key of the profile
// file, lights and buttons summarised on their line.
#pragma once

#include <string>

#include "settings/settings_set.h"

namespace tesh {

// How many macro events a button line shows before it says how many more there are.
inline constexpr int kEventsShown = 8;

std::string ProfileText(const ProfileRecord& profile);
// "index 7, on 1, rgb 250 0 0"
std::string LightSummary(const LightEntry& light);
// "number 5, code 48, macroSet "Set", macroName "Fire", repeat 2, eventCount 3,
// events [4 1 0] [4 2 50] [5 1 10]"; members that hold nothing are left out.
std::string ButtonSummary(const ButtonRecord& button);

}  // namespace tesh
