// The texts and classes the window shows or passes on: the firmware version, the
// Windows family, the support links.
#pragma once

#include <string>

namespace tesh::option {

constexpr int kLowestFirmware = 100;
constexpr int kHighestFirmware = 500;

// "1.05" for 105: a "." after the first digit; "N/A" outside 100..500.
std::string FirmwareVersionText(int firmwareVersion);

// 0 other, 1 Windows 95/98, 2 ME, 3 2000, 4 XP and later 5.x, 5 Vista, 6 Windows 7
// and everything newer of the NT family (8, 8.1, 10 and 11 included).
int OsClass(int platformId, int major, int minor);

struct SupportLinks {
    std::string driver;
    std::string help;
};
SupportLinks MakeSupportLinks(const std::string& softwareText, const std::string& firmwareText);

}  // namespace tesh::option
