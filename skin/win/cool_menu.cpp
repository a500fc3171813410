#include "skin/win/cool_menu.h"

#include <array>
#include <cstdint>
#include <vector>

namespace tesh::skin {
namespace {

constexpr char kMenuClass[] = "#32768";
constexpr char kOldProcProp[] = "CoolMenu_oldProc";
constexpr char kSizedProp[] = "CoolMenu_sized";
constexpr std::size_t kBuckets = 1000;
constexpr std::uintptr_t kHandleDivisor = 16;
constexpr int kExtraFrame = 1;  // pixels added to each side of the system's frame

struct MenuWindow {
    HWND hwnd;
    bool shown;
};

// Menu windows by handle ÷ 16 modulo 1000.
class MenuTable {
  public:
    void Add(HWND hwnd) {
        auto& bucket = Bucket(hwnd);
        for (const MenuWindow& m : bucket)
            if (m.hwnd == hwnd) return;
        bucket.push_back({hwnd, false});
        ++count_;
    }
    void Remove(HWND hwnd) {
        auto& bucket = Bucket(hwnd);
        for (auto it = bucket.begin(); it != bucket.end(); ++it)
            if (it->hwnd == hwnd) {
                bucket.erase(it);
                --count_;
                return;
            }
    }
    MenuWindow* Find(HWND hwnd) {
        for (MenuWindow& m : Bucket(hwnd))
            if (m.hwnd == hwnd) return &m;
        return nullptr;
    }
    std::size_t size() const { return count_; }

  private:
    std::vector<MenuWindow>& Bucket(HWND hwnd) {
        auto key = reinterpret_cast<std::uintptr_t>(hwnd) / kHandleDivisor % kBuckets;
        return buckets_[key];
    }
    std::array<std::vector<MenuWindow>, kBuckets> buckets_;
    std::size_t count_ = 0;
};

struct State {
    HHOOK hook = nullptr;
    MenuTable menus;
};

State& TheState() {
    static State state;
    return state;
}

WNDPROC OldProc(HWND hwnd) {
    return reinterpret_cast<WNDPROC>(GetPropA(hwnd, kOldProcProp));
}

void PaintFrame(HWND hwnd, HDC dc) {
    RECT r;
    GetWindowRect(hwnd, &r);
    OffsetRect(&r, -r.left, -r.top);
    HBRUSH shadow = GetSysColorBrush(COLOR_BTNSHADOW);
    HBRUSH menu = GetSysColorBrush(COLOR_MENU);
    FrameRect(dc, &r, shadow);
    int frame = GetSystemMetrics(SM_CXFIXEDFRAME) + kExtraFrame;
    for (int i = 1; i < frame; ++i) {
        InflateRect(&r, -1, -1);
        FrameRect(dc, &r, menu);
    }
}

LRESULT CALLBACK FlatMenuProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    WNDPROC old = OldProc(hwnd);
    if (!old) return DefWindowProcA(hwnd, message, wParam, lParam);
    switch (message) {
        case WM_WINDOWPOSCHANGING: {
            auto* pos = reinterpret_cast<WINDOWPOS*>(lParam);
            if (!(pos->flags & SWP_NOSIZE) && !GetPropA(hwnd, kSizedProp)) {
                pos->cx += 2 * kExtraFrame;
                pos->cy += 2 * kExtraFrame;
                SetPropA(hwnd, kSizedProp, reinterpret_cast<HANDLE>(1));
            }
            break;
        }
        case WM_NCCALCSIZE: {
            LRESULT result = CallWindowProcA(old, hwnd, message, wParam, lParam);
            auto* r = reinterpret_cast<RECT*>(lParam);
            InflateRect(r, -kExtraFrame, -kExtraFrame);
            return result;
        }
        case WM_NCPAINT: {
            HDC dc = GetWindowDC(hwnd);
            PaintFrame(hwnd, dc);
            ReleaseDC(hwnd, dc);
            return 0;
        }
        case WM_PRINT: {
            LRESULT result = CallWindowProcA(old, hwnd, message, wParam, lParam);
            if (lParam & PRF_NONCLIENT) PaintFrame(hwnd, reinterpret_cast<HDC>(wParam));
            return result;
        }
        case WM_SHOWWINDOW:
            if (MenuWindow* m = TheState().menus.Find(hwnd)) m->shown = wParam != 0;
            break;
        case WM_NCDESTROY:
            SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(old));
            RemovePropA(hwnd, kOldProcProp);
            RemovePropA(hwnd, kSizedProp);
            TheState().menus.Remove(hwnd);
            return CallWindowProcA(old, hwnd, message, wParam, lParam);
        default:
            break;
    }
    return CallWindowProcA(old, hwnd, message, wParam, lParam);
}

bool IsMenuWindow(HWND hwnd) {
    char name[16] = {};
    return GetClassNameA(hwnd, name, sizeof name) && lstrcmpA(name, kMenuClass) == 0;
}

void MakeFlat(HWND hwnd) {
    if (GetPropA(hwnd, kOldProcProp) || !IsMenuWindow(hwnd)) return;
    LONG_PTR old = GetWindowLongPtrA(hwnd, GWLP_WNDPROC);
    SetPropA(hwnd, kOldProcProp, reinterpret_cast<HANDLE>(old));
    SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FlatMenuProc));
    TheState().menus.Add(hwnd);
}

LRESULT CALLBACK HookProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION) {
        auto* call = reinterpret_cast<CWPSTRUCT*>(lParam);
        if (call->message == WM_CREATE || call->message == WM_SIZE ||
            call->message == WM_WINDOWPOSCHANGING)
            MakeFlat(call->hwnd);
    }
    return CallNextHookEx(TheState().hook, code, wParam, lParam);
}

}  // namespace

bool CoolMenu::Install() {
    if (TheState().hook) return false;
    TheState().hook = SetWindowsHookExA(WH_CALLWNDPROC, HookProc, nullptr, GetCurrentThreadId());
    return TheState().hook != nullptr;
}

void CoolMenu::Uninstall() {
    if (TheState().hook) UnhookWindowsHookEx(TheState().hook);
    TheState().hook = nullptr;
}

bool CoolMenu::Installed() {
    return TheState().hook != nullptr;
}

std::size_t CoolMenu::MenuCount() {
    return TheState().menus.size();
}

}  // namespace tesh::skin
