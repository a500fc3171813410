// Real input as a user gives it (SendInput: the pointer moves in small steps so that
// every window sees it pass, clicks, double clicks, drags, keys), and screenshots of
// the screen for people to look at.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace tesh::test {

class UserInput {
  public:
    void MoveTo(POINT to);
    void Click(POINT at);
    void DoubleClick(POINT at);
    void Drag(POINT from, POINT to);
    void PressKey(WORD virtualKey);
    // A key pressed while a modifier key is held, such as Ctrl+V.
    void PressChord(WORD modifier, WORD virtualKey);
    // Keys of the characters, with Shift where the layout needs it.
    void Type(const std::string& keys);
    // End, Backspace over what a short field holds, then the text.
    void ReplaceText(const std::string& keys);

  private:
    void SendMouse(DWORD flags, POINT at);
    void Key(WORD virtualKey, bool up);
    POINT pointer_ = {0, 0};
};

// The screen point of a point in a window's client area.
POINT ClientToScreenPoint(HWND window, POINT client);

// build\screenshots (or TESH_SCREENSHOTS).
std::string ScreenshotDirectory();
// The screen's rectangle as 32-bit pixels (0x00RRGGBB), row by row from the top.
std::vector<uint32_t> CaptureScreen(const RECT& rect);
// Saves the screen's rectangle as NAME.bmp in the screenshot directory.
bool SaveScreen(const RECT& rect, const std::string& name);

}  // namespace tesh::test
