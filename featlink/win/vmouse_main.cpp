// vmouse: drives the virtual mouse that featlink.dll serves, from the command line.
// It maps the same shared mouse as the library (not through its exports) and posts the
// events of its actions to the windows registered with Open_DevMonitor.
#include <cstdio>
#include <string>
#include <vector>

#include "featlink/vmouse_commands.h"
#include "featlink/win/shared_mouse_mapping.h"
#include "featlink/win/window_events.h"

using namespace tesh::vmouse;

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "help")) {
        std::printf("%s\n", kVmouseUsage);
        return kVmouseOk;
    }
    const ParsedVmouseCommand parsed = ParseVmouseCommand(args);
    if (!parsed.command) {
        std::fprintf(stderr, "vmouse: %s\n%s\n", parsed.error.c_str(), kVmouseUsage);
        return kVmouseBadInput;
    }
    std::string out, error;
    int code = kVmouseRefused;
    {
        SharedMouseMapping mapping;
        MouseLock lock(mapping);
        if (lock.mouse() == nullptr) {
            std::fprintf(stderr, "vmouse: the virtual mouse cannot be reached\n");
            return kVmouseRefused;
        }
        TickClock clock;
        WindowEvents events(lock.mouse()->monitors);
        code = RunVmouseCommand(*parsed.command, *lock.mouse(), clock, &events, mapping.flashPath(),
                                out, error);
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    if (!error.empty()) std::fprintf(stderr, "vmouse: %s\n", error.c_str());
    return code;
}
