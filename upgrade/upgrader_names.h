// Names and numbers of the upgrader program: its kernel object, its windows and the
// monitor's, its private messages, its timer and the waits of its start and end.
#pragma once

#include <cstdint>

namespace tesh::upgrade {

// One upgrader at a time.
inline constexpr char kUpgraderMutexName[] = "VORTAQ_TeshUlma_Mouse_Firmware_Update";

inline constexpr char kUpgradeWindowTitle[] = "VORTAQ Tesh Ulma Mouse Firmware update";
inline constexpr char kUpgradeWindowClass[] = "TeshUlmaFirmwareUpgrade";
// The notices: one window class, told apart by their window texts (their visible
// texts are in their pictures).
inline constexpr char kNoticeClass[] = "TeshUlmaUpgradeNotice";
inline constexpr char kConfirmNoticeTitle[] = "Firmware update";
inline constexpr char kDriverNoticeTitle[] = "Driver update";
inline constexpr char kFailureNoticeTitle[] = "Firmware update failed";
inline constexpr char kSuccessNoticeTitle[] = "Firmware upgrade success";
// Control identifiers of the windows' buttons.
constexpr int kOkButtonId = 1;
constexpr int kCancelButtonId = 2;
constexpr int kExitButtonId = 1001;
constexpr int kProgressBarId = 1002;
// The monitor is closed by this title before an upload and started again after one.
inline constexpr char kMonitorWindowTitle[] = "VORTAQ Tesh Ulma Optical Mouse Monitor";

// The upgrader's own settings file, beside it.
inline constexpr char kUpgraderConfigFile[] = "config.ini";

// Posted by the worker to the upgrade window.
constexpr uint32_t kBlockAcceptedMessage = 1424;  // wParam the block just accepted
constexpr uint32_t kUpgradeResultMessage = 1426;  // lParam 1 succeeded, 0 failed

// The upload starts by itself this long after the window is set up.
constexpr uintptr_t kStartTimer = 100;
constexpr uint32_t kStartTimerMs = 1000;

// A monitor window not there at once is looked for once more after this wait.
constexpr uint32_t kMonitorRetryMs = 100;
// The monitor lets go of the mouse within this time of its WM_CLOSE.
constexpr uint32_t kMonitorCloseWaitMs = 1800;

// The worker's stack: the image, the commands and the reports all live elsewhere.
constexpr uint32_t kWorkerStackBytes = 8192;
// How long a closing window waits for the worker before it frees the library. The
// worker's waits end at once when the window closes, so it leaves within one transfer;
// one that is stuck inside the library keeps the library loaded.
constexpr uint32_t kWorkerEndMs = 10000;

// The progress bar before an image is loaded.
constexpr int kInitialProgressRange = 127;

// Texts drawn on the upgrade window.
inline constexpr char kDfuVersionPrefix[] = "DFU V";
inline constexpr char kUpgraderVersionText[] = "Firmware Update V1.07";
inline constexpr char kDebugLineFormat[] = "FW Update: %s\n";

}  // namespace tesh::upgrade
