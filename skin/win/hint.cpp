#include "skin/win/hint.h"

#include <mutex>

#include "skin/win/skin_messages.h"

namespace tesh::skin {
namespace {

constexpr DWORD kHoverTimeMs = 1;

struct Hint {
    std::mutex lock;
    std::string text;
    HWND window = nullptr;
};

Hint& TheHint() {
    static Hint hint;
    return hint;
}

}  // namespace

UINT EditKillFocusMessage() {
    static const UINT message = RegisterWindowMessageA(kEditKillFocusName);
    return message;
}

std::string HintText() {
    std::lock_guard<std::mutex> guard(TheHint().lock);
    return TheHint().text;
}

void SetHintWindow(HWND window) {
    std::lock_guard<std::mutex> guard(TheHint().lock);
    TheHint().window = window;
}

HWND HintWindow() {
    std::lock_guard<std::mutex> guard(TheHint().lock);
    return TheHint().window;
}

void ShowHint(const std::string& text) {
    HWND window;
    {
        std::lock_guard<std::mutex> guard(TheHint().lock);
        TheHint().text = text;
        window = TheHint().window;
    }
    if (window) PostMessageA(window, kMsgHint, text.empty() ? 0 : 1, 0);
}

void TrackHover(HWND control) {
    TRACKMOUSEEVENT track = {};
    track.cbSize = sizeof track;
    track.dwFlags = TME_HOVER | TME_LEAVE;
    track.hwndTrack = control;
    track.dwHoverTime = kHoverTimeMs;
    TrackMouseEvent(&track);
}

}  // namespace tesh::skin
