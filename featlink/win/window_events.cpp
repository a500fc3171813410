#include "featlink/win/window_events.h"

#include <cstdint>

namespace tesh::vmouse {

namespace {

constexpr WPARAM kPlugArrived = 1;
constexpr WPARAM kPlugRemoved = 0;

}  // namespace

uint64_t WindowNumber(HWND window) {
    return static_cast<uint64_t>(reinterpret_cast<uintptr_t>(window));
}

HWND WindowOfNumber(uint64_t number) {
    return reinterpret_cast<HWND>(static_cast<uintptr_t>(number));
}

// A window that is not the registered process's (its own has closed and the handle was
// reused, or the table was written by someone else) is forgotten like a closed one.
void ForgetClosedWindows(MonitorTable& monitors) {
    for (MonitorEntry& entry : monitors.entries) {
        if (entry.window == 0) continue;
        DWORD process = 0;
        if (!GetWindowThreadProcessId(WindowOfNumber(entry.window), &process) ||
            process != entry.processId) {
            entry = MonitorEntry{};
        }
    }
}

void WindowEvents::DeviceEvent(uint16_t eventClass, uint16_t value) {
    Post(Kind::kEvent, eventClass, value);
}

void WindowEvents::Plug(bool arrived) {
    Post(Kind::kPlug, arrived ? kPlugArrived : kPlugRemoved, 0);
}

void WindowEvents::Post(Kind kind, WPARAM wParam, LPARAM lParam) {
    ForgetClosedWindows(monitors_);
    for (const MonitorEntry& entry : monitors_.entries) {
        if (!MonitorEntryUsable(entry)) continue;
        const UINT message = kind == Kind::kEvent ? entry.eventMessage : entry.plugMessage;
        PostMessageA(WindowOfNumber(entry.window), message, wParam, lParam);
    }
}

}  // namespace tesh::vmouse
