// The monitor's window and the Windows double-click time, for the application model.
#pragma once

#include <windows.h>

#include "option/app_ports.h"

namespace tesh::option {

class MonitorWindow : public MonitorPort {
  public:
    bool Send(uint32_t message, uintptr_t wParam) override;
};

class WindowsDoubleClick : public DoubleClickPort {
  public:
    int Get() override { return static_cast<int>(GetDoubleClickTime()); }
    void Set(int milliseconds) override { SetDoubleClickTime(static_cast<UINT>(milliseconds)); }
};

}  // namespace tesh::option
