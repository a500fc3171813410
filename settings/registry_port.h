// The current user's registry values, as text, behind a small port: the Windows side
// uses HKEY_CURRENT_USER, tests and the native tool an in-memory map.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace tesh {

class RegistryPort {
public:
    virtual ~RegistryPort() = default;
    // Writes a REG_SZ value, opening the key with full access or creating it.
    virtual bool Write(std::string_view key, std::string_view name, std::string_view value) = 0;
    // The text of a value; nullopt when the key or the value cannot be read.
    virtual std::optional<std::string> Read(std::string_view key, std::string_view name) = 0;
};

// A registry held in memory; keys and names match without regard to case.
class MemoryRegistry : public RegistryPort {
public:
    bool Write(std::string_view key, std::string_view name, std::string_view value) override;
    std::optional<std::string> Read(std::string_view key, std::string_view name) override;
    // Makes every later write fail, as a key that cannot be opened does.
    void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }
    std::size_t size() const { return values_.size(); }

private:
    static std::string Id(std::string_view key, std::string_view name);
    std::map<std::string, std::string> values_;
    bool readOnly_ = false;
};

}  // namespace tesh
