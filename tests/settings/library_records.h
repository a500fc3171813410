// Macros and timers made for the library tests.
#pragma once

#include <cstring>
#include <string>
#include <vector>

#include "settings/macro_library.h"
#include "settings/timer_list.h"

namespace tesh::test {

// A macro of `count` events whose bytes tell the event's index and `seed` apart.
inline MacroRecord MacroWithEvents(const std::string& name, int count, int repeat = 1,
                                   uint8_t seed = 0) {
    MacroRecord m = NewMacro(name);
    m.repeatCount = repeat;
    m.eventCount = count;
    for (int i = 0; i < count; ++i) {
        uint8_t* at = m.events + 4 * i;
        at[0] = static_cast<uint8_t>(4 + (i + seed) % 40);
        at[1] = static_cast<uint8_t>(1 + i % 2);
        at[2] = static_cast<uint8_t>(i * 7 + seed);
        at[3] = static_cast<uint8_t>(i % 3);
    }
    return m;
}

inline MacroSet SetOf(const std::string& name, std::vector<MacroRecord> macros,
                      SetState state = SetState::kNew) {
    return MacroSet{name, std::move(macros), state};
}

inline bool SameMacro(const MacroRecord& a, const MacroRecord& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

}  // namespace tesh::test
