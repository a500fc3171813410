#include "featlink/vmouse_commands.h"

#include <charconv>

#include "featlink/event_codes.h"
#include "featlink/wire.h"

namespace tesh::vmouse {

const char kVmouseUsage[] =
    "usage: vmouse plug | unplug | press N | release N | event CLASS VALUE | profile N | "
    "dpi LEVEL | usage CLASS COUNT | fault busy N|status V|setfail N|getfail N|checksum "
    "[N]|macro-count N|clear | set firmware V | set dfu V | request macro PROFILE BUTTON | "
    "request colours | state [--json] | log [--clear]";

namespace {

constexpr uint32_t kByteMax = 0xFF;
constexpr uint32_t kWordMax = 0xFFFF;
constexpr uint32_t kCountMax = 0xFFFFFFFF;
constexpr uint32_t kLastButton = kDeviceButtons - 1;
constexpr uint32_t kLastProfile = kDeviceProfiles - 1;
constexpr uint32_t kLastLevel = kCpiLevelCount - 1;
constexpr uint32_t kFirstMacroButton = 2;  // buttons 0 and 1 have no macro

// A word and the numbers that follow it, each with its range.
struct Shape {
    const char* word;
    const char* what[2];  // names of the numbers, for messages; null when absent
    uint32_t min[2];
    uint32_t max[2];
};

struct VerbShape {
    VmouseVerb verb;
    Shape shape;
};

constexpr VerbShape kVerbs[] = {
    {VmouseVerb::kPlug, {"plug", {}, {}, {}}},
    {VmouseVerb::kUnplug, {"unplug", {}, {}, {}}},
    {VmouseVerb::kPress, {"press", {"button"}, {0}, {kLastButton}}},
    {VmouseVerb::kRelease, {"release", {"button"}, {0}, {kLastButton}}},
    {VmouseVerb::kEvent, {"event", {"class", "value"}, {0, 0}, {kWordMax, kWordMax}}},
    {VmouseVerb::kProfile, {"profile", {"profile"}, {0}, {kLastProfile}}},
    {VmouseVerb::kDpi, {"dpi", {"level"}, {0}, {kLastLevel}}},
    {VmouseVerb::kUsage,
     {"usage", {"class", "count"}, {kEventUsageFirst, 0}, {kEventUsageLast, kCountMax}}},
};

struct FaultShape {
    FaultKind kind;
    Shape shape;
};

constexpr FaultShape kFaults[] = {
    {FaultKind::kBusy, {"busy", {"polls"}, {0}, {kCountMax}}},
    {FaultKind::kStatus, {"status", {"status"}, {0}, {kByteMax}}},
    {FaultKind::kSetFail, {"setfail", {"count"}, {0}, {kCountMax}}},
    {FaultKind::kGetFail, {"getfail", {"count"}, {0}, {kCountMax}}},
    {FaultKind::kChecksum, {"checksum", {"count"}, {0}, {kCountMax}}},
    {FaultKind::kMacroCount, {"macro-count", {"events"}, {0}, {kWordMax}}},
    {FaultKind::kClear, {"clear", {}, {}, {}}},
};

int Arity(const Shape& shape) {
    return shape.what[1] ? 2 : shape.what[0] ? 1 : 0;
}

// Reads the numbers of `shape` from args[first..]; `optional` numbers may be left out.
bool ReadNumbers(const std::vector<std::string>& args, std::size_t first, const Shape& shape,
                 int optional, VmouseCommand& command, std::string& error) {
    const int arity = Arity(shape);
    const int given = static_cast<int>(args.size() - first);
    if (given > arity || given < arity - optional) {
        error = std::string(shape.word) + ": expected " + std::to_string(arity) +
                (arity == 1 ? " number" : " numbers");
        return false;
    }
    uint32_t* out[2] = {&command.first, &command.second};
    for (int i = 0; i < given; ++i) {
        const std::string& text = args[first + i];
        auto value = ParseVmouseNumber(text, shape.max[i]);
        if (!value || *value < shape.min[i]) {
            error = std::string(shape.word) + ": bad " + shape.what[i] + " '" + text + "'";
            return false;
        }
        *out[i] = *value;
    }
    return true;
}

bool ParseFault(const std::vector<std::string>& args, VmouseCommand& command, std::string& error) {
    command.verb = VmouseVerb::kFault;
    if (args.size() < 2) {
        error = "fault: expected busy, status, setfail, getfail, checksum, macro-count or clear";
        return false;
    }
    for (const FaultShape& fault : kFaults) {
        if (args[1] != fault.shape.word) continue;
        command.fault = fault.kind;
        // A bare "fault checksum" spoils the next reply.
        const bool checksum = fault.kind == FaultKind::kChecksum;
        if (checksum) command.first = 1;
        return ReadNumbers(args, 2, fault.shape, checksum ? 1 : 0, command, error);
    }
    error = "fault: unknown fault '" + args[1] + "'";
    return false;
}

bool ParseSet(const std::vector<std::string>& args, VmouseCommand& command, std::string& error) {
    static constexpr Shape kVersion = {"set", {"version"}, {0}, {kByteMax}};
    if (args.size() >= 2 && args[1] == "firmware") {
        command.verb = VmouseVerb::kSetFirmware;
    } else if (args.size() >= 2 && args[1] == "dfu") {
        command.verb = VmouseVerb::kSetDfu;
    } else {
        error = "set: expected firmware or dfu";
        return false;
    }
    return ReadNumbers(args, 2, kVersion, 0, command, error);
}

bool ParseRequest(const std::vector<std::string>& args, VmouseCommand& command,
                  std::string& error) {
    static constexpr Shape kMacro = {"request macro",
                                     {"profile", "button"},
                                     {0, kFirstMacroButton},
                                     {kLastProfile, kLastButton}};
    static constexpr Shape kColours = {"request colours", {}, {}, {}};
    if (args.size() >= 2 && args[1] == "macro") {
        command.verb = VmouseVerb::kRequestMacro;
        return ReadNumbers(args, 2, kMacro, 0, command, error);
    }
    if (args.size() >= 2 && args[1] == "colours") {
        command.verb = VmouseVerb::kRequestColours;
        return ReadNumbers(args, 2, kColours, 0, command, error);
    }
    error = "request: expected macro or colours";
    return false;
}

// A command with at most one flag and no numbers.
bool ParseFlag(const std::vector<std::string>& args, const char* flag, bool& set,
               std::string& error) {
    if (args.size() == 1) return true;
    if (args.size() == 2 && args[1] == flag) {
        set = true;
        return true;
    }
    error = args[0] + ": the only option is " + flag;
    return false;
}

bool Parse(const std::vector<std::string>& args, VmouseCommand& command, std::string& error) {
    const std::string& word = args[0];
    for (const VerbShape& verb : kVerbs) {
        if (word != verb.shape.word) continue;
        command.verb = verb.verb;
        if (!ReadNumbers(args, 1, verb.shape, 0, command, error)) return false;
        // Usage counters come in classes 0xE100, 0xE200, ... 0xEF00.
        if (verb.verb == VmouseVerb::kUsage && (command.first & 0xFF) != 0) {
            error = "usage: bad class '" + args[1] + "'";
            return false;
        }
        return true;
    }
    if (word == "fault") return ParseFault(args, command, error);
    if (word == "set") return ParseSet(args, command, error);
    if (word == "request") return ParseRequest(args, command, error);
    if (word == "state") {
        command.verb = VmouseVerb::kState;
        return ParseFlag(args, "--json", command.json, error);
    }
    if (word == "log") {
        command.verb = VmouseVerb::kLog;
        return ParseFlag(args, "--clear", command.clear, error);
    }
    error = "unknown command '" + word + "'";
    return false;
}

}  // namespace

std::optional<uint32_t> ParseVmouseNumber(const std::string& text, uint32_t max) {
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    const char* begin = text.data() + (hex ? 2 : 0);
    const char* end = text.data() + text.size();
    uint64_t value = 0;
    auto [stop, status] = std::from_chars(begin, end, value, hex ? 16 : 10);
    if (begin == end || status != std::errc() || stop != end || value > max) return std::nullopt;
    return static_cast<uint32_t>(value);
}

ParsedVmouseCommand ParseVmouseCommand(const std::vector<std::string>& args) {
    ParsedVmouseCommand parsed;
    if (args.empty()) {
        parsed.error = "no command";
        return parsed;
    }
    VmouseCommand command;
    if (Parse(args, command, parsed.error)) parsed.command = command;
    return parsed;
}

}  // namespace tesh::vmouse
