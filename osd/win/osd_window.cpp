#include "osd/win/osd_window.h"

#include <cstring>
#include <memory>

#include "settings/file_io.h"
#include "settings/ini_file.h"
#include "skin/win/wide_text.h"

namespace tesh::osd {
namespace {

constexpr char kClassName[] = "TeshOsdWindow";
constexpr UINT_PTR kHideTimer = 1;
constexpr int kMargin = 24;
constexpr BYTE kOpacity = 235;
constexpr COLORREF kBackground = RGB(24, 27, 31);
constexpr COLORREF kAccent = RGB(60, 137, 191);
constexpr COLORREF kTitleColour = RGB(242, 244, 246);
constexpr COLORREF kDetailColour = RGB(154, 163, 173);

OsdSettings ReadSettings(const std::string& programDirectory) {
    OsdSettings settings = DefaultOsdSettings();
    if (!IniFile(JoinPath(programDirectory, "config.ini"))
             .ReadStruct("OSDSetting", "config", &settings, sizeof settings))
        settings = DefaultOsdSettings();
    return settings;
}

POINT CornerPoint(Corner corner) {
    RECT work = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const bool right = corner == Corner::kBottomRight || corner == Corner::kTopRight;
    const bool bottom = corner == Corner::kBottomRight || corner == Corner::kBottomLeft;
    return {right ? work.right - kMargin - OsdWindow::kWidth : work.left + kMargin,
            bottom ? work.bottom - kMargin - OsdWindow::kHeight : work.top + kMargin};
}

}  // namespace

bool OsdWindow::Create(const std::string& programDirectory) {
    placement_ = PlacementOf(ReadSettings(programDirectory));
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = Proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = kClassName;
    if (!RegisterClassExA(&wc)) return false;
    // Layered and transparent to the mouse, a tool window that never becomes active.
    hwnd_ = CreateWindowExA(
        WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE,
        kClassName, kOsdWindowTitle, WS_POPUP, 0, 0, kWidth, kHeight, nullptr, nullptr,
        wc.hInstance, this);
    if (!hwnd_) return false;
    SetLayeredWindowAttributes(hwnd_, 0, kOpacity, LWA_ALPHA);
    titleFont_ = CreateFontA(-26, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0,
                             CLEARTYPE_QUALITY, 0, "Arial");
    detailFont_ = CreateFontA(-14, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0,
                              CLEARTYPE_QUALITY, 0, "Arial");
    last_ = ReadState();  // what is shown from now on is a change of this
    return true;
}

std::optional<MouseState> OsdWindow::ReadState() {
    if (block_.Open() != option::SharedBlockPort::Attach::kAttached || !block_.Lock())
        return std::nullopt;
    auto set = std::make_unique<SettingsSet>();
    std::memcpy(set.get(), block_.view(), sizeof *set);
    block_.Unlock();
    return StateOf(*set);
}

void OsdWindow::Look(Change told) {
    const std::optional<MouseState> now = ReadState();
    if (!now) return;
    const Change change = WhatChanged(last_, *now, told);
    last_ = now;
    if (change != Change::kNone && placement_.shown) Show(LinesOf(change, *now));
}

void OsdWindow::Show(const OsdLines& lines) {
    lines_ = lines;
    const POINT at = CornerPoint(placement_.corner);
    SetWindowPos(hwnd_, HWND_TOPMOST, at.x, at.y, kWidth, kHeight, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    InvalidateRect(hwnd_, nullptr, FALSE);
    SetTimer(hwnd_, kHideTimer, kShowMs, nullptr);
}

void OsdWindow::Paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd_, &ps);
    RECT client;
    GetClientRect(hwnd_, &client);
    HBRUSH background = CreateSolidBrush(kBackground);
    FillRect(dc, &client, background);
    DeleteObject(background);
    HBRUSH accent = CreateSolidBrush(kAccent);
    RECT bar = {client.left, client.top, client.left + 6, client.bottom};
    FillRect(dc, &bar, accent);
    FrameRect(dc, &client, accent);
    DeleteObject(accent);
    SetBkMode(dc, TRANSPARENT);
    const std::wstring title = skin::Widen(lines_.title);
    const std::wstring detail = skin::Widen(lines_.detail);
    RECT titleRect = {client.left + 20, client.top + 10, client.right - 10, client.top + 46};
    RECT detailRect = {client.left + 20, client.top + 48, client.right - 10, client.bottom - 8};
    HGDIOBJ old = SelectObject(dc, titleFont_);
    SetTextColor(dc, kTitleColour);
    DrawTextW(dc, title.c_str(), -1, &titleRect, DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    SelectObject(dc, detailFont_);
    SetTextColor(dc, kDetailColour);
    DrawTextW(dc, detail.c_str(), -1, &detailRect, DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    SelectObject(dc, old);
    EndPaint(hwnd_, &ps);
}

LRESULT OsdWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case kProfileChangedMessage:
        case kDeviceValuesChangedMessage:
            Look(ToldBy(message));
            return 0;
        case kOsdSettingsMessage:
            placement_ = PlacementOfWord(static_cast<uint32_t>(lParam));
            Look(Change::kNone);
            return 0;
        case WM_TIMER:
            if (wParam == kHideTimer) {
                KillTimer(hwnd_, kHideTimer);
                ShowWindow(hwnd_, SW_HIDE);
            }
            return 0;
        case WM_MOUSEACTIVATE:
            return MA_NOACTIVATE;
        case WM_NCHITTEST:
            return HTTRANSPARENT;
        case WM_PAINT:
            Paint();
            return 0;
        case WM_CLOSE:  // from the monitor, at its end
            DestroyWindow(hwnd_);
            return 0;
        case WM_DESTROY:
            DeleteObject(titleFont_);
            DeleteObject(detailFont_);
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcA(hwnd_, message, wParam, lParam);
    }
}

LRESULT CALLBACK OsdWindow::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<OsdWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (message == WM_NCCREATE) {
        self = static_cast<OsdWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    if (!self) return DefWindowProcA(hwnd, message, wParam, lParam);
    return self->OnMessage(message, wParam, lParam);
}

}  // namespace tesh::osd
