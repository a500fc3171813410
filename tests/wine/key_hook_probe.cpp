// key_hook_probe READY_EVENT COUNT TIMEOUT_MS: a low-level keyboard hook in a process
// of its own, as a user's program would see our input. It sets the named event once
// the hook is in, records each key event with the performance counter's time until
// COUNT events came or TIMEOUT_MS passed, then prints one line per event:
// "<microseconds> <virtual key> down|up".
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

struct KeyEvent {
    long long us;
    DWORD vk;
    bool up;
};

std::vector<KeyEvent> events;
std::size_t wanted = 0;
LARGE_INTEGER frequency;

long long NowUs() {
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return counter.QuadPart / frequency.QuadPart * 1000000 +
           counter.QuadPart % frequency.QuadPart * 1000000 / frequency.QuadPart;
}

LRESULT CALLBACK OnKey(int code, WPARAM message, LPARAM data) {
    if (code == HC_ACTION) {
        const long long now = NowUs();
        const auto* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(data);
        events.push_back({now, key->vkCode, message == WM_KEYUP || message == WM_SYSKEYUP});
        if (events.size() >= wanted) PostQuitMessage(0);
    }
    return CallNextHookEx(nullptr, code, message, data);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: key_hook_probe READY_EVENT COUNT TIMEOUT_MS\n");
        return 2;
    }
    QueryPerformanceFrequency(&frequency);
    wanted = static_cast<std::size_t>(std::atoi(argv[2]));
    events.reserve(wanted + 16);
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_TIME_CRITICAL);
    HHOOK hook = SetWindowsHookExA(WH_KEYBOARD_LL, &OnKey, GetModuleHandleA(nullptr), 0);
    if (!hook) return 1;
    HANDLE ready = OpenEventA(EVENT_MODIFY_STATE, FALSE, argv[1]);
    if (ready) {
        SetEvent(ready);
        CloseHandle(ready);
    }
    SetTimer(nullptr, 0, static_cast<UINT>(std::atoi(argv[3])), nullptr);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (msg.message == WM_TIMER) break;
    }
    UnhookWindowsHookEx(hook);
    for (const KeyEvent& event : events) {
        std::printf("%lld %lu %s\n", event.us, event.vk, event.up ? "up" : "down");
    }
    return 0;
}
