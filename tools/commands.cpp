#include "tools/commands.h"

#include <exception>
#include <ostream>
#include <string_view>

#include "tools/tool_commands.h"

namespace tesh {

namespace {

using Handler = Status (*)(const CommandArgs&, RegistryPort&, std::string&);

struct Command {
    std::string_view group;
    std::string_view verb;
    unsigned options;
    std::size_t positionals;
    std::string_view synopsis;  // arguments after the command name
    std::string_view summary;
    Handler run;
};

constexpr Command kCommands[] = {
    {"profile", "show", kJsonOption, 1, "FILE.qfm [--json]",
     "show a profile file, as text or as one JSON object", ProfileShow},
    {"profile", "import", kSlotOption, 2, "FILE.json OUT.qfm [--slot N]",
     "write a profile file from JSON; keys left out take the defaults of slot N (0..4, "
     "default 0)",
     ProfileImport},
    {"profile", "new", kSlotOption, 1, "--slot N OUT.qfm",
     "write the default profile of slot N (0..4, default 0)", ProfileNew},
    {"macros", "show", kJsonOption, 1, "FILE.dat [--json]",
     "show a macro library (Preset_sequence.dat), as text or as one JSON object", MacrosShow},
    {"macros", "export", 0, 2, "FILE.dat OUT.json", "write a macro library as JSON", MacrosExport},
    {"macros", "import", 0, 2, "FILE.json OUT.dat",
     "write a macro library from JSON; importing an export gives the same file", MacrosImport},
    {"timers", "show", kJsonOption, 1, "FILE.ini [--json]",
     "show a timer list (Timer.ini), as text or as one JSON object", TimersShow},
    {"timers", "export", 0, 2, "FILE.ini OUT.json", "write a timer list as JSON", TimersExport},
    {"timers", "import", 0, 2, "FILE.json OUT.ini",
     "write a timer list from JSON; importing an export gives the same file", TimersImport},
    {"settings", "show", kJsonOption, 1, "DIR [--json]",
     "show all settings as the programs load them from program directory DIR", SettingsShow},
};

bool IsHelp(std::string_view a) {
    return a == "--help" || a == "-h";
}

const Command* FindCommand(const std::vector<std::string>& args) {
    if (args.size() < 2) return nullptr;
    for (const Command& c : kCommands)
        if (args[0] == c.group && args[1] == c.verb) return &c;
    return nullptr;
}

Status Run(const Command& c, const std::vector<std::string>& args, ToolContext& context,
           std::string& output) {
    const std::string name = std::string(c.group) + " " + std::string(c.verb);
    CommandArgs parsed;
    Status s = ParseCommandArgs(args, 2, c.options, parsed);
    if (s.ok() && parsed.positionals.size() != c.positionals)
        s = Status::Error(parsed.positionals.size() < c.positionals
                              ? "missing arguments, expected " + std::string(c.synopsis)
                              : "too many arguments, expected " + std::string(c.synopsis));
    if (!s.ok()) return s.About(name);
    return c.run(parsed, context.registry, output);
}

}  // namespace

std::string UsageText() {
    std::string text = std::string("usage: ") + kToolName + " COMMAND ARGUMENTS\n\ncommands:\n";
    for (const Command& c : kCommands) {
        text += "  " + std::string(c.group) + " " + std::string(c.verb) + " " +
                std::string(c.synopsis) + "\n      " + std::string(c.summary) + "\n";
    }
    text += "  --help\n      show this text\n\n";
    text += "Exit status: 0 on success, 2 when an argument or an input file is refused\n";
    text += "(nothing is written then).\n";
    return text;
}

int RunTool(const std::vector<std::string>& args, ToolContext& context) {
    auto fail = [&](const std::string& message, int code) {
        context.err << kToolName << ": " << message << "\n";
        return code;
    };
    if (args.empty()) {
        context.err << UsageText();
        return kExitBadInput;
    }
    if (args.size() == 1 && IsHelp(args[0])) {
        context.out << UsageText();
        return kExitOk;
    }
    const Command* command = FindCommand(args);
    if (!command) {
        std::string given = args[0] + (args.size() > 1 ? " " + args[1] : "");
        return fail("unknown command \"" + given + "\" (see " + kToolName + " --help)",
                    kExitBadInput);
    }
    try {
        std::string output;
        Status s = Run(*command, args, context, output);
        if (!s.ok()) return fail(s.message(), kExitBadInput);
        context.out << output;
        context.out.flush();
        return kExitOk;
    } catch (const std::exception& e) {
        return fail(std::string("internal error: ") + e.what(), kExitFailure);
    }
}

}  // namespace tesh
