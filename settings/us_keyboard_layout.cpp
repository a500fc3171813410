#include "settings/keyboard_layout.h"

namespace tesh {

namespace {

struct UsKey {
    int virtualKey;
    int scanCode;
    int character;  // unshifted; 0 when the key types nothing
};

// The keys of a US keyboard by scan code. Both directions take the first match, so
// the key a scan code stands for on its own comes before its twins: the left-hand
// modifier before the generic and right-hand ones, the navigation key before the
// keypad digit that shares its position, '/' before the keypad's.
constexpr UsKey kUsKeys[] = {
    {27, 1, 27},     {49, 2, '1'},    {50, 3, '2'},    {51, 4, '3'},   {52, 5, '4'},
    {53, 6, '5'},    {54, 7, '6'},    {55, 8, '7'},    {56, 9, '8'},   {57, 10, '9'},
    {48, 11, '0'},   {189, 12, '-'},  {187, 13, '='},  {8, 14, 8},     {9, 15, 9},
    {81, 16, 'q'},   {87, 17, 'w'},   {69, 18, 'e'},   {82, 19, 'r'},  {84, 20, 't'},
    {89, 21, 'y'},   {85, 22, 'u'},   {73, 23, 'i'},   {79, 24, 'o'},  {80, 25, 'p'},
    {219, 26, '['},  {221, 27, ']'},  {13, 28, 13},    {162, 29, 0},   {17, 29, 0},
    {163, 29, 0},    {65, 30, 'a'},   {83, 31, 's'},   {68, 32, 'd'},  {70, 33, 'f'},
    {71, 34, 'g'},   {72, 35, 'h'},   {74, 36, 'j'},   {75, 37, 'k'},  {76, 38, 'l'},
    {186, 39, ';'},  {222, 40, '\''}, {192, 41, '`'},  {160, 42, 0},   {16, 42, 0},
    {220, 43, '\\'}, {90, 44, 'z'},   {88, 45, 'x'},   {67, 46, 'c'},  {86, 47, 'v'},
    {66, 48, 'b'},   {78, 49, 'n'},   {77, 50, 'm'},   {188, 51, ','}, {190, 52, '.'},
    {191, 53, '/'},  {111, 53, '/'},  {161, 54, 0},    {106, 55, '*'}, {44, 55, 0},
    {164, 56, 0},    {18, 56, 0},     {165, 56, 0},    {32, 57, ' '},  {20, 58, 0},
    {112, 59, 0},    {113, 60, 0},    {114, 61, 0},    {115, 62, 0},   {116, 63, 0},
    {117, 64, 0},    {118, 65, 0},    {119, 66, 0},    {120, 67, 0},   {121, 68, 0},
    {144, 69, 0},    {19, 69, 0},     {145, 70, 0},    {36, 71, 0},    {103, 71, '7'},
    {38, 72, 0},     {104, 72, '8'},  {33, 73, 0},     {105, 73, '9'}, {109, 74, '-'},
    {37, 75, 0},     {100, 75, '4'},  {12, 76, 0},     {101, 76, '5'}, {39, 77, 0},
    {102, 77, '6'},  {107, 78, '+'},  {35, 79, 0},     {97, 79, '1'},  {40, 80, 0},
    {98, 80, '2'},   {34, 81, 0},     {99, 81, '3'},   {45, 82, 0},    {96, 82, '0'},
    {46, 83, 0},     {110, 83, '.'},  {226, 86, '\\'}, {122, 87, 0},   {123, 88, 0},
    {91, 91, 0},     {92, 92, 0},     {93, 93, 0},
};

const UsKey* FindByVk(int virtualKey) {
    for (const UsKey& key : kUsKeys)
        if (key.virtualKey == virtualKey) return &key;
    return nullptr;
}

}  // namespace

int UsKeyboardLayout::VkToScanCode(int virtualKey) const {
    const UsKey* key = FindByVk(virtualKey);
    return key ? key->scanCode : 0;
}

int UsKeyboardLayout::ScanCodeToVk(int scanCode) const {
    if (scanCode == 0) return 0;
    for (const UsKey& key : kUsKeys)
        if (key.scanCode == scanCode) return key.virtualKey;
    return 0;
}

int UsKeyboardLayout::VkToChar(int virtualKey) const {
    const UsKey* key = FindByVk(virtualKey);
    return key ? key->character : 0;
}

}  // namespace tesh
