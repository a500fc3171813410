#include "option/version_texts.h"

#include <cstdio>

#include "option/option_names.h"

namespace tesh::option {
namespace {

constexpr int kPlatformWindows9x = 1;
constexpr int kPlatformNt = 2;

}  // namespace

std::string FirmwareVersionText(int firmwareVersion) {
    if (firmwareVersion < kLowestFirmware || firmwareVersion > kHighestFirmware) return kNoVersion;
    std::string digits = std::to_string(firmwareVersion);
    return digits.substr(0, 1) + "." + digits.substr(1);
}

int OsClass(int platformId, int major, int minor) {
    if (platformId == kPlatformWindows9x && major == 4) return minor < 90 ? 1 : 2;
    if (platformId != kPlatformNt) return 0;
    if (major == 5) return minor == 0 ? 3 : 4;
    if (major == 6) return minor == 0 ? 5 : 6;
    // Windows 10 and 11 report 10.0: newer than 7, so the class of 7.
    if (major > 6) return 6;
    return 0;
}

SupportLinks MakeSupportLinks(const std::string& softwareText, const std::string& firmwareText) {
    char driver[128], help[128];
    std::snprintf(driver, sizeof driver, kDriverLinkFormat, softwareText.c_str(),
                  firmwareText.c_str());
    std::snprintf(help, sizeof help, kHelpLinkFormat, softwareText.c_str(), firmwareText.c_str());
    return {driver, help};
}

}  // namespace tesh::option
