// What `vmouse state` shows of the shared mouse: cable, versions, active profile and
// level, update mode, held buttons, pending faults, log size and the windows that
// receive its messages; as "name: value" lines or as one JSON object.
#pragma once

#include <string>

#include "featlink/shared_mouse.h"

namespace tesh::vmouse {

std::string DescribeMouse(const SharedMouse& mouse, bool json);

}  // namespace tesh::vmouse
