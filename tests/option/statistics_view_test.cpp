#include "option/statistics_view.h"

#include <gtest/gtest.h>

#include <cstring>

#include "settings/ini_file.h"
#include "tests/settings/test_dir.h"

namespace tesh::option {
namespace {

struct Info {
    uint8_t bytes[kInfoDataSize] = {};
    Info& Set(int k, int32_t v) {
        std::memcpy(bytes + 4 * k, &v, 4);  // little-endian on every machine we build for
        return *this;
    }
};

TEST(StatisticsView, ModesDivideAndCapTheCountersWithSumsIn64Bits) {
    Info info;
    info.Set(0, 2000000000).Set(1, 2000000000).Set(2, 125);  // the sum passes 2^32
    info.Set(5, 100000000).Set(6, 7).Set(9, 100000).Set(10, 33).Set(11, 44);
    const StatisticsLines totals = LinesOf(info.bytes, DisplayMode::kTotals, {10, 2});
    EXPECT_EQ(totals.clicks[0], 999999999);
    EXPECT_EQ(totals.clicks[2], 125);
    EXPECT_EQ(totals.clickSum, 999999999);
    EXPECT_EQ(totals.scrolls[0], 99999999);
    EXPECT_EQ(totals.scrollSum, 99999999);
    EXPECT_EQ(totals.metres, 2540);
    EXPECT_EQ(totals.timesHigh, 44);
    EXPECT_EQ(totals.timesLow, 33);

    const StatisticsLines perHour = LinesOf(info.bytes, DisplayMode::kPerHour, {10, 2});
    EXPECT_EQ(perHour.clicks[2], 12);
    EXPECT_EQ(perHour.clicks[0], 200000000);
    EXPECT_EQ(perHour.clickSum, 400000012);  // (4e9 + 125) / 10, not a wrapped sum
    EXPECT_EQ(perHour.scrollSum, 10000000);
    EXPECT_EQ(perHour.metres, 254);
    const StatisticsLines perDay = LinesOf(info.bytes, DisplayMode::kPerDay, {10, 2});
    EXPECT_EQ(perDay.clicks[2], 62);
    EXPECT_EQ(perDay.timesHigh, 22);
}

TEST(StatisticsView, ElapsedTimeIsAtLeastOneHourAndDayAndComesFromTheFirstStart) {
    EXPECT_EQ(ElapsedOf(0).hours, 1);
    EXPECT_EQ(ElapsedOf(-50).days, 1);
    EXPECT_EQ(ElapsedOf(36000).hours, 10);
    EXPECT_EQ(ElapsedOf(3 * 86400 + 5).days, 3);

    tesh::test::TestDir dir;
    const std::string path = dir.File("RunsStart.ini");
    EXPECT_EQ(SecondsSinceFirstStart(path, 1700000000), 0);  // no file
    IniFile ini(path);
    ini.WriteString("StartTime", "Year", "2026");
    ini.WriteInt("StartTime", "Month", 3);
    ini.WriteInt("StartTime", "Day", 1);
    ini.WriteInt("StartTime", "Hour", 8);
    ini.WriteInt("StartTime", "Minute", 30);
    std::tm later{};
    later.tm_year = 126, later.tm_mon = 2, later.tm_mday = 1, later.tm_hour = 18;
    later.tm_min = 30, later.tm_sec = 59, later.tm_isdst = -1;
    EXPECT_EQ(SecondsSinceFirstStart(path, std::mktime(&later)), 10 * 3600 + 59);
}

TEST(StatisticsView, LevelBrowsingAndResetKeepTheTrophies) {
    Info info;
    EXPECT_EQ(Level(info.bytes), 0);
    EXPECT_EQ(LevelBarWidth(220, 0), 0);
    for (int t = 0; t < kTrophyCount; ++t) info.Set(kFirstTrophyFlag + t, 1);
    EXPECT_EQ(Level(info.bytes), 13);
    EXPECT_EQ(LevelBarWidth(220, 13), 220);
    info.Set(kFirstTrophyFlag + 4, 2);  // readers test for 1
    EXPECT_EQ(Level(info.bytes), 12);
    EXPECT_FALSE(TrophyReached(info.bytes, 4));
    EXPECT_FALSE(TrophyReached(info.bytes, 13));

    info.Set(0, 5).Set(12, 9).Set(26, 13);
    ResetCounters(info.bytes);
    for (int k = 0; k < kCounterValues; ++k) EXPECT_EQ(InfoValue(info.bytes, k), 0) << k;
    EXPECT_EQ(Level(info.bytes), 12);
    EXPECT_EQ(InfoValue(info.bytes, 26), 13);

    EXPECT_EQ(NextTrophy(0, -1), 0);
    EXPECT_EQ(NextTrophy(12, 1), 12);
    EXPECT_EQ(NextTrophy(5, 1), 6);
    EXPECT_EQ(NextDisplayMode(0, -1), 0);
    EXPECT_EQ(NextDisplayMode(2, 1), 2);
    EXPECT_EQ(NextDisplayMode(1, 1), 2);
}

}  // namespace
}  // namespace tesh::option
