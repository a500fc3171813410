// Windows of the classes that the tilt scrolling knows, made in the test's process on
// a thread of their own that records every message they get (and every press on the
// scroll bars, whose own procedure is wrapped), so that the test sees what the monitor
// sent them. Each scene is a topmost top-level window of its own.
#pragma once

#include <windows.h>

#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace tesh::test {

struct SeenMessage {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    bool sent;  // sent from another thread rather than posted
};

class ScrollTargetWindows {
  public:
    // The windows made and shown; check ready().
    ScrollTargetWindows();
    ~ScrollTargetWindows();
    ScrollTargetWindows(const ScrollTargetWindows&) = delete;
    ScrollTargetWindows& operator=(const ScrollTargetWindows&) = delete;

    bool ready() const { return ready_; }
    // A window by its name in the scenes (see the .cpp); null when unknown.
    HWND Window(const std::string& name) const;
    // Its centre on the screen.
    POINT Centre(const std::string& name) const;
    // The messages it got of these numbers (all when empty), in order.
    std::vector<SeenMessage> Seen(const std::string& name, std::vector<UINT> messages = {}) const;

  private:
    static LRESULT CALLBACK Record(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK RecordScrollBar(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam);
    void Run(HANDLE created);
    void Create();
    HWND Add(const std::string& name, const char* className, HWND parent, RECT rect, DWORD style);
    void Note(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    static ScrollTargetWindows* current_;
    std::thread thread_;
    DWORD threadId_ = 0;
    bool ready_ = false;
    mutable std::mutex lock_;
    std::map<std::string, HWND> windows_;
    std::map<HWND, std::vector<SeenMessage>> seen_;
    WNDPROC scrollBarProc_ = nullptr;
};

}  // namespace tesh::test
