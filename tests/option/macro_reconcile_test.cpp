#include "option/macro_reconcile.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "option/button_catalogue.h"
#include "settings/ini_file.h"
#include "settings/library_names.h"
#include "settings/profile_file.h"
#include "tests/settings/library_records.h"
#include "tests/settings/test_dir.h"

namespace tesh::option {
namespace {

using test::MacroWithEvents;
using test::SetOf;

std::unique_ptr<SettingsSet> Settings() {
    auto s = std::make_unique<SettingsSet>();
    Clear(*s);
    SetDefaults(*s, 0);
    return s;
}

// Puts `macro` of set `setName` on a button as the catalogue does.
void HoldMacro(ButtonRecord& b, const std::string& setName, const MacroRecord& macro) {
    b.code = code::kMacro;
    std::memset(b.macroSetName, 0, sizeof b.macroSetName);
    std::memset(b.macroName, 0, sizeof b.macroName);
    CopyToField(b.macroSetName, sizeof b.macroSetName, setName);
    CopyToField(b.macroName, sizeof b.macroName, macro.name);
    b.repeatCount = macro.repeatCount;
    b.eventCount = static_cast<uint16_t>(macro.eventCount);
    std::memcpy(b.events, macro.events, sizeof b.events);
}

MacroLibrary LibraryOf(std::vector<MacroSet> sets) {
    MacroLibrary lib;
    lib.sets = std::move(sets);
    for (MacroSet& s : lib.sets) s.state = SetState::kUnchanged;
    return lib;
}

struct ReconcileCase {
    const char* what;
    std::string buttonSet;
    MacroRecord buttonMacro;
    bool changed;
    std::size_t sets;  // afterwards
    int set;           // the set that must hold the button's macro, -1 for none
    SetState state;    // that set's state
};

TEST(MacroReconcile, BringsTheButtonsMacrosIntoTheLibrary) {
    const MacroRecord known = MacroWithEvents("Burst", 4, 2);
    const ReconcileCase cases[] = {
        {"same macro", "WoW", known, false, 2, 0, SetState::kUnchanged},
        {"same, other case and blanks", " wow ", MacroWithEvents("BURST", 4, 2), false, 2, 0,
         SetState::kUnchanged},
        {"other events", "WoW", MacroWithEvents("Burst", 4, 2, 1), true, 2, 0, SetState::kModified},
        {"other count", "WoW", MacroWithEvents("Burst", 6, 9), true, 2, 0, SetState::kModified},
        {"new macro", "WoW", MacroWithEvents("Heal", 1), true, 2, 0, SetState::kNew},
        {"new set", "Xfire", MacroWithEvents("Chat", 3), true, 3, 2, SetState::kNew},
        {"set named like the set list", "SetMacro", MacroWithEvents("x", 1), false, 2, -1,
         SetState::kUnchanged},
        {"set name with a bracket", "a]b", MacroWithEvents("x", 1), false, 2, -1,
         SetState::kUnchanged},
        {"empty set name", "   ", MacroWithEvents("x", 1), false, 2, -1, SetState::kUnchanged},
    };
    for (const ReconcileCase& c : cases) {
        MacroLibrary lib = LibraryOf({SetOf("WoW", {known}), SetOf("Other", {})});
        auto settings = Settings();
        HoldMacro(settings->Profiles[3].Buttons[7], c.buttonSet, c.buttonMacro);
        EXPECT_EQ(ReconcileWithProfiles(lib, *settings), c.changed) << c.what;
        ASSERT_EQ(lib.sets.size(), c.sets) << c.what;
        if (c.set < 0) continue;
        MacroSet& set = lib.sets[static_cast<std::size_t>(c.set)];
        EXPECT_EQ(set.state, c.state) << c.what;
        int j = FindMacro(set, c.buttonMacro.name);
        ASSERT_GE(j, 0) << c.what;
        const MacroRecord& m = set.macros[static_cast<std::size_t>(j)];
        EXPECT_EQ(m.eventCount, c.buttonMacro.eventCount) << c.what;
        EXPECT_EQ(m.repeatCount, c.buttonMacro.repeatCount) << c.what;
        EXPECT_EQ(std::memcmp(m.events, c.buttonMacro.events, sizeof m.events), 0) << c.what;
    }
}

TEST(MacroReconcile, OnlyMacroButtonsCount) {
    MacroLibrary lib;
    auto settings = Settings();
    HoldMacro(settings->Profiles[0].Buttons[2], "Set", MacroWithEvents("m", 1));
    settings->Profiles[0].Buttons[2].code = code::kTimer;
    EXPECT_FALSE(ReconcileWithProfiles(lib, *settings));
    EXPECT_TRUE(lib.sets.empty());
}

TEST(MacroReconcile, BoundsWhatADamagedButtonHolds) {
    MacroLibrary lib;
    auto settings = Settings();
    ButtonRecord& b = settings->Profiles[4].Buttons[23];
    HoldMacro(b, "Set", MacroWithEvents("m", 500, 1));
    b.eventCount = 2000;
    b.repeatCount = 100000;
    std::memset(b.macroName, 'M', sizeof b.macroName);  // no terminator
    ASSERT_TRUE(ReconcileWithProfiles(lib, *settings));
    const MacroRecord& m = lib.sets.at(0).macros.at(0);
    EXPECT_EQ(m.eventCount, kMaxMacroEvents);
    EXPECT_EQ(m.repeatCount, kMaxRepeatCount);
    EXPECT_EQ(std::string(m.name), std::string(sizeof b.macroName, 'M'));
}

TEST(MacroReconcile, StopsAtTheLimitsOfTheLibrary) {
    MacroLibrary lib;
    for (int k = 0; k < kMaxMacroSets; ++k) lib.sets.push_back(SetOf("S" + std::to_string(k), {}));
    for (int j = 0; j < kMaxMacrosPerSet; ++j)
        lib.sets[0].macros.push_back(MacroWithEvents("m" + std::to_string(j), 1));
    lib = LibraryOf(std::move(lib.sets));
    auto settings = Settings();
    HoldMacro(settings->Profiles[0].Buttons[0], "New set", MacroWithEvents("x", 1));
    HoldMacro(settings->Profiles[0].Buttons[1], "S0", MacroWithEvents("x", 1));
    EXPECT_FALSE(ReconcileWithProfiles(lib, *settings));
    EXPECT_EQ(lib.sets.size(), static_cast<std::size_t>(kMaxMacroSets));
    EXPECT_EQ(lib.sets[0].macros.size(), static_cast<std::size_t>(kMaxMacrosPerSet));
}

TEST(MacroReconcile, ADamagedLibraryLeavesTheProfilesAlone) {
    test::TestDir dir;
    IniDocument doc;
    IniWriteInt(doc, kSetIndexSection, kCountKey, 5000);
    IniWriteString(doc, kSetIndexSection, "0", "WoW");
    MacroRecord bad = MacroWithEvents("Burst", 3);
    bad.eventCount = 90000;
    IniWriteStruct(doc, "WoW", "0", &bad, sizeof bad);
    IniWriteInt(doc, "WoW", kCountKey, 1);
    dir.Write("lib.dat", doc.Serialize());

    MacroLibrary lib = LoadMacroLibrary(dir.File("lib.dat"));
    auto settings = Settings();
    HoldMacro(settings->Profiles[1].Buttons[4], "WoW", MacroWithEvents("Burst", 3));
    auto before = std::make_unique<SettingsSet>(*settings);
    ASSERT_TRUE(ReconcileAndSave(lib, *settings, dir.File("lib.dat")));
    EXPECT_EQ(std::memcmp(before.get(), settings.get(), sizeof(SettingsSet)), 0);
    MacroLibrary back = LoadMacroLibrary(dir.File("lib.dat"));
    ASSERT_EQ(back.sets.size(), 1u);
    ASSERT_EQ(back.sets[0].macros.size(), 1u);
    EXPECT_EQ(back.sets[0].macros[0].eventCount, 3);
}

TEST(MacroReconcile, ADeletedSetComesBackAtTheNextStart) {
    test::TestDir dir;
    auto settings = Settings();
    HoldMacro(settings->Profiles[2].Buttons[9], "Raid", MacroWithEvents("Pull", 6, 4));
    MacroLibrary lib;
    ASSERT_TRUE(ReconcileAndSave(lib, *settings, dir.File("lib.dat")));
    lib.sets.clear();
    ASSERT_TRUE(SaveMacroLibrary(lib, dir.File("lib.dat")));
    ASSERT_TRUE(LoadMacroLibrary(dir.File("lib.dat")).sets.empty());

    MacroLibrary next = LoadMacroLibrary(dir.File("lib.dat"));
    ASSERT_TRUE(ReconcileAndSave(next, *settings, dir.File("lib.dat")));
    MacroLibrary back = LoadMacroLibrary(dir.File("lib.dat"));
    ASSERT_EQ(back.sets.size(), 1u);
    EXPECT_EQ(back.sets[0].name, "Raid");
    ASSERT_EQ(back.sets[0].macros.size(), 1u);
    EXPECT_TRUE(test::SameMacro(back.sets[0].macros[0], MacroWithEvents("Pull", 6, 4)));
}

}  // namespace
}  // namespace tesh::option
