// featlink.dll bound from the program directory: all seven entry points or none. A
// monitor without the library runs without a mouse.
#pragma once

#include "featlink/win/featlink_client.h"

namespace tesh::monitor {

using FeatlinkBinding = FeatlinkLibrary;

}  // namespace tesh::monitor
