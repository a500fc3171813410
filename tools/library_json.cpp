#include "tools/library_json.h"

#include <cstring>

#include "settings/library_names.h"
#include "settings/profile_file.h"
#include "tools/record_json.h"
#include "tools/text_codec.h"

namespace tesh {

namespace {

// A JSON string as ANSI text of at most `maxBytes` bytes: refused when longer.
Status ReadName(const Json& value, std::size_t maxBytes, std::string& name) {
    if (!value.is_string())
        return Status::Error(std::string("expected a string, got ") + value.type_name());
    Status s = Utf8ToAnsi(value.get_ref<const std::string&>(), name);
    if (!s.ok()) return s;
    if (name.find('\0') != std::string::npos) return Status::Error("a name cannot hold a NUL");
    if (name.size() > maxBytes)
        return Status::Error("name of " + std::to_string(name.size()) + " bytes, at most " +
                             std::to_string(maxBytes) + " fit");
    return Status::Ok();
}

// Runs `member` over the object's members; `required` must be among them.
template <typename Member>
Status ReadObject(const Json& value, std::string_view required, Member&& member) {
    Status s = ExpectObject(value);
    if (!s.ok()) return s;
    if (!required.empty() && !value.contains(std::string(required)))
        return Status::Error("missing key \"" + std::string(required) + "\"");
    for (const auto& [key, item] : value.items()) {
        s = member(key, item);
        if (!s.ok()) return s;
    }
    return Status::Ok();
}

// The array under a list's key, of at most `limit` entries.
Status ExpectList(const Json& value, int limit, const char* what) {
    if (!value.is_array()) return ExpectArray(value, 0);
    if (value.size() > static_cast<std::size_t>(limit))
        return Status::Error(std::to_string(value.size()) + " " + what + ", at most " +
                             std::to_string(limit));
    return Status::Ok();
}

Json MacroToJson(const MacroRecord& macro) {
    Json j = Json::object();
    j["name"] = TextToJson(macro.name, sizeof macro.name);
    j["repeat"] = macro.repeatCount;
    j["events"] = EventsToJson(macro.events, macro.eventCount);
    return j;
}

Status MacroFromJson(const Json& value, MacroRecord& macro) {
    macro = NewMacro("");
    return ReadObject(value, "name", [&](const std::string& key, const Json& item) -> Status {
        Status s;
        if (key == "name") {
            std::string name;
            s = ReadName(item, sizeof macro.name - 1, name);
            if (s.ok()) CopyToField(macro.name, sizeof macro.name, name);
        } else if (key == "repeat") {
            int64_t repeat = 0;
            s = ReadInteger(item, 0, kMaxRepeatCount, repeat);
            macro.repeatCount = static_cast<int32_t>(repeat);
        } else if (key == "events") {
            s = EventsFromJson(item, macro.events);
            if (s.ok()) macro.eventCount = static_cast<int32_t>(item.size());
        } else {
            return UnknownKey(key);
        }
        return s.In(key);
    });
}

Status SetFromJson(const Json& value, const MacroLibrary& earlier, MacroSet& set) {
    set = MacroSet{};
    return ReadObject(value, "name", [&](const std::string& key, const Json& item) -> Status {
        Status s;
        if (key == "name") {
            s = ReadName(item, kMaxSetNameBytes, set.name);
            if (s.ok() && (!IsStorableSetName(set.name) || TrimName(set.name) != set.name))
                s = Status::Error(Json(AnsiToUtf8(set.name)).dump() +
                                  " cannot name a macro set (blanks around it, \"[\", \"]\", "
                                  "control characters or the name of the set list)");
            if (s.ok() && FindSet(earlier, set.name) >= 0)
                s = Status::Error("a set named " + Json(AnsiToUtf8(set.name)).dump() +
                                  " comes before");
        } else if (key == "macros") {
            s = ExpectList(item, kMaxMacrosPerSet, "macros");
            for (std::size_t i = 0; s.ok() && i < item.size(); ++i) {
                MacroRecord macro;
                s = MacroFromJson(item[i], macro).In(EntryName("", i));
                set.macros.push_back(macro);
            }
        } else {
            return UnknownKey(key);
        }
        return s.In(key);
    });
}

Status TimerFromJson(const Json& value, const TimerList& earlier, TimerRecord& timer) {
    timer = NewTimer("", kMinTimerSeconds);
    bool hasSeconds = false;
    Status s = ReadObject(value, "name", [&](const std::string& key, const Json& item) -> Status {
        Status r;
        if (key == "name") {
            std::string name;
            r = ReadName(item, sizeof timer.name - 1, name);
            if (r.ok() && TrimName(name).empty()) r = Status::Error("a timer needs a name");
            if (r.ok() && FindTimer(earlier, name) >= 0)
                r = Status::Error("a timer named " + Json(AnsiToUtf8(name)).dump() +
                                  " comes before");
            if (r.ok()) CopyToField(timer.name, sizeof timer.name, name);
        } else if (key == "seconds") {
            int64_t seconds = 0;
            r = ReadInteger(item, kMinTimerSeconds, kMaxTimerSeconds, seconds);
            timer.seconds = static_cast<int32_t>(seconds);
            hasSeconds = true;
        } else {
            return UnknownKey(key);
        }
        return r.In(key);
    });
    if (s.ok() && !hasSeconds) return Status::Error("missing key \"seconds\"");
    return s;
}

}  // namespace

Json MacroLibraryToJson(const MacroLibrary& library) {
    Json sets = Json::array();
    for (const MacroSet& set : library.sets) {
        Json macros = Json::array();
        for (const MacroRecord& macro : set.macros) macros.push_back(MacroToJson(macro));
        Json j = Json::object();
        j["name"] = AnsiToUtf8(set.name);
        j["macros"] = std::move(macros);
        sets.push_back(std::move(j));
    }
    Json root = Json::object();
    root["sets"] = std::move(sets);
    return root;
}

Status MacroLibraryFromJson(const Json& value, MacroLibrary& library) {
    library = MacroLibrary{};
    return ReadObject(value, "sets", [&](const std::string& key, const Json& item) -> Status {
        if (key != "sets") return UnknownKey(key);
        Status s = ExpectList(item, kMaxMacroSets, "sets");
        for (std::size_t i = 0; s.ok() && i < item.size(); ++i) {
            MacroSet set;
            s = SetFromJson(item[i], library, set).In(EntryName("", i));
            library.sets.push_back(std::move(set));
        }
        return s.In(key);
    });
}

Json TimerListToJson(const TimerList& timers) {
    Json list = Json::array();
    for (const TimerRecord& timer : timers) {
        Json j = Json::object();
        j["name"] = TextToJson(timer.name, sizeof timer.name);
        j["seconds"] = timer.seconds;
        list.push_back(std::move(j));
    }
    Json root = Json::object();
    root["timers"] = std::move(list);
    return root;
}

Status TimerListFromJson(const Json& value, TimerList& timers) {
    timers.clear();
    return ReadObject(value, "timers", [&](const std::string& key, const Json& item) -> Status {
        if (key != "timers") return UnknownKey(key);
        Status s = ExpectList(item, kMaxTimers, "timers");
        for (std::size_t i = 0; s.ok() && i < item.size(); ++i) {
            TimerRecord timer;
            s = TimerFromJson(item[i], timers, timer).In(EntryName("", i));
            timers.push_back(timer);
        }
        return s.In(key);
    });
}

}  // namespace tesh
