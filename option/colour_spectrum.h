// The colour spectrum of the custom colour picker: hue from left to right, from white
// at the top through the full colours in the middle to black at the bottom.
#pragma once

#include "option/light_palette.h"

namespace tesh::option {

// The colour at (x, y) of a spectrum `width` x `height` (points outside are taken at
// the nearest edge).
Rgb SpectrumColour(int x, int y, int width, int height);

}  // namespace tesh::option
