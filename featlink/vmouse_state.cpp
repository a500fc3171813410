#include "featlink/vmouse_state.h"

#include <cstdio>
#include <nlohmann/json.hpp>

#include "featlink/exchange_log.h"

namespace tesh::vmouse {

namespace {

using Json = nlohmann::ordered_json;

const char* UpdatePhaseName(uint8_t phase) {
    switch (phase) {
        case kUpdateIdle:
            return "idle";
        case kUpdateBegun:
            return "begun";
        case kUpdateSized:
            return "sized";
        case kUpdateReady:
            return "erased";
        case kUpdateHeaderTaken:
            return "block header taken";
        default:
            return "unknown";
    }
}

std::string Hex(uint64_t value) {
    char text[24];
    std::snprintf(text, sizeof text, "0x%llx", static_cast<unsigned long long>(value));
    return text;
}

Json ButtonsDown(const InputState& input) {
    Json down = Json::array();
    for (int button = 0; button < kDeviceButtons; ++button) {
        if (input.pressedAs[button] >= 0) down.push_back(button);
    }
    return down;
}

Json FaultsJson(const Faults& faults) {
    return Json{{"busy", faults.busyPolls},           {"status", faults.forcedStatus},
                {"setfail", faults.failSets},         {"getfail", faults.failGets},
                {"checksum", faults.corruptChecksum}, {"macro-count", faults.macroEventCount}};
}

Json MonitorsJson(const MonitorTable& table) {
    Json monitors = Json::array();
    for (const MonitorEntry& entry : table.entries) {
        if (entry.window == 0) continue;
        monitors.push_back(Json{{"process", entry.processId},
                                {"window", Hex(entry.window)},
                                {"eventMessage", entry.eventMessage},
                                {"plugMessage", entry.plugMessage}});
    }
    return monitors;
}

Json StateJson(const SharedMouse& mouse, const std::string& flashFile) {
    const DeviceState& state = mouse.device;
    const DeviceFlash& flash = state.flash;
    return Json{{"plugged", state.plugged != 0},
                {"firmware", flash.firmwareVersion},
                {"dfu", flash.dfuVersion},
                {"profile", flash.activeProfile},
                {"dpiLevel", flash.profiles[ActiveProfileIndex(flash)].cpiLevel},
                {"update", UpdatePhaseName(state.update.phase)},
                {"shiftHeld", state.input.shiftHeld != 0},
                {"buttonsDown", ButtonsDown(state.input)},
                {"faults", FaultsJson(state.faults)},
                {"logEntries", LogSize(state.log)},
                {"logTotal", state.log.total},
                {"monitors", MonitorsJson(mouse.monitors)},
                {"flashFile", flashFile}};
}

// One "name: value" line per member; arrays and objects as words on one line.
std::string Text(const Json& value) {
    if (value.is_string()) return value.get<std::string>();
    if (value.is_boolean()) return value.get<bool>() ? "yes" : "no";
    if (value.is_array()) {
        std::string words;
        for (const Json& item : value) words += (words.empty() ? "" : ", ") + Text(item);
        return words.empty() ? "none" : words;
    }
    if (value.is_object()) {
        std::string words;
        for (const auto& [name, item] : value.items()) {
            words += (words.empty() ? "" : " ") + name + " " + Text(item);
        }
        return words;
    }
    return value.dump();
}

}  // namespace

std::string DescribeMouse(const SharedMouse& mouse, bool json, const std::string& flashFile) {
    const Json state = StateJson(mouse, flashFile);
    // A path in the system's code page need not be UTF-8: shown, not refused.
    if (json) return state.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
    std::string text;
    for (const auto& [name, value] : state.items()) text += name + ": " + Text(value) + "\n";
    return text;
}

}  // namespace tesh::vmouse
