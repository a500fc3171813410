// Message numbers, device jobs, timers, window titles and file names of the monitor's
// device link.
#pragma once

#include <cstdint>

namespace tesh::monitor {

// Posted by featlink to the monitor window.
constexpr uint32_t kDeviceEventMessage = 1325;  // wParam event class, lParam value
constexpr uint32_t kPlugMessage = 1326;         // wParam 1 arrived, 0 removed
// Thread messages of the device worker and the macro player.
constexpr uint32_t kDeviceJobMessage = 1649;  // wParam job, lParam argument
constexpr uint32_t kPlayMacroMessage = 1648;
constexpr uint32_t kQuibSendMessage = 1650;  // records are queued for the Quib peer
// Posted to the configuration application after a read-all: reload the settings.
constexpr uint32_t kReloadSettingsMessage = 1254;
// Posted to the calibration window when a new sensor picture is in its file.
constexpr uint32_t kSensorImageReadyMessage = 1260;

// Device jobs (wParam of kDeviceJobMessage).
constexpr int kJobReadAll = 2;
constexpr int kJobSelectProfile = 3;
constexpr int kJobColourDatabase = 5;
constexpr int kJobMacroRequest = 6;  // argument: request number 1..110
constexpr int kJobQuibLight = 7;     // argument: the three values, first in bits 16..23
constexpr int kJobAmbientLight = 8;  // the ambient record last handed to the core

// Monitor window timers.
constexpr int kPollTimer = 500;
constexpr uint32_t kPollTimerMs = 2000;
constexpr int kFirstReadTimer = 502;  // once, then device job 2
constexpr uint32_t kFirstReadTimerMs = 200;

// Event codes: class in the high word, value in the low word. Plug codes have class
// 0x7F00 and value 1 (arrived) or 2 (removed).
constexpr uint32_t kPlugEventClass = 0x7F00;
constexpr uint16_t kPlugArrived = 1;
constexpr uint16_t kPlugRemoved = 2;
constexpr uint32_t kMacroRequestClass = 0xFE00;
constexpr uint32_t kColourDatabaseClass = 0xFD00;

constexpr char kOptionWindowTitle[] = "VORTAQ Tesh Ulma Optical Mouse Option";
constexpr char kCalibrationWindowTitle[] = "Tesh Ulma LZCCalibrateDlg";

// Files of the program directory.
constexpr char kFeatlinkLibrary[] = "featlink.dll";
constexpr char kUpgraderConfig[] = "FWUpdate\\config.ini";
constexpr char kUpgraderSection[] = "Firmware";
constexpr char kUpgraderVersionKey[] = "Version";
constexpr char kUpgraderProgram[] = "FWUpdate\\TeshUlmaOptical Firmware Upgrade.exe";
constexpr char kColourDatabaseFile[] = "LightEffectColorDatabase.bin";
constexpr char kSensorBitmapFile[] = "Wave\\sensorImage.bmp";

}  // namespace tesh::monitor
