// What `vmouse state` shows of the shared mouse: cable, versions, active profile and
// level, update mode, held buttons, pending faults, log size, the windows that receive
// its messages and the flash file of this process; as "name: value" lines or as one
// JSON object.
#pragma once

#include <string>

#include "featlink/shared_mouse.h"

namespace tesh::vmouse {

std::string DescribeMouse(const SharedMouse& mouse, bool json, const std::string& flashFile);

}  // namespace tesh::vmouse
