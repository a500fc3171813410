#include "monitor/win/quib_messages.h"

// shlobj.h needs windows.h first.
#include <shlobj.h>

#include "settings/file_io.h"
#include "settings/platform.h"

namespace tesh::monitor {

std::string QuibFolderPath() {
    char common[MAX_PATH] = {};
    if (!SHGetSpecialFolderPathA(nullptr, common, CSIDL_COMMON_APPDATA, TRUE)) return "";
    const std::string folder = JoinPath(WithTrailingSeparator(common), kQuibFolder);
    platform::MakeDirectory(JoinPath(WithTrailingSeparator(common), "VORTAQ"));
    platform::MakeDirectory(folder);
    return folder;
}

UINT RegisterQuibMessages() {
    static const UINT quibMessage = [] {
        for (const char* name : kQuibRegisteredMessages) RegisterWindowMessageA(name);
        return RegisterWindowMessageA(kQuibMessageName);
    }();
    return quibMessage;
}

void AnnounceToQuib(HWND monitorWindow) {
    // Posted, so that a peer that does not answer cannot hold up the start.
    PostMessageA(HWND_BROADCAST, RegisterQuibMessages(), kQuibAnnounceCommand,
                 reinterpret_cast<LPARAM>(monitorWindow));
}

void SendQuibRecord(HWND peer, uint16_t kind, const QuibDeviceRecord& record) {
    if (!peer) return;
    COPYDATASTRUCT data{};
    data.dwData = QuibRecordData(kind);
    data.cbData = static_cast<DWORD>(record.size());
    data.lpData = const_cast<uint8_t*>(record.data());
    SendMessageA(peer, WM_COPYDATA, static_cast<WPARAM>(kQuibCopyDataWParam),
                 reinterpret_cast<LPARAM>(&data));
}

}  // namespace tesh::monitor
