#include "tools/tool_registry.h"

#include "settings/win/windows_registry.h"

namespace tesh {

namespace {

// Reads the user's real values; writes are refused, so showing settings can never
// change the user's mouse settings.
class ReadOnlyRegistry : public RegistryPort {
  public:
    bool Write(std::string_view, std::string_view, std::string_view) override { return false; }
    std::optional<std::string> Read(std::string_view key, std::string_view name) override {
        return registry_.Read(key, name);
    }

  private:
    WindowsRegistry registry_;
};

}  // namespace

std::unique_ptr<RegistryPort> MakeToolRegistry() {
    return std::make_unique<ReadOnlyRegistry>();
}

}  // namespace tesh
