// The monitor's icon in the notification area: identifier 102, callback message 1036,
// the tip and the small icon of the monitor's own program file. It is shown while the
// mouse is connected and put back when the taskbar is re-created.
#pragma once

#include <windows.h>

namespace tesh::monitor {

class TrayIcon {
  public:
    TrayIcon() = default;
    ~TrayIcon();
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    void SetOwner(HWND owner) { owner_ = owner; }
    // Adds or removes the icon.
    void Show(bool shown);
    // After the taskbar was re-created: the icon again, when it is shown.
    void Restore();
    bool shown() const { return shown_; }

  private:
    bool Notify(DWORD action);

    HWND owner_ = nullptr;
    HICON icon_ = nullptr;
    bool shown_ = false;
};

}  // namespace tesh::monitor
