#include "option/win/share_request.h"

// After windows.h.
#include <rpc.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>

#include "option/share_reply.h"
#include "option/trophy_share.h"
#include "option/win/late_bound.h"
#include "option/win/md5_bcrypt.h"

namespace tesh::option {

// What the worker and the window share; it lives until both are done with it.
struct ShareRequest::Shared {
    std::mutex mutex;
    HWND window = nullptr;
    UINT message = 0;
    bool ownerGone = false;
    bool running = false;
    bool ended = false;
    std::optional<std::string> reply;
};

void ShareRequest::Transfer(std::shared_ptr<Shared> shared, std::string url,
                            TransferLimits limits) {
    std::optional<std::string> reply = FetchShareReply(url, limits);
    std::lock_guard lock(shared->mutex);
    if (shared->ownerGone) return;
    shared->reply = std::move(reply);
    shared->ended = true;
    // A message that cannot be posted would leave the request running for ever.
    if (!PostMessageA(shared->window, shared->message, 0, 0)) {
        shared->reply.reset();
        shared->ended = false;
        shared->running = false;
    }
}

std::string SupportHost() {
    const char* host = std::getenv(kSupportHostVariable);
    return host && *host ? host : kSupportHost;
}

std::array<uint8_t, 6> AdapterAddress() {
    UUID uuid{};
    // Without an adapter the node is random (RPC_S_UUID_LOCAL_ONLY); it is sent all the same.
    UuidCreateSequential(&uuid);
    std::array<uint8_t, 6> address{};
    std::copy(uuid.Data4 + 2, uuid.Data4 + 8, address.begin());
    return address;
}

int LocalTimeZoneHours() {
    TIME_ZONE_INFORMATION zone{};
    DWORD id = GetTimeZoneInformation(&zone);
    LONG bias = zone.Bias;
    if (id == TIME_ZONE_ID_DAYLIGHT)
        bias += zone.DaylightBias;
    else if (id == TIME_ZONE_ID_STANDARD)
        bias += zone.StandardBias;
    return TimeZoneHoursFromBias(static_cast<int>(bias));
}

void OpenWithShell(const std::string& address) {
    using Execute = HINSTANCE(WINAPI*)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);
    if (const auto execute = LateBound<Execute>("shell32.dll", "ShellExecuteA"))
        execute(nullptr, "open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

ShareRequest::ShareRequest(HWND window, UINT doneMessage, ShareRequestOptions options)
    : shared_(std::make_shared<Shared>()), options_(std::move(options)) {
    shared_->window = window;
    shared_->message = doneMessage;
}

ShareRequest::~ShareRequest() {
    std::lock_guard lock(shared_->mutex);
    shared_->ownerGone = true;
    shared_->reply.reset();
}

bool ShareRequest::Start(int trophy) {
    {
        std::lock_guard lock(shared_->mutex);
        if (shared_->running) return false;
    }
    ShareInputs inputs{trophy, AdapterAddress(), LocalTimeZoneHours()};
    CRuntimeRandom random(static_cast<uint32_t>(std::time(nullptr)));
    BCryptMd5 md5;
    std::string url = ShareUrl(options_.host, inputs, random, md5);
    if (url.empty()) return false;
    {
        std::lock_guard lock(shared_->mutex);
        shared_->running = true;
        shared_->ended = false;
    }
    try {
        std::thread(Transfer, shared_, std::move(url), options_.limits).detach();
    } catch (const std::system_error&) {
        std::lock_guard lock(shared_->mutex);
        shared_->running = false;
        return false;
    }
    return true;
}

bool ShareRequest::Running() const {
    std::lock_guard lock(shared_->mutex);
    return shared_->running;
}

bool ShareRequest::OnDone() {
    std::optional<std::string> reply;
    {
        std::lock_guard lock(shared_->mutex);
        if (!shared_->ended) return false;
        reply = std::move(shared_->reply);
        shared_->reply.reset();
        shared_->ended = false;
        shared_->running = false;
    }
    if (!reply) return false;
    std::optional<std::string> address = AddressToOpen(*reply);
    if (!address || !options_.open) return false;
    options_.open(*address);
    return true;
}

}  // namespace tesh::option
