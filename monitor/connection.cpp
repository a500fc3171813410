#include "monitor/connection.h"

#include "monitor/firmware_check.h"
#include "monitor/monitor_names.h"
#include "monitor/report_format.h"

namespace tesh::monitor {

namespace {
constexpr uint32_t kWordMask = 0xFFFF;
constexpr uint64_t kPlugWParamArrived = 1;
constexpr uint64_t kPlugWParamRemoved = 0;
}  // namespace

uint32_t DeviceEventCode(uint64_t wParam, int64_t lParam) {
    return static_cast<uint32_t>((wParam & kWordMask) << 16 |
                                 (static_cast<uint64_t>(lParam) & kWordMask));
}

uint32_t PlugEventCode(uint64_t wParam) {
    uint32_t value = 0;
    if (wParam == kPlugWParamArrived) value = kPlugArrived;
    if (wParam == kPlugWParamRemoved) value = kPlugRemoved;
    return kPlugEventClass << 16 | value;
}

bool Connection::FirmwareCheck() {
    return RunFirmwareCheck(reports_, ports_.files, ports_.shell, ports_.host, dir_);
}

StartResult Connection::StartUp() {
    ports_.link.OpenDeviceMonitor();
    StartResult result = StartResult::kNoMouse;
    if (ports_.link.OpenFeatureDevice()) {
        ports_.host.StartTimer(kPollTimer, kPollTimerMs);
        if (FirmwareCheck()) {
            ports_.host.CloseMonitorWindow();
            result = StartResult::kUpgraderStarted;
        } else {
            ports_.host.StartTimer(kFirstReadTimer, kFirstReadTimerMs);
            flags_.connection = kConnected;
            ports_.host.UpdateTrayIcon();
            if (ports_.host.StartFlagSet()) ports_.host.OpenConfigurationApp();
            ports_.host.SendQuibDeviceStatus(true);
            result = StartResult::kConnected;
        }
    }
    ports_.files.WriteDevice(result == StartResult::kConnected ? 1 : 0);
    return result;
}

void Connection::HandleEventCode(uint32_t eventCode) {
    if (eventCode >> 16 == kPlugEventClass) {
        if ((eventCode & kWordMask) == kPlugArrived) Arrived();
        if ((eventCode & kWordMask) == kPlugRemoved) Removed();
    } else {
        ports_.host.DispatchEvent(eventCode);
    }
    lastEventCode_ = eventCode;
}

void Connection::Arrived() {
    if (flags_.connection.load() == kConnected) return;
    ports_.clock.SleepMs(kArrivalSettleMs);
    flags_.connection = kConnected;
    ports_.host.SendQuibDeviceStatus(true);
    ports_.link.OpenFeatureDevice();
    if (FirmwareCheck()) {
        ports_.host.CloseMonitorWindow();
        return;
    }
    ports_.host.PostDeviceJob(kJobReadAll, 0);
    ports_.host.UpdateTrayIcon();
    ports_.files.WriteDevice(1);
    ports_.host.StartTimer(kPollTimer, kPollTimerMs);
}

void Connection::Removed() {
    if (flags_.connection.load() == kRemoved) return;
    flags_.connection = kRemoved;
    ports_.host.ReleaseHeldInput();
    ports_.host.SendQuibDeviceStatus(false);
    ports_.link.CloseFeatureDevice();
    if (flags_.busy.load() == 1) flags_.cancel = 1;
    ports_.host.UpdateTrayIcon();
    ports_.host.KillTimer(kPollTimer);
    ports_.files.WriteDevice(0);
    // The configuration application closes while no mouse is present.
    ports_.windows.CloseWindow(kOptionWindowTitle);
}

void Connection::BeginShutdown() {
    ports_.host.KillTimer(kPollTimer);
    ports_.host.KillTimer(kFirstReadTimer);
    flags_.stopping = 1;
    if (flags_.busy.load() == 1) flags_.cancel = 1;
}

void Connection::CloseLink(bool workerEnded) {
    if (workerEnded) {
        reports_.SayHostStopped();
    }
    ports_.link.CloseDeviceMonitor();
    ports_.link.CloseFeatureDevice();
}

}  // namespace tesh::monitor
