#include "monitor/win/windows_pointer_system.h"

namespace tesh::monitor {

namespace {

constexpr char kWheelLinesSetting[] = "WheelScrollLines";
#ifndef SPI_SETWHEELSCROLLCHARS
constexpr UINT SPI_SETWHEELSCROLLCHARS = 0x006D;
#endif

// A failing call changes nothing and is ignored.
void Set(UINT action, UINT value, void* parameter = nullptr) {
    SystemParametersInfoA(action, value, parameter, SPIF_SENDCHANGE);
}

}  // namespace

void WindowsPointerSystem::SetDoubleClickTime(int milliseconds) {
    ::SetDoubleClickTime(static_cast<UINT>(milliseconds));
}

void WindowsPointerSystem::SetMouse(int threshold1, int threshold2, int speed) {
    int values[3] = {threshold1, threshold2, speed};
    Set(SPI_SETMOUSE, 0, values);
    SendMessageA(window_, WM_WININICHANGE, SPI_SETMOUSE, reinterpret_cast<LPARAM>(values));
}

void WindowsPointerSystem::SetMouseSpeed(int speed) {
    Set(SPI_SETMOUSESPEED, 0, reinterpret_cast<void*>(static_cast<intptr_t>(speed)));
    SendMessageA(window_, WM_WININICHANGE, SPI_SETMOUSESPEED, 0);
}

void WindowsPointerSystem::SetWheelScrollLines(int lines) {
    Set(SPI_SETWHEELSCROLLLINES, static_cast<UINT>(lines));
    DWORD recipients = BSM_APPLICATIONS;
    BroadcastSystemMessageA(BSF_NOHANG, &recipients, WM_SETTINGCHANGE, SPI_SETWHEELSCROLLLINES,
                            reinterpret_cast<LPARAM>(kWheelLinesSetting));
}

void WindowsPointerSystem::SetWheelScrollChars(int characters) {
    Set(SPI_SETWHEELSCROLLCHARS, static_cast<UINT>(characters));
    PostMessageA(HWND_BROADCAST, WM_WININICHANGE, SPI_SETWHEELSCROLLCHARS, 0);
}

void WindowsPointerSystem::SetMouseTrails(int trails) {
    Set(SPI_SETMOUSETRAILS, static_cast<UINT>(trails));
    PostMessageA(HWND_BROADCAST, WM_WININICHANGE, SPI_SETMOUSETRAILS, 0);
}

}  // namespace tesh::monitor
