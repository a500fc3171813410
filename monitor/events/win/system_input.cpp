#include "monitor/events/win/system_input.h"

#include <windows.h>
// After windows.h, whose types they use.
#include <tlhelp32.h>

#include <vector>

namespace tesh::monitor {

namespace {

// Keys of the extended set (the grey keys beside the main block): their scan codes
// need the extended flag to be told from the numeric keypad's.
bool IsExtendedKey(int virtualKey) {
    switch (virtualKey) {
        case VK_PRIOR:
        case VK_NEXT:
        case VK_END:
        case VK_HOME:
        case VK_LEFT:
        case VK_UP:
        case VK_RIGHT:
        case VK_DOWN:
        case VK_SNAPSHOT:
        case VK_INSERT:
        case VK_DELETE:
        case VK_LWIN:
        case VK_RWIN:
        case VK_APPS:
        case VK_DIVIDE:
        case VK_NUMLOCK:
        case VK_RCONTROL:
        case VK_RMENU:
            return true;
        default:
            return false;
    }
}

struct MouseFlags {
    DWORD down;
    DWORD up;
    DWORD data;
};

MouseFlags FlagsOf(MouseButton button) {
    switch (button) {
        case MouseButton::kLeft:
            return {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, 0};
        case MouseButton::kRight:
            return {MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP, 0};
        case MouseButton::kMiddle:
            return {MOUSEEVENTF_MIDDLEDOWN, MOUSEEVENTF_MIDDLEUP, 0};
        case MouseButton::kExtra2:
            return {MOUSEEVENTF_XDOWN, MOUSEEVENTF_XUP, XBUTTON2};
        case MouseButton::kExtra1:
        default:
            return {MOUSEEVENTF_XDOWN, MOUSEEVENTF_XUP, XBUTTON1};
    }
}

}  // namespace

void SystemInput::Key(int virtualKey, int scanCode, bool up) {
    DWORD flags = up ? KEYEVENTF_KEYUP : 0;
    if (IsExtendedKey(virtualKey)) flags |= KEYEVENTF_EXTENDEDKEY;
    keybd_event(static_cast<BYTE>(virtualKey), static_cast<BYTE>(scanCode), flags, 0);
}

void SystemInput::Mouse(MouseButton button, bool up) {
    const MouseFlags flags = FlagsOf(button);
    mouse_event(up ? flags.up : flags.down, 0, 0, flags.data, 0);
}

// WinExec's results above 31 mean the program started.
bool SystemPrograms::Run(const std::string& commandLine) {
    return WinExec(commandLine.c_str(), SW_SHOWNORMAL) > 31;
}

std::string SystemPrograms::ExpandEnvironment(const std::string& text) {
    const DWORD needed = ExpandEnvironmentStringsA(text.c_str(), nullptr, 0);
    if (needed == 0) return text;
    std::vector<char> expanded(needed + 1);
    if (ExpandEnvironmentStringsA(text.c_str(), expanded.data(), needed + 1) == 0) return text;
    return expanded.data();
}

std::string SnapshotForeground::ExecutableName() {
    HWND window = GetForegroundWindow();
    DWORD process = 0;
    if (!window || !GetWindowThreadProcessId(window, &process)) return "";
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return "";
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    std::string name;
    for (BOOL more = Process32First(snapshot, &entry); more;
         more = Process32Next(snapshot, &entry)) {
        if (entry.th32ProcessID == process) {
            name = entry.szExeFile;
            break;
        }
    }
    CloseHandle(snapshot);
    return name;
}

bool MachineRegistry::Write(std::string_view, std::string_view, std::string_view) {
    return false;
}

std::optional<std::string> MachineRegistry::Read(std::string_view key, std::string_view name) {
    HKEY opened;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, std::string(key).c_str(), 0, KEY_READ, &opened) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    const std::string valueName(name);
    const char* namePtr = valueName.empty() ? nullptr : valueName.c_str();
    DWORD type = 0;
    DWORD bytes = 0;
    std::optional<std::string> result;
    if (RegQueryValueExA(opened, namePtr, nullptr, &type, nullptr, &bytes) == ERROR_SUCCESS &&
        (type == REG_SZ || type == REG_EXPAND_SZ)) {
        std::vector<char> text(bytes + 1, '\0');
        if (RegQueryValueExA(opened, namePtr, nullptr, &type, reinterpret_cast<BYTE*>(text.data()),
                             &bytes) == ERROR_SUCCESS) {
            result = std::string(text.data());
        }
    }
    RegCloseKey(opened);
    return result;
}

}  // namespace tesh::monitor
