// Numbers of the device event handling: the event classes the mouse reports, the
// monitor window's timers of the feedback, key combinations and countdown, the
// messages to the configuration application, the function codes carried out on the
// host and the sound numbers.
#pragma once

#include <cstdint>

namespace tesh::monitor {

// Event classes (the high word of an event code). Plug codes (0x7F00) are the
// connection's; the calibration class is in program_names.h, the macro request and
// colour database classes in monitor_names.h.
constexpr uint32_t kTiltScrollClass = 0x1000;  // 1 right, 255 left
constexpr uint32_t kVolumeClass = 0x1B00;      // a = 1 up, 255 down
constexpr uint32_t kProfileClass = 0x2000;     // new profile + 1
constexpr uint32_t kRunProgramClass = 0x6000;  // a = device button + 1
constexpr uint32_t kHostButtonPressClass = 0x8000;
constexpr uint32_t kHostButtonClass = 0x9000;  // b = 1 on release
constexpr uint32_t kOpenDriverClass = 0xA000;
constexpr uint32_t kCpiLevelClass = 0xB000;     // new level + 1
constexpr uint32_t kSensitivityClass = 0xC000;  // a = sensitivity, b = Y sensitivity
constexpr uint32_t kPollingRateClass = 0xD000;  // rate + 1
constexpr uint32_t kFirstUsageClass = 0xE100;   // usage counters, one class per 0x100
constexpr uint32_t kLastUsageClass = 0xEF00;
constexpr uint32_t kMediaClass = 0xF000;         // a = function code 32..39
constexpr uint32_t kQuibFunctionClass = 0xFF00;  // a = device button + 1

constexpr uint8_t kUp = 1;        // value a of tilt right and volume up
constexpr uint8_t kDown = 255;    // value a of tilt left and volume down
constexpr uint8_t kReleased = 1;  // value b of a button release
// Button events name the button by a = 1..24.
constexpr int kFirstButtonValue = 1;
constexpr int kLastButtonValue = 24;
// Macro requests: n = 1..110 asks for the macro of profile (n - 1) / 16.
constexpr int kLastMacroRequest = 110;
constexpr int kRequestsPerProfile = 16;

// Monitor window timers of the event handling.
constexpr int kKeyRepeatTimer = 102;
constexpr uint32_t kKeyFirstRepeatMs = 1000;
constexpr uint32_t kKeyRepeatMs = 100;
constexpr int kCountdownTimer = 600;
constexpr uint32_t kCountdownStepMs = 1000;
constexpr int kProfileSoundTimer = 601;
constexpr int kWindowsProfileSoundTimer = 602;
constexpr int kCpiSoundTimer = 603;
constexpr int kSensitivityUpSoundTimer = 605;
constexpr int kSensitivityDownSoundTimer = 606;
constexpr int kVolumeUpSoundTimer = 607;
constexpr int kVolumeDownSoundTimer = 608;
constexpr uint32_t kFeedbackDelayMs = 500;
constexpr int kTrophySoundTimer = 610;
constexpr uint32_t kTrophySoundMs = 4000;

// Posted to the configuration application's window.
constexpr uint32_t kProfileChangedMessage = 1255;
constexpr uint32_t kDeviceValuesChangedMessage = 1257;
constexpr uint32_t kUsageChangedMessage = 1264;

// Function codes that the host carries out.
constexpr uint8_t kQuicklaunchCode = 15;
constexpr uint8_t kTimerCode = 49;
constexpr uint8_t kStopTimerCode = 50;

// Sound numbers.
constexpr int kSoundGo = 0;  // 1..5: seconds left
constexpr int kSoundTenSeconds = 10;
constexpr int kSoundTimerStopped = 18;
constexpr int kSoundTimerActivated = 19;
constexpr int kSoundSensitivityUp = 30;
constexpr int kSoundSensitivityDown = 31;
constexpr int kSoundVolumeUp = 32;
constexpr int kSoundVolumeDown = 33;
constexpr int kSoundFirstProfile = 40;  // + profile 0..4
constexpr int kSoundWindowsProfile = 45;
constexpr int kSoundTrophy = 50;
constexpr int kSoundEveryTrophy = 51;

}  // namespace tesh::monitor
