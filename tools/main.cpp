// teshulma: show, import and create profile files and show the settings of a program
// directory, from the command line.
#include <iostream>
#include <string>
#include <vector>

#include "settings/registry_port.h"
#include "tools/commands.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    // The registry stays in memory on every build for now: the tool shows the files
    // only, and never changes the user's mouse settings.
    tesh::MemoryRegistry registry;
    tesh::ToolContext context{std::cout, std::cerr, registry};
    return tesh::RunTool(args, context);
}
