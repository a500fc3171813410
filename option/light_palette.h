// The 33 colours of the lighting palette, and the colour that stands for a profile.
#pragma once

#include <cstdint>

#include "settings/settings_set.h"

namespace tesh::option {

struct Rgb {
    uint8_t red, green, blue;
    bool operator==(const Rgb&) const = default;
};

struct PaletteEntry {
    Rgb device;   // what the mouse is given
    Rgb display;  // what the swatch shows
};

constexpr int kPaletteSize = 33;
constexpr int kVisibleSwatches = 16;

const PaletteEntry& PaletteColour(int index);

// Black when the lights are off; else the custom colour when one is chosen; else the
// display colour of the palette entry, or the stored colour when its index is not one.
Rgb ProfileColour(const ProfileRecord& profile);

}  // namespace tesh::option
