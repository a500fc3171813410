#include "featlink/shared_mouse.h"

#include <cstring>

namespace tesh::vmouse {

void InitSharedMouse(SharedMouse& mouse) {
    std::memset(&mouse, 0, sizeof mouse);
    mouse.magic = kSharedMouseMagic;
    mouse.size = sizeof mouse;
    InitDeviceState(mouse.device);
    MarkFlashSaved(mouse);
}

bool IsSharedMouse(const SharedMouse& mouse) {
    return mouse.magic == kSharedMouseMagic && mouse.size == sizeof mouse &&
           IsDeviceState(mouse.device);
}

bool FlashNeedsSaving(const SharedMouse& mouse) {
    return std::memcmp(&mouse.device.flash, &mouse.savedFlash, sizeof mouse.savedFlash) != 0;
}

void MarkFlashSaved(SharedMouse& mouse) {
    std::memcpy(&mouse.savedFlash, &mouse.device.flash, sizeof mouse.savedFlash);
}

}  // namespace tesh::vmouse
