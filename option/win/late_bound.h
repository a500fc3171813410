// Functions of system libraries that only a few commands need (the file dialogs, the
// desktop folder, a sound), loaded at their first use: under Wine each such library
// costs tens of milliseconds at every start of the program, before its window shows.
#pragma once

#include <windows.h>

namespace tesh::option {

template <typename Function>
Function LateBound(const char* library, const char* name) {
    HMODULE module = GetModuleHandleA(library);
    if (!module) module = LoadLibraryA(library);
    if (!module) return nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace tesh::option
