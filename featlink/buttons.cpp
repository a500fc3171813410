// Function code -> what the mouse does (a = device button + 1; b = 0 press, 1 release):
//
//   code                               press                            release
//   16 Profile Cycle                   next profile, wrapping; 0x2000 profile + 1
//   17, 18 Profile Up, Down            next, previous, stopping at the ends; 0x2000
//   11 DPI Change, 20 DPI Cycle        next enabled level, wrapping; 0xB000 level + 1
//   21, 22 DPI Up, Down                nearest enabled level above, below; 0xB000
//   23 Sensitivity Cycle               1..11, wrapping; 0xC000 (a value, b Y value or 0)
//   24, 25 Sensitivity Up, Down        +1, -1 within 1..11; 0xC000
//   51..55 Quix-Aim                    level code - 51; 0xB000          level before; 0xB000
//   5, 48, 49, 50 (host-handled)       0x9000 (a, 0)                    0x9000 (a, 1)
//   15 Quicklaunch                     0x6000 (a, 0)
//   27 Open Driver                     0xA000 1
//   32..39 media and volume            0xF000 (code, 0)                 0xF000 (code, 1)
//   38, 39 volume up, down             then 0x1B00 1, 255 (feedback)
//   9, 10 Tilt Left, Right             0x1000 255, 1
//   65 Quixshift                       shift layer on                   shift layer off
//   83 Quixshift all devices           shift on, 0xFF00 (a, 0)          shift off, 0xFF00 (a, 1)
//   81, 82, 84 other Quib functions    0xFF00 (a, 0)                    0xFF00 (a, 1)
//   anything else                      done by the mouse itself (clicks, wheel, browser
//                                      keys, Windows key, Quix-Wheel), nothing reported
//
// A step that changes nothing (Profile Up on the last profile, DPI Up on the highest
// enabled level) reports nothing. The sensitivity buttons set both axes. The mouse
// does not count usage by itself: the usage events are sent on request (Device::Usage).
#include "featlink/buttons.h"

#include "featlink/event_codes.h"

