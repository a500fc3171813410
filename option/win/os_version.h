// The Windows family this program runs on, as the button page needs it.
#pragma once

namespace tesh::option {

// OsClass of the running system's real version (not the one Windows reports to
// programs that do not declare the newer systems).
int CurrentOsClass();

}  // namespace tesh::option
