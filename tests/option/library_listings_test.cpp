#include "option/library_listings.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "settings/library_names.h"
#include "tests/settings/library_records.h"

namespace tesh::option {
namespace {

using test::MacroWithEvents;
using test::SetOf;

constexpr int kMacroSlot = 7;

TEST(LibraryListings, ListTheFirstHundredSetsAndMacros) {
    MacroLibrary lib;
    for (int k = 0; k < 120; ++k) lib.sets.push_back(SetOf("S" + std::to_string(k), {}));
    for (int j = 0; j < 130; ++j)
        lib.sets[5].macros.push_back(MacroWithEvents("m" + std::to_string(j), 1));
    std::vector<MacroSetListing> listings = MacroSetListings(lib);
    ASSERT_EQ(listings.size(), 100u);
    EXPECT_EQ(listings[99].name, "S99");
    ASSERT_EQ(listings[5].macros.size(), 100u);
    EXPECT_EQ(listings[5].macros[99], "m99");
}

TEST(LibraryListings, ListTimersBounded) {
    TimerList timers = {NewTimer("Tea", 180)};
    TimerRecord raw;
    std::memset(&raw, 'T', sizeof raw);
    raw.seconds = 5;  // a damaged entry in memory
    timers.push_back(raw);
    std::vector<TimerListing> listings = TimerListings(timers);
    ASSERT_EQ(listings.size(), 2u);
    EXPECT_EQ(listings[0].name, "Tea");
    EXPECT_EQ(listings[0].seconds, 180);
    EXPECT_EQ(listings[1].name, std::string(sizeof raw.name - 1, 'T'));
    EXPECT_EQ(listings[1].seconds, kMinTimerSeconds);
}

struct ContentCase {
    int set, macro;
    bool found;
};

TEST(LibraryListings, GiveOnlyMacrosThatExist) {
    MacroLibrary lib;
    lib.sets.push_back(SetOf("A", {MacroWithEvents("a", 1)}));
    lib.sets.push_back(SetOf("B", {}));
    const ContentCase cases[] = {{0, 0, true},  {0, 1, false},  {1, 0, false},
                                 {2, 0, false}, {-1, 0, false}, {0, -1, false}};
    for (const ContentCase& c : cases)
        EXPECT_EQ(MacroContentOf(lib, {c.set, c.macro}).has_value(), c.found)
            << c.set << "," << c.macro;
}

struct Page {
    Page() : set(std::make_unique<SettingsSet>()) {
        Clear(*set);
        SetDefaults(*set, 0x0409);
    }
    ApplyOutcome Pick(const MacroLibrary& lib, MacroIndex index) {
        ButtonChoice choice;
        choice.command = command::kFirstMacro + kMaxMacrosPerSet * index.set + index.macro;
        choice.macro = MacroContentOf(lib, index);
        CatalogueLists lists;
        lists.macroSets = MacroSetListings(lib);
        return ApplyButtonCommand(*set, twins, {2, kMacroSlot}, choice, lists);
    }
    ButtonRecord& button() { return set->Profiles[2].Buttons[kMacroSlot]; }
    std::unique_ptr<SettingsSet> set;
    TwinMemory twins;
};

TEST(LibraryListings, APickedMacroLandsWholeInTheButton) {
    MacroLibrary lib;
    lib.sets.push_back(SetOf(" World of Warcraft ", {MacroWithEvents("Burst", 3, 2),
                                                     MacroWithEvents("Heal", 500, 255, 5)}));
    Page page;
    ASSERT_EQ(page.Pick(lib, {0, 1}), ApplyOutcome::kAssigned);
    const ButtonRecord& b = page.button();
    EXPECT_EQ(b.code, code::kMacro);
    EXPECT_STREQ(b.macroSetName, "World of Warcraft");
    EXPECT_STREQ(b.macroName, "Heal");
    EXPECT_EQ(b.repeatCount, 255);
    EXPECT_EQ(b.eventCount, 500);
    EXPECT_EQ(std::memcmp(b.events, lib.sets[0].macros[1].events, sizeof b.events), 0);
}

TEST(LibraryListings, NamesAreBoundedByTheButtonsFields) {
    MacroLibrary lib;
    MacroRecord m = MacroWithEvents("", 2);
    std::memset(m.name, 'M', sizeof m.name);  // a library macro without a terminator
    m.eventCount = 4000;                      // and a count beyond the area
    lib.sets.push_back(SetOf(std::string(kMaxSetNameBytes, 'S'), {m}));
    Page page;
    std::memset(page.button().macroSetName, 'x', sizeof page.button().macroSetName);
    ASSERT_EQ(page.Pick(lib, {0, 0}), ApplyOutcome::kAssigned);
    const ButtonRecord& b = page.button();
    EXPECT_EQ(std::string(b.macroSetName), std::string(sizeof b.macroSetName - 1, 'S'));
    EXPECT_EQ(std::string(b.macroName), std::string(sizeof b.macroName - 1, 'M'));
    EXPECT_EQ(b.eventCount, kMaxMacroEvents);
}

}  // namespace
}  // namespace tesh::option
