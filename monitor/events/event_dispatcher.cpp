#include "monitor/events/event_dispatcher.h"

#include "monitor/device_tables.h"
#include "monitor/events/event_names.h"
#include "monitor/events/text_match.h"
#include "monitor/monitor_names.h"
#include "monitor/program_names.h"

namespace tesh::monitor {

namespace {

constexpr uint8_t kOpenDriverValue = 1;
constexpr uint8_t kColourDatabaseValue = 1;
constexpr uint8_t kFirstMediaFunction = 32;
constexpr uint8_t kLastMediaFunction = 39;

// The slot of a button event's value a (device button + 1); -1 when out of range.
int SlotOfButtonValue(uint8_t a) {
    if (a < kFirstButtonValue || a > kLastButtonValue) return -1;
    return SlotOfDeviceButton(a - 1);
}

}  // namespace

EventDispatcher::EventDispatcher(const EventPorts& ports)
    : ports_(ports),
      feedback_(ports.host, ports.sounds, ports.image),
      keys_(ports.input, ports.layout, ports.clock, ports.host),
      media_(ports.desktop, ports.programs, ports.machineRegistry, ports.clock) {}

void EventDispatcher::Dispatch(uint32_t eventCode) {
    const uint32_t eventClass = eventCode >> 16;
    const uint8_t a = eventCode & 0xFF;
    const uint8_t b = (eventCode >> 8) & 0xFF;
    if (eventClass == kMediaClass) {
        // The players are told without the image: their keys are 100 ms apart.
        if (b != 0 || a < kFirstMediaFunction || a > kLastMediaFunction) return;
        int32_t player;
        {
            std::lock_guard lock(ports_.imageLock);
            const ProfileRecord* active = ActiveProfile(ports_.image);
            if (!active) return;
            player = active->MediaOption;
        }
        return media_.Control(player, a);
    }
    WithImage([&] {
        if (eventClass >= kFirstUsageClass && eventClass <= kLastUsageClass) {
            return UsageEvent(eventClass, static_cast<uint16_t>(eventCode));
        }
        DispatchLocked(eventClass, a, b);
    });
}

void EventDispatcher::RunDeferred() {
    // Swapped out first: a call that lets a sent message in may dispatch again.
    std::vector<std::function<void()>> calls;
    calls.swap(deferred_);
    for (auto& call : calls) call();
}

void EventDispatcher::DispatchLocked(uint32_t eventClass, uint8_t a, uint8_t b) {
    const int value = a | (b << 8);
    switch (eventClass) {
        case kTiltScrollClass:
            return TiltScroll(a);
        case kVolumeClass:
            if (b == 0) VolumeFeedback(a);
            return;
        case kProfileClass:
            return ProfileChanged(value);
        case kCalibrationEventClass:
            ports_.windows.PostToWindow(kCalibrationWindowTitle, kCalibrationEventMessage, 0,
                                        value);
            return;
        case kRunProgramClass:
            if (b == 0) RunProgram(SlotOfButtonValue(a));
            return;
        case kHostButtonPressClass:
            if (b == 0) HostButton(SlotOfButtonValue(a), false);
            return;
        case kHostButtonClass:
            if (b == 0 || b == kReleased) HostButton(SlotOfButtonValue(a), b == kReleased);
            return;
        case kOpenDriverClass:
            if (value == kOpenDriverValue) Later([this] { ports_.host.OpenConfigurationApp(); });
            return;
        case kCpiLevelClass:
            return CpiLevelChanged(value);
        case kSensitivityClass:
            return SensitivityChanged(a, b);
        case kPollingRateClass:
            return PollingRateChanged(value);
        case kColourDatabaseClass:
            if (a == kColourDatabaseValue) ports_.host.PostDeviceJob(kJobColourDatabase, 0);
            return;
        case kMacroRequestClass:
            return MacroRequest(a);
        case kQuibFunctionClass:
            return QuibFunction(SlotOfButtonValue(a), b);
        default:
            return;
    }
}

bool EventDispatcher::OnTimer(int timer) {
    if (timer == kKeyRepeatTimer) {
        keys_.Repeat();
        return true;
    }
    bool handled = true;
    WithImage([&] {
        if (timer == kPollTimer) return AutomaticSwitch();
        handled = feedback_.OnTimer(timer);
    });
    return handled;
}

void EventDispatcher::SwitchToProfile(int profile) {
    if (profile < 0 || profile >= kProfileCount) return;
    WithImage([&] { SwitchLocked(profile); });
}

void EventDispatcher::StopFeedback() {
    feedback_.Stop();
}

void EventDispatcher::ReleaseHeldInput() {
    keys_.ReleaseAll();
    ports_.macros.RequestStop();
}

void EventDispatcher::HostButton(int slot, bool released) {
    if (slot < 0) return;
    // A release lets go of what the press held, whatever the button does by now.
    if (released) keys_.Release(slot);
    ProfileRecord* active = ActiveProfile(ports_.image);
    if (!active) return;
    const ButtonRecord& button = active->Buttons[slot];
    switch (button.code) {
        case kKeyCombinationCode:
            if (!released) keys_.Press(slot, button.events[0], button.events[1]);
            return;
        case kMacroFunctionCode:
            if (!released) ports_.macros.Start(button);
            return;
        case kTimerCode:
            if (!released) feedback_.StartCountdown(button.timerValue);
            return;
        case kStopTimerCode:
            if (!released) feedback_.StopCountdown();
            return;
        default:
            return;
    }
}

void EventDispatcher::RunProgram(int slot) {
    const ProfileRecord* active = ActiveProfile(ports_.image);
    if (slot < 0 || !active) return;
    const ButtonRecord& button = active->Buttons[slot];
    if (button.code != kQuicklaunchCode) return;
    Later(
        [this, path = std::string(FieldText(button.programPath))] { ports_.shell.Open(path, ""); });
}

void EventDispatcher::QuibFunction(int slot, uint8_t pressState) {
    const ProfileRecord* active = ActiveProfile(ports_.image);
    if (slot < 0 || !active) return;
    Later([this, button = active->Buttons[slot], pressState] {
        ports_.quibFunctions.DeviceFunction(button, pressState);
    });
}

void EventDispatcher::TiltScroll(uint8_t a) {
    const ProfileRecord* active = ActiveProfile(ports_.image);
    if (!active || (a != kUp && a != kDown)) return;
    // The search reads other programs' windows and the clicks go through their input.
    Later(
        [this, left = a == kDown, steps = active->TiltSpeed] { ports_.tilt.Scroll(left, steps); });
}

// A request for a profile above the fifth would read past the settings.
void EventDispatcher::MacroRequest(int request) {
    if (request < 1 || request > kLastMacroRequest) return;
    if ((request - 1) / kRequestsPerProfile >= kProfileCount) return;
    ports_.host.PostDeviceJob(kJobMacroRequest, request);
}

}  // namespace tesh::monitor
