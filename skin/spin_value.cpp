#include "skin/spin_value.h"

#include <algorithm>
#include <limits>

namespace tesh {
namespace {

constexpr std::string_view kNumberStart = "-+123456789";

// The DPI the user sees for a stored value; other values show as they are.
int Shown(const SpinState& spin, int value) {
    if (!spin.dpi) return value;
    if (value == kDpiStoredLow) return kDpiShownLow;
    if (value == kDpiStoredHigh) return kDpiShownHigh;
    return value;
}

// A typed DPI above 2000 is taken as the next fixed step.
int Stored(const SpinState& spin, int typed) {
    if (!spin.dpi || typed <= kDpiPlainLimit) return typed;
    if (typed <= kDpiShownLow) return kDpiStoredLow;
    if (typed <= kDpiShownHigh) return kDpiStoredHigh;
    return typed;
}

// The leading number as the C library reads one (sign, digits, 0 without digits),
// saturating instead of overflowing.
long long ParseLeading(std::string_view s) {
    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) negative = s[i++] == '-';
    long long v = 0;
    constexpr long long kCap = std::numeric_limits<int>::max();
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i)
        v = std::min(kCap, v * 10 + (s[i] - '0'));
    return negative ? -v : v;
}

int Saturate(long long v) {
    return static_cast<int>(
        std::clamp<long long>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

// Values between the fixed DPI steps move to the step in the arrow's direction.
int StepUp(const SpinState& spin, int v) {
    if (!spin.dpi) return v;
    if (v > kDpiPlainLimit && v < kDpiStoredLow) return kDpiStoredLow;
    if (v > kDpiStoredLow && v < kDpiStoredHigh) return kDpiStoredHigh;
    return v;
}
int StepDown(const SpinState& spin, int v) {
    if (!spin.dpi) return v;
    if (v > kDpiPlainLimit && v < kDpiStoredLow) return kDpiPlainLimit;
    if (v > kDpiStoredLow && v < kDpiStoredHigh) return kDpiStoredLow;
    return v;
}

}  // namespace

int SpinState::Clamp(int v) const {
    if (maximum < minimum) return minimum;
    return std::clamp(v, minimum, maximum);
}

int SpinUp(const SpinState& spin) {
    if (spin.value >= spin.maximum) return spin.value;
    return spin.Clamp(StepUp(spin, Saturate(static_cast<long long>(spin.value) + spin.step)));
}

int SpinDown(const SpinState& spin) {
    if (spin.value <= spin.minimum) return spin.value;
    return spin.Clamp(StepDown(spin, Saturate(static_cast<long long>(spin.value) - spin.step)));
}

std::string SpinText(const SpinState& spin, int value) {
    return std::to_string(Shown(spin, value));
}

SpinTyping SpinTyped(const SpinState& spin, std::string_view text, bool enter) {
    SpinTyping out;
    std::size_t start = text.find_first_of(kNumberStart);
    std::string_view number = start == std::string_view::npos ? "" : text.substr(start);
    long long cap = static_cast<long long>(spin.maximum) + (spin.dpi ? kDpiTypedMargin : 0);
    int value = Stored(spin, Saturate(std::min(ParseLeading(number), cap)));

    if (enter) {
        value = spin.Clamp(value);
        out.text = SpinText(spin, value);
        out.rewrite = out.text != text;
    } else if (!text.empty()) {
        if (value == 0 && value < spin.minimum) value = spin.minimum;
        out.text = SpinText(spin, value);
        bool onlySign = text == "-" || text == "+";
        out.rewrite = !onlySign && out.text != text;
    }
    out.value = value;
    out.notify = value >= spin.minimum;
    return out;
}

}  // namespace tesh
