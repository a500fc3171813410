// The one virtual mouse of a machine as every process that uses it maps it: the device
// state, the windows to notify and what the flash file last received. It is plain
// fixed-size data, set up by the first process that finds it empty. Every process of
// the user may write it, so it holds no file name: each process finds the flash file
// by itself.
#pragma once

#include <cstdint>

#include "featlink/device_state.h"
#include "featlink/monitor_table.h"

namespace tesh::vmouse {

constexpr uint32_t kSharedMouseMagic = 0x4D534D56;  // "VMSM"

struct SharedMouse {
    uint32_t magic;
    uint32_t size;
    DeviceState device;
    MonitorTable monitors;
    // The flash as the file last received it.
    DeviceFlash savedFlash;
};

// A plugged-in mouse with no windows. The flash is the factory one; the caller loads
// the file's over it and then marks it saved.
void InitSharedMouse(SharedMouse& mouse);
// True when the structure was set up by InitSharedMouse with this layout.
bool IsSharedMouse(const SharedMouse& mouse);

// True when the device's flash differs from what the file last received.
bool FlashNeedsSaving(const SharedMouse& mouse);
void MarkFlashSaved(SharedMouse& mouse);

}  // namespace tesh::vmouse
