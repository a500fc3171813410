// The trophy share request of the statistics page: when the user presses Share, the
// address is built from this machine's adapter address, time zone and a time-seeded
// random source, fetched on a worker thread so that the window stays responsive, and
// the window is told by a posted message. Its handler calls OnDone, which opens the
// reply only when it is a plain web address. One request at a time; the owner may go
// away while one runs (the worker then drops its result).
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "option/share_transfer.h"
#include "option/support_addresses.h"

namespace tesh::option {

// kSupportHost, or the value of kSupportHostVariable when it is set (a test's local
// server, "http://127.0.0.1:8080").
std::string SupportHost();
// The six bytes of the network adapter address: the node of a sequential UUID.
std::array<uint8_t, 6> AdapterAddress();
// Local time minus UTC in whole hours, daylight saving time included when in effect.
int LocalTimeZoneHours();
// Opens the address with the shell verb "open", shown normally.
void OpenWithShell(const std::string& address);

struct ShareRequestOptions {
    std::string host = SupportHost();
    TransferLimits limits;
    std::function<void(const std::string& address)> open = OpenWithShell;
};

class ShareRequest {
  public:
    // `doneMessage` (WM_APP based, the caller's choice) is posted to `window` when a
    // request has ended; its handler calls OnDone.
    ShareRequest(HWND window, UINT doneMessage, ShareRequestOptions options = {});
    // Does not wait: a running transfer ends within its time-out and its result is dropped.
    ~ShareRequest();
    ShareRequest(const ShareRequest&) = delete;
    ShareRequest& operator=(const ShareRequest&) = delete;

    // Starts the request for the browsed trophy (0..12). False when one is running or
    // the address cannot be made.
    bool Start(int trophy);
    // True from Start until OnDone has taken the result.
    bool Running() const;
    // Takes the ended request's reply and opens the address it holds, if it is one.
    // True when something was opened.
    bool OnDone();

  private:
    struct Shared;
    static void Transfer(std::shared_ptr<Shared> shared, std::string url, TransferLimits limits);

    std::shared_ptr<Shared> shared_;
    ShareRequestOptions options_;
};

}  // namespace tesh::option
