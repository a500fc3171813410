// Notifications that the system sends to a control's parent (colours, WM_COMMAND)
// handed back to the control itself, so that a control keeps its own look and
// behaviour whatever window it is placed on.
#pragma once

#include <windows.h>

namespace tesh::skin {

// A reflected message arrives at the control as kReflectBase + the original number.
constexpr UINT kReflectBase = WM_USER + 0x1C00;

// Marks the control as wanting its notifications back and makes its parent send them.
void ReflectNotifications(HWND control);

}  // namespace tesh::skin
