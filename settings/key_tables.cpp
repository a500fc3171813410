#include "settings/key_tables.h"

#include <string_view>

namespace tesh {

const std::array<KeyCodeRow, kKeyCodeRows> KeyCodeTable = {{
    // Letters A..Z.
    {65, 4, 30},
    {66, 5, 48},
    {67, 6, 46},
    {68, 7, 32},
    {69, 8, 18},
    {70, 9, 33},
    {71, 10, 34},
    {72, 11, 35},
    {73, 12, 23},
    {74, 13, 36},
    {75, 14, 37},
    {76, 15, 38},
    {77, 16, 50},
    {78, 17, 49},
    {79, 18, 24},
    {80, 19, 25},
    {81, 20, 16},
    {82, 21, 19},
    {83, 22, 31},
    {84, 23, 20},
    {85, 24, 22},
    {86, 25, 47},
    {87, 26, 17},
    {88, 27, 45},
    {89, 28, 21},
    {90, 29, 44},
    // Digits 1..9, 0.
    {49, 30, 2},
    {50, 31, 3},
    {51, 32, 4},
    {52, 33, 5},
    {53, 34, 6},
    {54, 35, 7},
    {55, 36, 8},
    {56, 37, 9},
    {57, 38, 10},
    {48, 39, 11},
    // Enter, Esc, BackSpace, Tab, Space.
    {13, 40, 28},
    {27, 41, 1},
    {8, 42, 14},
    {9, 43, 15},
    {32, 44, 57},
    // Punctuation.
    {189, 45, 12},
    {187, 46, 13},
    {219, 47, 26},
    {221, 48, 27},
    {220, 49, 43},
    {186, 51, 39},
    {222, 52, 40},
    {192, 53, 41},
    {188, 54, 51},
    {190, 55, 52},
    {191, 56, 53},
    // Caps Lock, F1..F12.
    {20, 57, 58},
    {112, 58, 59},
    {113, 59, 60},
    {114, 60, 61},
    {115, 61, 62},
    {116, 62, 63},
    {117, 63, 64},
    {118, 64, 65},
    {119, 65, 66},
    {120, 66, 67},
    {121, 67, 68},
    {122, 68, 87},
    {123, 69, 88},
    // Print Screen, Scroll Lock, Pause and the navigation keys.
    {44, 70, 0},
    {145, 71, 0},
    {19, 72, 0},
    {45, 73, 0},
    {36, 74, 0},
    {33, 75, 0},
    {46, 76, 0},
    {35, 77, 0},
    {34, 78, 0},
    {39, 79, 0},
    {37, 80, 0},
    {40, 81, 0},
    {38, 82, 0},
    {144, 83, 0},
    // Keypad.
    {111, 84, 0},
    {106, 85, 0},
    {109, 86, 0},
    {107, 87, 0},
    {108, 88, 0},
    {97, 89, 0},
    {98, 90, 0},
    {99, 91, 0},
    {100, 92, 0},
    {101, 93, 0},
    {102, 94, 0},
    {103, 95, 0},
    {104, 96, 0},
    {105, 97, 0},
    {96, 98, 0},
    {110, 99, 0},
    {93, 101, 0},
    // Modifiers: left Ctrl, Shift, Alt, Windows, then the right ones.
    {162, 224, 0},
    {160, 225, 0},
    {164, 226, 0},
    {91, 227, 0},
    {163, 228, 0},
    {161, 229, 0},
    {165, 230, 0},
    {92, 231, 0},
    // Mouse buttons.
    {240, 240, 0},
    {241, 241, 0},
    {242, 242, 0},
    {243, 243, 0},
    {244, 244, 0},
}};

namespace {

template <int KeyCodeRow::*Column>
const KeyCodeRow* FindRow(int value) {
    for (const KeyCodeRow& row : KeyCodeTable)
        if (row.*Column == value) return &row;
    return nullptr;
}

bool IsPositional(int usage) {
    return usage >= kFirstPositionalUsage && usage <= kLastPositionalUsage;
}

struct CodeName {
    int code;
    std::string_view text;
};

// Virtual keys with a name of their own; the keypad digits and F1..F12 are ranges.
constexpr CodeName kVkNames[] = {
    {8, "BackSpace"},
    {9, "Tab"},
    {12, "Clr"},
    {13, "Enter"},
    {16, "Shift"},
    {17, "Ctrl"},
    {18, "Alt"},
    {19, "Pause"},
    {20, "Caps Lock"},
    {27, "Esc"},
    {32, "Space"},
    {33, "Page Up"},
    {34, "Page Down"},
    {35, "End"},
    {36, "Home"},
    {37, "Left Arrow"},
    {38, "Up Arrow"},
    {39, "Right Arrow"},
    {40, "Down Arrow"},
    {41, "Select"},
    {42, "Print Screen"},
    {43, "Exe"},
    {44, "Snapshot"},
    {45, "Insert"},
    {46, "Delete"},
    {47, "Help"},
    {91, "Left Windows Button"},
    {92, "Right Windows Button"},
    {93, "APP"},
    {106, "Num*"},
    {107, "Num+"},
    {108, "NumRet"},
    {109, "Num-"},
    {110, "Num."},
    {111, "Num/"},
    {144, "Num Lock"},
    {145, "Scroll Lock"},
    {160, "Left Shift"},
    {161, "Right Shift"},
    {162, "Left Ctrl"},
    {163, "Right Ctrl"},
    {164, "Left Alt"},
    {165, "Right Alt"},
    {240, "Left Button"},
    {241, "Right Button"},
    {242, "Wheel"},
    {243, "Side Button 1"},
    {244, "Side Button 2"},
};

// Usages named without the layout; F1..F12 and the keypad digits 1..9 are ranges.
// The keypad is spelled "Num_" here, unlike the virtual-key names.
constexpr CodeName kUsageNames[] = {
    {70, "Print Screen"},   {71, "Scroll Lock"},   {72, "Break"},      {73, "Insert"},
    {74, "Home"},           {75, "Page Up"},       {76, "Delete"},     {77, "End"},
    {78, "Page Down"},      {79, "Right Arrow"},   {80, "Left Arrow"}, {81, "Down Arrow"},
    {82, "Up Arrow"},       {83, "Num Lock"},      {84, "Num_/"},      {85, "Num_*"},
    {86, "Num_-"},          {87, "Num_+"},         {88, "Num_Enter"},  {98, "Num_0"},
    {99, "Num_."},          {100, "Europe 2"},     {101, "APP"},       {130, "Sleep"},
    {224, "Left Control"},  {225, "Left Shift"},   {226, "Left Alt"},  {227, "Left GUI"},
    {228, "Right Control"}, {229, "Right Shift"},  {230, "Right Alt"}, {231, "Right GUI"},
    {240, "Left Button"},   {241, "Right Button"}, {242, "Wheel"},     {243, "Side Button 1"},
    {244, "Side Button 2"},
};

constexpr int kVkF1 = 112, kVkF12 = 123;
constexpr int kVkNumpad0 = 96, kVkNumpad9 = 105;
constexpr int kUsageF1 = 58, kUsageF12 = 69;
constexpr int kUsageNumpad1 = 89, kUsageNumpad9 = 97;
// Usages 4..57 are named by the key the layout puts at their position.
constexpr int kLastLayoutNamedUsage = 57;

template <std::size_t N>
std::string LookUp(const CodeName (&names)[N], int code) {
    for (const CodeName& name : names)
        if (name.code == code) return std::string(name.text);
    return {};
}

// Upper-cases the ASCII letters only: the character is a byte of the ANSI code page,
// whose other letters depend on the page.
char UpperAscii(int character) {
    if (character >= 'a' && character <= 'z') character -= 'a' - 'A';
    return static_cast<char>(character);
}

}  // namespace

KeyCode VkToUsage(int virtualKey, const KeyboardLayout& layout) {
    const KeyCodeRow* row = FindRow<&KeyCodeRow::virtualKey>(virtualKey);
    if (!row) return {0, false};
    if (IsPositional(row->usage)) {
        // A scan code of 0 means the layout has no such key: it matches no row.
        int scanCode = layout.VkToScanCode(virtualKey);
        const KeyCodeRow* atPosition =
            scanCode != 0 ? FindRow<&KeyCodeRow::scanCode>(scanCode) : nullptr;
        if (atPosition) return {atPosition->usage, true};
    }
    return {row->usage, true};
}

KeyCode UsageToVk(int usage, const KeyboardLayout& layout) {
    const KeyCodeRow* row = FindRow<&KeyCodeRow::usage>(usage);
    if (!row) return {0, false};
    if (IsPositional(usage)) return {layout.ScanCodeToVk(row->scanCode), true};
    return {row->virtualKey, true};
}

std::string VkName(int virtualKey, const KeyboardLayout& layout) {
    if (virtualKey >= kVkF1 && virtualKey <= kVkF12)
        return "F" + std::to_string(virtualKey - kVkF1 + 1);
    if (virtualKey >= kVkNumpad0 && virtualKey <= kVkNumpad9)
        return "Num" + std::to_string(virtualKey - kVkNumpad0);
    std::string name = LookUp(kVkNames, virtualKey);
    if (!name.empty()) return name;
    int character = layout.VkToChar(virtualKey);
    if (character == 0) return {};
    return std::string(1, UpperAscii(character));
}

std::string UsageName(int usage, const KeyboardLayout& layout) {
    if (usage >= kFirstPositionalUsage && usage <= kLastLayoutNamedUsage) {
        KeyCode key = UsageToVk(usage, layout);
        return key.found ? VkName(key.code, layout) : std::string();
    }
    if (usage >= kUsageF1 && usage <= kUsageF12) return "F" + std::to_string(usage - kUsageF1 + 1);
    if (usage >= kUsageNumpad1 && usage <= kUsageNumpad9)
        return "Num_" + std::to_string(usage - kUsageNumpad1 + 1);
    return LookUp(kUsageNames, usage);
}

}  // namespace tesh
