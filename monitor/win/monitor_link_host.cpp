// The monitor window's part in the device link's work, its contacts with the
// configuration application and with the Quib peers.
#include "monitor/monitor_names.h"
#include "monitor/pointer_settings.h"
#include "monitor/program_names.h"
#include "monitor/win/monitor_window.h"
#include "monitor/win/quib_messages.h"
#include "settings/file_io.h"

namespace tesh::monitor {

void MonitorWindow::PostDeviceJob(int job, int argument) {
    if (deviceWorker_) deviceWorker_->Post(static_cast<WPARAM>(job), argument);
}

void MonitorWindow::StartTimer(int timer, uint32_t milliseconds) {
    SetTimer(window_, static_cast<UINT_PTR>(timer), milliseconds, nullptr);
}

void MonitorWindow::KillTimer(int timer) {
    ::KillTimer(window_, static_cast<UINT_PTR>(timer));
}

void MonitorWindow::UpdateTrayIcon() {
    tray_.Show(core_->flags().connection.load() == kConnected && quib_.monitorActive.load() == 0);
}

void MonitorWindow::CloseMonitorWindow() {
    PostMessageA(window_, WM_CLOSE, 0, 0);
}

// Restored when minimised and brought to the front, or started.
void MonitorWindow::OpenConfigurationApp() {
    HWND option = FindWindowA(nullptr, kOptionWindowTitle);
    if (!option) {
        shell_.Open(JoinPath(dir_, kOptionProgram), "");
        return;
    }
    if (IsIconic(option)) ShowWindow(option, SW_SHOWNORMAL);
    SetForegroundWindow(option);
    SetActiveWindow(option);
}

// The device event handling (the calibration window's sensor events among them).
void MonitorWindow::DispatchEvent(uint32_t eventCode) {
    if (events_) events_->Dispatch(eventCode);
}

void MonitorWindow::ReleaseHeldInput() {
    if (events_) events_->ReleaseHeldInput();
}

// The Quib commands make the records under the image's lock and send them without it:
// the peer's answer lets other programs' sent messages in. Callers hold no lock.
void MonitorWindow::SendDeviceStatus(bool connected) {
    if (quibCommands_) quibCommands_->SendDeviceStatus(connected);
}

void MonitorWindow::SendQuixAimCpi() {
    if (quibCommands_) quibCommands_->SendQuixAimCpi();
}

void MonitorWindow::PublishStatus() {
    if (quibCommands_) quibCommands_->PublishStatus();
}

}  // namespace tesh::monitor
