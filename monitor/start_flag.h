// The monitor's one command-line flag: "1" asks it to open the configuration
// application once the mouse is found (or, from a second start, at once).
#pragma once

#include <string_view>

namespace tesh::monitor {

// Set when the command line (without the program name) begins with "1".
bool StartFlagOf(std::string_view commandLine);

}  // namespace tesh::monitor
