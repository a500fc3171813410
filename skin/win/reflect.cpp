#include "skin/win/reflect.h"

#include <commctrl.h>

namespace tesh::skin {
namespace {

constexpr char kReflectProp[] = "TeshReflect";
constexpr char kParentProp[] = "TeshReflectParent";
constexpr UINT_PTR kSubclassId = 0x7E5F;

bool Wants(HWND child) {
    return child && GetPropA(child, kReflectProp) != nullptr;
}

LRESULT CALLBACK ParentProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                            DWORD_PTR) {
    HWND child = reinterpret_cast<HWND>(lParam);
    switch (message) {
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
            if (Wants(child)) {
                LRESULT brush = SendMessageA(child, kReflectBase + message, wParam, lParam);
                if (brush) return brush;
            }
            break;
        case WM_COMMAND:
            if (Wants(child)) SendMessageA(child, kReflectBase + message, wParam, lParam);
            break;
        case WM_NCDESTROY:
            RemovePropA(hwnd, kParentProp);
            RemoveWindowSubclass(hwnd, ParentProc, kSubclassId);
            break;
        default:
            break;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

}  // namespace

void ReflectNotifications(HWND control) {
    SetPropA(control, kReflectProp, reinterpret_cast<HANDLE>(1));
    HWND parent = GetParent(control);
    if (GetPropA(parent, kParentProp)) return;
    SetPropA(parent, kParentProp, reinterpret_cast<HANDLE>(1));
    SetWindowSubclass(parent, ParentProc, kSubclassId, 0);
}

}  // namespace tesh::skin
