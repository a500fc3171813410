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

// The record is made under the image's lock and sent without it: the peer's answer
// lets other programs' sent messages in. Callers hold no lock.
void MonitorWindow::SendDeviceStatus(bool connected) {
    SendQuibDeviceRecord(connected ? kQuibConnected : kQuibRemoved);
}

void MonitorWindow::SendQuixAimCpi() {
    SendQuibDeviceRecord(kQuibQuixAimCpi);
}

void MonitorWindow::SendQuibDeviceRecord(uint16_t kind) {
    HWND peer = reinterpret_cast<HWND>(quib_.peerWindow.load());
    if (!peer) return;
    const auto own = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(window_));
    QuibDeviceRecord record;
    if (core_) {
        std::lock_guard image(core_->imageLock());
        record = BuildQuibDeviceRecord(own, ActiveProfile(*image_));
    } else {
        record = BuildQuibDeviceRecord(own, nullptr);
    }
    SendQuibRecord(peer, kind, record);
}

// The Quib status mapping is never opened by the monitor itself, so only the message
// to the Quib monitor remains.
void MonitorWindow::PublishStatus() {
    shiftLock_ = 0;
    if (quib_.monitorActive.load() != 1) return;
    windows_.PostToWindow(kQuibMonitorWindowTitle, RegisterWindowMessageA(kQuibStatusToQuibName), 0,
                          0);
}

}  // namespace tesh::monitor
