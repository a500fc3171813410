// teshulma: show, import and create profile files and show the settings of a program
// directory, from the command line.
#include <iostream>
#include <string>
#include <vector>

#include "tools/commands.h"
#include "tools/tool_registry.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    auto registry = tesh::MakeToolRegistry();
    tesh::ToolContext context{std::cout, std::cerr, *registry};
    return tesh::RunTool(args, context);
}
