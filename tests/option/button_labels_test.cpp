#include "option/button_labels.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

namespace tesh::option {
namespace {

struct Fixture {
    Fixture() {
        profile = std::make_unique<ProfileRecord>();
        ProfileDefaults(*profile, 0);
    }
    std::string Label(int slot) { return ButtonLabel(profile->Buttons[slot], *profile, layout); }
    ButtonRecord& button(int slot) { return profile->Buttons[slot]; }
    std::unique_ptr<ProfileRecord> profile;
    UsKeyboardLayout layout;
};

TEST(ButtonLabels, DefaultProfile) {
    Fixture f;
    const char* labels[] = {"Click",
                            "Menu",
                            "Universal scrolling",
                            "IE Forward",
                            "Quixshift Tesh Ulma Optical",
                            "Tilt Left",
                            "Tilt Right",
                            "Scroll Up",
                            "Scroll Down",
                            "DPI Up",
                            "DPI Down",
                            "Windows key",
                            "IE Backward",
                            "IE Forward",
                            "Windows Mute",
                            "Disabled",
                            "Disabled",
                            "Previous Track",
                            "Next Track",
                            "Windows Volume Up",
                            "Windows Volume Down",
                            "Profile Up",
                            "Profile Down",
                            "Open Driver"};
    for (int slot = 0; slot < kButtonSlots; ++slot) EXPECT_EQ(f.Label(slot), labels[slot]) << slot;
}

TEST(ButtonLabels, FixedTexts) {
    Fixture f;
    struct {
        uint8_t code;
        const char* label;
    } cases[] = {{0, "Disabled"},
                 {6, "Disabled"},
                 {64, "Disabled"},
                 {4, "Double-click"},
                 {11, "DPI Change"},
                 {19, "Assign a sensitivity"},
                 {23, "Sensitivity Cycle"},
                 {35, "Play/Pause"},
                 {50, "Stop Timer"},
                 {70, "Quix-Wheel Alt-Tab"},
                 {71, "Quix-Wheel Aero Flip 3D"},
                 {83, "Quixshift all devices"},
                 {84, "Quixshift all Lock"},
                 {12, ""},
                 {28, ""},
                 {45, ""},
                 {60, ""},
                 {75, ""},
                 {85, ""},
                 {200, ""}};
    for (auto c : cases) {
        f.button(2).code = c.code;
        EXPECT_EQ(f.Label(2), c.label) << int(c.code);
    }
}

TEST(ButtonLabels, Shortcuts) {
    struct {
        uint8_t usage, modifiers;
        const char* label;
    } cases[] = {
        {4, 1, "A"},           {4, 4 | 2 | 8, "Ctrl+Shift+Alt+A"}, {58, 2 | 4, "Ctrl+Shift+F1"},
        {40, 16, "Win+Enter"}, {76, 8 | 16, "Alt+Win+Delete"},     {30, 0, "1"},
        {99, 4, "Ctrl+Num_."},
    };
    Fixture f;
    for (auto c : cases) {
        EXPECT_EQ(ShortcutLabel(c.usage, c.modifiers, f.layout), c.label);
        ButtonRecord& b = f.button(3);
        b.code = 5;
        b.eventCount = 1;
        b.events[0] = c.usage;
        b.events[1] = c.modifiers;
        EXPECT_EQ(f.Label(3), c.label);
    }
    f.button(3).eventCount = 0;
    EXPECT_EQ(f.Label(3), "");
}

TEST(ButtonLabels, DataLabels) {
    Fixture f;
    ButtonRecord& b = f.button(2);
    b.code = 15;
    std::strcpy(b.programPath, "C:\\Games\\Big Game\\game.exe");
    EXPECT_EQ(f.Label(2), "game.exe");
    struct {
        const char* path;
        const char* label;
    } paths[] = {{"C:\\a\\b.exe", "b.exe"}, {"d:/x/y.bat", "y.bat"}, {"C:run.exe", "run.exe"},
                 {"plain", "plain"},        {"C:\\dir\\", ""},       {"", ""}};
    for (auto p : paths) EXPECT_EQ(ProgramLabel(p.path), p.label) << p.path;

    b.code = 48;
    std::strcpy(b.macroName, "Combo");
    EXPECT_EQ(f.Label(2), "Combo");
    std::memset(b.macroName, 'M', sizeof b.macroName);  // a full field without terminator
    EXPECT_EQ(f.Label(2), std::string(50, 'M'));

    b.code = 49;
    std::strcpy(b.timerName, "Tea");
    EXPECT_EQ(f.Label(2), "Tea");

    b.code = 81;
    std::strcpy(b.text1, "Keyboard");
    EXPECT_EQ(f.Label(2), "Quixshift Keyboard");
    b.code = 82;
    EXPECT_EQ(f.Label(2), "Quixshift Keyboard Lock");
}

TEST(ButtonLabels, QuixAimUsesTheLevelsDpi) {
    Fixture f;
    const int steps[] = {1, 3, 4, 6, 2};
    for (int k = 0; k < 5; ++k) f.profile->CpiLevel_X[k] = steps[k];
    const char* labels[] = {"Quix-Aim 400 DPI", "Quix-Aim 1200 DPI", "Quix-Aim 1600 DPI",
                            "Quix-Aim 3200 DPI", "Quix-Aim 800 DPI"};
    for (int code = 51; code <= 55; ++code) {
        f.button(2).code = static_cast<uint8_t>(code);
        EXPECT_EQ(f.Label(2), labels[code - 51]);
    }
    f.profile->CpiLevel_X[0] = -1;  // a key missing from the profile file
    f.button(2).code = 51;
    EXPECT_EQ(f.Label(2), "Quix-Aim 800 DPI");
}

TEST(ButtonLabels, BitmapSets) {
    EXPECT_TRUE(UsesFirstBitmapSet(0, 1));
    EXPECT_TRUE(UsesFirstBitmapSet(1, 2));
    EXPECT_TRUE(UsesFirstBitmapSet(16, 0));
    EXPECT_FALSE(UsesFirstBitmapSet(2, 3));
    EXPECT_FALSE(UsesFirstBitmapSet(16, 6));
}

TEST(ButtonLabels, HighlightPictures) {
    struct {
        uint8_t slot3, slot4;
        int slot, picture;
    } cases[] = {
        {7, 65, 4, 4},    {7, 65, 0, 0},   {7, 65, 11, 11}, {65, 65, 12, 36}, {83, 65, 20, 44},
        {7, 65, 12, 24},  {7, 83, 23, 35}, {65, 7, 12, 12}, {83, 7, 23, 23},  {7, 7, 12, 48},
        {81, 82, 15, 51}, {7, 7, 23, 59},  {7, 7, 24, -1},  {7, 7, -1, -1},
    };
    Fixture f;
    for (auto c : cases) {
        f.button(3).code = c.slot3;
        f.button(4).code = c.slot4;
        EXPECT_EQ(HighlightPicture(c.slot, *f.profile), c.picture)
            << int(c.slot3) << " " << int(c.slot4) << " " << c.slot;
    }
}

}  // namespace
}  // namespace tesh::option
