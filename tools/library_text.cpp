#include "tools/library_text.h"

#include "settings/profile_file.h"
#include "tools/json_values.h"
#include "tools/record_json.h"
#include "tools/text_codec.h"

namespace tesh {

namespace {

constexpr int kEventsShown = 8;

std::string Quoted(const std::string& ansi) {
    return Json(AnsiToUtf8(ansi)).dump();
}

std::string Plural(std::size_t n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

std::string MacroLine(const MacroRecord& m) {
    std::string line = "  macro " + Quoted(FieldText(m.name, sizeof m.name)) + ": repeat " +
                       std::to_string(m.repeatCount) + ", " +
                       Plural(static_cast<std::size_t>(m.eventCount), "event", "events");
    for (int i = 0; i < m.eventCount && i < kEventsShown; ++i) {
        MacroEvent e = EventOf(m.events, i);
        line += " [" + std::to_string(e.key) + " " + std::to_string(e.action) + " " +
                std::to_string(e.delay) + "]";
    }
    if (m.eventCount > kEventsShown)
        line += " (" + std::to_string(m.eventCount - kEventsShown) + " more)";
    return line + "\n";
}

}  // namespace

std::string MacroLibraryText(const MacroLibrary& library) {
    std::string text = Plural(library.sets.size(), "macro set", "macro sets") + "\n";
    for (const MacroSet& set : library.sets) {
        text +=
            "set " + Quoted(set.name) + ": " + Plural(set.macros.size(), "macro", "macros") + "\n";
        for (const MacroRecord& m : set.macros) text += MacroLine(m);
    }
    return text;
}

std::string TimerListText(const TimerList& timers) {
    std::string text = Plural(timers.size(), "timer", "timers") + "\n";
    for (const TimerRecord& t : timers)
        text += "timer " + Quoted(FieldText(t.name, sizeof t.name)) + ": " +
                std::to_string(t.seconds) + " s\n";
    return text;
}

}  // namespace tesh
