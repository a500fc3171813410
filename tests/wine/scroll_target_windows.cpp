#include "tests/wine/scroll_target_windows.h"

#include <algorithm>

namespace tesh::test {

namespace {

constexpr char kFrameClass[] = "TeshTiltFrame";
constexpr char kPlainClass[] = "TeshTiltPlain";
// The classes of the programs that the scrolling knows, and the desktop's.
constexpr const char* kKnownClasses[] = {kFrameClass, kPlainClass,     "EditControl",
                                         "_WwG",      "EXCEL7",        "MozillaWindowClass",
                                         "Progman",   "SysListView32", "Internet Explorer_Server"};
constexpr int kSceneWidth = 300;
constexpr int kSceneHeight = 200;
constexpr int kBarTop = 180;
constexpr int kBarHeight = 17;
constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;

RECT Scene(int column, int row) {
    const int left = 20 + column * 320;
    const int top = 20 + row * 240;
    return {left, top, left + kSceneWidth, top + kSceneHeight};
}

RECT Area(int left, int top, int right, int bottom) {
    return {left, top, right, bottom};
}

}  // namespace

ScrollTargetWindows* ScrollTargetWindows::current_ = nullptr;

ScrollTargetWindows::ScrollTargetWindows() {
    current_ = this;
    HANDLE created = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    thread_ = std::thread([this, created] { Run(created); });
    ready_ = WaitForSingleObject(created, 20000) == WAIT_OBJECT_0;
    CloseHandle(created);
    std::lock_guard lock(lock_);
    ready_ = ready_ && std::all_of(windows_.begin(), windows_.end(),
                                   [](const auto& entry) { return entry.second != nullptr; });
}

ScrollTargetWindows::~ScrollTargetWindows() {
    while (!PostThreadMessageA(threadId_, WM_QUIT, 0, 0) && thread_.joinable()) Sleep(10);
    if (thread_.joinable()) thread_.join();
    current_ = nullptr;
}

void ScrollTargetWindows::Run(HANDLE created) {
    threadId_ = GetCurrentThreadId();
    Create();
    SetEvent(created);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
    std::vector<HWND> topLevel;
    {
        std::lock_guard lock(lock_);
        for (const auto& [name, window] : windows_) {
            if (window && !GetParent(window)) topLevel.push_back(window);
        }
    }
    for (HWND window : topLevel) DestroyWindow(window);
}

void ScrollTargetWindows::Create() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = &Record;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    for (const char* name : kKnownClasses) {
        windowClass.lpszClassName = name;
        RegisterClassA(&windowClass);
    }
    // Kind 4: a document with a scroll bar beside it in its frame.
    HWND frame = Add("edit frame", kFrameClass, nullptr, Scene(0, 0), 0);
    Add("edit", "EditControl", frame, Area(0, 0, kSceneWidth, 170), kChild);
    Add("edit bar", "ScrollBar", frame, Area(0, kBarTop, kSceneWidth, kBarTop + kBarHeight),
        kChild | SBS_HORZ);
    // Kind 1: a document with a scroll bar of its own.
    frame = Add("word frame", kFrameClass, nullptr, Scene(1, 0), 0);
    Add("word", "_WwG", frame, Area(0, 0, kSceneWidth, kSceneHeight), kChild | WS_HSCROLL);
    // Kind 2: a sheet whose scroll bar is clicked.
    frame = Add("excel frame", kFrameClass, nullptr, Scene(2, 0), 0);
    Add("excel", "EXCEL7", frame, Area(0, 0, kSceneWidth, 170), kChild);
    HWND bar = Add("excel bar", "ScrollBar", frame,
                   Area(0, kBarTop, kSceneWidth, kBarTop + kBarHeight), kChild | SBS_HORZ);
    SetScrollRange(bar, SB_CTL, 0, 100, FALSE);
    SetScrollPos(bar, SB_CTL, 50, TRUE);
    scrollBarProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(bar, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&RecordScrollBar)));
    // Arrow keys to the parent of the window under the pointer.
    frame = Add("mozilla", "MozillaWindowClass", nullptr, Scene(0, 1), 0);
    Add("mozilla view", "MozillaWindowClass", frame, Area(0, 0, kSceneWidth, kSceneHeight), kChild);
    // The desktop's icons.
    frame = Add("progman", "Progman", nullptr, Scene(1, 1), 0);
    Add("icons", "SysListView32", frame, Area(0, 0, kSceneWidth, kSceneHeight),
        kChild | WS_HSCROLL);
    // An embedded browser (no document behind it).
    frame = Add("browser frame", kFrameClass, nullptr, Scene(2, 1), 0);
    Add("browser", "Internet Explorer_Server", frame, Area(0, 0, kSceneWidth, kSceneHeight),
        kChild);
    // A window that the scrolling does not know.
    Add("plain", kPlainClass, nullptr, Scene(0, 2), 0);
}

HWND ScrollTargetWindows::Add(const std::string& name, const char* className, HWND parent,
                              RECT rect, DWORD style) {
    const DWORD exStyle = parent ? 0 : WS_EX_TOPMOST | WS_EX_TOOLWINDOW;
    if (!parent) style = WS_POPUP | WS_VISIBLE;
    HWND window = CreateWindowExA(exStyle, className, name.c_str(), style, rect.left, rect.top,
                                  rect.right - rect.left, rect.bottom - rect.top, parent, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    std::lock_guard lock(lock_);
    windows_[name] = window;
    return window;
}

void ScrollTargetWindows::Note(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const bool sent = InSendMessage() != FALSE;
    std::lock_guard lock(lock_);
    seen_[window].push_back({message, wParam, lParam, sent});
}

LRESULT CALLBACK ScrollTargetWindows::Record(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
    if (current_) current_->Note(window, message, wParam, lParam);
    return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT CALLBACK ScrollTargetWindows::RecordScrollBar(HWND window, UINT message, WPARAM wParam,
                                                      LPARAM lParam) {
    if (!current_) return DefWindowProcA(window, message, wParam, lParam);
    current_->Note(window, message, wParam, lParam);
    return CallWindowProcA(current_->scrollBarProc_, window, message, wParam, lParam);
}

HWND ScrollTargetWindows::Window(const std::string& name) const {
    std::lock_guard lock(lock_);
    const auto it = windows_.find(name);
    return it == windows_.end() ? nullptr : it->second;
}

POINT ScrollTargetWindows::Centre(const std::string& name) const {
    RECT r{};
    GetWindowRect(Window(name), &r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

std::vector<SeenMessage> ScrollTargetWindows::Seen(const std::string& name,
                                                   std::vector<UINT> messages) const {
    HWND window = Window(name);
    std::lock_guard lock(lock_);
    std::vector<SeenMessage> found;
    const auto it = seen_.find(window);
    if (it == seen_.end()) return found;
    for (const SeenMessage& seen : it->second) {
        if (messages.empty() ||
            std::find(messages.begin(), messages.end(), seen.message) != messages.end()) {
            found.push_back(seen);
        }
    }
    return found;
}

}  // namespace tesh::test
