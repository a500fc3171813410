// The monitor program as the upgrader handles it: closed before an upload, so that no
// other program talks to the mouse meanwhile, and started again after a successful one.
#pragma once

#include <string>

namespace tesh::upgrade {

// Finds the monitor's window by its title (once more after a short wait when it is
// not there), closes it and waits while the monitor lets go of the mouse. False when
// no monitor was found.
bool CloseMonitorAndWait();
// Posts WM_CLOSE to the monitor's window when there is one.
void PostCloseToMonitor();
// Starts the monitor program of the folder above the upgrader's.
bool StartMonitor(const std::string& upgraderDirectory);

}  // namespace tesh::upgrade
