// The Windows family this program runs on, as the button page needs it.
#pragma once

namespace tesh::option {

// OsClass of the running system's real version (not the one Windows reports to
// programs that do not declare the newer systems).
int CurrentOsClass();
// The class of Windows XP and the other 5.1 and 5.2 systems.
constexpr int kWindowsXpClass = 4;

}  // namespace tesh::option
