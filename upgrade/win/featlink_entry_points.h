// featlink.dll bound from the upgrader's folder: the six functions it calls, all or
// none. Without them the upgrade cannot run and the window shows the failure notice.
#pragma once

#include <windows.h>

#include <string>

#include "featlink/win/featlink_api.h"

namespace tesh::upgrade {

class FeatlinkEntryPoints {
  public:
    FeatlinkEntryPoints() = default;
    ~FeatlinkEntryPoints() { Free(); }
    FeatlinkEntryPoints(const FeatlinkEntryPoints&) = delete;
    FeatlinkEntryPoints& operator=(const FeatlinkEntryPoints&) = delete;

    // Loads featlink.dll from `directory` (ending with a backslash) and looks up the
    // six functions; when one is missing the library is freed again. True when bound.
    bool Bind(const std::string& directory);
    // Forgets the functions and frees the library.
    void Free();
    bool bound() const { return module_ != nullptr; }

    Open_DevMonitorFn openDevMonitor = nullptr;
    Close_DevMonitorFn closeDevMonitor = nullptr;
    Open_FeatureDeviceFn openFeatureDevice = nullptr;
    Close_FeatureDeviceFn closeFeatureDevice = nullptr;
    SetFeatureFn setFeature = nullptr;
    GetFeatureFn getFeature = nullptr;

  private:
    HMODULE module_ = nullptr;
};

}  // namespace tesh::upgrade
