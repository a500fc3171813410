// The share request's one transfer: a GET of the built address, whose reply is the
// address of the trophy's page as text. It is bounded in time and size, follows no
// redirect (the address is wanted as text, not its page), and fails on an HTTP error.
#pragma once

#include <chrono>
#include <cstddef>
#include <optional>
#include <string>

namespace tesh::option {

constexpr std::chrono::milliseconds kShareConnectTimeout{5000};
constexpr std::chrono::milliseconds kShareTotalTimeout{10000};
constexpr std::size_t kMaxShareReply = 4096;

struct TransferLimits {
    std::chrono::milliseconds connectTimeout = kShareConnectTimeout;
    std::chrono::milliseconds totalTimeout = kShareTotalTimeout;
    std::size_t maxReply = kMaxShareReply;  // a longer reply stops the transfer: a failure
};

// The reply's text, or nothing when no handle could be made, the transfer failed or
// timed out, the status was an HTTP error or the reply was longer than allowed.
std::optional<std::string> FetchShareReply(const std::string& url,
                                           const TransferLimits& limits = {});

}  // namespace tesh::option
