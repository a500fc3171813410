// The registry port on HKEY_CURRENT_USER. `root` (for tests) is put in front of every
// key, e.g. "Software\\TeshUlmaTest\\".
#pragma once

#include <string>

#include "settings/registry_port.h"

namespace tesh {

class WindowsRegistry : public RegistryPort {
public:
    explicit WindowsRegistry(std::string root = "") : root_(std::move(root)) {}
    bool Write(std::string_view key, std::string_view name, std::string_view value) override;
    std::optional<std::string> Read(std::string_view key, std::string_view name) override;

private:
    std::string root_;
};

// The system default language id (GetSystemDefaultLangID).
int SystemLanguageId();

}  // namespace tesh
