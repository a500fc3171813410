#include "monitor/events/input_keys.h"

#include "settings/key_tables.h"

namespace tesh::monitor {

namespace {

constexpr int kVkLeftShift = 160;
constexpr int kVkRightAlt = 165;

}  // namespace

int SendableVirtualKey(int usage, const KeyboardLayout& layout) {
    const KeyCode key = UsageToVk(usage, layout);
    if (!key.found) return 0;
    if (key.code >= kVkLeftShift && key.code <= kVkRightAlt) {
        // 160, 161 Shift; 162, 163 Ctrl; 164, 165 Alt.
        return kVkShift + (key.code - kVkLeftShift) / 2;
    }
    return key.code;
}

bool IsModifierKey(int virtualKey) {
    return virtualKey == kVkShift || virtualKey == kVkControl || virtualKey == kVkAlt ||
           virtualKey == kVkLeftWindows || virtualKey == kVkRightWindows;
}

void SendKey(InputPort& input, const KeyboardLayout& layout, int virtualKey, bool up) {
    input.Key(virtualKey, layout.VkToScanCode(virtualKey), up);
}

}  // namespace tesh::monitor
