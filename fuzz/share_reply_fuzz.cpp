// Replies of the share service as the network may bring them: an address to open is
// always the reply itself less at most one line end, a plain http or https address of
// printable characters within its bound, and checks out again unchanged.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "option/share_reply.h"

namespace tesh::option {
namespace {

bool StartsWithScheme(std::string_view address) {
    std::string lower;
    for (char ch : address.substr(0, 8))
        lower += (ch >= 'A' && ch <= 'Z') ? static_cast<char>(ch - 'A' + 'a') : ch;
    return lower.starts_with("http://") || lower.starts_with("https://");
}

}  // namespace
}  // namespace tesh::option

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tesh::option;
    std::string_view reply(reinterpret_cast<const char*>(data), size);
    auto address = AddressToOpen(reply);
    if (!address) return 0;
    TESH_FUZZ_CHECK(!address->empty() && address->size() <= kMaxReplyAddress);
    TESH_FUZZ_CHECK(reply.starts_with(*address));
    std::string_view rest = reply.substr(address->size());
    TESH_FUZZ_CHECK(rest.empty() || rest == "\r\n" || rest == "\n" || rest == "\r");
    for (char ch : *address) TESH_FUZZ_CHECK(ch > ' ' && ch < 0x7F && ch != '"' && ch != '\\');
    TESH_FUZZ_CHECK(StartsWithScheme(*address));
    TESH_FUZZ_CHECK(AddressToOpen(*address) == address);
    return 0;
}
