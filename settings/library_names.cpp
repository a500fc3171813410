#include "settings/library_names.h"

#include "settings/ini_document.h"

namespace tesh {

std::string_view TrimName(std::string_view name) {
    while (!name.empty() && IsIniSpace(name.front())) name.remove_prefix(1);
    while (!name.empty() && IsIniSpace(name.back())) name.remove_suffix(1);
    return name;
}

std::string_view TypedName(std::string_view name) {
    return TrimName(TrimName(name).substr(0, kMaxTypedNameLength));
}

bool SameName(std::string_view a, std::string_view b) {
    return EqualsIgnoreCase(TrimName(a), TrimName(b));
}

bool IsStorableSetName(std::string_view name) {
    std::string_view trimmed = TrimName(name);
    if (trimmed.empty() || trimmed.size() > kMaxSetNameBytes) return false;
    for (char c : trimmed) {
        auto b = static_cast<unsigned char>(c);
        if (c == '[' || c == ']' || b < 0x20 || b == 0x7F) return false;
    }
    return !EqualsIgnoreCase(trimmed, kSetIndexSection);
}

}  // namespace tesh
