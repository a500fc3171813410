// What the configuration application needs of the platform, as small ports: the
// monitor's shared block (opened by name, never created), the monitor's window, and
// the Windows double-click time. Tests use fakes of them.
#pragma once

#include <cstdint>

namespace tesh::option {

class SharedBlockPort {
  public:
    enum class Attach {
        kAttached,    // mapped (or already was)
        kAbsent,      // no monitor: no block of that name
        kUnmappable,  // the block exists but cannot be mapped
    };
    virtual ~SharedBlockPort() = default;
    // Opens the monitor's mutex and maps its block; does nothing when already mapped.
    virtual Attach Open() = 0;
    virtual bool opened() const = 0;
    // The mapped block, sizeof(SettingsSet) bytes; null when not mapped.
    virtual void* view() = 0;
    // Waits for the block mutex without a time limit; false when the wait failed.
    virtual bool Lock() = 0;
    virtual void Unlock() = 0;
};

class MonitorPort {
  public:
    virtual ~MonitorPort() = default;
    // Sends the message to the monitor's window and waits until it has been handled;
    // false when there is no monitor window.
    virtual bool Send(uint32_t message, uintptr_t wParam) = 0;
};

class DoubleClickPort {
  public:
    virtual ~DoubleClickPort() = default;
    virtual int Get() = 0;
    virtual void Set(int milliseconds) = 0;
};

}  // namespace tesh::option
