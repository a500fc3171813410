#include "tools/record_json.h"

#include <algorithm>
#include <cstring>

namespace tesh {

namespace {

constexpr std::size_t kEventSize = sizeof(MacroEvent);
constexpr std::size_t kEventFields = 3;  // key, action, delay

Status ReadEvent(const Json& value, uint8_t* events, std::size_t index) {
    Status s = ExpectArray(value, kEventFields);
    if (!s.ok()) return s;
    uint8_t key = 0, action = 0;
    int64_t delay = 0;
    if (!(s = ReadByte(value[0], key)).ok()) return s.In("[0]");
    if (!(s = ReadByte(value[1], action)).ok()) return s.In("[1]");
    if (!(s = ReadInteger(value[2], 0, kWordMax, delay)).ok()) return s.In("[2]");
    uint8_t* at = events + index * kEventSize;
    at[0] = key;
    at[1] = action;
    at[2] = static_cast<uint8_t>(delay & 0xFF);  // little-endian, as the mouse stores it
    at[3] = static_cast<uint8_t>(delay >> 8);
    return Status::Ok();
}

}  // namespace

Status EventsFromJson(const Json& value, uint8_t (&events)[kEventAreaSize]) {
    if (!value.is_array()) return ExpectArray(value, 0);
    if (value.size() > static_cast<std::size_t>(kMaxMacroEvents))
        return Status::Error(std::to_string(value.size()) + " events, at most " +
                             std::to_string(kMaxMacroEvents) + " fit");
    std::memset(events, 0, sizeof events);
    for (std::size_t i = 0; i < value.size(); ++i) {
        Status s = ReadEvent(value[i], events, i);
        if (!s.ok()) return s.In(EntryName("", i));
    }
    return Status::Ok();
}

MacroEvent EventOf(const uint8_t* events, int index) {
    const uint8_t* at = events + static_cast<std::size_t>(index) * kEventSize;
    return {at[0], at[1], static_cast<uint16_t>(at[2] | (at[3] << 8))};
}

Json EventsToJson(const uint8_t* events, int count) {
    Json list = Json::array();
    for (int i = 0; i < count; ++i) {
        MacroEvent e = EventOf(events, i);
        list.push_back(Json::array({e.key, e.action, e.delay}));
    }
    return list;
}

Json LightToJson(const LightEntry& light) {
    Json j = Json::object();
    j["index"] = light.colorIndex;
    j["on"] = light.on;
    j["red"] = light.red;
    j["green"] = light.green;
    j["blue"] = light.blue;
    return j;
}

Status LightFromJson(const Json& value, LightEntry& light) {
    Status s = ExpectObject(value);
    if (!s.ok()) return s;
    for (const auto& [key, member] : value.items()) {
        uint8_t* target = key == "index"   ? &light.colorIndex
                          : key == "on"    ? &light.on
                          : key == "red"   ? &light.red
                          : key == "green" ? &light.green
                          : key == "blue"  ? &light.blue
                                           : nullptr;
        if (!target) return UnknownKey(key);
        if (!(s = ReadByte(member, *target)).ok()) return s.In(key);
    }
    return Status::Ok();
}

int ShownEventCount(const ButtonRecord& button) {
    return std::min<int>(button.eventCount, kMaxMacroEvents);
}

MacroEvent EventAt(const ButtonRecord& button, int index) {
    return EventOf(button.events, index);
}

Json ButtonToJson(const ButtonRecord& b) {
    Json events = EventsToJson(b.events, ShownEventCount(b));
    Json j = Json::object();
    j["number"] = b.number;
    j["code"] = b.code;
    j["targetId"] = b.targetId;
    j["text1"] = TextToJson(b.text1, sizeof b.text1);
    j["macroSet"] = TextToJson(b.macroSetName, sizeof b.macroSetName);
    j["macroName"] = TextToJson(b.macroName, sizeof b.macroName);
    j["repeat"] = b.repeatCount;
    j["eventCount"] = b.eventCount;
    j["events"] = std::move(events);
    j["timerValue"] = b.timerValue;
    j["timerName"] = TextToJson(b.timerName, sizeof b.timerName);
    j["programPath"] = TextToJson(b.programPath, sizeof b.programPath);
    return j;
}

Status ButtonFromJson(const Json& value, ButtonRecord& b) {
    Status s = ExpectObject(value);
    if (!s.ok()) return s;
    const Json* events = nullptr;
    const Json* eventCount = nullptr;
    for (const auto& [key, member] : value.items()) {
        if (key == "number")
            s = ReadByte(member, b.number);
        else if (key == "code")
            s = ReadByte(member, b.code);
        else if (key == "targetId")
            s = ReadInt32(member, b.targetId);
        else if (key == "text1")
            s = ReadText(member, b.text1, sizeof b.text1);
        else if (key == "macroSet")
            s = ReadText(member, b.macroSetName, sizeof b.macroSetName);
        else if (key == "macroName")
            s = ReadText(member, b.macroName, sizeof b.macroName);
        else if (key == "repeat")
            s = ReadInt32(member, b.repeatCount);
        else if (key == "eventCount")
            eventCount = &member;
        else if (key == "events")
            s = EventsFromJson(*(events = &member), b.events);
        else if (key == "timerValue")
            s = ReadInt32(member, b.timerValue);
        else if (key == "timerName")
            s = ReadText(member, b.timerName, sizeof b.timerName);
        else if (key == "programPath")
            s = ReadText(member, b.programPath, sizeof b.programPath);
        else
            return UnknownKey(key);
        if (!s.ok()) return s.In(key);
    }
    if (eventCount) {
        int64_t count = 0;
        if (!(s = ReadInteger(*eventCount, 0, kMaxMacroEvents, count)).ok())
            return s.In("eventCount");
        if (events && static_cast<std::size_t>(count) != events->size())
            return Status::Error("eventCount is " + std::to_string(count) + " but events holds " +
                                 std::to_string(events->size()));
        b.eventCount = static_cast<uint16_t>(count);
    } else if (events) {
        b.eventCount = static_cast<uint16_t>(events->size());
    }
    return Status::Ok();
}

}  // namespace tesh
