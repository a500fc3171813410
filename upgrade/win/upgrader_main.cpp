// TeshUlmaOptical Firmware Upgrade: started by the monitor with "1" when the mouse's
// firmware is older than the image here and "0" when it is newer; one instance at a
// time.
#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>

#include "settings/file_io.h"
#include "upgrade/upgrader_config.h"
#include "upgrade/upgrader_names.h"
#include "upgrade/win/monitor_control.h"
#include "upgrade/win/notice_window.h"
#include "upgrade/win/upgrade_window.h"

namespace {

void TraceArgument(const char* argument) {
    char line[512];
    std::snprintf(line, sizeof line, tesh::upgrade::kDebugLineFormat, argument);
    OutputDebugStringA(line);
}

void RunUpgrade() {
    auto window = std::make_unique<tesh::upgrade::UpgradeWindow>(tesh::ProgramDirectory());
    window->Run();
    // A worker that is still inside the library needs the window's image and the
    // library until the process ends.
    if (window->workerStillRunning()) window.release();
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    using namespace tesh::upgrade;
    HANDLE mutex = CreateMutexA(nullptr, FALSE, kUpgraderMutexName);
    if (!mutex) return 1;
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(mutex);
        return 0;
    }
    const std::string argument = commandLine ? commandLine : "";
    TraceArgument(argument.c_str());

    switch (StartModeOf(argument)) {
        case StartMode::kConfirm:
            if (ShowNotice(NoticeKind::kConfirm, nullptr) == NoticeAnswer::kOk) {
                RunUpgrade();
            } else {
                PostCloseToMonitor();
            }
            break;
        case StartMode::kDriverUpdate:
            ShowNotice(NoticeKind::kDriverUpdate, nullptr);
            PostCloseToMonitor();
            break;
        case StartMode::kUpgradeNow:
            RunUpgrade();
            break;
    }
    CloseHandle(mutex);
    return 0;
}
