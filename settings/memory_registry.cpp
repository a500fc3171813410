#include <cctype>

#include "settings/registry_port.h"

namespace tesh {

std::string MemoryRegistry::Id(std::string_view key, std::string_view name) {
    std::string id;
    for (char c : key) id += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    id += '\0';
    for (char c : name) id += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return id;
}

bool MemoryRegistry::Write(std::string_view key, std::string_view name, std::string_view value) {
    if (readOnly_) return false;
    values_[Id(key, name)] = std::string(value);
    return true;
}

std::optional<std::string> MemoryRegistry::Read(std::string_view key, std::string_view name) {
    auto it = values_.find(Id(key, name));
    if (it == values_.end()) return std::nullopt;
    return it->second;
}

}  // namespace tesh
