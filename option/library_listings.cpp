#include "option/library_listings.h"

#include <algorithm>
#include <cstring>

#include "settings/library_names.h"
#include "settings/profile_file.h"

namespace tesh::option {

std::vector<MacroSetListing> MacroSetListings(const MacroLibrary& library) {
    std::vector<MacroSetListing> listings;
    const std::size_t sets = std::min<std::size_t>(library.sets.size(), kMaxMacroSets);
    for (std::size_t k = 0; k < sets; ++k) {
        const MacroSet& set = library.sets[k];
        MacroSetListing listing;
        listing.name = std::string(TrimName(set.name));
        const std::size_t macros = std::min<std::size_t>(set.macros.size(), kMaxMacrosPerSet);
        for (std::size_t j = 0; j < macros; ++j)
            listing.macros.push_back(FieldText(set.macros[j].name, sizeof set.macros[j].name));
        listings.push_back(std::move(listing));
    }
    return listings;
}

std::vector<TimerListing> TimerListings(const TimerList& timers) {
    std::vector<TimerListing> listings;
    const std::size_t count = std::min<std::size_t>(timers.size(), kMaxTimers);
    for (std::size_t i = 0; i < count; ++i) {
        TimerRecord t = timers[i];
        BoundTimer(t);
        listings.push_back(TimerListing{FieldText(t.name, sizeof t.name), t.seconds});
    }
    return listings;
}

std::optional<MacroContent> MacroContentOf(const MacroLibrary& library, MacroIndex index) {
    if (index.set < 0 || static_cast<std::size_t>(index.set) >= library.sets.size())
        return std::nullopt;
    const MacroSet& set = library.sets[static_cast<std::size_t>(index.set)];
    if (index.macro < 0 || static_cast<std::size_t>(index.macro) >= set.macros.size())
        return std::nullopt;
    MacroRecord m = set.macros[static_cast<std::size_t>(index.macro)];
    BoundMacro(m);
    MacroContent content;
    content.setName = std::string(TrimName(set.name));
    content.macroName = FieldText(m.name, sizeof m.name);
    content.repeatCount = m.repeatCount;
    content.eventCount = static_cast<uint16_t>(m.eventCount);
    static_assert(sizeof content.events == sizeof m.events);
    std::memcpy(content.events.data(), m.events, sizeof m.events);
    return content;
}

}  // namespace tesh::option
