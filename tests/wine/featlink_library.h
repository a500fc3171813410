// featlink.dll loaded from a given file as the monitor and the upgrader load it, and the
// exchanges the tests make through it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "featlink/win/featlink_api.h"

namespace tesh::test {

using Bytes = std::vector<uint8_t>;

class FeatlinkLibrary {
  public:
    explicit FeatlinkLibrary(const std::string& path);
    ~FeatlinkLibrary();
    FeatlinkLibrary(const FeatlinkLibrary&) = delete;
    FeatlinkLibrary& operator=(const FeatlinkLibrary&) = delete;

    // True when the file was loaded and all seven functions were found.
    bool loaded() const { return module_ != nullptr && complete_; }
    HMODULE module() const { return module_; }

    Open_DevMonitorFn openDevMonitor = nullptr;
    Close_DevMonitorFn closeDevMonitor = nullptr;
    Open_FeatureDeviceFn openFeatureDevice = nullptr;
    Close_FeatureDeviceFn closeFeatureDevice = nullptr;
    SetFeatureFn setFeature = nullptr;
    GetFeatureFn getFeature = nullptr;
    GetMousePIDFn getMousePid = nullptr;

    // A report written and its status polled past busy; the final status, 0 on failure.
    uint8_t WriteAndWait(Bytes report);
    // A report of `length` bytes read; nullopt when the call failed.
    std::optional<Bytes> Read(uint8_t id, uint32_t length);
    // The 26 settings bytes of a profile: written with every byte from `seed` on,
    // and read back through the status selection.
    bool WriteProfileSettings(uint8_t profile, uint8_t seed);
    std::optional<Bytes> ReadProfileSettings(uint8_t profile);

  private:
    HMODULE module_ = nullptr;
    bool complete_ = false;
};

// The settings bytes that WriteProfileSettings writes.
Bytes SeededSettings(uint8_t seed);
std::string HexBytes(const Bytes& bytes);

}  // namespace tesh::test
