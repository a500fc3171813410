// Names and numbers of the configuration application that other programs and files
// rely on: its kernel objects, its window title, the messages it exchanges with the
// monitor, and its version.
#pragma once

#include <cstdint>

namespace tesh::option {

constexpr char kInstanceMutexName[] = "Vortaq_TeshUlmaOptical_configure";
constexpr char kWindowTitle[] = "VORTAQ Tesh Ulma Optical Mouse Option";
constexpr char kSoftwareVersion[] = "1.07";
constexpr char kNoVersion[] = "N/A";

// To the monitor, sent (the monitor has handled them when SendMessage returns).
constexpr uint32_t kApplyMessage = 1224;  // wParam 0 apply, 1 after a reset to defaults
constexpr uintptr_t kApplyNormal = 0;
constexpr uintptr_t kApplyReset = 1;
constexpr uint32_t kInfoDataChangedMessage = 1233;

// From the monitor.
constexpr uint32_t kSettingsReadBackMessage = 1254;  // read all from the mouse
constexpr uint32_t kSettingsChangedMessage = 1255;   // the block changed
constexpr uint32_t kEnableApplyMessage = 1256;
constexpr uint32_t kSensorChangedMessage = 1257;  // the mouse changed DPI or sensitivity
constexpr uint32_t kInfoDataMessage = 1264;       // usage counters changed
constexpr uint32_t kDeviceTableMessage = 1284;    // DeviceInfo.ini was rewritten
// From the pages to the main window.
constexpr uint32_t kProfileColoursMessage = 1134;  // redraw the five swatches

// The support links handed to the update page.
constexpr char kDriverLinkFormat[] = "support_driver_9900112233445_%s_%s";
constexpr char kHelpLinkFormat[] = "support_help_9900112233445_%s_%s";

// Profile files.
constexpr char kProfileFilter[] = "Vortaq Mouse Profile(*.qfm)|*.qfm|";
constexpr char kProfileExtension[] = "*.qfm";
constexpr char kProgramFilter[] = "exe file(*.exe)|*.EXE|";

}  // namespace tesh::option
