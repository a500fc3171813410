// The Quib contacts on Windows: the machine-wide Quib folder, the registered window
// messages, the start-up announcement and the records sent to the peer window.
#pragma once

#include <windows.h>

#include <string>

#include "monitor/quib_contacts.h"

namespace tesh::monitor {

// The common application data folder + "VORTAQ\Quib\", created when missing; "" when
// the system does not name that folder.
std::string QuibFolderPath();

// Registers every Quib message (once per process) and returns WM_QUIB_MSG's number.
UINT RegisterQuibMessages();

// WM_QUIB_MSG with wParam 11 and the monitor window to every top-level window.
void AnnounceToQuib(HWND monitorWindow);

// A record sent with WM_COPYDATA to `peer`; nothing when there is no peer.
void SendQuibRecord(HWND peer, uint16_t kind, const QuibDeviceRecord& record);

}  // namespace tesh::monitor
