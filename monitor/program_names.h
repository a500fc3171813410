// Names and numbers of the monitor program that other programs and the user rely on:
// its kernel objects and window title, the configuration application's messages, the
// tray icon and menu, and the window's own timers. The device link's are in
// monitor_names.h.
#pragma once

#include <cstdint>

namespace tesh::monitor {

constexpr char kInstanceMutexName[] = "VORTAQ_TeshUlmaOptical_Mouse_Normal_Monitor";
constexpr char kBlockMutexName[] = "Vortaq_TeshUlmaOptical_Mouse_Mutex_Object";
constexpr char kBlockName[] = "VORTAQ_TeshUlmaOptical_Mouse_Share_Data";
constexpr char kMonitorWindowTitle[] = "VORTAQ Tesh Ulma Optical Mouse Monitor";
constexpr char kOptionProgram[] = "TeshUlmaOpticalOption.exe";

// Messages of the configuration application (wParam and lParam as each says).
constexpr uint32_t kApplyMessage = 1224;            // wParam 0 apply, 1 restore defaults
constexpr uint32_t kRefreshMessage = 1226;          // refresh the image from the block
constexpr uint32_t kRefreshPointerMessage = 1227;   // refresh, then the pointer settings
constexpr uint32_t kScanSensorMessage = 1229;       // scan the sensor image
constexpr uint32_t kSpecialModeMessage = 1230;      // lParam special mode 253..255
constexpr uint32_t kCalibrationStepMessage = 1231;  // lParam calibration mode 1..4
constexpr uint32_t kUnusedMessage1232 = 1232;       // answered with 0
constexpr uint32_t kInfoDataChangedMessage = 1233;  // refresh
constexpr uint32_t kUnusedMessage1274 = 1274;       // answered with 0
// To the configuration application: DeviceInfo.ini was rewritten.
constexpr uint32_t kDeviceTableMessage = 1284;
constexpr uintptr_t kApplyRestoreDefaults = 1;
// Answered with 1 and nothing else, like WM_DEVICECHANGE.
constexpr uint32_t kDeviceQueryMessage = 1327;
// To the calibration window: a device event of class 0x3000, lParam its value.
constexpr uint32_t kCalibrationEventMessage = 1261;
constexpr uint32_t kCalibrationEventClass = 0x3000;

// Posted to itself by a tilt step over an embedded browser, whose document is scrolled
// then: wParam the step count, lParam not 0 left.
constexpr uint32_t kBrowserScrollMessage = 1238;

// WM_COMMAND identifiers: from a second start, and of the tray menu.
constexpr uint32_t kOpenOptionCommand = 6001;
constexpr uint32_t kExitCommand = 6002;

// Tray icon and its menu.
constexpr uint32_t kTrayIconId = 102;
constexpr uint32_t kTrayCallbackMessage = 1036;
constexpr char kTrayTip[] = "VORTAQ Tesh Ulma Optical";
constexpr char kMenuConfiguration[] = "Configuration";
constexpr char kMenuExit[] = "Exit";

// The feedback timers of the device events, stopped at shutdown.
constexpr int kFeedbackTimers[] = {601, 602, 603, 605, 606, 607, 608, 610};

// The hidden main window's place and size.
constexpr int kMonitorWindowX = 100;
constexpr int kMonitorWindowY = 100;
constexpr int kMonitorWindowSize = 100;

}  // namespace tesh::monitor
