// The monitor window's destruction: the shutdown of the whole monitor, in its order.
// Each step undoes only what the start-up got to do.
#include <objbase.h>

#include "monitor/monitor_names.h"
#include "monitor/osd_contacts.h"
#include "monitor/program_names.h"
#include "monitor/win/monitor_window.h"

namespace tesh::monitor {

void MonitorWindow::OnDestroy() {
    // Host state 0, timers 500 and 502, and the running job cancelled.
    if (linkOpened_) core_->connection().BeginShutdown();
    for (int timer : kFeedbackTimers) KillTimer(timer);
    // The macro and the sound stopped, the sound buffer let go.
    if (events_) events_->Shutdown();
    windows_.CloseWindow(kOptionWindowTitle);
    CloseOsd(windows_);
    if (deviceWorker_) deviceWorker_->Stop(kWorkerJoinMs);
    if (linkOpened_) core_->connection().CloseLink();
    binding_.Free();
    if (macroPlayer_) macroPlayer_->Stop(kWorkerJoinMs);
    if (comInitialized_) CoUninitialize();
    comInitialized_ = false;
    mapping_.Close();
    tray_.Show(false);
    // The Quib status and ambient light mappings are never opened by the monitor.
    SendDeviceStatus(false);
}

}  // namespace tesh::monitor
