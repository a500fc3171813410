// The rectangle of a layout string, as the window functions take it.
#pragma once

#include <windows.h>

#include <string_view>

#include "skin/layout_record.h"

namespace tesh::skin {

inline RECT RectOf(const LayoutRecord& place) {
    return RECT{place.left, place.top, place.right, place.bottom};
}

// The rectangle of a layout string the program itself holds.
inline RECT LayoutRect(std::string_view layout) {
    return RectOf(Layout(layout));
}

}  // namespace tesh::skin
