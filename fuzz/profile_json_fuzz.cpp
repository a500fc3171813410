// A JSON profile as a user may hand it to `teshulma profile import`: parsed, read onto
// the defaults of a slot, and, when accepted, written back to JSON and read again onto
// another slot's defaults to the same profile (bytes after a text's terminator aside,
// which no file keeps).
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "settings/settings_set.h"
#include "tools/profile_json.h"

namespace tesh {
namespace {

std::unique_ptr<ProfileRecord> Defaulted(int slot) {
    auto p = std::make_unique<ProfileRecord>();
    std::memset(p.get(), 0, sizeof *p);
    ProfileDefaults(*p, slot);
    return p;
}

}  // namespace
}  // namespace tesh

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tesh;
    Json json;
    if (!ParseJson(std::string_view(reinterpret_cast<const char*>(data), size), json).ok())
        return 0;
    const int slot = static_cast<int>(size % kProfileCount);
    auto first = Defaulted(slot);
    if (!ProfileFromJson(json, *first).ok()) return 0;
    Json again = ProfileToJson(*first);
    auto second = Defaulted((slot + 1) % kProfileCount);
    TESH_FUZZ_CHECK(ProfileFromJson(again, *second).ok());
    TESH_FUZZ_CHECK(ProfileToJson(*second) == again);
    return 0;
}
