// A macro's events as the editors hold them: 4-byte records (key, action, delay little-
// endian) read out of the macro's event bytes and written back whole, with the bytes
// after the last event kept zero.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "settings/macro_library.h"
#include "settings/settings_set.h"

namespace tesh::option {

constexpr uint8_t kPressAction = 1;
constexpr uint8_t kReleaseAction = 2;

// Mouse buttons take the key codes 240..244.
constexpr uint8_t kLeftButtonKey = 240;
constexpr uint8_t kRightButtonKey = 241;
constexpr uint8_t kWheelKey = 242;
constexpr uint8_t kSideButton1Key = 243;
constexpr uint8_t kSideButton2Key = 244;

// The longest delay an event holds (its field is 16 bits wide).
constexpr int kMaxDelayMs = 65535;

// An event is a press when its action is 1; any other action counts as a release.
inline bool IsPress(const MacroEvent& event) {
    return event.action == kPressAction;
}
inline bool IsMouseButton(uint8_t key) {
    return key >= kLeftButtonKey && key <= kSideButton2Key;
}

// The macro's events: its event count bounded to 0..500.
std::vector<MacroEvent> EventsOf(const MacroRecord& macro);
// Writes the first 500 events and their count into the macro and zeroes the event bytes
// after them. The name and repeat count stay.
void StoreEvents(MacroRecord& macro, std::span<const MacroEvent> events);

}  // namespace tesh::option
