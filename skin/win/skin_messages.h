// The messages the skinned controls send to their owners, and their names.
#pragma once

#include <windows.h>

namespace tesh::skin {

constexpr UINT kMsgSliderChanged = 1094;          // wParam new value, lParam control id
constexpr UINT kMsgSpinChanged = 1114;            // wParam new value, lParam control id
constexpr UINT kMsgEditChanged = 1116;            // wParam kEnterReleased or 0
constexpr UINT kMsgHover = 1124;                  // wParam 1 begins, 0 ends; lParam hover id
constexpr UINT kMsgHint = 1125;                   // the hint text changed
constexpr UINT kMsgListRightClick = WM_APP + 41;  // wParam the list's id, lParam the screen point
constexpr UINT kMsgListEditDone = WM_APP + 42;    // wParam committed (1) or not, lParam the row
constexpr WPARAM kEnterReleased = 13;
constexpr char kEditKillFocusName[] = "BitmapEdit_KillFocus";

// The registered message a BitmapEdit posts when it loses the focus.
UINT EditKillFocusMessage();

}  // namespace tesh::skin
