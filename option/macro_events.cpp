#include "option/macro_events.h"

#include <algorithm>
#include <cstring>

namespace tesh::option {

std::vector<MacroEvent> EventsOf(const MacroRecord& macro) {
    const int count = std::clamp(macro.eventCount, 0, kMaxMacroEvents);
    std::vector<MacroEvent> events(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const uint8_t* at = macro.events + sizeof(MacroEvent) * static_cast<std::size_t>(i);
        events[static_cast<std::size_t>(i)] = {at[0], at[1],
                                               static_cast<uint16_t>(at[2] | at[3] << 8)};
    }
    return events;
}

void StoreEvents(MacroRecord& macro, std::span<const MacroEvent> events) {
    const std::size_t count = std::min(events.size(), static_cast<std::size_t>(kMaxMacroEvents));
    std::memset(macro.events, 0, sizeof macro.events);
    for (std::size_t i = 0; i < count; ++i) {
        uint8_t* at = macro.events + sizeof(MacroEvent) * i;
        at[0] = events[i].key;
        at[1] = events[i].action;
        at[2] = static_cast<uint8_t>(events[i].delay & 0xFF);
        at[3] = static_cast<uint8_t>(events[i].delay >> 8);
    }
    macro.eventCount = static_cast<int32_t>(count);
}

}  // namespace tesh::option
