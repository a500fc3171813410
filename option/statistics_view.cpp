#include "option/statistics_view.h"

#include <algorithm>
#include <cstring>

#include "settings/ini_file.h"

namespace tesh::option {
namespace {

constexpr int64_t kSecondsPerHour = 3600;
constexpr int64_t kSecondsPerDay = 86400;
// The mouse counts distance in inches: 0.0254 m each.
constexpr int64_t kMicrometresPerCount = 25400;
constexpr int64_t kMicrometresPerMetre = 1000000;

int64_t Cap(int64_t value, int64_t cap) {
    return std::min(value, cap);
}

}  // namespace

int32_t InfoValue(const uint8_t (&info)[kInfoDataSize], int k) {
    if (k < 0 || k >= kInfoValues) return 0;
    const uint8_t* b = info + 4 * k;
    return static_cast<int32_t>(static_cast<uint32_t>(b[0]) | static_cast<uint32_t>(b[1]) << 8 |
                                static_cast<uint32_t>(b[2]) << 16 |
                                static_cast<uint32_t>(b[3]) << 24);
}

bool TrophyReached(const uint8_t (&info)[kInfoDataSize], int trophy) {
    return trophy >= 0 && trophy < kTrophyCount && InfoValue(info, kFirstTrophyFlag + trophy) == 1;
}

int Level(const uint8_t (&info)[kInfoDataSize]) {
    int level = 0;
    for (int t = 0; t < kTrophyCount; ++t) level += TrophyReached(info, t) ? 1 : 0;
    return level;
}

void ResetCounters(uint8_t (&info)[kInfoDataSize]) {
    std::memset(info, 0, 4 * kCounterValues);
}

Elapsed ElapsedOf(int64_t seconds) {
    seconds = std::max<int64_t>(seconds, 0);
    return {std::max<int64_t>(seconds / kSecondsPerHour, 1),
            std::max<int64_t>(seconds / kSecondsPerDay, 1)};
}

int64_t SecondsSinceFirstStart(const std::string& runsStartPath, std::time_t now) {
    const IniDocument doc = IniFile(runsStartPath).Load();
    constexpr char kSection[] = "StartTime";
    std::tm start{};
    start.tm_year = IniReadInt(doc, kSection, "Year", -1) - 1900;
    start.tm_mon = IniReadInt(doc, kSection, "Month", -1) - 1;
    start.tm_mday = IniReadInt(doc, kSection, "Day", -1);
    start.tm_hour = IniReadInt(doc, kSection, "Hour", -1);
    start.tm_min = IniReadInt(doc, kSection, "Minute", -1);
    start.tm_isdst = -1;
    if (start.tm_year < 0 || start.tm_mon < 0 || start.tm_mday < 1) return 0;
    const std::time_t then = std::mktime(&start);
    if (then == static_cast<std::time_t>(-1)) return 0;
    return static_cast<int64_t>(std::difftime(now, then));
}

StatisticsLines LinesOf(const uint8_t (&info)[kInfoDataSize], DisplayMode mode,
                        const Elapsed& elapsed) {
    const int64_t divisor = mode == DisplayMode::kPerHour  ? elapsed.hours
                            : mode == DisplayMode::kPerDay ? elapsed.days
                                                           : 1;
    auto value = [&](int k) { return static_cast<int64_t>(InfoValue(info, k)) / divisor; };
    StatisticsLines lines{};
    int64_t clickSum = 0;
    for (int k = 0; k < kClickCounters; ++k) {
        clickSum += InfoValue(info, k);
        lines.clicks[k] = Cap(value(k), kClickCap);
    }
    lines.clickSum = Cap(clickSum / divisor, kClickCap);
    int64_t scrollSum = 0;
    for (int i = 0; i < 2; ++i) {
        scrollSum += InfoValue(info, kFirstScrollCounter + i);
        lines.scrolls[i] = Cap(value(kFirstScrollCounter + i), kScrollCap);
    }
    lines.scrollSum = Cap(scrollSum / divisor, kScrollCap);
    lines.timesHigh = Cap(value(kTimesCounterHigh), kClickCap);
    lines.timesLow = Cap(value(kTimesCounterLow), kClickCap);
    lines.metres = value(kDistanceCounter) * kMicrometresPerCount / kMicrometresPerMetre;
    return lines;
}

int NextDisplayMode(int mode, int step) {
    return std::clamp(mode + step, 0, kDisplayModes - 1);
}

int NextTrophy(int trophy, int step) {
    return std::clamp(trophy + step, 0, kTrophyCount - 1);
}

int LevelBarWidth(int width, int level) {
    return width * std::clamp(level, 0, kTrophyCount) / kTrophyCount;
}

}  // namespace tesh::option
