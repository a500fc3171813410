// The events the mouse reports to the host: a 16-bit class and a 16-bit value, whose
// low byte is called a and high byte b. Button events carry the device button number
// + 1 in a, and b = 1 for a release.
#pragma once

#include <cstdint>

namespace tesh::vmouse {

constexpr uint16_t kEventTilt = 0x1000;             // 1 right, 255 left
constexpr uint16_t kEventVolume = 0x1B00;           // 1 up, 255 down
constexpr uint16_t kEventProfile = 0x2000;          // new profile + 1
constexpr uint16_t kEventCalibration = 0x3000;      //
constexpr uint16_t kEventRunProgram = 0x6000;       // a = button + 1
constexpr uint16_t kEventHostButtonPress = 0x8000;  // press-only form of 0x9000
constexpr uint16_t kEventHostButton = 0x9000;       // a = button + 1, b = 1 on release
constexpr uint16_t kEventOpenDriver = 0xA000;       // value 1
constexpr uint16_t kEventCpiLevel = 0xB000;         // new level + 1
constexpr uint16_t kEventSensitivity = 0xC000;      // a = sensitivity, b = Y sensitivity
constexpr uint16_t kEventPollingRate = 0xD000;      // rate + 1
constexpr uint16_t kEventUsageFirst = 0xE100;       // usage counters 0xE100..0xEF00
constexpr uint16_t kEventUsageLast = 0xEF00;
constexpr uint16_t kEventMedia = 0xF000;           // a = function code 32..39
constexpr uint16_t kEventColourDatabase = 0xFD00;  // value 1: send the colour database
constexpr uint16_t kEventMacroRequest = 0xFE00;    // request number 1..110
constexpr uint16_t kEventQuib = 0xFF00;            // a = button + 1, b = 1 on release
// The class under which plug and unplug appear in the exchange log, as the monitor
// forms it: value 1 arrived, 2 removed.
constexpr uint16_t kEventPlug = 0x7F00;

constexpr uint8_t kValueRelease = 1;  // high byte of a release
constexpr uint8_t kValueUp = 1;       // tilt right, volume up
constexpr uint8_t kValueDown = 255;   // tilt left, volume down

// The window messages that carry the events to the window given to Open_DevMonitor.
constexpr uint32_t kDeviceEventMessage = 1325;  // wParam class, lParam value
constexpr uint32_t kPlugMessage = 1326;         // wParam 1 arrived, 0 removed

constexpr uint16_t EventValue(uint8_t a, uint8_t b) {
    return static_cast<uint16_t>(a | (b << 8));
}

}  // namespace tesh::vmouse
