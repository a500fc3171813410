// The connection to the mouse: start-up, the plug codes that featlink reports
// (arrival and removal, each carried out in its order), and the device part of the
// shutdown. Runs on the monitor's window thread.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>

#include "monitor/device_reports.h"
#include "monitor/host_ports.h"

namespace tesh::monitor {

// The window thread waits this long after an arrival before it opens the mouse.
constexpr uint32_t kArrivalSettleMs = 2000;

// Event code of a device event message: class (wParam) in the high word, the low 16
// bits of the value (lParam) in the low word.
uint32_t DeviceEventCode(uint64_t wParam, int64_t lParam);
// Event code of a plug message: class 0x7F00, value 1 for wParam 1 (arrived), 2 for
// wParam 0 (removed), 0 for anything else.
uint32_t PlugEventCode(uint64_t wParam);

enum class StartResult {
    kConnected,       // the mouse is open; the first read-all follows on a timer
    kNoMouse,         // state 0: waiting for a plug message
    kUpgraderStarted  // the monitor window must close
};

class Connection {
  public:
    Connection(DeviceFlags& flags, DeviceReports& reports, const DeviceCorePorts& ports,
               std::string programDirectory)
        : flags_(flags), reports_(reports), ports_(ports), dir_(std::move(programDirectory)) {}

    // Opens the device link and, when the mouse is there, runs the firmware check and
    // schedules the first read-all. Writes "Device" in config.ini in every case.
    StartResult StartUp();
    // Plug codes are carried out here, every other code goes to the dispatcher; the
    // code is then kept as the last event code.
    void HandleEventCode(uint32_t eventCode);
    void Arrived();
    void Removed();
    // The timers stopped, every queued job dropped and the running one cancelled, so
    // that the device worker ends by itself. The worker threads are stopped after this,
    // then CloseLink.
    void BeginShutdown();
    // Host state 0 once the device worker has ended (`workerEnded`): the mouse hears it
    // last, and a busy answer is not waited out. A worker that had to be killed may
    // have left the exchange lock taken, so the mouse is then not written to. Then the
    // link is closed.
    void CloseLink(bool workerEnded);

    uint32_t lastEventCode() const { return lastEventCode_.load(); }

  private:
    bool FirmwareCheck();

    DeviceFlags& flags_;
    DeviceReports& reports_;
    DeviceCorePorts ports_;
    std::string dir_;
    std::atomic<uint32_t> lastEventCode_{0};
};

}  // namespace tesh::monitor
