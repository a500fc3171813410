#include <windows.h>

#include "settings/win/windows_registry.h"

namespace tesh {

int SystemLanguageId() { return GetSystemDefaultLangID(); }

}  // namespace tesh
