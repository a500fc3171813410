// Records full of varied values, for round trips.
#pragma once

#include <cstring>
#include <random>

#include "settings/settings_set.h"

namespace tesh::test {

// Every field set to something other than its default; strings stay printable and
// terminated, every button holds a 500-event macro.
inline void FillProfile(ProfileRecord& p, unsigned seed) {
    std::mt19937 rng(seed);
    std::memset(&p, 0, sizeof p);
    auto* bytes = reinterpret_cast<uint8_t*>(&p);
    for (std::size_t i = offsetof(ProfileRecord, DbleClickSpeed); i < sizeof p; ++i)
        bytes[i] = static_cast<uint8_t>(rng());
    std::memset(p.reserved0, 0, sizeof p.reserved0);
    std::memset(p.reserved1, 0, sizeof p.reserved1);
    auto text = [&](char* field, std::size_t size) {
        std::memset(field, 0, size);
        std::size_t n = rng() % size;
        for (std::size_t i = 0; i < n; ++i) field[i] = static_cast<char>('a' + rng() % 26);
    };
    text(p.ProFileName, sizeof p.ProFileName);
    text(p.GameFile0, sizeof p.GameFile0);
    text(p.GameFile1, sizeof p.GameFile1);
    text(p.GameFile2, sizeof p.GameFile2);
    for (ButtonRecord& b : p.Buttons) b.eventCount = kMaxMacroEvents;
}

}  // namespace tesh::test
