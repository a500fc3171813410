// The monitor's few contacts with the maker's on-screen display program: it starts
// it, tells it of new settings on every Apply and closes its windows at shutdown.
#pragma once

#include <cstdint>
#include <string>

#include "monitor/host_ports.h"
#include "settings/osd_settings.h"

namespace tesh::monitor {

constexpr char kOsdProgram[] = "TeshUlmaOpticalOSD.exe";
constexpr char kOsdWindowTitle[] = "VORTAQ Tesh Ulma Optical Mouse OSD";
// Every window of the OSD program, closed at shutdown.
constexpr const char* kOsdWindowTitles[] = {kOsdWindowTitle, "VORTAQ Tesh Ulma Optical Mouse Pop3",
                                            "VORTAQ Tesh Ulma Optical Mouse CPU RAM",
                                            "VORTAQ Tesh Ulma Optical Mouse OSD SKYPE"};
// Posted to the OSD window on Apply, wParam 0.
constexpr uint32_t kOsdSettingsMessage = 1326;

// The lParam of that message: the 16-bit value at byte 28 of the settings in the high
// word, the one at byte 32 in the low word.
uint32_t OsdSettingsWord(const OsdSettings& osd);

bool StartOsd(ShellPort& shell, const std::string& programDirectory);
// True when the OSD window was there.
bool NotifyOsd(WindowPort& windows, const OsdSettings& osd);
void CloseOsd(WindowPort& windows);

}  // namespace tesh::monitor
