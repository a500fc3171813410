// Events written briefly for the macro editor tests.
#pragma once

#include <cstdint>
#include <vector>

#include "option/macro_events.h"
#include "settings/settings_set.h"

namespace tesh::option::test {

inline MacroEvent Press(uint8_t key, uint16_t delay = 0) {
    return {key, kPressAction, delay};
}
inline MacroEvent Release(uint8_t key, uint16_t delay = 0) {
    return {key, kReleaseAction, delay};
}

inline bool SameEvent(const MacroEvent& a, const MacroEvent& b) {
    return a.key == b.key && a.action == b.action && a.delay == b.delay;
}

inline bool SameEvents(const std::vector<MacroEvent>& a, const std::vector<MacroEvent>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (!SameEvent(a[i], b[i])) return false;
    return true;
}

// `count` events alternating press and release of keys 4, 5, 6...
inline std::vector<MacroEvent> Taps(int count, uint16_t delay = 0) {
    std::vector<MacroEvent> events;
    for (int i = 0; i < count; ++i) {
        const auto key = static_cast<uint8_t>(4 + i / 2 % 20);
        events.push_back(i % 2 == 0 ? Press(key, delay) : Release(key, delay));
    }
    return events;
}

}  // namespace tesh::option::test
