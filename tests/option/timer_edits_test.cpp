#include "option/timer_edits.h"

#include <gtest/gtest.h>

#include <string>

namespace tesh::option {
namespace {

TimerList Timers(int n) {
    TimerList timers;
    for (int i = 0; i < n; ++i) timers.push_back(NewTimer("T" + std::to_string(i), 20 + i));
    return timers;
}

struct CreateCase {
    const char* what;
    int existing;
    std::string name;
    int seconds;
    bool added;
    const char* storedName;
    int storedSeconds;
};

TEST(TimerEdits, CreateRefusesFullListsAndRepeatedOrEmptyNames) {
    const CreateCase cases[] = {
        {"plain", 2, "Tea", 180, true, "Tea", 180},
        {"trimmed", 2, "  Tea  ", 180, true, "Tea", 180},
        {"clamped low", 0, "Egg", 3, true, "Egg", 15},
        {"clamped high", 0, "Egg", 5000, true, "Egg", 999},
        {"cut to the field", 0, std::string(30, 'x'), 30, true, "xxxxxxxxxxxxxxxxxxxxxxxx", 30},
        {"other case and blanks", 2, " t1 ", 30, false, "", 0},
        {"empty", 2, "   ", 30, false, "", 0},
        {"fifty timers", 50, "New", 30, false, "", 0},
        {"forty-nine timers", 49, "New", 30, true, "New", 30},
    };
    for (const CreateCase& c : cases) {
        TimerList timers = Timers(c.existing);
        EXPECT_EQ(CanCreateTimer(timers), c.existing < 50) << c.what;
        EXPECT_EQ(CreateTimer(timers, c.name, c.seconds), c.added) << c.what;
        ASSERT_EQ(timers.size(), static_cast<std::size_t>(c.existing + (c.added ? 1 : 0)))
            << c.what;
        if (!c.added) continue;
        EXPECT_STREQ(timers.back().name, c.storedName) << c.what;
        EXPECT_EQ(timers.back().seconds, c.storedSeconds) << c.what;
    }
}

struct SaveCase {
    const char* what;
    int selected;
    const char* name;
    int seconds;
    TimerSave result;
    const char* name1;  // timer 1 afterwards
    int seconds1;
};

TEST(TimerEdits, SaveRenamesOrChangesOnlyTheDuration) {
    const SaveCase cases[] = {
        {"rename", 1, "Break", 60, TimerSave::kRenamed, "Break", 60},
        {"own name", 1, " t1 ", 99, TimerSave::kDurationOnly, "T1", 99},
        {"other's name", 1, "t0", 99, TimerSave::kUnchanged, "T1", 21},
        {"empty", 1, "  ", 99, TimerSave::kUnchanged, "T1", 21},
        {"nothing selected", -1, "Break", 99, TimerSave::kUnchanged, "T1", 21},
        {"selection past the end", 3, "Break", 99, TimerSave::kUnchanged, "T1", 21},
    };
    for (const SaveCase& c : cases) {
        TimerList timers = Timers(3);
        EXPECT_EQ(SaveTimer(timers, c.selected, c.name, c.seconds), c.result) << c.what;
        EXPECT_STREQ(timers[1].name, c.name1) << c.what;
        EXPECT_EQ(timers[1].seconds, c.seconds1) << c.what;
    }
}

struct DeleteCase {
    int count, selected, next;
    std::size_t left;
};

TEST(TimerEdits, DeleteMovesTheSelection) {
    const DeleteCase cases[] = {
        {3, 0, 0, 2}, {3, 2, 1, 2}, {1, 0, -1, 0}, {3, -1, -1, 3}, {0, 0, -1, 0}};
    for (const DeleteCase& c : cases) {
        TimerList timers = Timers(c.count);
        EXPECT_EQ(DeleteTimer(timers, c.selected), c.next) << c.count << "/" << c.selected;
        EXPECT_EQ(timers.size(), c.left);
        EXPECT_EQ(CanEditTimers(timers), c.left > 0);
    }
}

}  // namespace
}  // namespace tesh::option
