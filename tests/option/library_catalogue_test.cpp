#include "option/library_catalogue.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "option/function_codes.h"
#include "settings/library_names.h"
#include "settings/profile_file.h"
#include "tests/settings/library_records.h"

namespace tesh::option {
namespace {

using test::MacroWithEvents;
using test::SetOf;

ButtonRecord FilledButton() {
    ButtonRecord b;
    std::memset(&b, 0xAB, sizeof b);
    b.code = 3;
    return b;
}

MacroLibrary Library() {
    MacroLibrary lib;
    lib.sets.push_back(SetOf("World of Warcraft", {MacroWithEvents("Burst", 3, 2),
                                                   MacroWithEvents("Heal", 500, 255, 5)}));
    lib.sets.push_back(SetOf("Xfire", {}));
    return lib;
}

TEST(MacroCatalogue, ListsTheFirstHundredSetsAndMacros) {
    MacroLibrary lib;
    for (int k = 0; k < 120; ++k) lib.sets.push_back(SetOf("S" + std::to_string(k), {}));
    for (int j = 0; j < 130; ++j)
        lib.sets[5].macros.push_back(MacroWithEvents("m" + std::to_string(j), 1));
    std::vector<MacroMenuSet> menu = MacroMenu(lib, FilledButton());
    ASSERT_EQ(menu.size(), 100u);
    EXPECT_EQ(menu[99].name, "S99");
    ASSERT_EQ(menu[5].macros.size(), 100u);
    EXPECT_EQ(menu[5].macros[99], "m99");
}

struct MarkCase {
    uint8_t code;
    const char* set;
    const char* macro;
    int markedSet, markedMacro;
};

TEST(MacroCatalogue, MarksTheButtonsCurrentMacro) {
    const MarkCase cases[] = {
        {kMacroCode, "world of warcraft", "HEAL", 0, 1},
        {kMacroCode, "Xfire", "Heal", 1, -1},
        {kMacroCode, "Gone", "Heal", -1, -1},
        {kTimerCode, "World of Warcraft", "Heal", -1, -1},
    };
    for (const MarkCase& c : cases) {
        ButtonRecord b = FilledButton();
        b.code = c.code;
        CopyToField(b.macroSetName, sizeof b.macroSetName, c.set);
        CopyToField(b.macroName, sizeof b.macroName, c.macro);
        std::vector<MacroMenuSet> menu = MacroMenu(Library(), b);
        for (int k = 0; k < static_cast<int>(menu.size()); ++k) {
            EXPECT_EQ(menu[k].selected, k == c.markedSet) << c.set << " set " << k;
            EXPECT_EQ(menu[k].selectedMacro, k == c.markedSet ? c.markedMacro : -1) << c.set;
        }
    }
}

struct CommandCase {
    int command;
    bool isMacro;
    int set, macro;
};

TEST(MacroCatalogue, TellsTheMacroOfACommand) {
    const CommandCase cases[] = {{1100, true, 0, 0},    {1199, true, 0, 99}, {1201, true, 1, 1},
                                 {11099, true, 99, 99}, {1099, false, 0, 0}, {11100, false, 0, 0},
                                 {505, false, 0, 0}};
    for (const CommandCase& c : cases) {
        std::optional<MacroChoice> choice = MacroOfCommand(c.command);
        ASSERT_EQ(choice.has_value(), c.isMacro) << c.command;
        if (!choice) continue;
        EXPECT_EQ(choice->set, c.set) << c.command;
        EXPECT_EQ(choice->macro, c.macro) << c.command;
    }
}

TEST(MacroCatalogue, CopiesTheWholeMacroIntoTheButton) {
    MacroLibrary lib = Library();
    ButtonRecord b = FilledButton();
    ASSERT_TRUE(AssignMacro(lib, 0, 1, b));
    const MacroRecord& m = lib.sets[0].macros[1];
    EXPECT_EQ(b.code, kMacroCode);
    EXPECT_STREQ(b.macroSetName, "World of Warcraft");
    EXPECT_STREQ(b.macroName, "Heal");
    EXPECT_EQ(b.repeatCount, 255);
    EXPECT_EQ(b.eventCount, 500);
    EXPECT_EQ(std::memcmp(b.events, m.events, sizeof b.events), 0);
}

TEST(MacroCatalogue, BoundsNamesByTheButtonsFields) {
    MacroLibrary lib;
    MacroRecord m = MacroWithEvents("", 2);
    std::memset(m.name, 'M', sizeof m.name);  // a library macro without a terminator
    lib.sets.push_back(SetOf(std::string(kMaxSetNameBytes, 'S'), {m}));
    ButtonRecord b = FilledButton();
    ASSERT_TRUE(AssignMacro(lib, 0, 0, b));
    EXPECT_EQ(std::string(b.macroSetName), std::string(sizeof b.macroSetName - 1, 'S'));
    EXPECT_EQ(std::string(b.macroName), std::string(sizeof b.macroName - 1, 'M'));
    EXPECT_EQ(b.eventCount, 2);
    for (std::size_t i = 8; i < sizeof b.events; ++i) ASSERT_EQ(b.events[i], 0) << i;
}

TEST(MacroCatalogue, RefusesAMacroThatIsNotThere) {
    MacroLibrary lib = Library();
    const int choices[][2] = {{0, 2}, {1, 0}, {2, 0}, {-1, 0}, {0, -1}};
    for (const auto& c : choices) {
        ButtonRecord b = FilledButton();
        ButtonRecord before = b;
        EXPECT_FALSE(AssignMacro(lib, c[0], c[1], b)) << c[0] << "," << c[1];
        EXPECT_EQ(std::memcmp(&b, &before, sizeof b), 0);
    }
}

TEST(TimerCatalogue, ListsAndCopiesTimersBounded) {
    TimerList timers = {NewTimer("Tea", 180), NewTimer("Egg", 300)};
    TimerRecord raw;
    std::memset(&raw, 'T', sizeof raw);
    raw.seconds = 5;  // a damaged entry in memory
    timers.push_back(raw);
    std::vector<std::string> names = TimerMenu(timers);
    ASSERT_EQ(names.size(), 3u);
    EXPECT_EQ(names[1], "Egg");

    ButtonRecord b = FilledButton();
    ASSERT_TRUE(AssignTimer(timers, 1, b));
    EXPECT_EQ(b.code, kTimerCode);
    EXPECT_EQ(b.timerValue, 300);
    EXPECT_STREQ(b.timerName, "Egg");
    ASSERT_TRUE(AssignTimer(timers, 2, b));
    EXPECT_EQ(b.timerValue, kMinTimerSeconds);
    EXPECT_EQ(std::string(b.timerName), std::string(sizeof b.timerName - 1, 'T'));
    ButtonRecord before = b;
    EXPECT_FALSE(AssignTimer(timers, 3, b));
    EXPECT_EQ(std::memcmp(&b, &before, sizeof b), 0);
}

}  // namespace
}  // namespace tesh::option
