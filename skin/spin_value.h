// The value behind a spin edit: the up and down arrows, and the clean-up of what the
// user types. The DPI variant accepts values above 2000 only as two fixed steps,
// each stored as the mouse's own value and shown as the DPI the user knows.
#pragma once

#include <string>
#include <string_view>

namespace tesh {

constexpr int kDpiPlainLimit = 2000;  // values up to here are stored as shown
constexpr int kDpiStoredLow = 2400;   // shown as 3200
constexpr int kDpiStoredHigh = 2800;  // shown as 4000
constexpr int kDpiShownLow = 3200;
constexpr int kDpiShownHigh = 4000;
constexpr int kDpiTypedMargin = kDpiShownHigh - kDpiStoredHigh;

struct SpinState {
    int value = 0;
    int minimum = 0;
    int maximum = 100;
    int step = 1;
    bool dpi = false;

    int Clamp(int v) const;
};

// The stored value after a press of the up or the down arrow.
int SpinUp(const SpinState& spin);
int SpinDown(const SpinState& spin);

// The text shown for a stored value.
std::string SpinText(const SpinState& spin, int value);

struct SpinTyping {
    int value = 0;         // the value to store
    bool rewrite = false;  // the edit's text is to be replaced by `text`
    std::string text;
    bool notify = false;  // the owner is told (the value is at least the minimum)
};

// What the spin edit does with the text the user typed; `enter` when Enter was
// released, which also clamps to the minimum.
SpinTyping SpinTyped(const SpinState& spin, std::string_view text, bool enter);

}  // namespace tesh
