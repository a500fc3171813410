#include "option/win/keyboard_capture.h"

#include <cstdio>

namespace tesh::option {
namespace {

// The hook procedure has no context of its own: the window of the one capture in.
HWND captureTarget = nullptr;

void Debug(const char* format, unsigned long long value) {
    char line[64];
    std::snprintf(line, sizeof line, format, value);
    OutputDebugStringA(line);
}

}  // namespace

KeyboardCapture::KeyboardCapture(HWND target) {
    if (captureTarget) return;
    hook_ = SetWindowsHookExA(WH_KEYBOARD_LL, Proc, GetModuleHandleA(nullptr), 0);
    Debug("Hhook: %llx\r\n", reinterpret_cast<uintptr_t>(hook_));
    if (hook_) captureTarget = target;
}

KeyboardCapture::~KeyboardCapture() {
    if (!hook_) return;
    Debug("Hhook: %llx\r\n", reinterpret_cast<uintptr_t>(hook_));
    OutputDebugStringA(UnhookWindowsHookEx(hook_) ? "UnHhook: Success \r\n" : "UnHhook: Fail \r\n");
    captureTarget = nullptr;
}

LRESULT CALLBACK KeyboardCapture::Proc(int code, WPARAM message, LPARAM data) {
    if (code == HC_ACTION && captureTarget) {
        const auto* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(data);
        char line[48];
        std::snprintf(line, sizeof line, "vkcode=%lx,scancode=%lx\n", key->vkCode, key->scanCode);
        OutputDebugStringA(line);
        const bool released = message == WM_KEYUP || message == WM_SYSKEYUP;
        PostMessageA(captureTarget, kKeyCaptureMessage, key->vkCode, released ? kKeyReleased : 0);
    }
    return 1;  // taken: no program sees the key
}

}  // namespace tesh::option
