// Where the virtual mouse keeps its flash between runs, and reading and writing it.
// The file is %LOCALAPPDATA%\TeshUlmaOptical\vmouse-flash.bin unless the environment
// variable TESH_VMOUSE_FLASH names another (tests point it into a folder of their own).
#pragma once

#include <string>

#include "featlink/device_state.h"

namespace tesh::vmouse {

constexpr char kFlashFileVariable[] = "TESH_VMOUSE_FLASH";

// The flash file of this user, its folder created when needed; "" when there is none.
std::string FlashFilePath();
// Replaces `flash` with the file's; false (flash untouched) when the file is missing
// or is not a flash of this layout. Reads into the heap: callers may have tiny stacks.
bool LoadFlash(const std::string& path, DeviceFlash& flash);
// Replaces the file atomically.
bool SaveFlash(const std::string& path, const DeviceFlash& flash);

}  // namespace tesh::vmouse
