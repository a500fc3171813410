// featlink.dll bound from the program directory: all seven entry points or none. A
// monitor without the library runs without a mouse.
#pragma once

#include <windows.h>

#include <string>

#include "featlink/win/featlink_api.h"

namespace tesh::monitor {

class FeatlinkBinding {
  public:
    FeatlinkBinding() = default;
    ~FeatlinkBinding() { Free(); }
    FeatlinkBinding(const FeatlinkBinding&) = delete;
    FeatlinkBinding& operator=(const FeatlinkBinding&) = delete;

    // Loads featlink.dll from `programDirectory` (ending with a separator) and looks up
    // the seven functions. When one is missing the library is freed again and nothing
    // is bound. True when all were found.
    bool Bind(const std::string& programDirectory);
    // Forgets the functions and frees the library.
    void Free();
    bool bound() const { return module_ != nullptr; }

    Open_DevMonitorFn openDevMonitor = nullptr;
    Close_DevMonitorFn closeDevMonitor = nullptr;
    Open_FeatureDeviceFn openFeatureDevice = nullptr;
    Close_FeatureDeviceFn closeFeatureDevice = nullptr;
    SetFeatureFn setFeature = nullptr;
    GetFeatureFn getFeature = nullptr;
    GetMousePIDFn getMousePid = nullptr;  // bound, never called

  private:
    HMODULE module_ = nullptr;
};

}  // namespace tesh::monitor
