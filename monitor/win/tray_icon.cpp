#include "monitor/win/tray_icon.h"

// shellapi.h needs windows.h first.
#include <shellapi.h>

#include <cstring>

#include "art/art_ids.h"
#include "monitor/program_names.h"

namespace tesh::monitor {

namespace {

// The program file's own icon at the small size, straight from its resources: the
// shell's file information would give the same picture but builds the system image
// lists for it, megabytes the monitor never uses otherwise.
HICON OwnSmallIcon() {
    return static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_TESH_APP),
                                         IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                         GetSystemMetrics(SM_CYSMICON), 0));
}

}  // namespace

TrayIcon::~TrayIcon() {
    Show(false);
    if (icon_) DestroyIcon(icon_);
}

bool TrayIcon::Notify(DWORD action) {
    NOTIFYICONDATAA data{};
    data.cbSize = sizeof data;
    data.hWnd = owner_;
    data.uID = kTrayIconId;
    if (action != NIM_DELETE) {
        if (!icon_) icon_ = OwnSmallIcon();
        data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
        data.uCallbackMessage = kTrayCallbackMessage;
        data.hIcon = icon_ ? icon_ : LoadIconA(nullptr, IDI_APPLICATION);
        std::strncpy(data.szTip, kTrayTip, sizeof data.szTip - 1);
    }
    return Shell_NotifyIconA(action, &data) != FALSE;
}

void TrayIcon::Show(bool shown) {
    if (shown == shown_ || !owner_) return;
    Notify(shown ? NIM_ADD : NIM_DELETE);
    shown_ = shown;
}

void TrayIcon::Restore() {
    if (shown_) Notify(NIM_ADD);
}

}  // namespace tesh::monitor
