// The statistics page's values: the usage counters of InfoData as the page shows them
// in its three display modes, the level, the time since the first start and the
// trophy browser. The monitor counts and awards; the page only reads, and resets the
// counters when the user asks.
#pragma once

#include <cstdint>
#include <ctime>
#include <string>

#include "settings/settings_set.h"

namespace tesh::option {

constexpr int kInfoValues = kInfoDataSize / 4;  // 27 signed 32-bit values
constexpr int kClickCounters = 5;               // k 0..4
constexpr int kFirstScrollCounter = 5;          // k 5, 6
constexpr int kDistanceCounter = 9;
constexpr int kTimesCounterLow = 10, kTimesCounterHigh = 11;
constexpr int kCounterValues = 13;  // k 0..12: every counter, what a reset clears
constexpr int kFirstTrophyFlag = 13;
constexpr int kTrophyCount = 13;
constexpr int kFirstTrophyNumber = 56;  // the web service's number of trophy 0

constexpr int64_t kClickCap = 999999999;
constexpr int64_t kScrollCap = 99999999;

enum class DisplayMode { kTotals = 0, kPerHour = 1, kPerDay = 2 };
constexpr int kDisplayModes = 3;

// Value k of InfoData (little-endian, as the block holds it).
int32_t InfoValue(const uint8_t (&info)[kInfoDataSize], int k);
bool TrophyReached(const uint8_t (&info)[kInfoDataSize], int trophy);
// The number of trophies reached, 0..13.
int Level(const uint8_t (&info)[kInfoDataSize]);
// Sets k 0..12 to 0; the trophy flags and the last trophy stay.
void ResetCounters(uint8_t (&info)[kInfoDataSize]);

struct Elapsed {
    int64_t hours;  // at least 1
    int64_t days;   // at least 1
};
// From the seconds since the first start (negative or unknown count as none).
Elapsed ElapsedOf(int64_t seconds);
// The seconds from the first start that RunsStart.ini in the program directory gives
// (a local time, seconds 0) to `now`; 0 when the file is missing or holds no time.
int64_t SecondsSinceFirstStart(const std::string& runsStartPath, std::time_t now);

struct StatisticsLines {
    int64_t clicks[kClickCounters];
    int64_t clickSum;
    int64_t scrolls[2];
    int64_t scrollSum;
    int64_t timesHigh;  // k 11, drawn above k 10
    int64_t timesLow;
    int64_t metres;
};
// The numbers the page draws: each value divided by the hours or days of the mode,
// the sums taken in 64 bits, then capped.
StatisticsLines LinesOf(const uint8_t (&info)[kInfoDataSize], DisplayMode mode,
                        const Elapsed& elapsed);

int NextDisplayMode(int mode, int step);  // within 0..2
int NextTrophy(int trophy, int step);     // within 0..12

// The level bar's width for a level 0..13 over a bar `width` wide.
int LevelBarWidth(int width, int level);

}  // namespace tesh::option