namespace tesh::vmouse {

namespace {

constexpr int kLayerButtons = 9;
constexpr int kSensitivityMin = 1;
constexpr int kSensitivityMax = 11;
constexpr uint8_t kQuixAimFirst = 51;
constexpr uint8_t kQuixAimLast = 55;

enum Code : uint8_t {
    kShortcut = 5,
    kTiltLeft = 9,
    kTiltRight = 10,
    kDpiChange = 11,
    kQuicklaunch = 15,
    kProfileCycle = 16,
    kProfileUp = 17,
    kProfileDown = 18,
    kDpiCycle = 20,
    kDpiUp = 21,
    kDpiDown = 22,
    kSensitivityCycle = 23,
    kSensitivityUp = 24,
    kSensitivityDown = 25,
    kOpenDriver = 27,
    kMediaFirst = 32,
    kVolumeUp = 38,
    kVolumeDown = 39,
    kMacro = 48,
    kTimer = 49,
    kStopTimer = 50,
    kQuixshift = 65,
    kQuibDevice = 81,
    kQuibDeviceLock = 82,
    kQuibAll = 83,
    kQuibAllLock = 84,
};

bool IsHostHandled(uint8_t code) {
    return code == kShortcut || code == kMacro || code == kTimer || code == kStopTimer;
}
bool IsMedia(uint8_t code) {
    return code >= kMediaFirst && code <= kVolumeDown;
}
bool IsQuib(uint8_t code) {
    return code >= kQuibDevice && code <= kQuibAllLock;
}
bool IsShift(uint8_t code) {
    return code == kQuixshift || code == kQuibAll;
}

ProfileSettings& Active(DeviceState& state) {
    return state.flash.profiles[ActiveProfileIndex(state.flash)];
}

void StepProfile(DeviceState& state, uint8_t code, EventSink& events) {
    const int current = ActiveProfileIndex(state.flash);
    int profile = current;
    if (code == kProfileCycle) profile = (profile + 1) % kDeviceProfiles;
    if (code == kProfileUp && profile + 1 < kDeviceProfiles) ++profile;
    if (code == kProfileDown && profile > 0) --profile;
    if (profile == current) return;
    state.flash.activeProfile = static_cast<uint8_t>(profile);
    events.DeviceEvent(kEventProfile, static_cast<uint16_t>(profile + 1));
}

bool LevelEnabled(const ProfileSettings& p, int level) {
    return (p.dpiMask >> level) & 1;
}

void SetLevel(ProfileSettings& p, int level, EventSink& events) {
    p.cpiLevel = static_cast<uint8_t>(level);
    events.DeviceEvent(kEventCpiLevel, static_cast<uint16_t>(level + 1));
}

void StepLevel(DeviceState& state, uint8_t code, EventSink& events) {
    ProfileSettings& p = Active(state);
    const int current = p.cpiLevel < kCpiLevelCount ? p.cpiLevel : -1;
    int found = -1;
    if (code == kDpiDown) {
        const int from = current < 0 ? kCpiLevelCount : current;
        for (int level = from - 1; level >= 0 && found < 0; --level) {
            if (LevelEnabled(p, level)) found = level;
        }
    } else {
        const bool wrap = code != kDpiUp;
        for (int step = 1; step <= kCpiLevelCount && found < 0; ++step) {
            const int level = current + step;
            if (level >= kCpiLevelCount && !wrap) break;
            if (LevelEnabled(p, level % kCpiLevelCount)) found = level % kCpiLevelCount;
        }
    }
    if (found >= 0 && found != current) SetLevel(p, found, events);
}

void StepSensitivity(DeviceState& state, uint8_t code, EventSink& events) {
    ProfileSettings& p = Active(state);
    const int current = p.sensitivityY;
    int next = current;
    if (code == kSensitivityCycle) {
        next =
            current >= kSensitivityMin && current < kSensitivityMax ? current + 1 : kSensitivityMin;
    } else if (code == kSensitivityUp) {
        next = current < kSensitivityMin ? kSensitivityMin : current + 1;
        if (next > kSensitivityMax) next = kSensitivityMax;
    } else {
        next = current > kSensitivityMax ? kSensitivityMax : current - 1;
        if (next < kSensitivityMin) next = kSensitivityMin;
    }
    if (next == current && p.sensitivityX == current) return;
    p.sensitivityX = p.sensitivityY = static_cast<uint8_t>(next);
    const uint8_t y = p.xySynchronous == 1 ? p.sensitivityY : 0;
    events.DeviceEvent(kEventSensitivity, EventValue(p.sensitivityX, y));
}

void ButtonEvent(uint16_t eventClass, int button, bool release, EventSink& events) {
    events.DeviceEvent(eventClass,
                       EventValue(static_cast<uint8_t>(button + 1), release ? kValueRelease : 0));
}

void Press(DeviceState& state, int button, uint8_t code, EventSink& events) {
    switch (code) {
        case kProfileCycle:
        case kProfileUp:
        case kProfileDown:
            return StepProfile(state, code, events);
        case kDpiChange:
        case kDpiCycle:
        case kDpiUp:
        case kDpiDown:
            return StepLevel(state, code, events);
        case kSensitivityCycle:
        case kSensitivityUp:
        case kSensitivityDown:
            return StepSensitivity(state, code, events);
        case kQuicklaunch:
            return ButtonEvent(kEventRunProgram, button, false, events);
        case kOpenDriver:
            return events.DeviceEvent(kEventOpenDriver, 1);
        case kTiltLeft:
            return events.DeviceEvent(kEventTilt, kValueDown);
        case kTiltRight:
            return events.DeviceEvent(kEventTilt, kValueUp);
        default:
            break;
    }
    if (code >= kQuixAimFirst && code <= kQuixAimLast) {
        ProfileSettings& p = Active(state);
        state.input.quixAimSaved[button] = p.cpiLevel;
        return SetLevel(p, code - kQuixAimFirst, events);
    }
    if (IsHostHandled(code)) return ButtonEvent(kEventHostButton, button, false, events);
    if (IsMedia(code)) {
        events.DeviceEvent(kEventMedia, EventValue(code, 0));
        if (code == kVolumeUp) events.DeviceEvent(kEventVolume, kValueUp);
        if (code == kVolumeDown) events.DeviceEvent(kEventVolume, kValueDown);
        return;
    }
    if (IsShift(code)) state.input.shiftHeld = 1;
    if (IsQuib(code)) ButtonEvent(kEventQuib, button, false, events);
}

void Release(DeviceState& state, int button, uint8_t code, EventSink& events) {
    if (code >= kQuixAimFirst && code <= kQuixAimLast) {
        // A level to return to that is no level (damaged memory) leaves the level.
        const uint8_t saved = state.input.quixAimSaved[button];
        if (saved < kCpiLevelCount) SetLevel(Active(state), saved, events);
        return;
    }
    if (IsHostHandled(code)) return ButtonEvent(kEventHostButton, button, true, events);
    if (IsMedia(code)) return events.DeviceEvent(kEventMedia, EventValue(code, kValueRelease));
    if (IsShift(code)) state.input.shiftHeld = 0;
    if (IsQuib(code)) ButtonEvent(kEventQuib, button, true, events);
}

}  // namespace

bool PressButton(DeviceState& state, int button, EventSink& events) {
    if (button < 0 || button >= kDeviceButtons) return false;
    InputState& input = state.input;
    if (input.pressedAs[button] >= 0) return false;
    int acting = button;
    if (input.shiftHeld && button < kLayerButtons) acting = button + kLayerButtons;
    const uint8_t code = state.flash.buttons[ActiveProfileIndex(state.flash)][acting].code;
    input.pressedAs[button] = static_cast<int8_t>(acting);
    input.pressedCode[button] = code;
    Press(state, acting, code, events);
    return true;
}

bool ReleaseButton(DeviceState& state, int button, EventSink& events) {
    if (button < 0 || button >= kDeviceButtons) return false;
    InputState& input = state.input;
    const int acting = input.pressedAs[button];
    input.pressedAs[button] = -1;
    // Up, or a button that does not exist (damaged memory): nothing to release.
    if (acting < 0 || acting >= kDeviceButtons) return false;
    Release(state, acting, input.pressedCode[button], events);
    return true;
}

}  // namespace tesh::vmouse
