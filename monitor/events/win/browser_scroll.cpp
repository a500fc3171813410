#include "monitor/events/win/browser_scroll.h"

#include <windows.h>
// After windows.h, whose types they use.
#include <mshtml.h>

#include <climits>

#include "monitor/events/tilt_scroller.h"
#include "monitor/events/tilt_target.h"
#include "monitor/events/win/tilt_windows.h"

namespace tesh::monitor {

namespace {

constexpr char kAccessibilityLibrary[] = "OLEACC.DLL";
constexpr char kObjectFromLresult[] = "ObjectFromLresult";
constexpr char kGetObjectMessage[] = "WM_HTML_GETOBJECT";
constexpr UINT kGetObjectTimeoutMs = 1000;
// Pixels the document moves per step.
constexpr LONG kPixelsPerStep = 10;

using ObjectFromLresultFunction = HRESULT(WINAPI*)(LRESULT, REFIID, WPARAM, void**);

// The browser's document window scrolled by `dx` pixels; false when any link of the
// way there fails.
bool ScrollDocument(HMODULE library, HWND browser, LONG dx) {
    const auto objectFromLresult = reinterpret_cast<ObjectFromLresultFunction>(
        reinterpret_cast<void*>(GetProcAddress(library, kObjectFromLresult)));
    const UINT getObject = RegisterWindowMessageA(kGetObjectMessage);
    if (!objectFromLresult || !getObject) return false;
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(browser, getObject, 0, 0, SMTO_ABORTIFHUNG, kGetObjectTimeoutMs,
                             &result)) {
        return false;
    }
    IHTMLDocument2* document = nullptr;
    if (FAILED(objectFromLresult(static_cast<LRESULT>(result), __uuidof(IHTMLDocument2), 0,
                                 reinterpret_cast<void**>(&document))) ||
        !document) {
        return false;
    }
    bool scrolled = false;
    IDispatch* script = nullptr;
    if (SUCCEEDED(document->get_Script(&script)) && script) {
        IHTMLWindow2* window = nullptr;
        if (SUCCEEDED(script->QueryInterface(__uuidof(IHTMLWindow2),
                                             reinterpret_cast<void**>(&window))) &&
            window) {
            scrolled = SUCCEEDED(window->scrollBy(dx, 0));
            window->Release();
        }
        script->Release();
    }
    document->Release();
    return scrolled;
}

}  // namespace

void ScrollBrowserUnderPointer(uintptr_t steps, bool left) {
    const int k = BoundedTiltSteps(steps > INT_MAX ? INT_MAX : static_cast<int>(steps));
    const HMODULE library = LoadLibraryA(kAccessibilityLibrary);
    if (!library) return;
    SystemWindowTree tree;
    const WindowHandle under = tree.WindowAt(tree.Pointer());
    if (k > 0 && tree.ClassName(under) == kBrowserClass) {
        const HWND browser = reinterpret_cast<HWND>(under);
        if (!ScrollDocument(library, browser, (left ? -kPixelsPerStep : kPixelsPerStep) * k)) {
            // Posted: a browser that hangs must not hang the monitor.
            for (int i = 0; i < k; ++i) {
                PostMessageA(browser, WM_HSCROLL, left ? SB_LINELEFT : SB_LINERIGHT, 0);
            }
        }
    }
    FreeLibrary(library);
}

}  // namespace tesh::monitor
