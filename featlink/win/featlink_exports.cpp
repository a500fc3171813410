// The seven entry points of featlink.dll over the shared virtual mouse. Each call takes
// the mouse for its duration, so calls from any thread of any process are serialized;
// a call that cannot take it in time fails. Nothing large goes on the caller's stack:
// the monitor's device worker calls in on a 4096-byte one.
#include <atomic>

#include "featlink/device.h"
#include "featlink/exchange_log.h"
#include "featlink/win/featlink_api.h"
#include "featlink/win/shared_mouse_mapping.h"
#include "featlink/win/window_events.h"

namespace {

using namespace tesh::vmouse;

constexpr int kProductId = 0x7455;

// Closed when the library is unloaded, so that the mouse goes away with its last user.
SharedMouseMapping g_mouse;
// Transfers need the device opened by this process, as with a real HID handle.
std::atomic<bool> g_open{false};

// A transfer refused before it reached the mouse, logged as the mouse logs its own.
int Refused(SharedMouse& mouse, LogDirection direction, const unsigned char* buffer,
            uint32_t length) {
    LogEntry& entry =
        AppendLog(mouse.device.log, TickClock().NowMs(), direction, buffer, length, false);
    if (direction == kLogGet && entry.copied > 1) entry.copied = 1;
    return 0;
}

}  // namespace

extern "C" {

void FEATLINK_CALL Open_DevMonitor(HWND window, UINT eventMessage, UINT plugMessage) {
    MouseLock lock(g_mouse);
    if (!lock.mouse()) return;
    ForgetClosedWindows(lock.mouse()->monitors);
    SetMonitor(lock.mouse()->monitors, GetCurrentProcessId(), WindowNumber(window), eventMessage,
               plugMessage);
}

void FEATLINK_CALL Close_DevMonitor(void) {
    MouseLock lock(g_mouse);
    if (lock.mouse()) RemoveMonitorOfProcess(lock.mouse()->monitors, GetCurrentProcessId());
}

int FEATLINK_CALL Open_FeatureDevice(void) {
    MouseLock lock(g_mouse);
    const bool found = lock.mouse() && lock.mouse()->device.plugged != 0;
    if (found) g_open = true;
    return found ? 1 : 0;
}

void FEATLINK_CALL Close_FeatureDevice(void) {
    g_open = false;
}

int FEATLINK_CALL SetFeature(unsigned char* buffer, int length) {
    MouseLock lock(g_mouse);
    SharedMouse* mouse = lock.mouse();
    if (!mouse || length <= 0) return 0;
    const auto size = static_cast<uint32_t>(length);
    if (!g_open) return Refused(*mouse, kLogSet, buffer, size);
    TickClock clock;
    WindowEvents events(mouse->monitors);
    return Device(mouse->device, clock, &events).SetFeature(buffer, size);
}

int FEATLINK_CALL GetFeature(unsigned char* buffer, int length) {
    MouseLock lock(g_mouse);
    SharedMouse* mouse = lock.mouse();
    if (!mouse || length <= 0) return 0;
    const auto size = static_cast<uint32_t>(length);
    if (!g_open) return Refused(*mouse, kLogGet, buffer, size);
    TickClock clock;
    WindowEvents events(mouse->monitors);
    return Device(mouse->device, clock, &events).GetFeature(buffer, size);
}

int FEATLINK_CALL GetMousePID(void) {
    MouseLock lock(g_mouse);
    return lock.mouse() && lock.mouse()->device.plugged != 0 ? kProductId : 0;
}

}  // extern "C"
