// The monitor window's destruction: the shutdown of the whole monitor, in its order.
// Each step undoes only what the start-up got to do.
#include <objbase.h>

#include "monitor/monitor_names.h"
#include "monitor/osd_contacts.h"
#include "monitor/program_names.h"
#include "monitor/win/monitor_window.h"

namespace tesh::monitor {

void MonitorWindow::OnDestroy() {
    // Timers 500 and 502, and every job dropped or cancelled: the worker ends by itself.
    if (linkOpened_) core_->connection().BeginShutdown();
    for (int timer : kFeedbackTimers) KillTimer(timer);
    // The macro and the sound stopped, the sound buffer let go.
    if (events_) events_->Shutdown();
    windows_.CloseWindow(kOptionWindowTitle);
    CloseOsd(windows_);
    const bool workerEnded = !deviceWorker_ || deviceWorker_->Stop(kWorkerJoinMs);
    // Host state 0, then the link closed.
    if (linkOpened_) core_->connection().CloseLink(workerEnded);
    binding_.Free();
    if (macroPlayer_) macroPlayer_->Stop(kWorkerJoinMs);
    if (comInitialized_) CoUninitialize();
    comInitialized_ = false;
    mapping_.Close();
    tray_.Show(false);
    // The Quib status and ambient light mappings are never opened by the monitor.
    SendDeviceStatus(false);
    quibSender_.Stop();
}

}  // namespace tesh::monitor
