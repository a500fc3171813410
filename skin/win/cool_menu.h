// CoolMenu: flat popup menus for the whole user-interface thread. A window-procedure
// hook replaces the procedure of every popup menu window (class "#32768") when it is
// created or sized; the replacement widens the frame and paints it flat in the
// button-shadow and menu colours, and gives the old procedure back when the menu
// window goes away.
#pragma once

#include <windows.h>

#include <cstddef>

namespace tesh::skin {

class CoolMenu {
  public:
    // Installs the hook on the calling thread; false when it is installed already.
    static bool Install();
    static void Uninstall();
    static bool Installed();
    // The menu windows that are flat now.
    static std::size_t MenuCount();
};

}  // namespace tesh::skin
