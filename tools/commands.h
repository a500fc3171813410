// The command line of the teshulma tool: the dispatcher over its commands.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "settings/registry_port.h"

namespace tesh {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;   // something broke inside the tool
inline constexpr int kExitBadInput = 2;  // arguments or input files the tool refuses
inline constexpr char kToolName[] = "teshulma";

struct ToolContext {
    std::ostream& out;
    std::ostream& err;
    // The registry that `settings show` reads the current profile's pointer settings
    // from; the tool never writes to it.
    RegistryPort& registry;
};

// Runs one command line, `args` without the program name. On success the command's
// text goes to `out`; a refused input gives one line "teshulma: ..." on `err` and
// kExitBadInput. Without arguments the usage goes to `err`.
int RunTool(const std::vector<std::string>& args, ToolContext& context);
std::string UsageText();

}  // namespace tesh
