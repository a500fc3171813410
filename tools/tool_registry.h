// The registry the tool reads the current profile's pointer settings from, as the
// programs do when they load the settings. The tool never writes it.
#pragma once

#include <memory>

#include "settings/registry_port.h"

namespace tesh {

std::unique_ptr<RegistryPort> MakeToolRegistry();

}  // namespace tesh
