// What the mouse reports, posted as window messages to every window registered with
// Open_DevMonitor: device events as (class, value), plug changes as 1 arrived and
// 0 removed. Windows that no longer exist are dropped from the table on the way. The
// exchange log runs on the system's millisecond tick.
#pragma once

#include <windows.h>

#include "featlink/device_ports.h"
#include "featlink/monitor_table.h"

namespace tesh::vmouse {

class WindowEvents : public EventSink {
  public:
    explicit WindowEvents(MonitorTable& monitors) : monitors_(monitors) {}
    void DeviceEvent(uint16_t eventClass, uint16_t value) override;
    void Plug(bool arrived) override;

  private:
    enum class Kind { kEvent, kPlug };
    void Post(Kind kind, WPARAM wParam, LPARAM lParam);

    MonitorTable& monitors_;
};

class TickClock : public Clock {
  public:
    uint64_t NowMs() const override { return GetTickCount64(); }
};

// Drops the windows that no longer exist or belong to another process than the one
// that registered them.
void ForgetClosedWindows(MonitorTable& monitors);

// A window handle as the table keeps it, and back.
uint64_t WindowNumber(HWND window);
HWND WindowOfNumber(uint64_t number);

}  // namespace tesh::vmouse
