// The Quib contacts on Windows: the machine-wide Quib folder, the registered window
// messages, the start-up announcement, and the link the Quib commands use (records to
// the peer window, ANSI names, the monitor's own commands).
#pragma once

#include <windows.h>

#include <string>

#include "monitor/quib_commands.h"
#include "monitor/quib_contacts.h"
#include "monitor/win/quib_sender.h"

namespace tesh::monitor {

// The common application data folder + "VORTAQ\Quib\", created when missing; "" when
// the system does not name that folder.
std::string QuibFolderPath();

// The registered messages the monitor receives or posts.
struct QuibMessages {
    UINT command = 0;       // WM_QUIB_MSG
    UINT ambientLight = 0;  // WM_QUIB_AMBIENT_EVENT_LIGHT_FROM_QUIB
    UINT statusToQuib = 0;  // WM_QUIB_ACTIVE_STATUS_TO_QUIB
};
// Registers every Quib message (once per process).
const QuibMessages& RegisterQuibMessages();

// WM_QUIB_MSG with wParam 11 and the monitor window to every top-level window.
void AnnounceToQuib(HWND monitorWindow);

// Records go to the peer through the sender's thread.
class WindowsQuibLink : public QuibLink {
  public:
    explicit WindowsQuibLink(QuibSender& sender) : sender_(sender) {}
    void SetWindow(HWND window) { window_ = window; }

    bool IsWindow(uintptr_t window) override;
    Sent SendRecord(uintptr_t peer, uint32_t data, const uint8_t* bytes, std::size_t size) override;
    std::string ToAnsi(std::u16string_view text) override;
    bool ReadAmbientRecord(AmbientRecord& record) override;
    void PostOwnCommand(uint32_t command) override;

  private:
    QuibSender& sender_;
    HWND window_ = nullptr;
};

}  // namespace tesh::monitor
