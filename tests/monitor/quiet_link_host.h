// A monitor window that does nothing when the code under test asks it for something,
// and counts the tray icon's updates.
#pragma once

#include "monitor/host_ports.h"

namespace tesh::monitor::test {

class QuietLinkHost : public LinkHost {
  public:
    void PostDeviceJob(int, int) override {}
    void StartTimer(int, uint32_t) override {}
    void KillTimer(int) override {}
    void UpdateTrayIcon() override { ++trayUpdates; }
    void CloseMonitorWindow() override {}
    bool StartFlagSet() override { return false; }
    void ClearStartFlag() override {}
    void OpenConfigurationApp() override {}
    void SendQuibDeviceStatus(bool) override {}
    void SendQuixAimCpi() override {}
    void DispatchEvent(uint32_t) override {}
    int trayUpdates = 0;
};

}  // namespace tesh::monitor::test
