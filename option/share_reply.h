// The share service answers with the address of the page that shows the trophy. The
// reply comes from the network, so only a plain web address is handed to the shell:
// anything else (a program, a file, another scheme, more than one line) opens nothing.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tesh::option {

constexpr std::size_t kMaxReplyAddress = 2048;

// The address to open: one line (one trailing CR, LF or CRLF allowed) holding an http:// or
// https:// address (scheme in any case) with a host, of printable ASCII without spaces,
// quotes or backslashes, at most kMaxReplyAddress bytes. Nothing to open otherwise.
std::optional<std::string> AddressToOpen(std::string_view reply);

}  // namespace tesh::option
