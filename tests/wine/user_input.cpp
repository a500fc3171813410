#include "tests/wine/user_input.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace tesh::test {
namespace {

constexpr int kStepPixels = 6;
constexpr DWORD kStepPauseMs = 8;
constexpr DWORD kInputPauseMs = 40;
constexpr int kNormalised = 65535;
constexpr int kClearedCharacters = 12;

}  // namespace

void UserInput::SendMouse(DWORD flags, POINT at) {
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

void UserInput::MoveTo(POINT to) {
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

void UserInput::Click(POINT at) {
    MoveTo(at);
    SendMouse(MOUSEEVENTF_LEFTDOWN, at);
    Sleep(kInputPauseMs);
    SendMouse(MOUSEEVENTF_LEFTUP, at);
    Sleep(kInputPauseMs);
}

void UserInput::DoubleClick(POINT at) {
    MoveTo(at);
    // Quickly, well inside any double-click time.
    for (int i = 0; i < 2; ++i) {
        SendMouse(MOUSEEVENTF_LEFTDOWN, at);
        SendMouse(MOUSEEVENTF_LEFTUP, at);
    }
    Sleep(kInputPauseMs);
}

void UserInput::Drag(POINT from, POINT to) {
    MoveTo(from);
    SendMouse(MOUSEEVENTF_LEFTDOWN, from);
    Sleep(kInputPauseMs);
    MoveTo(to);
    SendMouse(MOUSEEVENTF_LEFTUP, to);
    Sleep(kInputPauseMs);
}

void UserInput::Key(WORD virtualKey, bool up) {
    INPUT key = {};
    key.type = INPUT_KEYBOARD;
    key.ki.wVk = virtualKey;
    key.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &key, sizeof key);
}

void UserInput::PressKey(WORD virtualKey) {
    Key(virtualKey, false);
    Key(virtualKey, true);
    Sleep(kInputPauseMs);
}

void UserInput::PressChord(WORD modifier, WORD virtualKey) {
    Key(modifier, false);
    PressKey(virtualKey);
    Key(modifier, true);
    Sleep(kInputPauseMs);
}

void UserInput::Type(const std::string& keys) {
    for (char c : keys) {
        SHORT scan = VkKeyScanA(c);
        bool shift = (scan >> 8) & 1;
        if (shift) Key(VK_SHIFT, false);
        PressKey(static_cast<WORD>(scan & 0xFF));
        if (shift) Key(VK_SHIFT, true);
    }
}

void UserInput::ReplaceText(const std::string& keys) {
    PressKey(VK_END);
    for (int i = 0; i < kClearedCharacters; ++i) PressKey(VK_BACK);
    Type(keys);
}

POINT ClientToScreenPoint(HWND window, POINT client) {
    ClientToScreen(window, &client);
    return client;
}

std::string ScreenshotDirectory() {
    if (const char* dir = std::getenv("TESH_SCREENSHOTS")) return dir;
    // The test program lives in build\windows\bin; the pictures go to build\screenshots.
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string dir(path);
    for (int i = 0; i < 3; ++i) dir = dir.substr(0, dir.find_last_of('\\'));
    return dir + "\\screenshots";
}

std::vector<uint32_t> CaptureScreen(const RECT& r) {
    const int width = r.right - r.left, height = r.bottom - r.top;
    std::vector<uint32_t> pixels(static_cast<std::size_t>(width) * height);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
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
    return pixels;
}

bool SaveScreen(const RECT& r, const std::string& name) {
    std::vector<uint32_t> pixels = CaptureScreen(r);
    // The screen has no transparency: every pixel opaque, as viewers read the fourth byte.
    for (uint32_t& p : pixels) p |= 0xFF000000u;
    std::string dir = ScreenshotDirectory();
    CreateDirectoryA(dir.c_str(), nullptr);
    std::string path = dir + "\\" + name + ".bmp";
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    BITMAPINFOHEADER info = {};
    info.biSize = sizeof info;
    info.biWidth = r.right - r.left;
    info.biHeight = -(r.bottom - r.top);  // rows from the top, as captured
    info.biPlanes = 1;
    info.biBitCount = 32;
    info.biCompression = BI_RGB;
    const auto bytes = static_cast<DWORD>(pixels.size() * sizeof pixels[0]);
    BITMAPFILEHEADER header = {};
    header.bfType = 0x4D42;  // "BM"
    header.bfOffBits = sizeof header + sizeof info;
    header.bfSize = header.bfOffBits + bytes;
    std::fwrite(&header, sizeof header, 1, file);
    std::fwrite(&info, sizeof info, 1, file);
    std::fwrite(pixels.data(), 1, bytes, file);
    return std::fclose(file) == 0;
}

}  // namespace tesh::test
