// featlink.dll as its callers bind it: loaded from a program's folder, with the
// functions the caller needs looked up by name, all or none.
#pragma once

#include <windows.h>

#include <string>

#include "featlink/win/featlink_api.h"

namespace tesh {

enum class FeatlinkNeeds {
    kAllSeven,         // the monitor binds every function (GetMousePID is never called)
    kWithoutMousePid,  // the upgrader calls six
};

class FeatlinkLibrary {
  public:
    FeatlinkLibrary() = default;
    ~FeatlinkLibrary() { Free(); }
    FeatlinkLibrary(const FeatlinkLibrary&) = delete;
    FeatlinkLibrary& operator=(const FeatlinkLibrary&) = delete;

    // Loads featlink.dll from `directory` (ending with a separator) and looks up the
    // functions; when one that is needed is missing, the library is freed again and
    // nothing is bound. True when bound.
    bool Bind(const std::string& directory, FeatlinkNeeds needs = FeatlinkNeeds::kAllSeven);
    // Forgets the functions and frees the library.
    void Free();
    bool bound() const { return module_ != nullptr; }

    Open_DevMonitorFn openDevMonitor = nullptr;
    Close_DevMonitorFn closeDevMonitor = nullptr;
    Open_FeatureDeviceFn openFeatureDevice = nullptr;
    Close_FeatureDeviceFn closeFeatureDevice = nullptr;
    SetFeatureFn setFeature = nullptr;
    GetFeatureFn getFeature = nullptr;
    GetMousePIDFn getMousePid = nullptr;

  private:
    HMODULE module_ = nullptr;
};

}  // namespace tesh
