#include "tools/profile_text.h"

#include <cstring>

#include "settings/profile_fields.h"
#include "settings/profile_file.h"
#include "tools/json_values.h"
#include "tools/record_json.h"
#include "tools/text_codec.h"

namespace tesh {

namespace {

// A text member quoted and escaped, so that any byte it holds stays on its line.
std::string Quoted(const char* field, std::size_t size) {
    return TextToJson(field, size).dump();
}

void AppendText(std::string& line, const char* name, const char* field, std::size_t size) {
    if (field[0] != '\0') line += std::string(", ") + name + " " + Quoted(field, size);
}

void AppendNumber(std::string& line, const char* name, long long value) {
    if (value != 0) line += std::string(", ") + name + " " + std::to_string(value);
}

std::string FieldValue(const ProfileField& f, const uint8_t* at) {
    switch (f.kind) {
        case FieldKind::kString: {
            std::string text = AnsiToUtf8(FieldText(reinterpret_cast<const char*>(at), f.size));
            // A line break can only come from a damaged file: escape the text then.
            return text.find_first_of("\r\n") == std::string::npos ? text : Json(text).dump();
        }
        case FieldKind::kInt: {
            int32_t v;
            std::memcpy(&v, at, sizeof v);
            return std::to_string(v);
        }
        case FieldKind::kByte:
            return std::to_string(*at);
        case FieldKind::kStruct:
            if (f.size == sizeof(LightEntry)) {
                LightEntry light;
                std::memcpy(&light, at, sizeof light);
                return LightSummary(light);
            }
            return ButtonSummary(*reinterpret_cast<const ButtonRecord*>(at));
    }
    return "";
}

}  // namespace

std::string LightSummary(const LightEntry& l) {
    return "index " + std::to_string(l.colorIndex) + ", on " + std::to_string(l.on) + ", rgb " +
           std::to_string(l.red) + " " + std::to_string(l.green) + " " + std::to_string(l.blue);
}

std::string ButtonSummary(const ButtonRecord& b) {
    std::string line = "number " + std::to_string(b.number) + ", code " + std::to_string(b.code);
    AppendNumber(line, "targetId", b.targetId);
    AppendText(line, "text1", b.text1, sizeof b.text1);
    AppendText(line, "macroSet", b.macroSetName, sizeof b.macroSetName);
    AppendText(line, "macroName", b.macroName, sizeof b.macroName);
    AppendNumber(line, "repeat", b.repeatCount);
    line += ", eventCount " + std::to_string(b.eventCount);
    int count = ShownEventCount(b);
    if (count > 0) line += ", events";
    for (int i = 0; i < count && i < kEventsShown; ++i) {
        MacroEvent e = EventAt(b, i);
        line += " [" + std::to_string(e.key) + " " + std::to_string(e.action) + " " +
                std::to_string(e.delay) + "]";
    }
    if (count > kEventsShown) line += " (" + std::to_string(count - kEventsShown) + " more)";
    AppendNumber(line, "timerValue", b.timerValue);
    AppendText(line, "timerName", b.timerName, sizeof b.timerName);
    AppendText(line, "programPath", b.programPath, sizeof b.programPath);
    return line;
}

std::string ProfileText(const ProfileRecord& profile) {
    const auto* base = reinterpret_cast<const uint8_t*>(&profile);
    std::string text;
    for (const ProfileField& f : ProfileFields())
        text += f.key + " = " + FieldValue(f, base + f.offset) + "\n";
    return text;
}

}  // namespace tesh
