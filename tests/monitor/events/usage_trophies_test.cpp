// Usage counters and trophies: each group's thresholds in order, one trophy per group
// and event, the 13th for all twelve, counters that stop at the largest value, and
// what the monitor does when the counters change.
#include "monitor/events/usage_trophies.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

#include "monitor/events/event_names.h"
#include "settings/ini_file.h"
#include "tests/monitor/events/event_fakes.h"

namespace tesh::monitor::test {
namespace {

constexpr int kLastTrophy = kLastTrophyIndex;

class TrophyTest : public ::testing::Test {
  protected:
    int32_t Value(int index) const { return InfoValue(info_, index); }
    bool Reached(int trophy) const { return Value(kFirstTrophyFlag + trophy - 1) == 1; }
    // Counts `total` in steps of at most 65535 and returns the trophies each step gave.
    std::vector<int> Count(uint32_t eventClass, int64_t total) {
        std::vector<int> awarded;
        while (total > 0) {
            const uint16_t step = static_cast<uint16_t>(std::min<int64_t>(total, 65535));
            total -= step;
            if (CountUsage(info_, eventClass, step).awarded) awarded.push_back(Value(kLastTrophy));
        }
        return awarded;
    }
    InfoBlock info_ = {};
};

TEST_F(TrophyTest, CountersOfEachClass) {
    const std::pair<uint32_t, int> counters[] = {
        {0xE100, 0}, {0xE200, 1}, {0xE300, 2},  {0xE400, 3},  {0xE500, 4}, {0xE600, 5},
        {0xE700, 6}, {0xEA00, 9}, {0xEE00, 10}, {0xED00, 11}, {0xEF00, 12}};
    for (const auto& [eventClass, index] : counters) {
        EXPECT_TRUE(CountUsage(info_, eventClass, 7).counted);
        EXPECT_EQ(Value(index), 7) << std::hex << eventClass;
    }
    for (uint32_t eventClass : {0xE800u, 0xE900u, 0xEB00u, 0xEC00u, 0xE000u, 0xE180u}) {
        EXPECT_FALSE(CountUsage(info_, eventClass, 7).counted) << std::hex << eventClass;
    }
    EXPECT_EQ(Value(7), 0);
    EXPECT_EQ(Value(8), 0);
}

TEST_F(TrophyTest, CountersStopAtTheLargestValue) {
    SetInfoValue(info_, 0, std::numeric_limits<int32_t>::max() - 10);
    CountUsage(info_, 0xE100, 65535);
    EXPECT_EQ(Value(0), std::numeric_limits<int32_t>::max());
    CountUsage(info_, 0xE100, 1);
    EXPECT_EQ(Value(0), std::numeric_limits<int32_t>::max());
}

TEST_F(TrophyTest, ButtonEventsGroup) {
    CountUsage(info_, 0xED00, 600);
    EXPECT_FALSE(CountUsage(info_, 0xEE00, 399).awarded);
    EXPECT_TRUE(CountUsage(info_, 0xEE00, 1).awarded);
    EXPECT_TRUE(Reached(1));
    EXPECT_EQ(Count(0xEE00, 9000 - 1), std::vector<int>{});
    EXPECT_EQ(Count(0xED00, 1), std::vector<int>{2});
    EXPECT_EQ(Count(0xED00, 14999), std::vector<int>{});
    EXPECT_EQ(Count(0xED00, 1), std::vector<int>{3});
}

TEST_F(TrophyTest, ClickGroupAndOneTrophyPerEvent) {
    SetInfoValue(info_, 4, 999999);
    EXPECT_TRUE(CountUsage(info_, 0xE100, 1).awarded);
    EXPECT_TRUE(Reached(4));
    EXPECT_FALSE(Reached(5)) << "the next one follows with a later event";
    EXPECT_TRUE(CountUsage(info_, 0xE300, 0).awarded);
    EXPECT_TRUE(Reached(5));
    EXPECT_TRUE(CountUsage(info_, 0xE300, 0).awarded);
    EXPECT_TRUE(Reached(6));
    EXPECT_FALSE(CountUsage(info_, 0xE300, 0).awarded);
}

TEST_F(TrophyTest, DistanceGroupCountsHalfTheDistance) {
    EXPECT_EQ(Count(0xEA00, 19999), std::vector<int>{});
    EXPECT_EQ(Count(0xEA00, 1), std::vector<int>{7});
    EXPECT_EQ(Count(0xEA00, 1000000 - 20000 - 1), std::vector<int>{});
    EXPECT_EQ(Count(0xEA00, 1), std::vector<int>{8});
    EXPECT_EQ(Count(0xEA00, 1000000 - 1), std::vector<int>{});
    EXPECT_EQ(Count(0xEA00, 1), std::vector<int>{9});
}

TEST_F(TrophyTest, ScrollGroup) {
    CountUsage(info_, 0xE600, 29999);
    EXPECT_FALSE(Reached(10));
    EXPECT_EQ(Count(0xE700, 1), std::vector<int>{10});
    EXPECT_EQ(Count(0xE700, 200000 - 30000 - 1), std::vector<int>{});
    EXPECT_EQ(Count(0xE600, 1), std::vector<int>{11});
    EXPECT_EQ(Count(0xE600, 300000), std::vector<int>{12});
}

TEST_F(TrophyTest, GroupsAreCheckedInOrderAndTheLastAwardIsRemembered) {
    SetInfoValue(info_, 11, 1000);  // group 1
    SetInfoValue(info_, 5, 30000);  // group 4
    EXPECT_TRUE(CountUsage(info_, 0xE800, 1).awarded) << "a class without a counter is evaluated";
    EXPECT_TRUE(Reached(1));
    EXPECT_TRUE(Reached(10));
    EXPECT_EQ(Value(kLastTrophy), 10);
}

TEST_F(TrophyTest, AllTwelveGiveTheThirteenth) {
    for (int trophy = 1; trophy <= 12; ++trophy) {
        if (trophy != 9) SetInfoValue(info_, kFirstTrophyFlag + trophy - 1, 1);
    }
    SetInfoValue(info_, 9, 1999999);
    EXPECT_FALSE(CountUsage(info_, 0xEF00, 1).awarded);
    EXPECT_FALSE(Reached(13));
    EXPECT_TRUE(CountUsage(info_, 0xEA00, 1).awarded);
    EXPECT_TRUE(Reached(13));
    EXPECT_EQ(Value(kLastTrophy), 13);
}

TEST_F(TrophyTest, OnlyAFlagOfOneCountsAsReached) {
    SetInfoValue(info_, kFirstTrophyFlag, 2);
    SetInfoValue(info_, 11, 5000);
    EXPECT_TRUE(CountUsage(info_, 0xED00, 0).awarded);
    EXPECT_EQ(Value(kFirstTrophyFlag), 1);
}

class UsageEventTest : public EventTest {
  protected:
    int32_t Value(int index) const { return InfoValue(image_->InfoData, index); }
};

TEST_F(UsageEventTest, ACountedEventIsPublishedStoredAndTold) {
    Dispatch(0xE100, 0x34, 0x12);
    EXPECT_EQ(Value(0), 0x1234);
    EXPECT_EQ(block_.publishes, 1);
    EXPECT_EQ(InfoValue(block_.last->InfoData, 0), 0x1234);
    EXPECT_EQ(OptionPosts(), std::vector<uint32_t>{kUsageChangedMessage});
    InfoBlock stored = {};
    EXPECT_TRUE(
        IniFile(dir_.File("config.ini")).ReadStruct("Setting", "InfoData", stored, sizeof stored));
    EXPECT_EQ(InfoValue(stored, 0), 0x1234);
    EXPECT_TRUE(sounds_.numbers.empty());
}

TEST_F(UsageEventTest, AClassWithoutCounterIsNotPublished) {
    Dispatch(0xEC00, 5);
    EXPECT_EQ(block_.publishes, 0);
    EXPECT_TRUE(windows_.posts.empty());
}

TEST_F(UsageEventTest, ATrophyIsSpokenAndKeepsFeedbackQuietForFourSeconds) {
    SetInfoValue(image_->InfoData, 11, 999);
    Dispatch(0xED00, 1);
    EXPECT_EQ(sounds_.numbers, std::vector<int>{kSoundTrophy});
    Dispatch(kVolumeClass, kUp);
    RunFor(3999);
    EXPECT_EQ(sounds_.numbers.size(), 1u);
    RunFor(1);
    Dispatch(kVolumeClass, kUp);
    RunFor(500);
    EXPECT_EQ(sounds_.numbers.back(), kSoundVolumeUp);
}

TEST_F(UsageEventTest, TheLastTrophyHasASoundOfItsOwn) {
    for (int trophy = 1; trophy <= 11; ++trophy) {
        SetInfoValue(image_->InfoData, kFirstTrophyFlag + trophy - 1, 1);
    }
    SetInfoValue(image_->InfoData, 5, 499999);
    Dispatch(0xE700, 1);
    EXPECT_EQ(sounds_.numbers, std::vector<int>{kSoundEveryTrophy});
}

TEST_F(UsageEventTest, NoTrophySoundWhenSwitchedOff) {
    Active().SoundTrophy = 0;
    SetInfoValue(image_->InfoData, 11, 999);
    Dispatch(0xED00, 1);
    EXPECT_EQ(InfoValue(image_->InfoData, kFirstTrophyFlag), 1);
    EXPECT_TRUE(sounds_.numbers.empty());
}

}  // namespace
}  // namespace tesh::monitor::test
