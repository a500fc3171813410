#include "option/share_reply.h"

#include <array>

namespace tesh::option {
namespace {

constexpr std::array<std::string_view, 2> kSchemes = {"http://", "https://"};

bool SameLetters(std::string_view text, std::string_view lower) {
    if (text.size() != lower.size()) return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char ch = text[i];
        if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
        if (ch != lower[i]) return false;
    }
    return true;
}

// A quote or a backslash could end the argument the browser is started with.
bool Allowed(char ch) {
    return ch > ' ' && ch < 0x7F && ch != '"' && ch != '\\';
}

std::string_view WithoutLineEnd(std::string_view reply) {
    if (reply.ends_with("\r\n")) return reply.substr(0, reply.size() - 2);
    if (reply.ends_with('\n') || reply.ends_with('\r')) return reply.substr(0, reply.size() - 1);
    return reply;
}

// The host of an authority "user@host:port" ("[v6]:port" included).
std::string_view HostOf(std::string_view authority) {
    if (std::size_t at = authority.rfind('@'); at != std::string_view::npos)
        authority.remove_prefix(at + 1);
    if (authority.starts_with('[')) {
        std::size_t close = authority.find(']');
        return close == std::string_view::npos ? std::string_view{}
                                               : authority.substr(1, close - 1);
    }
    return authority.substr(0, authority.find(':'));
}

}  // namespace

std::optional<std::string> AddressToOpen(std::string_view reply) {
    std::string_view address = WithoutLineEnd(reply);
    if (address.empty() || address.size() > kMaxReplyAddress) return std::nullopt;
    for (char ch : address)
        if (!Allowed(ch)) return std::nullopt;
    for (std::string_view scheme : kSchemes) {
        if (!SameLetters(address.substr(0, scheme.size()), scheme)) continue;
        std::string_view rest = address.substr(scheme.size());
        if (HostOf(rest.substr(0, rest.find_first_of("/?#"))).empty()) return std::nullopt;
        return std::string(address);
    }
    return std::nullopt;
}

}  // namespace tesh::option
