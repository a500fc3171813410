#include "upgrade/win/skinned_popup.h"

#include "art/art_ids.h"
#include "skin/win/control_window.h"
#include "skin/win/window_shape.h"

namespace tesh::upgrade {

SkinnedPopup::~SkinnedPopup() {
    if (hwnd_) {
        SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
}

bool SkinnedPopup::CreatePopup(const char* className, const char* title, HWND owner,
                               int firstPicture) {
    for (int i = 0; i < 4; ++i) pictures_[i] = skin::LoadSkinBitmap(firstPicture + i);
    if (!pictures_[0]) return false;
    HINSTANCE module = skin::SkinModule();
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    if (!GetClassInfoExA(module, className, &wc)) {
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = Proc;
        wc.hInstance = module;
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        wc.hIcon = LoadIcon(module, MAKEINTRESOURCE(IDI_TESH_APP));
        wc.lpszClassName = className;
        if (!RegisterClassExA(&wc)) return false;
    }
    // A window of its own shows in the task bar; a notice over a window does not.
    const DWORD exStyle = owner ? 0 : WS_EX_APPWINDOW;
    if (!CreateWindowExA(exStyle, className, title, WS_POPUP | WS_SYSMENU | WS_CLIPCHILDREN, 0, 0,
                         1, 1, owner, nullptr, module, this)) {
        return false;
    }
    skin::ShapeWindowFromBitmap(hwnd_, pictures_[0].get());
    RECT r;
    GetWindowRect(hwnd_, &r);
    const int width = r.right - r.left, height = r.bottom - r.top;
    SetWindowPos(hwnd_, nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return true;
}

skin::SkinSources SkinnedPopup::sources() const {
    return {pictures_[0].get(), pictures_[1].get(), pictures_[2].get(), pictures_[3].get()};
}

void SkinnedPopup::RunModal() {
    if (!hwnd_) return;
    if (HWND owner = GetWindow(hwnd_, GW_OWNER)) EnableWindow(owner, FALSE);
    ShowWindow(hwnd_, SW_SHOW);
    SetForegroundWindow(hwnd_);
    UpdateWindow(hwnd_);
    MSG msg = {};
    bool quit = false;
    while (hwnd_) {
        const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got <= 0) {
            quit = got == 0;
            break;
        }
        if (msg.message == WM_KEYDOWN && (msg.hwnd == hwnd_ || IsChild(hwnd_, msg.hwnd)) &&
            OnKey(msg.wParam)) {
            continue;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    if (quit) PostQuitMessage(static_cast<int>(msg.wParam));  // for the loop outside
}

void SkinnedPopup::EnableOwner() {
    HWND owner = hwnd_ ? GetWindow(hwnd_, GW_OWNER) : nullptr;
    if (owner && !IsWindowEnabled(owner)) EnableWindow(owner, TRUE);
}

void SkinnedPopup::Close() {
    if (!hwnd_) return;
    // Before the window goes, so that the owner, not another program, becomes active.
    EnableOwner();
    DestroyWindow(hwnd_);
}

void SkinnedPopup::Paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd_, &ps);
    RECT client;
    GetClientRect(hwnd_, &client);
    // Drawn off screen first, so that the texts never flicker over the picture.
    HDC memory = CreateCompatibleDC(dc);
    HBITMAP buffer = CreateCompatibleBitmap(dc, client.right, client.bottom);
    HGDIOBJ old = SelectObject(memory, buffer);
    skin::DrawBitmap(memory, pictures_[0].get(), client, false);
    PaintOver(memory);
    BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteObject(buffer);
    DeleteDC(memory);
    EndPaint(hwnd_, &ps);
}

LRESULT SkinnedPopup::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            Paint();
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_LBUTTONDOWN:
            // The whole window is its caption.
            ReleaseCapture();
            SendMessageA(hwnd_, WM_NCLBUTTONDOWN, HTCAPTION, 0);
            return 0;
        case WM_DESTROY:
            EnableOwner();
            return 0;
        default:
            return Default(message, wParam, lParam);
    }
}

LRESULT CALLBACK SkinnedPopup::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<SkinnedPopup*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (message == WM_NCCREATE) {
        self = static_cast<SkinnedPopup*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    if (!self) return DefWindowProcA(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    return self->OnMessage(message, wParam, lParam);
}

}  // namespace tesh::upgrade
