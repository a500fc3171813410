// A hidden message-only window that collects the device messages posted to it, as the
// monitor window receives them.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace tesh::test {

struct PostedMessage {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    bool operator==(const PostedMessage&) const = default;
};
std::string Describe(const PostedMessage& message);
void PrintTo(const PostedMessage& message, std::ostream* os);

class MessageWindow {
  public:
    MessageWindow();
    ~MessageWindow();
    MessageWindow(const MessageWindow&) = delete;
    MessageWindow& operator=(const MessageWindow&) = delete;

    HWND handle() const { return window_; }
    void Destroy();
    // Waits until `count` messages numbered `first`..`last` have come to this window (or
    // the time is up) and returns them, oldest first. A time-out of 0 takes only the
    // messages already there.
    std::vector<PostedMessage> WaitFor(std::size_t count, UINT first, UINT last,
                                       DWORD timeoutMs = 10000);

  private:
    HWND window_ = nullptr;
};

}  // namespace tesh::test
