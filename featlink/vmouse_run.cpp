// What each vmouse command does to the shared mouse. Actions that the mouse itself would
// report (a profile or DPI level chosen on the mouse) go out as the events it sends.
#include <string>

#include "featlink/device.h"
#include "featlink/event_codes.h"
#include "featlink/exchange_log.h"
#include "featlink/vmouse_commands.h"
#include "featlink/vmouse_state.h"

namespace tesh::vmouse {

namespace {

void SetFault(Faults& faults, const VmouseCommand& command) {
    switch (command.fault) {
        case FaultKind::kBusy:
            faults.busyPolls = command.first;
            break;
        case FaultKind::kStatus:
            faults.forcedStatus = static_cast<int32_t>(command.first);
            break;
        case FaultKind::kSetFail:
            faults.failSets = command.first;
            break;
        case FaultKind::kGetFail:
            faults.failGets = command.first;
            break;
        case FaultKind::kChecksum:
            faults.corruptChecksum = command.first;
            break;
        case FaultKind::kMacroCount:
            faults.macroEventCount = command.first;
            break;
        case FaultKind::kClear:
            faults = Faults{};
            faults.forcedStatus = -1;
            break;
    }
}

// The profile or DPI level chosen on the mouse: changed, and reported when it changed.
bool ChooseProfile(Device& device, uint32_t profile) {
    DeviceFlash& flash = device.state().flash;
    if (!device.plugged()) return false;
    if (flash.activeProfile == profile) return true;
    flash.activeProfile = static_cast<uint8_t>(profile);
    return device.Emit(kEventProfile, static_cast<uint16_t>(profile + 1));
}

bool ChooseLevel(Device& device, uint32_t level) {
    DeviceFlash& flash = device.state().flash;
    ProfileSettings& profile = flash.profiles[ActiveProfileIndex(flash)];
    if (!device.plugged()) return false;
    if (profile.cpiLevel == level) return true;
    profile.cpiLevel = static_cast<uint8_t>(level);
    return device.Emit(kEventCpiLevel, static_cast<uint16_t>(level + 1));
}

std::string LogText(const ExchangeLog& log) {
    std::string text;
    const uint32_t size = LogSize(log);
    for (uint32_t i = 0; i < size; ++i) text += FormatLogEntry(LogEntryAt(log, i)) + "\n";
    return text;
}

// Runs the commands that act on the mouse; false when the mouse ignored the action.
bool Act(const VmouseCommand& command, Device& device) {
    const auto word = [](uint32_t value) { return static_cast<uint16_t>(value); };
    switch (command.verb) {
        case VmouseVerb::kPlug:
            device.Plug();
            return true;
        case VmouseVerb::kUnplug:
            device.Unplug();
            return true;
        case VmouseVerb::kPress:
            return device.Press(static_cast<int>(command.first));
        case VmouseVerb::kRelease:
            return device.Release(static_cast<int>(command.first));
        case VmouseVerb::kEvent:
            return device.Emit(word(command.first), word(command.second));
        case VmouseVerb::kProfile:
            return ChooseProfile(device, command.first);
        case VmouseVerb::kDpi:
            return ChooseLevel(device, command.first);
        case VmouseVerb::kUsage:
            return device.Usage(word(command.first), command.second);
        case VmouseVerb::kRequestMacro:
            return device.RequestMacro(static_cast<int>(command.first),
                                       static_cast<int>(command.second));
        case VmouseVerb::kRequestColours:
            return device.RequestColourDatabase();
        default:
            return true;
    }
}

}  // namespace

int RunVmouseCommand(const VmouseCommand& command, SharedMouse& mouse, const Clock& clock,
                     EventSink* events, const std::string& flashFile, std::string& out,
                     std::string& error) {
    Device device(mouse.device, clock, events);
    switch (command.verb) {
        case VmouseVerb::kFault:
            SetFault(device.faults(), command);
            return kVmouseOk;
        case VmouseVerb::kSetFirmware:
            mouse.device.flash.firmwareVersion = static_cast<uint8_t>(command.first);
            return kVmouseOk;
        case VmouseVerb::kSetDfu:
            mouse.device.flash.dfuVersion = static_cast<uint8_t>(command.first);
            return kVmouseOk;
        case VmouseVerb::kState:
            out = DescribeMouse(mouse, command.json, flashFile);
            return kVmouseOk;
        case VmouseVerb::kLog:
            out = LogText(mouse.device.log);
            if (command.clear) ClearLog(mouse.device.log);
            return kVmouseOk;
        default:
            break;
    }
    if (Act(command, device)) return kVmouseOk;
    error = device.plugged() ? "the mouse ignored it (button already down, up or updating)"
                             : "the mouse is unplugged";
    return kVmouseRefused;
}

}  // namespace tesh::vmouse
