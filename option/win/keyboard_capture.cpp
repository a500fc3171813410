#include "option/win/keyboard_capture.h"

#include <cstdio>
#include <deque>

namespace tesh::option {
namespace {

// The hook procedure has no context of its own: the window of the one capture in, and
// the times of the keys posted to it and not yet taken.
HWND captureTarget = nullptr;
std::deque<KeyStamp> keyStamps;
constexpr std::size_t kMostKeyStamps = 1024;

void Debug(const char* format, unsigned long long value) {
    char line[64];
    std::snprintf(line, sizeof line, format, value);
    OutputDebugStringA(line);
}

// Some systems (Wine among them) report a modifier key by its generic code; the key
// tables know the left and the right one, which the scan code and the extended flag
// tell apart.
DWORD SidedKey(const KBDLLHOOKSTRUCT& key) {
    constexpr DWORD kRightShiftScan = 0x36;
    const bool extended = (key.flags & LLKHF_EXTENDED) != 0;
    switch (key.vkCode) {
        case VK_SHIFT:
            return key.scanCode == kRightShiftScan ? VK_RSHIFT : VK_LSHIFT;
        case VK_CONTROL:
            return extended ? VK_RCONTROL : VK_LCONTROL;
        case VK_MENU:
            return extended ? VK_RMENU : VK_LMENU;
        default:
            return key.vkCode;
    }
}

}  // namespace

KeyboardCapture::KeyboardCapture(HWND target) {
    if (captureTarget) return;
    hook_ = SetWindowsHookExA(WH_KEYBOARD_LL, Proc, GetModuleHandleA(nullptr), 0);
    Debug("Hhook: %llx\r\n", reinterpret_cast<uintptr_t>(hook_));
    if (hook_) captureTarget = target;
    keyStamps.clear();
    // The hook runs in this thread's message loop: while it is in, the thread is woken
    // first, so that a key's time is taken as soon as the key comes.
    priority_ = GetThreadPriority(GetCurrentThread());
    if (hook_) SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_HIGHEST);
}

KeyboardCapture::~KeyboardCapture() {
    if (!hook_) return;
    Debug("Hhook: %llx\r\n", reinterpret_cast<uintptr_t>(hook_));
    OutputDebugStringA(UnhookWindowsHookEx(hook_) ? "UnHhook: Success \r\n" : "UnHhook: Fail \r\n");
    captureTarget = nullptr;
    keyStamps.clear();
    SetThreadPriority(GetCurrentThread(), priority_);
}

int64_t KeyboardCapture::NowMicroseconds() {
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return counter.QuadPart / frequency.QuadPart * 1000000 +
           counter.QuadPart % frequency.QuadPart * 1000000 / frequency.QuadPart;
}

KeyStamp KeyboardCapture::TakeKeyStamp() {
    if (keyStamps.empty()) return {NowMicroseconds(), GetTickCount()};
    const KeyStamp stamp = keyStamps.front();
    keyStamps.pop_front();
    return stamp;
}

LRESULT CALLBACK KeyboardCapture::Proc(int code, WPARAM message, LPARAM data) {
    // A negative code is not ours to handle.
    if (code < 0) return CallNextHookEx(nullptr, code, message, data);
    if (code == HC_ACTION && captureTarget) {
        const int64_t now = NowMicroseconds();
        const auto* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(data);
        char line[48];
        std::snprintf(line, sizeof line, "vkcode=%lx,scancode=%lx\n", key->vkCode, key->scanCode);
        OutputDebugStringA(line);
        const bool released = message == WM_KEYUP || message == WM_SYSKEYUP;
        if (keyStamps.size() < kMostKeyStamps) keyStamps.push_back({now, key->time});
        PostMessageA(captureTarget, kKeyCaptureMessage, SidedKey(*key),
                     released ? kKeyReleased : 0);
    }
    return 1;  // taken: no program sees the key
}

}  // namespace tesh::option
