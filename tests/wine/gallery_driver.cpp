#include "tests/wine/gallery_driver.h"

// clang-format off
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>
// clang-format on

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "skin/win/cool_menu.h"

namespace tesh::skin::testing {
namespace {

constexpr char kRunnerClass[] = "TeshGalleryRunner";
constexpr UINT kMsgRun = WM_APP + 1;
constexpr int kStepPixels = 6;
constexpr DWORD kStepPauseMs = 8;
constexpr DWORD kInputPauseMs = 40;
constexpr DWORD kPollMs = 20;
constexpr int kNormalised = 65535;

}  // namespace

bool GalleryDriver::Start(int x, int y) {
    origin_ = {x, y};
    ready_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    thread_ = CreateThread(nullptr, 0, UiThread, this, 0, nullptr);
    WaitForSingleObject(ready_, INFINITE);
    return started_;
}

DWORD WINAPI GalleryDriver::UiThread(void* param) {
    auto* self = static_cast<GalleryDriver*>(param);
    OleInitialize(nullptr);
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    CoolMenu::Install();
    WNDCLASSA wc = {};
    wc.lpfnWndProc = RunnerProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kRunnerClass;
    RegisterClassA(&wc);
    self->runner_ = CreateWindowExA(0, kRunnerClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                    wc.hInstance, nullptr);
    gallery::GalleryWindow gallery;
    self->gallery_ = &gallery;
    self->started_ = self->runner_ && gallery.Create(self->origin_.x, self->origin_.y);
    SetEvent(self->ready_);
    MSG msg;
    while (self->started_ && GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    self->gallery_ = nullptr;
    DestroyWindow(self->runner_);
    CoolMenu::Uninstall();
    OleUninitialize();
    return 0;
}

void GalleryDriver::Stop() {
    if (!thread_) return;
    if (started_) OnUi([this] { DestroyWindow(gallery_->hwnd()); });
    WaitForSingleObject(thread_, 10000);
    CloseHandle(thread_);
    CloseHandle(ready_);
    thread_ = nullptr;
}

LRESULT CALLBACK GalleryDriver::RunnerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kMsgRun) {
        (*reinterpret_cast<const std::function<void()>*>(lParam))();
        return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

void GalleryDriver::OnUi(const std::function<void()>& work) {
    SendMessageA(runner_, kMsgRun, 0, reinterpret_cast<LPARAM>(&work));
}

POINT GalleryDriver::CentreOf(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

POINT GalleryDriver::GalleryPoint(int x, int y) const {
    POINT p = {x, y};
    ClientToScreen(gallery_->hwnd(), &p);
    return p;
}

void GalleryDriver::SendMouse(DWORD flags, POINT at) {
    int width = GetSystemMetrics(SM_CXSCREEN) - 1;
    int height = GetSystemMetrics(SM_CYSCREEN) - 1;
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(at.x, kNormalised, width);
    input.mi.dy = MulDiv(at.y, kNormalised, height);
    input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    SendInput(1, &input, sizeof input);
    pointer_ = at;
}

void GalleryDriver::MoveTo(POINT to) {
    POINT from = pointer_;
    int distance = static_cast<int>(std::max(std::abs(to.x - from.x), std::abs(to.y - from.y)));
    int steps = std::max(1, distance / kStepPixels);
    for (int i = 1; i <= steps; ++i) {
        POINT p = {from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps};
        SendMouse(0, p);
        Sleep(kStepPauseMs);
    }
    Sleep(kInputPauseMs);
}

void GalleryDriver::Click(POINT at) {
    MoveTo(at);
    SendMouse(MOUSEEVENTF_LEFTDOWN, at);
    Sleep(kInputPauseMs);
    SendMouse(MOUSEEVENTF_LEFTUP, at);
    Sleep(kInputPauseMs);
}

void GalleryDriver::Drag(POINT from, POINT to) {
    MoveTo(from);
    SendMouse(MOUSEEVENTF_LEFTDOWN, from);
    Sleep(kInputPauseMs);
    MoveTo(to);
    SendMouse(MOUSEEVENTF_LEFTUP, to);
    Sleep(kInputPauseMs);
}

void GalleryDriver::PressKey(WORD virtualKey) {
    INPUT keys[2] = {};
    keys[0].type = keys[1].type = INPUT_KEYBOARD;
    keys[0].ki.wVk = keys[1].ki.wVk = virtualKey;
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, keys, sizeof keys[0]);
    Sleep(kInputPauseMs);
}

void GalleryDriver::Type(const std::string& keys) {
    for (char c : keys) {
        SHORT scan = VkKeyScanA(c);
        bool shift = (scan >> 8) & 1;
        if (shift) {
            INPUT down = {};
            down.type = INPUT_KEYBOARD;
            down.ki.wVk = VK_SHIFT;
            SendInput(1, &down, sizeof down);
        }
        PressKey(static_cast<WORD>(scan & 0xFF));
        if (shift) {
            INPUT up = {};
            up.type = INPUT_KEYBOARD;
            up.ki.wVk = VK_SHIFT;
            up.ki.dwFlags = KEYEVENTF_KEYUP;
            SendInput(1, &up, sizeof up);
        }
    }
}

bool GalleryDriver::WaitFor(const std::function<bool()>& condition, int timeoutMs) {
    DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > static_cast<DWORD>(timeoutMs)) return false;
        Sleep(kPollMs);
    }
    return true;
}

std::string GalleryDriver::ScreenshotDirectory() {
    if (const char* dir = std::getenv("TESH_SCREENSHOTS")) return dir;
    // The test program lives in build\windows\bin; the pictures go to build\screenshots.
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string dir(path);
    for (int i = 0; i < 3; ++i) dir = dir.substr(0, dir.find_last_of('\\'));
    return dir + "\\screenshots";
}

bool GalleryDriver::Screenshot(const std::string& name, int extraBelow) {
    RECT r;
    GetWindowRect(gallery_->hwnd(), &r);
    r.bottom += extraBelow;
    return SaveScreen(r, name);
}

bool SaveScreen(const RECT& r, const std::string& name) {
    int width = r.right - r.left;
    int height = r.bottom - r.top;
    int stride = (width * 3 + 3) & ~3;
    std::vector<char> pixels(static_cast<std::size_t>(stride) * height);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
    SelectObject(memory, old);
    GetDIBits(memory, bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);

    std::string dir = GalleryDriver::ScreenshotDirectory();
    CreateDirectoryA(dir.c_str(), nullptr);
    std::string path = dir + "\\" + name + ".bmp";
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    BITMAPFILEHEADER header = {};
    header.bfType = 0x4D42;  // "BM"
    header.bfOffBits = sizeof header + sizeof info.bmiHeader;
    header.bfSize = header.bfOffBits + static_cast<DWORD>(pixels.size());
    std::fwrite(&header, sizeof header, 1, file);
    std::fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, file);
    std::fwrite(pixels.data(), 1, pixels.size(), file);
    return std::fclose(file) == 0;
}

}  // namespace tesh::skin::testing
