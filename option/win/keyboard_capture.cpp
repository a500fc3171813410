#include "option/win/keyboard_capture.h"

#include <cstdio>
#include <deque>

namespace tesh::option {
namespace {

// The hook procedure has no context of its own: the window of the one capture in, and
// the times of the keys posted to it and not yet taken.
HWND captureTarget = nullptr;
std::deque<int64_t> keyTimes;
constexpr std::size_t kMostKeyTimes = 1024;

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
    keyTimes.clear();
}

KeyboardCapture::~KeyboardCapture() {
    if (!hook_) return;
    Debug("Hhook: %llx\r\n", reinterpret_cast<uintptr_t>(hook_));
    OutputDebugStringA(UnhookWindowsHookEx(hook_) ? "UnHhook: Success \r\n" : "UnHhook: Fail \r\n");
    captureTarget = nullptr;
    keyTimes.clear();
}

int64_t KeyboardCapture::NowMicroseconds() {
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return counter.QuadPart / frequency.QuadPart * 1000000 +
           counter.QuadPart % frequency.QuadPart * 1000000 / frequency.QuadPart;
}

int64_t KeyboardCapture::TakeKeyTime() {
    if (keyTimes.empty()) return NowMicroseconds();
    const int64_t time = keyTimes.front();
    keyTimes.pop_front();
    return time;
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
        if (keyTimes.size() < kMostKeyTimes) keyTimes.push_back(now);
        PostMessageA(captureTarget, kKeyCaptureMessage, key->vkCode, released ? kKeyReleased : 0);
    }
    return 1;  // taken: no program sees the key
}

}  // namespace tesh::option
