// The keyboard layout of the user's input language, as Windows maps it at the moment
// of each call.
#pragma once

#include "settings/keyboard_layout.h"

namespace tesh {

class WindowsKeyboardLayout : public KeyboardLayout {
  public:
    int VkToScanCode(int virtualKey) const override;
    int ScanCodeToVk(int scanCode) const override;
    int VkToChar(int virtualKey) const override;
};

}  // namespace tesh
