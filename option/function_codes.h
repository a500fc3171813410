// Function codes of the button areas that the library code reads and writes: the
// characters "0" and "1", as the monitor tests them.
#pragma once

#include <cstdint>

namespace tesh::option {

inline constexpr uint8_t kMacroCode = 48;  // '0': the button plays its copy of a macro
inline constexpr uint8_t kTimerCode = 49;  // '1': the button starts its copy of a timer

}  // namespace tesh::option
