#include "tests/wine/option_program.h"

#include "option/option_names.h"
#include "option/win/main_window_layout.h"
#include "skin/layout_record.h"
#include "tests/wine/child_process.h"
#include "tests/wine/monitor_program.h"

namespace tesh::test {
namespace {

constexpr char kOptionProgram[] = "TeshUlmaOpticalOption.exe";

POINT Centre(const LayoutRecord& r) {
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

POINT PageOrigin() {
    const LayoutRecord page = Layout(option::layout::kPagePosition);
    return POINT{page.left, page.top};
}

}  // namespace

OptionProgram::~OptionProgram() {
    if (Running()) {
        if (HWND w = Window()) PostMessageA(w, WM_CLOSE, 0, 0);
        if (WaitForEnd(kChildTimeoutMs) < 0) TerminateProcess(process_, 1);
    }
    if (process_) CloseHandle(process_);
}

bool OptionProgram::Start() {
    std::string line = Quoted(directory_ + kOptionProgram);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        directory_.c_str(), &startup, &info)) {
        return false;
    }
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    return WaitUntil([] { return Window() && IsWindowVisible(Window()); }) && Running();
}

int OptionProgram::StartSecondCopy() {
    return RunChild(Quoted(directory_ + kOptionProgram)).exitCode;
}

bool OptionProgram::Running() const {
    return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

int OptionProgram::WaitForEnd(DWORD timeoutMs) {
    DWORD code = 0;
    if (!process_ || WaitForSingleObject(process_, timeoutMs) != WAIT_OBJECT_0 ||
        !GetExitCodeProcess(process_, &code)) {
        return -1;
    }
    return static_cast<int>(code);
}

HWND OptionProgram::Window() {
    return FindWindowA(nullptr, option::kWindowTitle);
}

POINT OptionProgram::At(const char* layout) const {
    return ClientToScreenPoint(Window(), Centre(Layout(layout)));
}

POINT OptionProgram::OnPage(const char* layout) const {
    const POINT origin = PageOrigin();
    const POINT centre = Centre(Layout(layout));
    return ClientToScreenPoint(Window(), POINT{origin.x + centre.x, origin.y + centre.y});
}

POINT OptionProgram::OnPage(POINT pagePoint) const {
    const POINT origin = PageOrigin();
    return ClientToScreenPoint(Window(), POINT{origin.x + pagePoint.x, origin.y + pagePoint.y});
}

HWND OptionProgram::WindowAt(POINT screen) {
    HWND current = WindowFromPoint(screen);
    if (!current) return nullptr;
    // Down through the children, disabled ones included.
    for (;;) {
        POINT client = screen;
        ScreenToClient(current, &client);
        HWND child = ChildWindowFromPointEx(current, client, CWP_SKIPINVISIBLE);
        if (!child || child == current) return current;
        current = child;
    }
}

std::wstring OptionProgram::TextOf(HWND window) {
    wchar_t text[512] = {};
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, std::size(text), reinterpret_cast<LPARAM>(text),
                        SMTO_NORMAL, kChildTimeoutMs, &copied);
    return text;
}

bool OptionProgram::AfterPostedMessages(HWND edit) {
    DWORD_PTR limit = 0;
    SendMessageTimeoutA(edit, EM_GETLIMITTEXT, 0, 0, SMTO_NORMAL, kChildTimeoutMs, &limit);
    const WPARAM marker = limit + 1;
    PostMessageA(edit, EM_SETLIMITTEXT, marker, 0);
    return WaitUntil([&] {
        DWORD_PTR now = 0;
        SendMessageTimeoutA(edit, EM_GETLIMITTEXT, 0, 0, SMTO_NORMAL, kChildTimeoutMs, &now);
        return now == marker;
    });
}

bool OptionProgram::SaveWindow(HWND window, const std::string& name) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    RECT r;
    GetWindowRect(window, &r);
    return SaveScreen(r, name);
}

HWND VisibleWindowOfClass(const char* className) {
    HWND found = nullptr;
    for (HWND w = FindWindowExA(nullptr, nullptr, className, nullptr); w;
         w = FindWindowExA(nullptr, w, className, nullptr)) {
        if (IsWindowVisible(w)) found = w;
    }
    return found;
}

}  // namespace tesh::test
