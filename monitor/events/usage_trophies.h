// The usage counters that the mouse's usage events advance, and the trophies they
// earn, in the InfoData block of the settings: 27 i32 values, counters first, then
// the trophy flags and the number of the trophy reached last.
#pragma once

#include <cstdint>

#include "settings/settings_set.h"

namespace tesh::monitor {

constexpr int kTrophyCount = 13;  // twelve for the counters, the 13th for all of them
// Value indices inside InfoData (4 bytes each).
constexpr int kFirstTrophyFlag = 13;  // + trophy - 1
constexpr int kLastTrophyIndex = 26;

using InfoBlock = uint8_t[kInfoDataSize];

int32_t InfoValue(const InfoBlock& info, int index);
void SetInfoValue(InfoBlock& info, int index, int32_t value);

// The InfoData index of the counter of a usage class, or -1 for a class without one
// (0xE800, 0xE900, 0xEB00, 0xEC00) or out of 0xE100..0xEF00.
int UsageCounterIndex(uint32_t eventClass);

struct UsageResult {
    bool counted = false;  // the class has a counter (it may not have changed)
    bool awarded = false;  // at least one trophy was reached
};

// Adds `value` to the class's counter, stopping at the largest i32 instead of
// wrapping, then awards at most one trophy per group: the lowest one of the group
// not yet reached, when the group's sum has reached its threshold. When all twelve
// are reached the 13th follows.
UsageResult CountUsage(InfoBlock& info, uint32_t eventClass, uint16_t value);

}  // namespace tesh::monitor
