// The commands of vmouse, the control tool of the virtual mouse: one command per call,
// parsed from the words after the program name and carried out on the shared mouse.
//   plug | unplug | press N | release N | event CLASS VALUE | profile N | dpi LEVEL
//   usage CLASS COUNT | fault KIND [N] | set firmware V | set dfu V
//   request macro PROFILE BUTTON | request colours | state [--json] | log [--clear]
// Numbers are decimal or hexadecimal with 0x.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "featlink/device_ports.h"
#include "featlink/shared_mouse.h"

namespace tesh::vmouse {

// Exit codes of vmouse.
constexpr int kVmouseOk = 0;
constexpr int kVmouseRefused = 1;  // the mouse ignored the action (e.g. it is unplugged)
constexpr int kVmouseBadInput = 2;

extern const char kVmouseUsage[];

enum class VmouseVerb {
    kPlug,
    kUnplug,
    kPress,
    kRelease,
    kEvent,
    kProfile,
    kDpi,
    kUsage,
    kFault,
    kSetFirmware,
    kSetDfu,
    kRequestMacro,
    kRequestColours,
    kState,
    kLog,
};

enum class FaultKind { kBusy, kStatus, kSetFail, kGetFail, kChecksum, kMacroCount, kClear };

struct VmouseCommand {
    VmouseVerb verb = VmouseVerb::kState;
    FaultKind fault = FaultKind::kClear;
    uint32_t first = 0;  // the command's numbers in the order they are written
    uint32_t second = 0;
    bool json = false;   // state --json
    bool clear = false;  // log --clear: empty the log after printing it
};

struct ParsedVmouseCommand {
    std::optional<VmouseCommand> command;
    std::string error;  // what is wrong when there is no command
};

// `args` are the words after the program name.
ParsedVmouseCommand ParseVmouseCommand(const std::vector<std::string>& args);

// Decimal, or hexadecimal with 0x; nullopt when not a number or above `max`.
std::optional<uint32_t> ParseVmouseNumber(const std::string& text, uint32_t max);

// Carries out a command; what it prints goes to `out` and a refusal is explained in
// `error`. `events` may be null; `flashFile` is the file this process saves the flash
// to, as `state` shows it. Returns the exit code.
int RunVmouseCommand(const VmouseCommand& command, SharedMouse& mouse, const Clock& clock,
                     EventSink* events, const std::string& flashFile, std::string& out,
                     std::string& error);

}  // namespace tesh::vmouse
