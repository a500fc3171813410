#include "monitor/win/quib_messages.h"

// shlobj.h needs windows.h first.
#include <shlobj.h>

#include "settings/file_io.h"
#include "settings/platform.h"

namespace tesh::monitor {

namespace {

constexpr char kAmbientLightName[] = "WM_QUIB_AMBIENT_EVENT_LIGHT_FROM_QUIB";

}  // namespace

std::string QuibFolderPath() {
    char common[MAX_PATH] = {};
    if (!SHGetSpecialFolderPathA(nullptr, common, CSIDL_COMMON_APPDATA, TRUE)) return "";
    const std::string folder = JoinPath(WithTrailingSeparator(common), kQuibFolder);
    platform::MakeDirectory(JoinPath(WithTrailingSeparator(common), "VORTAQ"));
    platform::MakeDirectory(folder);
    return folder;
}

const QuibMessages& RegisterQuibMessages() {
    static const QuibMessages messages = [] {
        for (const char* name : kQuibRegisteredMessages) RegisterWindowMessageA(name);
        return QuibMessages{RegisterWindowMessageA(kQuibMessageName),
                            RegisterWindowMessageA(kAmbientLightName),
                            RegisterWindowMessageA(kQuibStatusToQuibName)};
    }();
    return messages;
}

void AnnounceToQuib(HWND monitorWindow) {
    // Posted, so that a peer that does not answer cannot hold up the start.
    PostMessageA(HWND_BROADCAST, RegisterQuibMessages().command, kQuibAnnounceCommand,
                 reinterpret_cast<LPARAM>(monitorWindow));
}

bool WindowsQuibLink::IsWindow(uintptr_t window) {
    return ::IsWindow(reinterpret_cast<HWND>(window)) != FALSE;
}

// A peer already gone is reported at once; the others get the record from the sender.
QuibLink::Sent WindowsQuibLink::SendRecord(uintptr_t peer, uint32_t data, const uint8_t* bytes,
                                           std::size_t size) {
    if (!::IsWindow(reinterpret_cast<HWND>(peer))) return Sent::kGone;
    sender_.Send(peer, data, bytes, size);
    return Sent::kDelivered;
}

std::string WindowsQuibLink::ToAnsi(std::u16string_view text) {
    if (text.empty()) return "";
    const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
    const int length = static_cast<int>(text.size());
    const int bytes = WideCharToMultiByte(CP_ACP, 0, wide, length, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0) return "";
    std::string ansi(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide, length, ansi.data(), bytes, nullptr, nullptr);
    return ansi;
}

// The ambient light mapping belongs to the Quib programs, which alone know its name:
// the monitor never has one to read.
bool WindowsQuibLink::ReadAmbientRecord(AmbientRecord&) {
    return false;
}

void WindowsQuibLink::PostOwnCommand(uint32_t command) {
    PostMessageA(window_, WM_COMMAND, command, 0);
}

}  // namespace tesh::monitor
