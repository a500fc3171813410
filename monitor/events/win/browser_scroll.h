// A tilt step over an embedded browser: its document's window is scrolled through the
// HTML object model, reached by the accessibility library; scroll bar messages when
// that fails. Runs on the monitor's window thread, for the message it posted itself.
#pragma once

#include <cstdint>

namespace tesh::monitor {

// `steps` as the message carried it (wParam), `left` its lParam not 0.
void ScrollBrowserUnderPointer(uintptr_t steps, bool left);

}  // namespace tesh::monitor
