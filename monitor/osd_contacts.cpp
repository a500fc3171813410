#include "monitor/osd_contacts.h"

#include "settings/file_io.h"

namespace tesh::monitor {

uint32_t OsdSettingsWord(const OsdSettings& osd) {
    const auto low16 = [](int32_t value) { return static_cast<uint32_t>(value) & 0xFFFF; };
    return low16(osd.value28) << 16 | low16(osd.value32);
}

bool StartOsd(ShellPort& shell, const std::string& programDirectory) {
    return shell.Open(JoinPath(programDirectory, kOsdProgram), "");
}

bool NotifyOsd(WindowPort& windows, const OsdSettings& osd) {
    return windows.PostToWindow(kOsdWindowTitle, kOsdSettingsMessage, 0,
                                static_cast<intptr_t>(OsdSettingsWord(osd)));
}

void CloseOsd(WindowPort& windows) {
    for (const char* title : kOsdWindowTitles) windows.CloseWindow(title);
}

}  // namespace tesh::monitor
