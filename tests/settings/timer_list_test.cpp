#include "settings/timer_list.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "settings/ini_file.h"
#include "tests/settings/test_dir.h"

namespace tesh {
namespace {

IniDocument FileOf(const TimerList& raw, int count) {
    IniDocument doc;
    IniWriteInt(doc, kTimerSection, kTimerCountKey, count);
    for (std::size_t i = 0; i < raw.size(); ++i)
        IniWriteStruct(doc, kTimerSection, std::to_string(i), &raw[i], sizeof raw[i]);
    return doc;
}

TimerRecord Raw(const char* name, int32_t seconds) {
    TimerRecord t;
    std::memset(&t, 0, sizeof t);
    std::strcpy(t.name, name);
    t.seconds = seconds;
    return t;
}

struct DurationCase {
    int32_t stored, loaded;
};

TEST(TimerListLoad, BoundsDurations) {
    const DurationCase cases[] = {{30, 30}, {15, 15},  {999, 999},  {14, 15},
                                  {0, 15},  {-40, 15}, {1000, 999}, {0x7FFFFFFF, 999}};
    for (const DurationCase& c : cases) {
        TimerList timers = ReadTimerList(FileOf({Raw("t", c.stored)}, 1));
        ASSERT_EQ(timers.size(), 1u) << c.stored;
        EXPECT_EQ(timers[0].seconds, c.loaded) << c.stored;
    }
}

struct TimerCountCase {
    int written;
    std::size_t present, loaded;
};

TEST(TimerListLoad, BoundsTheCount) {
    const TimerCountCase cases[] = {{3, 3, 3}, {80, 80, 50}, {-1, 3, 0}, {9, 4, 4}, {0, 2, 0}};
    for (const TimerCountCase& c : cases) {
        TimerList raw;
        for (std::size_t i = 0; i < c.present; ++i)
            raw.push_back(Raw(("t" + std::to_string(i)).c_str(), 20));
        EXPECT_EQ(ReadTimerList(FileOf(raw, c.written)).size(), c.loaded) << c.written;
    }
}

TEST(TimerListLoad, TerminatesNamesAndLeavesOutEmptyAndRepeatedOnes) {
    TimerRecord unterminated = Raw("", 60);
    std::memset(unterminated.name, 'T', sizeof unterminated.name);
    TimerList raw = {unterminated, Raw("Tea", 180), Raw("  ", 20), Raw(" TEA ", 30),
                     Raw("Egg", 300)};
    IniDocument doc = FileOf(raw, 6);
    doc.Set(kTimerSection, "5", "0011");
    TimerList timers = ReadTimerList(doc);
    ASSERT_EQ(timers.size(), 3u);
    EXPECT_EQ(std::string(timers[0].name), std::string(sizeof unterminated.name - 1, 'T'));
    EXPECT_STREQ(timers[1].name, "Tea");
    EXPECT_EQ(timers[1].seconds, 180);
    EXPECT_STREQ(timers[2].name, "Egg");
}

TEST(TimerListFile, HoldsExactlyTheListAfterASave) {
    test::TestDir dir;
    const std::string path = dir.File("Timer.ini");
    TimerList timers;
    for (int i = 0; i < 5; ++i) timers.push_back(NewTimer("t" + std::to_string(i), 20 + i));
    ASSERT_TRUE(SaveTimerList(timers, path));
    timers.erase(timers.begin() + 1, timers.end());
    ASSERT_TRUE(SaveTimerList(timers, path));
    IniDocument doc = IniFile(path).Load();
    EXPECT_FALSE(doc.Get(kTimerSection, "1").has_value()) << "no key beyond the count";
    TimerList back = LoadTimerList(path);
    ASSERT_EQ(back.size(), 1u);
    EXPECT_EQ(std::memcmp(&back[0], &timers[0], sizeof back[0]), 0);
}

TEST(TimerListFile, SavesAtMostFiftyBoundedTimers) {
    test::TestDir dir;
    TimerList timers;
    for (int i = 0; i < 60; ++i) timers.push_back(Raw(("t" + std::to_string(i)).c_str(), 5000));
    ASSERT_TRUE(SaveTimerList(timers, dir.File("Timer.ini")));
    TimerList back = LoadTimerList(dir.File("Timer.ini"));
    ASSERT_EQ(back.size(), 50u);
    EXPECT_EQ(back[49].seconds, kMaxTimerSeconds);
    EXPECT_EQ(IniFile(dir.File("Timer.ini")).ReadInt(kTimerSection, kTimerCountKey, -1), 50);
}

TEST(TimerListFile, MissingFileGivesAnEmptyList) {
    test::TestDir dir;
    EXPECT_TRUE(LoadTimerList(dir.File("none.ini")).empty());
}

TEST(TimerListFile, AFailedSaveLeavesTheOldFile) {
    test::TestDir dir;
    dir.Write("Timer.ini/inside", "x");  // a directory cannot be replaced
    EXPECT_FALSE(SaveTimerList({NewTimer("t", 20)}, dir.File("Timer.ini")));
    EXPECT_EQ(dir.Read("Timer.ini/inside"), "x");
}

}  // namespace
}  // namespace tesh
