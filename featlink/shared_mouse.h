// The one virtual mouse of a machine as every process that uses it maps it: the device
// state, the windows to notify and what the flash file last received. It is plain
// fixed-size data, set up by the first process that finds it empty.
#pragma once

#include <cstdint>
#include <string>

#include "featlink/device_state.h"
#include "featlink/monitor_table.h"

namespace tesh::vmouse {

constexpr uint32_t kSharedMouseMagic = 0x4D534D56;  // "VMSM"
constexpr int kFlashPathBytes = 520;

struct SharedMouse {
    uint32_t magic;
    uint32_t size;
    DeviceState device;
    MonitorTable monitors;
    // The flash file chosen by the process that set the mouse up, so that every process
    // saves to the same file, and the flash as that file holds it.
    char flashPath[kFlashPathBytes];
    DeviceFlash savedFlash;
};

// A plugged-in mouse with the given flash file ("" for none) and no windows. The flash
// is the factory one; the caller loads the file's over it and then marks it saved.
void InitSharedMouse(SharedMouse& mouse, const std::string& flashPath);
// True when the structure was set up by InitSharedMouse with this layout.
bool IsSharedMouse(const SharedMouse& mouse);

// True when the device's flash differs from what the file last received.
bool FlashNeedsSaving(const SharedMouse& mouse);
void MarkFlashSaved(SharedMouse& mouse);

}  // namespace tesh::vmouse
