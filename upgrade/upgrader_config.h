// The upgrader's small decisions: how it was started, where the image is, and how the
// mouse's DFU version is shown.
#pragma once

#include <string>

namespace tesh::upgrade {

inline constexpr char kFirmwareSection[] = "Firmware";
inline constexpr char kNameKey[] = "Name";
inline constexpr char kVersionKey[] = "Version";
inline constexpr std::size_t kMaxPath = 260;

enum class StartMode {
    kConfirm,       // "", "1", "2": ask, then upgrade
    kDriverUpdate,  // "0": only the driver-update notice
    kUpgradeNow,    // anything else: the upgrade window at once
};
StartMode StartModeOf(const std::string& argument);

// A name without a backslash is in the upgrader's directory; one with a backslash is
// used as it is. A path that does not fit a Windows path (259 characters and the
// terminator) is refused: "", which no image file has.
std::string ImagePath(const std::string& upgraderDirectory, const std::string& name);

// 107 gives "1.07"; outside 100..500 nothing.
std::string DfuVersionText(int version);

// The image's file name as the window shows it: the part after the last backslash.
std::string ImageTitle(const std::string& path);

// The monitor's program beside the upgrader's folder: "<parent>\TeshUlmaOpticalMonitor.exe".
std::string MonitorProgramPath(const std::string& upgraderDirectory);

}  // namespace tesh::upgrade
