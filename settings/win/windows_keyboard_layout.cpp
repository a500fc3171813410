#include "settings/win/windows_keyboard_layout.h"

#include <windows.h>

namespace tesh {

namespace {

// The flag that marks a dead key (an accent that waits for the next key) is the top
// bit; the character sits in the low word.
constexpr UINT kCharacterMask = 0xFFFF;
constexpr UINT kLastAnsiCharacter = 0xFF;

int Map(int code, UINT type) {
    return static_cast<int>(MapVirtualKeyA(static_cast<UINT>(code), type));
}

}  // namespace

int WindowsKeyboardLayout::VkToScanCode(int virtualKey) const {
    return Map(virtualKey, MAPVK_VK_TO_VSC);
}

int WindowsKeyboardLayout::ScanCodeToVk(int scanCode) const {
    return Map(scanCode, MAPVK_VSC_TO_VK_EX);
}

int WindowsKeyboardLayout::VkToChar(int virtualKey) const {
    UINT character =
        MapVirtualKeyA(static_cast<UINT>(virtualKey), MAPVK_VK_TO_CHAR) & kCharacterMask;
    return character <= kLastAnsiCharacter ? static_cast<int>(character) : 0;
}

}  // namespace tesh
