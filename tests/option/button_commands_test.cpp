#include "option/button_commands.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

namespace tesh::option {
namespace {

struct Fixture {
    Fixture() : set(std::make_unique<SettingsSet>()) {
        Clear(*set);
        SetDefaults(*set, 0x0409);
    }
    ApplyOutcome Apply(int profile, int slot, const ButtonChoice& choice) {
        return ApplyButtonCommand(*set, twins, {profile, slot}, choice, lists);
    }
    ApplyOutcome Apply(int profile, int slot, int command) {
        ButtonChoice choice;
        choice.command = command;
        return Apply(profile, slot, choice);
    }
    ButtonRecord& button(int profile, int slot) { return set->Profiles[profile].Buttons[slot]; }
    int changed(int profile, int slot) { return set->ButtonChanged[profile][slot]; }

    std::unique_ptr<SettingsSet> set;
    TwinMemory twins;
    CatalogueLists lists;
};

MacroContent Macro(const std::string& setName, const std::string& name, uint16_t events) {
    MacroContent m;
    m.setName = setName;
    m.macroName = name;
    m.repeatCount = 3;
    m.eventCount = events;
    for (std::size_t i = 0; i < m.events.size(); ++i) m.events[i] = static_cast<uint8_t>(i + 1);
    return m;
}

bool AllZero(const void* p, std::size_t n) {
    const auto* b = static_cast<const uint8_t*>(p);
    for (std::size_t i = 0; i < n; ++i)
        if (b[i] != 0) return false;
    return true;
}

TEST(ButtonCommands, KindsOfCommands) {
    struct {
        int command;
        CommandKind kind;
    } cases[] = {{500, CommandKind::kCreateTimer},
                 {501, CommandKind::kEditTimers},
                 {502, CommandKind::kAssign},
                 {505, CommandKind::kAssign},
                 {554, CommandKind::kAssign},
                 {555, CommandKind::kUnknown},
                 {1040, CommandKind::kSelectPlayer},
                 {1099, CommandKind::kMacroManager},
                 {11100, CommandKind::kMacroManager},
                 {11199, CommandKind::kMacroManager},
                 {1005, CommandKind::kShortcutDialog},
                 {1015, CommandKind::kProgramDialog},
                 {1100, CommandKind::kAssign},
                 {11099, CommandKind::kAssign},
                 {11200, CommandKind::kAssign},
                 {11231, CommandKind::kAssign},
                 {1001, CommandKind::kAssign},
                 {1011, CommandKind::kUnknown},
                 {0, CommandKind::kUnknown}};
    for (auto c : cases) EXPECT_EQ(KindOfCommand(c.command), c.kind) << c.command;
    EXPECT_EQ(MacroManagerSet(1099), -1);
    EXPECT_EQ(MacroManagerSet(11107), 7);
    EXPECT_FALSE(MacroManagerSet(1100));
    EXPECT_TRUE(TimerCreationAllowed(49));
    EXPECT_FALSE(TimerCreationAllowed(50));
    EXPECT_FALSE(TimerEditingAllowed(0));
    EXPECT_TRUE(TimerEditingAllowed(1));
    auto m = MacroOfCommand(1100 + 100 * 3 + 42);
    ASSERT_TRUE(m);
    EXPECT_EQ(m->set, 3);
    EXPECT_EQ(m->macro, 42);
}

TEST(ButtonCommands, PlainCommandSetsCodeAndFlag) {
    Fixture f;
    ButtonRecord& b = f.button(1, 9);
    b.eventCount = 7;
    b.repeatCount = 2;
    std::memset(b.events, 0x55, sizeof b.events);
    std::strcpy(b.macroSetName, "set");
    std::strcpy(b.macroName, "mac");
    std::strcpy(b.timerName, "kept");
    EXPECT_EQ(f.Apply(1, 9, 1013), ApplyOutcome::kAssigned);
    EXPECT_EQ(b.code, 13);
    EXPECT_EQ(b.number, 9);
    EXPECT_EQ(b.eventCount, 0);
    EXPECT_EQ(b.repeatCount, 0);
    EXPECT_TRUE(AllZero(b.events, sizeof b.events));
    EXPECT_TRUE(AllZero(b.macroSetName, sizeof b.macroSetName));
    EXPECT_TRUE(AllZero(b.macroName, sizeof b.macroName));
    EXPECT_STREQ(b.timerName, "kept");
    EXPECT_EQ(f.changed(1, 9), 1);
    EXPECT_EQ(f.changed(0, 9), 0);
    EXPECT_EQ(f.changed(1, 8), 0);
}

TEST(ButtonCommands, ShortcutKeepsRepeatAndOtherEventBytes) {
    Fixture f;
    ButtonRecord& b = f.button(0, 7);
    b.repeatCount = 4;
    std::memset(b.events, 0x33, sizeof b.events);
    std::strcpy(b.macroName, "old");
    struct {
        uint8_t given, stored;
    } modifiers[] = {{1, 1}, {0, 1}, {4 | 2, 6}, {1 | 8, 8}, {16, 16}};
    for (auto m : modifiers) {
        ButtonChoice choice;
        choice.command = 1005;
        choice.shortcut = {58, m.given};
        ASSERT_EQ(f.Apply(0, 7, choice), ApplyOutcome::kAssigned);
        EXPECT_EQ(b.code, 5);
        EXPECT_EQ(b.eventCount, 1);
        EXPECT_EQ(b.events[0], 58);
        EXPECT_EQ(b.events[1], m.stored) << int(m.given);
        EXPECT_EQ(b.events[2], 0x33);
        EXPECT_EQ(b.repeatCount, 4);
        EXPECT_TRUE(AllZero(b.macroName, sizeof b.macroName));
    }
    ShortcutChoice preset = ShortcutPreset(b);
    EXPECT_EQ(preset.usage, 58);
    EXPECT_EQ(preset.modifiers, 16);
}

TEST(ButtonCommands, ProgramPathStoredWhole) {
    Fixture f;
    ButtonRecord& b = f.button(0, 2);
    EXPECT_EQ(ProgramPreset(b), "");
    std::memset(b.programPath, 'x', sizeof b.programPath);
    ButtonChoice choice;
    choice.command = 1015;
    choice.programPath = "C:\\Tools\\run.exe";
    EXPECT_EQ(f.Apply(0, 2, choice), ApplyOutcome::kAssigned);
    EXPECT_EQ(b.code, 15);
    EXPECT_EQ(ProgramPreset(b), "C:\\Tools\\run.exe");
    EXPECT_TRUE(AllZero(b.programPath + choice.programPath.size(),
                        sizeof b.programPath - choice.programPath.size()));
    // A path the field cannot hold whole is refused: a cut one would start another program.
    choice.programPath = std::string(260, 'p');
    EXPECT_EQ(f.Apply(0, 2, choice), ApplyOutcome::kRefused);
    choice.programPath = "";
    EXPECT_EQ(f.Apply(0, 2, choice), ApplyOutcome::kRefused);
    EXPECT_EQ(ProgramPreset(b), "C:\\Tools\\run.exe");
    choice.programPath = std::string(259, 'p');
    EXPECT_EQ(f.Apply(0, 2, choice), ApplyOutcome::kAssigned);
    EXPECT_EQ(b.programPath[259], '\0');
}

TEST(ButtonCommands, MacroCopiesAllEventBytesAndBoundsNames) {
    Fixture f;
    ButtonRecord& b = f.button(2, 8);
    ButtonChoice choice;
    choice.command = 1100 + 100 * 2 + 5;
    EXPECT_EQ(f.Apply(2, 8, choice), ApplyOutcome::kRefused);  // the library had none
    EXPECT_EQ(b.code, 14);
    EXPECT_EQ(f.changed(2, 8), 0);

    choice.macro = Macro(std::string(80, 'S'), std::string(50, 'M'), 2);
    EXPECT_EQ(f.Apply(2, 8, choice), ApplyOutcome::kAssigned);
    EXPECT_EQ(b.code, 48);
    EXPECT_EQ(b.eventCount, 2);
    EXPECT_EQ(b.repeatCount, 3);
    EXPECT_EQ(std::memcmp(b.events, choice.macro->events.data(), sizeof b.events), 0);
    EXPECT_EQ(std::string(b.macroSetName), std::string(49, 'S'));
    EXPECT_EQ(std::string(b.macroName), std::string(49, 'M'));

    choice.macro->eventCount = 900;
    f.Apply(2, 8, choice);
    EXPECT_EQ(b.eventCount, kMaxMacroEvents);

    choice.macro = Macro("Set", "Short", 1);
    f.Apply(2, 8, choice);
    EXPECT_STREQ(b.macroName, "Short");
    EXPECT_TRUE(AllZero(b.macroName + 5, sizeof b.macroName - 5));  // no stale bytes

    EXPECT_EQ(f.Apply(2, 8, 1007), ApplyOutcome::kAssigned);
    EXPECT_TRUE(AllZero(b.events, sizeof b.events));
    EXPECT_EQ(b.eventCount, 0);
}

TEST(ButtonCommands, TimersFromTheList) {
    Fixture f;
    f.lists.timers = {{"Egg", 300}, {std::string(150, 'T'), 9}};
    ButtonRecord& b = f.button(0, 9);
    EXPECT_EQ(f.Apply(0, 9, 506), ApplyOutcome::kAssigned);
    EXPECT_EQ(b.code, 49);
    EXPECT_EQ(b.timerValue, 9);
    EXPECT_EQ(std::string(b.timerName), std::string(99, 'T'));
    EXPECT_EQ(f.Apply(0, 9, 505), ApplyOutcome::kAssigned);
    EXPECT_EQ(b.timerValue, 300);
    EXPECT_STREQ(b.timerName, "Egg");
    EXPECT_EQ(f.Apply(0, 9, 507), ApplyOutcome::kRefused);  // no third timer
    EXPECT_EQ(f.Apply(0, 9, 502), ApplyOutcome::kAssigned);
    EXPECT_EQ(b.code, 50);
}

TEST(ButtonCommands, QuibDevices) {
    Fixture f;
    f.lists.devices = {{0x1234, "Keyboard"}, {0x0042, std::string(60, 'H')}};
    struct {
        int command;
        uint8_t code;
        int32_t id;
        std::string name;
    } cases[] = {
        {11200, 83, 65535, ""},
        {11201, 84, 65535, ""},
        {11210, 81, 0x1234, "Keyboard"},
        {11211, 82, 0x1234, "Keyboard"},
        {11221, 82, 0x0042, std::string(49, 'H')},
    };
    for (const auto& c : cases) {
        Fixture g;
        g.lists = f.lists;
        ASSERT_EQ(g.Apply(0, 3, c.command), ApplyOutcome::kAssigned) << c.command;
        ButtonRecord& b = g.button(0, 3);
        EXPECT_EQ(b.code, c.code) << c.command;
        EXPECT_EQ(b.targetId, c.id) << c.command;
        EXPECT_EQ(std::string(b.text1), c.name) << c.command;
    }
    EXPECT_EQ(f.Apply(0, 3, 11230), ApplyOutcome::kRefused);  // no third device
    EXPECT_EQ(f.Apply(0, 3, 11212), ApplyOutcome::kRefused);
    // Shift functions only on the two buttons that offer them, Quix-Aim only below 12.
    EXPECT_EQ(f.Apply(0, 2, 11200), ApplyOutcome::kRefused);
    EXPECT_EQ(f.Apply(0, 2, 1024), ApplyOutcome::kRefused);
    EXPECT_EQ(f.Apply(0, 13, 1045), ApplyOutcome::kRefused);
    EXPECT_EQ(f.Apply(0, 2, 1045), ApplyOutcome::kAssigned);
}

TEST(ButtonCommands, DialogAndUnknownCommandsLeaveTheSlot) {
    Fixture f;
    for (int command : {500, 501, 1040, 1099, 11100, 1011, 0, 99999}) {
        EXPECT_EQ(f.Apply(0, 2, command), ApplyOutcome::kRefused) << command;
        EXPECT_EQ(f.button(0, 2).code, 3);
        EXPECT_EQ(f.changed(0, 2), 0);
    }
}

TEST(ButtonCommands, SlotsWithoutMenuRefuse) {
    Fixture f;
    for (int slot : {0, 1, 5, 6, 11, 16, 17, 18, 23, 24, -1})
        EXPECT_EQ(f.Apply(0, slot, 1001), ApplyOutcome::kRefused) << slot;
    EXPECT_EQ(f.Apply(5, 2, 1001), ApplyOutcome::kRefused);
    EXPECT_EQ(f.Apply(-1, 2, 1001), ApplyOutcome::kRefused);
}

TEST(ButtonCommands, DefaultProfileTwinRule) {
    Fixture f;
    EXPECT_EQ(f.button(0, 4).code, 65);
    EXPECT_EQ(f.button(0, 16).code, 0);
    f.Apply(0, 4, 1001);
    EXPECT_EQ(f.button(0, 4).code, 1);
    EXPECT_EQ(f.button(0, 16).code, 6);  // remembered 0: "Disabled"
    EXPECT_EQ(f.changed(0, 16), 1);
    f.set->ButtonChanged[0][16] = 0;
    f.Apply(0, 4, 1024);
    EXPECT_EQ(f.button(0, 16).code, 0);
    EXPECT_EQ(f.twins.Remembered(0, 16), 6);
    EXPECT_EQ(f.changed(0, 16), 1);
}

TEST(ButtonCommands, TwinRuleTable) {
    struct {
        uint8_t slotCode, twinCode;
        int command;
        uint8_t twinAfter;
        bool twinFlagged;
    } cases[] = {
        {7, 6, 1024, 0, true},     // shift code: twin remembered and cleared
        {7, 6, 11200, 0, true},    // all devices too
        {7, 6, 11201, 6, false},   // the all-devices lock is not a shift code
        {7, 0, 1001, 6, true},     // twin empty, remembered code of slot 15 is 6
        {7, 8, 1001, 8, false},    // twin holds a code: left alone
        {65, 0, 1024, 0, false},   // the code did not change: no twin rule
        {65, 0, 11200, 0, false},  // shift to shift: twin stays 0
    };
    for (const auto& c : cases) {
        Fixture f;
        f.button(0, 3).code = c.slotCode;
        f.button(0, 15).code = c.twinCode;
        ASSERT_EQ(f.Apply(0, 3, c.command), ApplyOutcome::kAssigned) << c.command;
        EXPECT_EQ(f.button(0, 15).code, c.twinAfter) << c.command;
        EXPECT_EQ(f.changed(0, 15), c.twinFlagged ? 1 : 0) << c.command;
    }
}

TEST(ButtonCommands, TwinCodeRestoredWithItsData) {
    Fixture f;
    // Slot 16 of profile 0 launches a program; slot 4 is made a plain button first.
    f.Apply(0, 4, 1001);
    ButtonChoice program;
    program.command = 1015;
    program.programPath = "C:\\p.exe";
    ASSERT_EQ(f.Apply(0, 16, program), ApplyOutcome::kAssigned);
    f.Apply(0, 4, 1024);
    EXPECT_EQ(f.button(0, 16).code, 0);
    f.Apply(0, 4, 1002);
    EXPECT_EQ(f.button(0, 16).code, 15);
    EXPECT_STREQ(f.button(0, 16).programPath, "C:\\p.exe");
}

TEST(ButtonCommands, RememberedTwinCodeStaysWithItsProfile) {
    Fixture f;
    // Profile 0: slot 16 holds a macro, then slot 4 becomes Quixshift again.
    f.Apply(0, 4, 1001);
    ButtonChoice macro;
    macro.command = 1100;
    macro.macro = Macro("Set", "Burst", 4);
    ASSERT_EQ(f.Apply(0, 16, macro), ApplyOutcome::kAssigned);
    f.Apply(0, 4, 1024);
    EXPECT_EQ(f.twins.Remembered(0, 16), 48);
    // Profile 1 still has its default Quixshift with an empty twin: freeing it gives
    // "Disabled", not profile 0's macro code without a macro.
    f.Apply(1, 4, 1001);
    EXPECT_EQ(f.button(1, 16).code, 6);
    // Nor profile 0's program code, even when profile 1's twin area holds a path.
    ButtonChoice program;
    program.command = 1015;
    program.programPath = "C:\\p.exe";
    f.Apply(0, 4, 1001);
    ASSERT_EQ(f.Apply(0, 16, program), ApplyOutcome::kAssigned);
    f.Apply(0, 4, 1024);
    EXPECT_EQ(f.twins.Remembered(0, 16), 15);
    f.Apply(1, 4, 1024);
    std::strcpy(f.button(1, 16).programPath, "C:\\other.exe");
    f.Apply(1, 4, 1001);
    EXPECT_EQ(f.button(1, 16).code, 6);
    // Profile 0 gets its program back, then its macro.
    f.Apply(0, 4, 1001);
    EXPECT_EQ(f.button(0, 16).code, 15);
    ASSERT_EQ(f.Apply(0, 16, macro), ApplyOutcome::kAssigned);
    f.Apply(0, 4, 1024);
    f.Apply(0, 4, 1001);
    EXPECT_EQ(f.button(0, 16).code, 48);
    EXPECT_STREQ(f.button(0, 16).macroName, "Burst");
}

TEST(ButtonCommands, RememberedCodeWithoutItsDataGivesDisabled) {
    Fixture f;
    f.twins.Remember(0, 16, 48);  // remembered, but the twin's area holds no macro
    f.Apply(0, 4, 1001);
    EXPECT_EQ(f.button(0, 16).code, 6);
    f.twins.Remember(2, 15, 8);
    f.button(2, 3).code = 65;
    f.button(2, 15).code = 0;
    f.Apply(2, 3, 1002);
    EXPECT_EQ(f.button(2, 15).code, 8);
    f.twins.Forget(2);
    EXPECT_EQ(f.twins.Remembered(2, 15), 6);
    EXPECT_EQ(f.twins.Remembered(2, 16), 0);
}

TEST(ButtonCommands, DialogOkWritesWhereTheMenuOpened) {
    Fixture f;
    const ButtonTarget target{1, 7};  // taken when the menu opened on profile 2's page
    f.set->CurrentProfile = 1;
    // While the dialog is up the monitor replaces the working copy and the mouse has
    // moved to another profile.
    auto replaced = std::make_unique<SettingsSet>(*f.set);
    replaced->CurrentProfile = 3;
    *f.set = *replaced;
    ButtonChoice choice;
    choice.command = 1005;
    choice.shortcut = {4, 4};
    ASSERT_EQ(ApplyButtonCommand(*f.set, f.twins, target, choice, f.lists),
              ApplyOutcome::kAssigned);
    EXPECT_EQ(f.button(1, 7).code, 5);
    EXPECT_EQ(f.changed(1, 7), 1);
    EXPECT_EQ(f.button(3, 7).code, 13);
    EXPECT_EQ(f.changed(3, 7), 0);
    // The slot became a twin of a Quixshift button meanwhile: the OK is refused.
    f.button(1, 15).code = 0;
    EXPECT_EQ(ApplyButtonCommand(*f.set, f.twins, {1, 15}, choice, f.lists),
              ApplyOutcome::kRefused);
    EXPECT_EQ(f.button(1, 15).code, 0);
}

TEST(ButtonCommands, MediaOptionAndOrientation) {
    Fixture f;
    EXPECT_TRUE(SetMediaOption(*f.set, 2, 3));
    EXPECT_EQ(f.set->Profiles[2].MediaOption, 3);
    EXPECT_FALSE(SetMediaOption(*f.set, 2, 4));
    EXPECT_FALSE(SetMediaOption(*f.set, 5, 1));
    EXPECT_EQ(f.set->Profiles[2].MediaOption, 3);
    ProfileRecord& p = f.set->Profiles[0];
    EXPECT_TRUE(SetOrientation(p, 1));
    EXPECT_EQ(p.Orientation, 1);
    EXPECT_FALSE(SetOrientation(p, 1));
    EXPECT_FALSE(SetOrientation(p, 2));
    EXPECT_TRUE(SetOrientation(p, 0));
}

}  // namespace
}  // namespace tesh::option
