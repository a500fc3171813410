// The system-wide low-level keyboard hook of the shortcut dialog and the macro
// recorder: while it is in, every keystroke anywhere is posted to one window as
// kKeyCaptureMessage (wParam the virtual key, lParam kKeyReleased for a release, 0 for
// a press) and reaches no program. The hook procedure runs in the installing thread's
// message loop and only posts, so keys arrive in order with the window's other
// messages.
#pragma once

#include <windows.h>

#include <cstdint>

#include "option/key_stamps.h"

namespace tesh::option {

constexpr UINT kKeyCaptureMessage = 1034;
constexpr LPARAM kKeyReleased = 128;

class KeyboardCapture {
  public:
    // Installs the hook for `target`; one capture at a time (a second one is not
    // installed).
    explicit KeyboardCapture(HWND target);
    ~KeyboardCapture();
    KeyboardCapture(const KeyboardCapture&) = delete;
    KeyboardCapture& operator=(const KeyboardCapture&) = delete;

    bool installed() const { return hook_ != nullptr; }
    // When the key of the oldest kKeyCaptureMessage not yet handled came: the
    // performance counter in microseconds, taken in the hook procedure itself so that
    // the delay between two keys is not rounded to the message loop's pace, and the
    // key event's own time. Each message handler takes one.
    static KeyStamp TakeKeyStamp();
    static int64_t NowMicroseconds();

  private:
    static LRESULT CALLBACK Proc(int code, WPARAM message, LPARAM data);
    HHOOK hook_ = nullptr;
    int priority_ = THREAD_PRIORITY_NORMAL;
};

}  // namespace tesh::option
