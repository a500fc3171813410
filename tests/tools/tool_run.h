// Runs the tool's command line in the test's process, with its streams captured.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "settings/registry_port.h"
#include "tools/commands.h"

namespace tesh::test {

struct ToolRun {
    int code = -1;
    std::string out;
    std::string err;
    // The number of lines written to the error stream.
    std::size_t ErrLines() const {
        std::size_t n = 0;
        for (char c : err) n += c == '\n';
        return n;
    }
};

inline ToolRun RunToolWith(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    MemoryRegistry registry;
    ToolContext context{out, err, registry};
    ToolRun run;
    run.code = RunTool(args, context);
    run.out = out.str();
    run.err = err.str();
    return run;
}

}  // namespace tesh::test
