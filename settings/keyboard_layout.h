// The keyboard layout that the key tables consult: where a key sits (its set-1 scan
// code) and what it types. The Windows side asks the user's live layout; elsewhere,
// and in tests, the US layout stands in.
#pragma once

namespace tesh {

class KeyboardLayout {
  public:
    virtual ~KeyboardLayout() = default;
    // The scan code of a virtual key; 0 when the layout has no such key.
    virtual int VkToScanCode(int virtualKey) const = 0;
    // The virtual key at a scan code, telling left and right modifier keys apart
    // (160 for the left Shift, not 16); 0 when no key sits there.
    virtual int ScanCodeToVk(int scanCode) const = 0;
    // The character (one ANSI byte, 1..255) that the key types with no modifier keys
    // pressed; 0 when it types none.
    virtual int VkToChar(int virtualKey) const = 0;
};

// The US layout. Letters type lower case, as the unshifted key does.
class UsKeyboardLayout : public KeyboardLayout {
  public:
    int VkToScanCode(int virtualKey) const override;
    int ScanCodeToVk(int scanCode) const override;
    int VkToChar(int virtualKey) const override;
};

}  // namespace tesh
