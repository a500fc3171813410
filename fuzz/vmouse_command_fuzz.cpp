// vmouse's command line: the input split into words at spaces and zero bytes. A
// command is either refused with a reason or parsed with every number in its range,
// and then carried out on a fresh mouse, where it succeeds or is refused with a reason.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "featlink/shared_mouse.h"
#include "featlink/vmouse_commands.h"
#include "featlink/wire.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/vmouse_checks.h"

namespace tesh::vmouse {
namespace {

// The largest count carried out: usage goes out as one event per 65535.
constexpr uint32_t kLargestUsage = 0xFFFFF;

std::vector<std::string> Words(const uint8_t* data, std::size_t size) {
    std::vector<std::string> words;
    std::string word;
    for (std::size_t i = 0; i <= size; ++i) {
        const char c = i < size ? static_cast<char>(data[i]) : ' ';
        if (c == ' ' || c == '\0') {
            if (!word.empty()) words.push_back(word);
            word.clear();
        } else {
            word += c;
        }
    }
    return words;
}

void CheckRanges(const VmouseCommand& command) {
    switch (command.verb) {
        case VmouseVerb::kPress:
        case VmouseVerb::kRelease:
            TESH_FUZZ_CHECK(command.first < kDeviceButtons);
            break;
        case VmouseVerb::kProfile:
            TESH_FUZZ_CHECK(command.first < kDeviceProfiles);
            break;
        case VmouseVerb::kDpi:
            TESH_FUZZ_CHECK(command.first < kCpiLevelCount);
            break;
        case VmouseVerb::kRequestMacro:
            TESH_FUZZ_CHECK(command.first < kDeviceProfiles && command.second >= 2 &&
                            command.second < kDeviceButtons);
            break;
        case VmouseVerb::kUsage:
            TESH_FUZZ_CHECK((command.first & 0xFF) == 0);
            break;
        case VmouseVerb::kEvent:
        case VmouseVerb::kSetFirmware:
        case VmouseVerb::kSetDfu:
            TESH_FUZZ_CHECK(command.first <= 0xFFFF && command.second <= 0xFFFF);
            break;
        default:
            break;
    }
}

}  // namespace
}  // namespace tesh::vmouse

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tesh::vmouse;
    const std::vector<std::string> words = Words(data, size);
    const ParsedVmouseCommand parsed = ParseVmouseCommand(words);
    TESH_FUZZ_CHECK(parsed.command.has_value() == parsed.error.empty());
    if (!parsed.command) return 0;
    VmouseCommand command = *parsed.command;
    CheckRanges(command);
    if (command.verb == VmouseVerb::kUsage && command.second > kLargestUsage) {
        command.second = kLargestUsage;
    }
    static auto* mouse = new SharedMouse;
    std::memcpy(mouse, &fuzz::FreshMouse(), sizeof(SharedMouse));
    fuzz::FixedClock clock;
    fuzz::RecordedEvents sink;
    std::string out, error;
    const int code = RunVmouseCommand(command, *mouse, clock, &sink, "flash.bin", out, error);
    TESH_FUZZ_CHECK(code == kVmouseOk || code == kVmouseRefused);
    TESH_FUZZ_CHECK((code == kVmouseRefused) == !error.empty());
    return 0;
}
