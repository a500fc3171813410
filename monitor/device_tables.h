// The two translation tables between the settings record and the mouse: button slots
// to device button numbers, and CPI level values to the mouse's CPI codes.
#pragma once

#include <cstdint>

namespace tesh::monitor {

constexpr int kDeviceButtonCount = 18;
constexpr uint8_t kMacroFunctionCode = 48;  // the character '0': a macro button
constexpr uint8_t kKeyCombinationCode = 5;

// Slots 5, 6, 11, 17, 18 and 23 exist only on the host; the other 18 slots, in
// ascending order, are device buttons 0..17.
bool IsHostOnlySlot(int slot);
// Device button number of a slot; 0 for a host-only slot or a slot out of range.
int DeviceButtonOfSlot(int slot);
// Slot of a device button; a number outside 1..17 maps back to slot 0.
int SlotOfDeviceButton(int button);

// CPI code on the wire of a level value 1..7 (400 .. 4000 CPI); 0x00 for any other.
uint8_t CpiCodeOfLevel(int32_t level);
// Level value of a CPI code; 0x00 and every unknown code read as level 2 (800 CPI).
int32_t LevelOfCpiCode(uint8_t code);
// CPI of a level value 1..7 (400, 800, 1200, 1600, 2000, 3200, 4000); 800 for any other.
int32_t CpiValueOfLevel(int32_t level);

}  // namespace tesh::monitor
