// The device core's feature device and link control over the bound featlink functions.
// Without the library every transfer fails and the mouse is never found.
#pragma once

#include <windows.h>

#include "monitor/device_ports.h"
#include "monitor/host_ports.h"
#include "monitor/win/featlink_binding.h"

namespace tesh::monitor {

class FeatlinkDevice : public FeatureDevice {
  public:
    explicit FeatlinkDevice(const FeatlinkBinding& binding) : binding_(binding) {}
    bool SetFeature(const uint8_t* buffer, uint32_t length) override;
    bool GetFeature(uint8_t* buffer, uint32_t length) override;

  private:
    const FeatlinkBinding& binding_;
};

class FeatlinkLink : public LinkControl {
  public:
    explicit FeatlinkLink(const FeatlinkBinding& binding) : binding_(binding) {}
    // The window that receives the device event and plug messages.
    void SetWindow(HWND window) { window_ = window; }
    void OpenDeviceMonitor() override;
    void CloseDeviceMonitor() override;
    bool OpenFeatureDevice() override;
    void CloseFeatureDevice() override;

  private:
    const FeatlinkBinding& binding_;
    HWND window_ = nullptr;
};

}  // namespace tesh::monitor
