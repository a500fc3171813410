#include "monitor/events/usage_trophies.h"

#include <cstring>
#include <limits>

namespace tesh::monitor {

namespace {

constexpr int kNoCounter = -1;
// Counter index by the class's high byte 0xE1..0xEF.
constexpr int kCounterOfClass[] = {0,          1, 2,          3,          4,  5,  6, kNoCounter,
                                   kNoCounter, 9, kNoCounter, kNoCounter, 11, 10, 12};
constexpr uint32_t kFirstUsageHighByte = 0xE1;
constexpr uint32_t kLastUsageHighByte = 0xEF;

struct TrophyGroup {
    int counters[5];  // InfoData indices, kNoCounter after the last
    int divisor;      // of the sum
    int64_t thresholds[3];
};

// Trophies 1..3, 4..6, 7..9, 10..12 in the order the groups are checked.
constexpr TrophyGroup kGroups[] = {
    {{11, 10, kNoCounter}, 1, {1000, 10000, 25000}},
    {{0, 1, 2, 3, 4}, 1, {50000, 500000, 1000000}},
    {{9, kNoCounter}, 2, {10000, 500000, 1000000}},
    {{5, 6, kNoCounter}, 1, {30000, 200000, 500000}},
};
constexpr int kTrophiesPerGroup = 3;
constexpr int kEveryTrophy = 13;

int FlagIndex(int trophy) {
    return kFirstTrophyFlag + trophy - 1;
}

int64_t GroupSum(const InfoBlock& info, const TrophyGroup& group) {
    int64_t sum = 0;
    for (int index : group.counters) {
        if (index == kNoCounter) break;
        sum += InfoValue(info, index);
    }
    return sum / group.divisor;
}

bool AllTwelveReached(const InfoBlock& info) {
    for (int trophy = 1; trophy < kEveryTrophy; ++trophy) {
        if (InfoValue(info, FlagIndex(trophy)) != 1) return false;
    }
    return true;
}

}  // namespace

int32_t InfoValue(const InfoBlock& info, int index) {
    int32_t value;
    std::memcpy(&value, info + 4 * index, sizeof value);
    return value;
}

void SetInfoValue(InfoBlock& info, int index, int32_t value) {
    std::memcpy(info + 4 * index, &value, sizeof value);
}

int UsageCounterIndex(uint32_t eventClass) {
    if ((eventClass & 0xFF) != 0) return kNoCounter;
    const uint32_t high = eventClass >> 8;
    if (high < kFirstUsageHighByte || high > kLastUsageHighByte) return kNoCounter;
    return kCounterOfClass[high - kFirstUsageHighByte];
}

UsageResult CountUsage(InfoBlock& info, uint32_t eventClass, uint16_t value) {
    UsageResult result;
    if (const int index = UsageCounterIndex(eventClass); index != kNoCounter) {
        const int64_t sum = int64_t{InfoValue(info, index)} + value;
        constexpr int64_t kLargest = std::numeric_limits<int32_t>::max();
        SetInfoValue(info, index, static_cast<int32_t>(sum > kLargest ? kLargest : sum));
        result.counted = true;
    }
    int first = 1;
    for (const TrophyGroup& group : kGroups) {
        for (int i = 0; i < kTrophiesPerGroup; ++i) {
            const int trophy = first + i;
            if (InfoValue(info, FlagIndex(trophy)) == 1) continue;
            if (GroupSum(info, group) >= group.thresholds[i]) {
                SetInfoValue(info, FlagIndex(trophy), 1);
                SetInfoValue(info, kLastTrophyIndex, trophy);
                result.awarded = true;
            }
            break;
        }
        first += kTrophiesPerGroup;
    }
    if (result.awarded && AllTwelveReached(info)) {
        SetInfoValue(info, FlagIndex(kEveryTrophy), 1);
        SetInfoValue(info, kLastTrophyIndex, kEveryTrophy);
    }
    return result;
}

}  // namespace tesh::monitor
