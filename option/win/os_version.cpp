#include "option/win/os_version.h"

#include <windows.h>

#include "option/version_texts.h"

namespace tesh::option {

int CurrentOsClass() {
    using RtlGetVersionFn = LONG(WINAPI*)(OSVERSIONINFOW*);
    OSVERSIONINFOW info = {};
    info.dwOSVersionInfoSize = sizeof info;
    HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    auto get = ntdll ? reinterpret_cast<RtlGetVersionFn>(
                           reinterpret_cast<void*>(GetProcAddress(ntdll, "RtlGetVersion")))
                     : nullptr;
    if (!get || get(&info) != 0) return 0;
    return OsClass(static_cast<int>(info.dwPlatformId), static_cast<int>(info.dwMajorVersion),
                   static_cast<int>(info.dwMinorVersion));
}

}  // namespace tesh::option
