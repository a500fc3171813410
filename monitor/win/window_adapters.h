// The device core's window and shell ports on Windows: windows found by their exact
// titles, and programs started through the shell.
#pragma once

#include "monitor/host_ports.h"

namespace tesh::monitor {

class TitledWindows : public WindowPort {
  public:
    bool PostToWindow(std::string_view title, uint32_t message, uintptr_t wParam,
                      intptr_t lParam) override;
    bool CloseWindow(std::string_view title) override;
};

class ShellStarter : public ShellPort {
  public:
    // ShellExecuteA "open" with SW_SHOW.
    bool Open(const std::string& path, const std::string& parameters) override;
};

}  // namespace tesh::monitor
