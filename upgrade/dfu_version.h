// The mouse's DFU version as the upgrade window shows it, read from the device
// information report.
#pragma once

#include "upgrade/update_ports.h"

namespace tesh::upgrade {

// Byte 3 of the device information report; -1 when the report cannot be read.
int ReadDfuVersion(UpdateDevice& device);

}  // namespace tesh::upgrade
