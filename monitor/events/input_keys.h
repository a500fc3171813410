// Keys as the monitor sends them: a HID usage turned into a virtual key with the
// user's keyboard layout, left and right modifier keys folded into the plain ones.
#pragma once

#include "monitor/events/event_ports.h"
#include "settings/keyboard_layout.h"

namespace tesh::monitor {

constexpr int kVkShift = 16;
constexpr int kVkControl = 17;
constexpr int kVkAlt = 18;
constexpr int kVkLeftWindows = 91;
constexpr int kVkRightWindows = 92;

// Usages 240..244 are mouse buttons.
constexpr int kFirstMouseUsage = 240;
constexpr int kLastMouseUsage = 244;

// The virtual key of a usage; 0 when the key table has none. Left and right Shift,
// Ctrl and Alt (160..165) become 16, 17 and 18.
int SendableVirtualKey(int usage, const KeyboardLayout& layout);
// Shift, Ctrl, Alt and the two Windows keys.
bool IsModifierKey(int virtualKey);

// A key down or up with its scan code from the layout.
void SendKey(InputPort& input, const KeyboardLayout& layout, int virtualKey, bool up);

}  // namespace tesh::monitor
