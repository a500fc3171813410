// A window that refuses WM_CLOSE, under the title given on the command line: a program
// that does not close when the setup program asks it to. It ends when it is ended.
#include <windows.h>

namespace {

constexpr char kClassName[] = "TeshStubbornWindow";

LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE) return 0;
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = Proc;
    wc.hInstance = instance;
    wc.lpszClassName = kClassName;
    RegisterClassA(&wc);
    CreateWindowExA(0, kClassName, commandLine, WS_OVERLAPPED, 0, 0, 100, 100, nullptr, nullptr,
                    instance, nullptr);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
    return 0;
}
