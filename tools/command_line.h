// The arguments of one command after its name: positional arguments and the options
// `--json` and `--slot N`, which may stand anywhere among them.
#pragma once

#include <string>
#include <vector>

#include "tools/status.h"

namespace tesh {

// Options a command accepts, as bits.
inline constexpr unsigned kJsonOption = 1u << 0;
inline constexpr unsigned kSlotOption = 1u << 1;

struct CommandArgs {
    std::vector<std::string> positionals;
    bool json = false;
    int slot = 0;  // profile slot 0..4; 0 when --slot is not given
};

// Parses args[first..]; options outside `allowed` are refused.
Status ParseCommandArgs(const std::vector<std::string>& args, std::size_t first, unsigned allowed,
                        CommandArgs& out);

}  // namespace tesh
