// Layout strings as a window's table or a language library may hold them: whatever
// the text, the record's texts stay inside their fields, the tooltip is trimmed, and a
// record written back as a layout string parses to the same record.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "skin/layout_record.h"

namespace tesh {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

bool Terminated(const char* field, std::size_t size) {
    return std::memchr(field, '\0', size) != nullptr;
}

bool Saturated(int32_t v) {
    return v == std::numeric_limits<int32_t>::max() || v == std::numeric_limits<int32_t>::min();
}

std::string Format(const LayoutRecord& r) {
    return std::string(r.name) + "," + std::to_string(r.left) + "," + std::to_string(r.top) + "," +
           std::to_string(int64_t{r.right} - r.left) + "," +
           std::to_string(int64_t{r.bottom} - r.top) + "," + r.tooltip;
}

bool Same(const LayoutRecord& a, const LayoutRecord& b) {
    return std::strcmp(a.name, b.name) == 0 && a.left == b.left && a.top == b.top &&
           a.right == b.right && a.bottom == b.bottom && std::strcmp(a.tooltip, b.tooltip) == 0;
}

}  // namespace
}  // namespace tesh

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tesh;
    std::string_view text(reinterpret_cast<const char*>(data), size);
    LayoutRecord r;
    int ok = ParseLayout(text, r);
    TESH_FUZZ_CHECK(Terminated(r.name, sizeof r.name));
    TESH_FUZZ_CHECK(Terminated(r.tooltip, sizeof r.tooltip));
    std::size_t tipLength = std::strlen(r.tooltip);
    TESH_FUZZ_CHECK(tipLength == 0 ||
                    (!IsBlank(r.tooltip[0]) && !IsBlank(r.tooltip[tipLength - 1])));
    TESH_FUZZ_CHECK(std::strchr(r.name, ',') == nullptr);
    TESH_FUZZ_CHECK(std::strchr(r.tooltip, ',') == nullptr);
    std::size_t comma = text.find(',');
    if (comma == std::string_view::npos) {
        TESH_FUZZ_CHECK(!ok && r.name[0] == '\0');
        return 0;
    }
    std::string_view name = text.substr(0, comma);
    std::size_t nameLength = std::strlen(r.name);
    // The name is the text before the first comma, cut to its field (or at a NUL).
    TESH_FUZZ_CHECK(name.substr(0, nameLength) == std::string_view(r.name, nameLength));
    if (!ok || Saturated(r.right) || Saturated(r.bottom) || Saturated(r.left) || Saturated(r.top) ||
        nameLength != name.size() || tipLength == sizeof r.tooltip - 1 ||
        std::memchr(data, '\0', size))
        return 0;
    LayoutRecord again;
    TESH_FUZZ_CHECK(ParseLayout(Format(r), again) == 1);
    TESH_FUZZ_CHECK(Same(r, again));
    return 0;
}
