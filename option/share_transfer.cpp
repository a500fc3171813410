#include "option/share_transfer.h"

#include <curl/curl.h>

#include <memory>

namespace tesh::option {
namespace {

struct Reply {
    std::string text;
    std::size_t limit = 0;
};

// Appends what arrived; returning less than was given stops the transfer when the
// reply grows past its bound.
size_t Append(char* data, size_t size, size_t count, void* userData) {
    auto* reply = static_cast<Reply*>(userData);
    size_t length = size * count;
    if (reply->text.size() + length > reply->limit) return 0;
    reply->text.append(data, length);
    return length;
}

}  // namespace

std::optional<std::string> FetchShareReply(const std::string& url, const TransferLimits& limits) {
    std::unique_ptr<CURL, decltype(&curl_easy_cleanup)> handle(curl_easy_init(),
                                                               &curl_easy_cleanup);
    if (!handle) return std::nullopt;
    CURL* curl = handle.get();
    Reply reply;
    reply.limit = limits.maxReply;
    bool set = curl_easy_setopt(curl, CURLOPT_URL, url.c_str()) == CURLE_OK &&
               curl_easy_setopt(curl, CURLOPT_WRITEDATA, &reply) == CURLE_OK &&
               curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, &Append) == CURLE_OK &&
               curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https") == CURLE_OK &&
               curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 0L) == CURLE_OK &&
               curl_easy_setopt(curl, CURLOPT_FAILONERROR, 1L) == CURLE_OK &&
               // The transfer runs on a worker thread: no signals for time-outs.
               curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L) == CURLE_OK &&
               curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS,
                                static_cast<long>(limits.connectTimeout.count())) == CURLE_OK &&
               curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS,
                                static_cast<long>(limits.totalTimeout.count())) == CURLE_OK;
    if (!set || curl_easy_perform(curl) != CURLE_OK) return std::nullopt;
    return std::move(reply.text);
}

}  // namespace tesh::option
