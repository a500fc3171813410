// Window shapes cut from pictures: the pixels of the transparent colour are left out.
#pragma once

#include <windows.h>

#include <cstdint>

#include "skin/shape_scan.h"
#include "skin/win/skin_bitmap.h"

namespace tesh::skin {

// The region of the picture's pixels that are not within key .. key + tolerance.
OwnedRegion RegionFromBitmap(HBITMAP bitmap, KeyColor key, uint8_t tolerance);

// The region of the picture less every pixel of the colour of its top-left pixel.
OwnedRegion RegionWithoutCornerColour(HBITMAP bitmap);

// Sizes the window to the picture and gives it the picture's shape (white cut away).
bool ShapeWindowFromBitmap(HWND window, HBITMAP bitmap, KeyColor key = kWhiteKey,
                           uint8_t tolerance = 0);

}  // namespace tesh::skin
