#include "monitor/device_tables.h"

#include "settings/settings_set.h"

namespace tesh::monitor {

namespace {

constexpr int kSlotOfButton[kDeviceButtonCount] = {0,  1,  2,  3,  4,  7,  8,  9,  10,
                                                   12, 13, 14, 15, 16, 19, 20, 21, 22};

constexpr int kLevelCount = 7;
constexpr uint8_t kCpiCodes[kLevelCount] = {0x10, 0x00, 0x11, 0x12, 0x13, 0x02, 0x03};
constexpr int32_t kCpiValues[kLevelCount] = {400, 800, 1200, 1600, 2000, 3200, 4000};
constexpr int32_t kUnknownCodeLevel = 2;  // 800 CPI

}  // namespace

int DeviceButtonOfSlot(int slot) {
    for (int button = 0; button < kDeviceButtonCount; ++button) {
        if (kSlotOfButton[button] == slot) return button;
    }
    return 0;
}

bool IsHostOnlySlot(int slot) {
    if (slot < 0 || slot >= kButtonSlots) return true;
    return slot != 0 && DeviceButtonOfSlot(slot) == 0;
}

int SlotOfDeviceButton(int button) {
    // Device button 0 is slot 0, like every number out of range.
    if (button < 1 || button >= kDeviceButtonCount) return 0;
    return kSlotOfButton[button];
}

uint8_t CpiCodeOfLevel(int32_t level) {
    return level >= 1 && level <= kLevelCount ? kCpiCodes[level - 1] : 0x00;
}

int32_t LevelOfCpiCode(uint8_t code) {
    // 0x00 is both level 2's code and the code of an unknown level, so it reads as 2.
    for (int i = 0; i < kLevelCount; ++i) {
        if (kCpiCodes[i] == code) return i + 1;
    }
    return kUnknownCodeLevel;
}

int32_t CpiValueOfLevel(int32_t level) {
    return level >= 1 && level <= kLevelCount ? kCpiValues[level - 1]
                                              : kCpiValues[kUnknownCodeLevel - 1];
}

}  // namespace tesh::monitor
