#include "skin/layout_record.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace tesh {
namespace {

constexpr int kNumberCount = 4;

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

void CopyBounded(std::string_view from, char* to, std::size_t size) {
    std::size_t n = std::min(from.size(), size - 1);
    std::memcpy(to, from.data(), n);
    to[n] = '\0';
}

int32_t Saturate(int64_t v) {
    return static_cast<int32_t>(std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

// A decimal integer as the C library's scanners read one: blanks, an optional sign,
// at least one digit. Values beyond 32 bits saturate.
bool ReadNumber(std::string_view& s, int32_t& value) {
    std::size_t i = 0;
    while (i < s.size() && IsBlank(s[i])) ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) negative = s[i++] == '-';
    std::size_t digits = i;
    int64_t magnitude = 0;
    constexpr int64_t kCap = int64_t{1} << 40;
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i)
        magnitude = std::min(kCap, magnitude * 10 + (s[i] - '0'));
    if (i == digits) return false;
    value = Saturate(negative ? -magnitude : magnitude);
    s.remove_prefix(i);
    return true;
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

}  // namespace

int ParseLayout(std::string_view text, LayoutRecord& record) {
    record = LayoutRecord{};
    // A layout string is a C string: nothing after a NUL belongs to it.
    text = text.substr(0, text.find('\0'));
    std::size_t firstComma = text.find(',');
    if (firstComma == std::string_view::npos) return 0;
    CopyBounded(text.substr(0, firstComma), record.name, sizeof record.name);

    int32_t numbers[kNumberCount] = {};
    std::string_view rest = text.substr(firstComma + 1);
    int read = 0;
    while (read < kNumberCount && ReadNumber(rest, numbers[read])) {
        ++read;
        if (read == kNumberCount || rest.empty() || rest.front() != ',') break;
        rest.remove_prefix(1);
    }
    record.left = numbers[0];
    record.top = numbers[1];
    record.right = Saturate(int64_t{numbers[0]} + numbers[2]);
    record.bottom = Saturate(int64_t{numbers[1]} + numbers[3]);

    std::size_t lastComma = text.rfind(',');
    // Cut to the field, then trimmed again so that a cut never leaves blanks at the end.
    std::string_view tooltip = Trim(text.substr(lastComma + 1));
    CopyBounded(Trim(tooltip.substr(0, sizeof record.tooltip - 1)), record.tooltip,
                sizeof record.tooltip);
    return read == kNumberCount ? 1 : 0;
}

LayoutRecord Layout(std::string_view text) {
    LayoutRecord record;
    ParseLayout(text, record);
    return record;
}

}  // namespace tesh
