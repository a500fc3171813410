#include "tests/wine/message_window.h"

#include <ostream>

namespace tesh::test {

namespace {

constexpr char kClassName[] = "TeshFeatlinkTestWindow";

void RegisterOnce() {
    static const ATOM atom = [] {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = kClassName;
        return RegisterClassA(&windowClass);
    }();
    (void)atom;
}

}  // namespace

std::string Describe(const PostedMessage& message) {
    return std::to_string(message.message) + " " + std::to_string(message.wParam) + " " +
           std::to_string(message.lParam);
}

void PrintTo(const PostedMessage& message, std::ostream* os) {
    *os << Describe(message);
}

MessageWindow::MessageWindow() {
    RegisterOnce();
    window_ = CreateWindowExA(0, kClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
}

MessageWindow::~MessageWindow() {
    Destroy();
}

void MessageWindow::Destroy() {
    if (window_) DestroyWindow(window_);
    window_ = nullptr;
}

std::vector<PostedMessage> MessageWindow::WaitFor(std::size_t count, UINT first, UINT last,
                                                  DWORD timeoutMs) {
    std::vector<PostedMessage> received;
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    while (received.size() < count) {
        MSG msg;
        while (received.size() < count && PeekMessageA(&msg, window_, first, last, PM_REMOVE)) {
            received.push_back({msg.message, msg.wParam, msg.lParam});
        }
        const ULONGLONG now = GetTickCount64();
        if (received.size() >= count || now >= deadline) break;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(deadline - now),
                                  QS_ALLINPUT);
    }
    return received;
}

}  // namespace tesh::test
