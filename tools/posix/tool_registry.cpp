#include "tools/tool_registry.h"

namespace tesh {

// Away from Windows there are no mouse settings to read: an empty registry.
std::unique_ptr<RegistryPort> MakeToolRegistry() {
    return std::make_unique<MemoryRegistry>();
}

}  // namespace tesh
