#include <optional>

#include "settings/file_io.h"
#include "settings/ini_document.h"
#include "settings/library_names.h"
#include "tools/json_print.h"
#include "tools/library_json.h"
#include "tools/library_text.h"
#include "tools/tool_commands.h"

namespace tesh {

namespace {

Status ReadInput(const std::string& path, std::string& text) {
    bool missing = false;
    std::optional<std::string> bytes = ReadWholeFile(path, &missing);
    if (!bytes) return Status::Error(missing ? "no such file" : "cannot read the file").About(path);
    text = std::move(*bytes);
    return Status::Ok();
}

// The file as a document; refused unless it holds `section`.
Status ReadDocument(const std::string& path, const char* section, const char* what,
                    IniDocument& doc) {
    std::string text;
    Status s = ReadInput(path, text);
    if (!s.ok()) return s;
    doc = IniDocument::Parse(text);
    for (const std::string& name : doc.SectionNames())
        if (EqualsIgnoreCase(name, section)) return Status::Ok();
    return Status::Error(std::string("not a ") + what + " (no [" + section + "] section)")
        .About(path);
}

Status ReadJsonInput(const std::string& path, Json& json) {
    std::string text;
    Status s = ReadInput(path, text);
    if (!s.ok()) return s;
    return ParseJson(text, json).About(path);
}

Status WriteOutput(const std::string& path, std::string_view bytes) {
    if (!WriteFileAtomically(path, bytes))
        return Status::Error("cannot write the file").About(path);
    return Status::Ok();
}

constexpr char kMacroFileWhat[] = "macro library";
constexpr char kTimerFileWhat[] = "timer list";

Status LoadLibrary(const std::string& path, MacroLibrary& library) {
    IniDocument doc;
    Status s = ReadDocument(path, kSetIndexSection, kMacroFileWhat, doc);
    if (s.ok()) library = ReadMacroLibrary(doc);
    return s;
}

Status LoadTimers(const std::string& path, TimerList& timers) {
    IniDocument doc;
    Status s = ReadDocument(path, kTimerSection, kTimerFileWhat, doc);
    if (s.ok()) timers = ReadTimerList(doc);
    return s;
}

}  // namespace

Status MacrosShow(const CommandArgs& args, RegistryPort&, std::string& output) {
    MacroLibrary library;
    Status s = LoadLibrary(args.positionals[0], library);
    if (s.ok())
        output = args.json ? PrettyJson(MacroLibraryToJson(library)) : MacroLibraryText(library);
    return s;
}

Status MacrosExport(const CommandArgs& args, RegistryPort&, std::string&) {
    MacroLibrary library;
    Status s = LoadLibrary(args.positionals[0], library);
    if (!s.ok()) return s;
    return WriteOutput(args.positionals[1], PrettyJson(MacroLibraryToJson(library)));
}

Status MacrosImport(const CommandArgs& args, RegistryPort&, std::string&) {
    const std::string& in = args.positionals[0];
    Json json;
    Status s = ReadJsonInput(in, json);
    if (!s.ok()) return s;
    MacroLibrary library;
    if (!(s = MacroLibraryFromJson(json, library)).ok()) return s.About(in);
    IniDocument doc;
    WriteMacroLibrary(doc, library);
    return WriteOutput(args.positionals[1], doc.Serialize());
}

Status TimersShow(const CommandArgs& args, RegistryPort&, std::string& output) {
    TimerList timers;
    Status s = LoadTimers(args.positionals[0], timers);
    if (s.ok()) output = args.json ? PrettyJson(TimerListToJson(timers)) : TimerListText(timers);
    return s;
}

Status TimersExport(const CommandArgs& args, RegistryPort&, std::string&) {
    TimerList timers;
    Status s = LoadTimers(args.positionals[0], timers);
    if (!s.ok()) return s;
    return WriteOutput(args.positionals[1], PrettyJson(TimerListToJson(timers)));
}

Status TimersImport(const CommandArgs& args, RegistryPort&, std::string&) {
    const std::string& in = args.positionals[0];
    Json json;
    Status s = ReadJsonInput(in, json);
    if (!s.ok()) return s;
    TimerList timers;
    if (!(s = TimerListFromJson(json, timers)).ok()) return s.About(in);
    return WriteOutput(args.positionals[1], TimerListDocument(timers).Serialize());
}

}  // namespace tesh
