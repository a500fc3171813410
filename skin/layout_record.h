// One skinned control's place on its window, parsed from a layout string such as
// "Apply,640,563,72,30,Apply the setting to the device": name, x, y, width and height,
// then the tooltip after the last comma.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tesh {

constexpr std::size_t kLayoutNameSize = 40;
constexpr std::size_t kLayoutTooltipSize = 404;

struct LayoutRecord {
    char name[kLayoutNameSize];  // informative only: controls are known by their order
    int32_t left;
    int32_t top;
    int32_t right;   // left + width
    int32_t bottom;  // top + height
    char tooltip[kLayoutTooltipSize];

    int32_t Width() const { return right - left; }
    int32_t Height() const { return bottom - top; }
    // A width or height of 0: the control exists but can be neither seen nor clicked.
    bool IsEmpty() const { return right <= left || bottom <= top; }
};

// Fills `record` from `text`. Returns nonzero when the four numbers were read; the
// fields that could not be read are 0 and the texts are cut to their fields.
int ParseLayout(std::string_view text, LayoutRecord& record);

// The record of a layout string that the program itself holds and knows to be whole.
LayoutRecord Layout(std::string_view text);

}  // namespace tesh
