#include "skin/win/menu_owner_window.h"

#include "skin/win/control_window.h"
#include "skin/win/skin_menu.h"

namespace tesh::skin {
namespace {

constexpr char kClassName[] = "TeshSkinMenuOwner";

}  // namespace

MenuOwnerWindow::MenuOwnerWindow(HWND owner) {
    HINSTANCE module = SkinModule();
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    if (!GetClassInfoExA(module, kClassName, &wc)) {
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = Proc;
        wc.hInstance = module;
        wc.lpszClassName = kClassName;
        RegisterClassExA(&wc);
    }
    if (owner) owner = GetAncestor(owner, GA_ROOT);
    hwnd_ = CreateWindowExA(WS_EX_TOOLWINDOW, kClassName, "", WS_POPUP, 0, 0, 0, 0, owner, nullptr,
                            module, nullptr);
}

MenuOwnerWindow::~MenuOwnerWindow() {
    if (hwnd_) DestroyWindow(hwnd_);
}

LRESULT CALLBACK MenuOwnerWindow::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_MEASUREITEM:
            if (SkinMenu::HandleMeasure(lParam)) return TRUE;
            break;
        case WM_DRAWITEM:
            if (SkinMenu::HandleDraw(lParam)) return TRUE;
            break;
        case WM_MENUCHAR:
            return SkinMenu::HandleMenuChar(wParam, lParam);
        default:
            break;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace tesh::skin
