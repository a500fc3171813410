#include "settings/win/windows_registry.h"

#include <windows.h>

namespace tesh {

namespace {

// Opens the key with full access, creating it when it cannot be opened.
HKEY OpenOrCreate(const std::string& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_ALL_ACCESS, &key) == ERROR_SUCCESS)
        return key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_ALL_ACCESS, nullptr, &key, nullptr) == ERROR_SUCCESS)
        return key;
    return nullptr;
}

}  // namespace

bool WindowsRegistry::Write(std::string_view key, std::string_view name, std::string_view value) {
    HKEY k = OpenOrCreate(root_ + std::string(key));
    if (!k) return false;
    std::string text(value);
    LONG r = RegSetValueExA(k, std::string(name).c_str(), 0, REG_SZ,
                            reinterpret_cast<const BYTE*>(text.c_str()),
                            static_cast<DWORD>(text.size() + 1));
    RegCloseKey(k);
    return r == ERROR_SUCCESS;
}

std::optional<std::string> WindowsRegistry::Read(std::string_view key, std::string_view name) {
    HKEY k = nullptr;  // reading never creates a key
    if (RegOpenKeyExA(HKEY_CURRENT_USER, (root_ + std::string(key)).c_str(), 0, KEY_READ, &k) !=
        ERROR_SUCCESS)
        return std::nullopt;
    char buffer[256] = {};
    DWORD size = sizeof buffer - 1;
    DWORD type = 0;
    LONG r = RegQueryValueExA(k, std::string(name).c_str(), nullptr, &type,
                              reinterpret_cast<BYTE*>(buffer), &size);
    RegCloseKey(k);
    if (r != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return std::nullopt;
    buffer[size < sizeof buffer ? size : sizeof buffer - 1] = '\0';
    return std::string(buffer);
}

}  // namespace tesh
