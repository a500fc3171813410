#include "skin/win/skinned_dialog.h"

#include <windowsx.h>

#include <algorithm>

#include "art/art_ids.h"
#include "skin/layout_record.h"
#include "skin/win/control_window.h"
#include "skin/win/layout_rect.h"
#include "skin/win/window_shape.h"

namespace tesh::skin {

SkinnedDialog::~SkinnedDialog() {
    if (hwnd_) {
        SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
}

bool SkinnedDialog::CreateDialogWindow(const char* className, const char* title, HWND owner,
                                       int firstPicture, DWORD extraStyle) {
    for (int i = 0; i < 4; ++i) pictures_[i] = LoadSkinBitmap(firstPicture + i);
    if (!pictures_[0]) return false;
    HINSTANCE module = SkinModule();
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
    if (owner) owner = GetAncestor(owner, GA_ROOT);
    // A window of its own shows in the task bar; a dialog over a window does not.
    const DWORD exStyle = owner ? 0 : WS_EX_APPWINDOW;
    const DWORD style = WS_POPUP | WS_SYSMENU | WS_CLIPCHILDREN | extraStyle;
    if (!CreateWindowExA(exStyle, className, title, style, 0, 0, 1, 1, owner, nullptr, module,
                         this)) {
        return false;
    }
    ShapeWindowFromBitmap(hwnd_, pictures_[0].get());
    CentreOverOwner();
    OnCreated();
    return hwnd_ != nullptr;
}

// Over a visible owner, kept on the owner's screen; else in the middle of the screen.
void SkinnedDialog::CentreOverOwner() {
    RECT r;
    GetWindowRect(hwnd_, &r);
    const int width = r.right - r.left, height = r.bottom - r.top;
    HWND owner = GetWindow(hwnd_, GW_OWNER);
    int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    int y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    if (owner && IsWindowVisible(owner) && !IsIconic(owner)) {
        RECT o;
        GetWindowRect(owner, &o);
        MONITORINFO monitor = {};
        monitor.cbSize = sizeof monitor;
        GetMonitorInfoA(MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST), &monitor);
        const RECT& area = monitor.rcWork;
        x = std::clamp<int>((o.left + o.right - width) / 2, area.left,
                            std::max<int>(area.left, area.right - width));
        y = std::clamp<int>((o.top + o.bottom - height) / 2, area.top,
                            std::max<int>(area.top, area.bottom - height));
    }
    SetWindowPos(hwnd_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void SkinnedDialog::SetTitle(const std::wstring& title) {
    // Straight to the wide default procedure: the window's own (narrow) procedure would
    // take the text through the code page and lose what it cannot show.
    if (hwnd_) DefWindowProcW(hwnd_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(title.c_str()));
}

SkinSources SkinnedDialog::sources() const {
    return {pictures_[0].get(), pictures_[1].get(), pictures_[2].get(), pictures_[3].get()};
}

void SkinnedDialog::RunModal() {
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

void SkinnedDialog::EnableOwner() {
    HWND owner = hwnd_ ? GetWindow(hwnd_, GW_OWNER) : nullptr;
    if (owner && !IsWindowEnabled(owner)) EnableWindow(owner, TRUE);
}

void SkinnedDialog::Close() {
    if (!hwnd_) return;
    // Before the window goes, so that the owner, not another program, becomes active.
    EnableOwner();
    DestroyWindow(hwnd_);
}

void SkinnedDialog::Paint() {
    // Drawn off screen first, so that the texts never flicker over the picture.
    PaintOffScreen(hwnd_, [this](HDC dc, const RECT& client) {
        DrawBitmap(dc, pictures_[0].get(), client, false);
        PaintOver(dc);
    });
}

LRESULT SkinnedDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            Paint();
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_LBUTTONDOWN:
            if (!DragsAt(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)})) break;
            // The window is its own caption.
            ReleaseCapture();
            SendMessageA(hwnd_, WM_NCLBUTTONDOWN, HTCAPTION, 0);
            return 0;
        case WM_DESTROY:
            EnableOwner();
            return 0;
        default:
            break;
    }
    return Default(message, wParam, lParam);
}

LRESULT CALLBACK SkinnedDialog::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<SkinnedDialog*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (message == WM_NCCREATE) {
        self =
            static_cast<SkinnedDialog*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
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

void SkinnedDialog::AddButton(SkinButton& button, int id, const char* layout) {
    button.Create(hwnd_, id, Layout(layout));
    button.SetSkin(LayoutRect(layout), sources());
}

}  // namespace tesh::skin
