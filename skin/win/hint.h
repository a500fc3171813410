// The hint text: one string for the whole process. A control sets it to its tooltip
// when the pointer enters and to "" when the pointer leaves, then tells the window
// that shows it (message 1125), which reads it back.
#pragma once

#include <windows.h>

#include <string>

namespace tesh::skin {

std::string HintText();
void SetHintWindow(HWND window);
HWND HintWindow();

// Sets the text and posts 1125 to the hint window, if there is one.
void ShowHint(const std::string& text);

// Asks for WM_MOUSEHOVER (after 1 ms) and WM_MOUSELEAVE for a control.
void TrackHover(HWND control);

}  // namespace tesh::skin
