// What the device code hands to the rest of the monitor: the settings files, the shared
// settings block, windows found by their titles, the shell, the featlink link itself
// and the monitor window's own duties (tray, timers, jobs, Quib messages).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "monitor/device_ports.h"
#include "settings/settings_set.h"

namespace tesh::monitor {

class SettingsFiles {
  public:
    virtual ~SettingsFiles() = default;
    // config.ini, the profile files and the registry mirror. Each write is false when a
    // file could not be written; what failed then goes with the next write.
    virtual bool SaveAll(const SettingsSet& set) = 0;
    // "FWVersion" and "Device" in the Setting section of config.ini.
    virtual bool WriteFirmwareVersion(int version) = 0;
    virtual bool WriteDevice(int connected) = 0;
    // "Version" in section "Firmware" of FWUpdate\config.ini; -1 when missing.
    virtual int ReadImageVersion() = 0;
};

// The shared settings block that the configuration application reads.
class SettingsBlock {
  public:
    virtual ~SettingsBlock() = default;
    virtual void Publish(const SettingsSet& set) = 0;
};

class WindowPort {
  public:
    virtual ~WindowPort() = default;
    // Posts a message to the window with exactly this title; false when there is none.
    virtual bool PostToWindow(std::string_view title, uint32_t message, uintptr_t wParam,
                              intptr_t lParam) = 0;
    // Asks the window with exactly this title to close (WM_CLOSE); false when none.
    virtual bool CloseWindow(std::string_view title) = 0;
};

class ShellPort {
  public:
    virtual ~ShellPort() = default;
    // Starts a program shown normally, with its parameters; false when it cannot start.
    virtual bool Open(const std::string& path, const std::string& parameters) = 0;
};

// The featlink functions that open and close the mouse and its notifications.
class LinkControl {
  public:
    virtual ~LinkControl() = default;
    // From now on the plug and device event messages reach the monitor window.
    virtual void OpenDeviceMonitor() = 0;
    virtual void CloseDeviceMonitor() = 0;
    virtual bool OpenFeatureDevice() = 0;
    virtual void CloseFeatureDevice() = 0;
};

// The monitor window's part in the device link's work.
class LinkHost {
  public:
    virtual ~LinkHost() = default;
    virtual void PostDeviceJob(int job, int argument) = 0;
    virtual void StartTimer(int timer, uint32_t milliseconds) = 0;
    virtual void KillTimer(int timer) = 0;
    virtual void UpdateTrayIcon() = 0;
    // Posts WM_CLOSE to the monitor's own window.
    virtual void CloseMonitorWindow() = 0;
    // The start flag that asks to open the configuration application.
    virtual bool StartFlagSet() = 0;
    virtual void ClearStartFlag() = 0;
    virtual void OpenConfigurationApp() = 0;
    // Quib messages of the connection: device status and the Quix-Aim CPI values.
    virtual void SendQuibDeviceStatus(bool connected) = 0;
    virtual void SendQuixAimCpi() = 0;
    // The device event dispatcher, for every code that is not a plug code.
    virtual void DispatchEvent(uint32_t eventCode) = 0;
    // The mouse went away: every key a button holds goes up, and a macro stops.
    virtual void ReleaseHeldInput() {}
};

// The ports, all outliving the device core.
struct DeviceCorePorts {
    FeatureDevice& device;
    Clock& clock;
    SettingsFiles& files;
    SettingsBlock& block;
    WindowPort& windows;
    ShellPort& shell;
    LinkControl& link;
    LinkHost& host;
};

}  // namespace tesh::monitor
