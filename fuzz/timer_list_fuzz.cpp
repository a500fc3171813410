// A timer file as a user or another program may have left it: read with every bound
// holding, and written and read again to the same list and the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "settings/ini_document.h"
#include "settings/library_names.h"
#include "settings/timer_list.h"

namespace tesh {
namespace {

void CheckList(const TimerList& timers) {
    TESH_FUZZ_CHECK(timers.size() <= static_cast<std::size_t>(kMaxTimers));
    for (std::size_t i = 0; i < timers.size(); ++i) {
        const TimerRecord& t = timers[i];
        TESH_FUZZ_CHECK(t.seconds >= kMinTimerSeconds && t.seconds <= kMaxTimerSeconds);
        const std::size_t length = std::strlen(t.name);
        TESH_FUZZ_CHECK(length < sizeof t.name);
        for (std::size_t j = length; j < sizeof t.name; ++j) TESH_FUZZ_CHECK(t.name[j] == 0);
        TESH_FUZZ_CHECK(!TrimName(t.name).empty());
        TESH_FUZZ_CHECK(FindTimer(timers, t.name) == static_cast<int>(i));
    }
}

bool SameList(const TimerList& a, const TimerList& b) {
    return a.size() == b.size() &&
           (a.empty() || std::memcmp(a.data(), b.data(), a.size() * sizeof(TimerRecord)) == 0);
}

}  // namespace
}  // namespace tesh

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tesh;
    std::string_view text(reinterpret_cast<const char*>(data), size);
    TimerList timers = ReadTimerList(IniDocument::Parse(text));
    CheckList(timers);
    const std::string once = TimerListDocument(timers).Serialize();
    TimerList again = ReadTimerList(IniDocument::Parse(once));
    TESH_FUZZ_CHECK(SameList(timers, again));
    TESH_FUZZ_CHECK(TimerListDocument(again).Serialize() == once);
    return 0;
}
