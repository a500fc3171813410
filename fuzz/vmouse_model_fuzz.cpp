// The virtual mouse fed whatever its callers and its shared memory may hold: a fresh
// mouse, then a run of operations read from the input, each an operation byte and its
// arguments. Feature reports of any identifier and length (with a good checksum when
// asked), button presses, events, cable changes, vmouse commands, and pokes of any bytes
// anywhere into the shared memory, as another process of the user may write them.
// Whatever the memory holds, the checks of vmouse_checks.h hold.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "featlink/checksum.h"
#include "featlink/device.h"
#include "featlink/reports.h"
#include "featlink/shared_mouse.h"
#include "featlink/vmouse_commands.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/vmouse_checks.h"

namespace tesh::vmouse {
namespace {

constexpr uint32_t kMaxLength = 4200;  // above every report's length
constexpr uint8_t kExactLength = 0x80;
constexpr uint8_t kGoodChecksum = 0x40;

enum Operation : uint8_t {
    kSet,
    kGet,
    kPress,
    kRelease,
    kPlug,
    kUnplug,
    kEmit,
    kUsage,
    kRequest,
    kPoke,
    kDescribe,
    kCommand,
    kOperations,
};

class Input {
  public:
    Input(const uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool empty() const { return at_ >= size_; }
    uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
    // Low byte first; each read is its own statement, so that the order is fixed.
    uint16_t Word() {
        const uint8_t low = Byte();
        return static_cast<uint16_t>(low | Byte() << 8);
    }
    uint32_t Offset() {
        const uint16_t low = Word();
        return static_cast<uint32_t>(low | Byte() << 16);
    }
    // Up to `count` bytes, zero-padded when the input ends.
    void Bytes(uint8_t* out, std::size_t count) {
        for (std::size_t i = 0; i < count; ++i) out[i] = Byte();
    }

  private:
    const uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

uint32_t LengthOf(Input& in, uint8_t id, bool write) {
    const uint8_t choice = in.Byte();
    const ReportHandler* report = FindReport(id);
    const uint32_t exact = report ? (write ? report->writeLength : report->readLength) : 0;
    if ((choice & kExactLength) && exact != 0) return exact;
    return in.Word() % kMaxLength;
}

void RunCommand(Input& in, SharedMouse& mouse, const Clock& clock, fuzz::RecordedEvents& sink) {
    std::vector<std::string> words(1);
    for (uint8_t c = in.Byte(); c != '\n' && !in.empty(); c = in.Byte()) {
        if (c == ' ') {
            words.emplace_back();
        } else {
            words.back() += static_cast<char>(c);
        }
    }
    const ParsedVmouseCommand parsed = ParseVmouseCommand(words);
    if (!parsed.command) return;
    // Usage counts go out as one event per 65535: kept small so that a run stays quick.
    VmouseCommand command = *parsed.command;
    if (command.verb == VmouseVerb::kUsage) command.second &= 0xFFFFF;
    std::string out, error;
    RunVmouseCommand(command, mouse, clock, &sink, "flash.bin", out, error);
}

void Step(Input& in, SharedMouse& mouse, Device& device, fuzz::RecordedEvents& sink,
          const Clock& clock) {
    const uint8_t operation = in.Byte() % kOperations;
    switch (operation) {
        case kSet:
        case kGet: {
            const uint8_t id = in.Byte();
            const uint8_t flags = in.Byte();
            const uint32_t length = LengthOf(in, id, operation == kSet);
            std::vector<uint8_t> buffer(length + 1);
            buffer[0] = id;
            if (operation == kGet) {
                if (length > 0 && device.GetFeature(buffer.data(), length))
                    fuzz::CheckReply(buffer.data());
                break;
            }
            if (length > 1) in.Bytes(buffer.data() + 1, length - 1);
            if ((flags & kGoodChecksum) && length > 2) PutChecksum(buffer.data(), length);
            device.SetFeature(length > 0 ? buffer.data() : nullptr, length);
            break;
        }
        case kPress:
        case kRelease: {
            const int button = static_cast<int8_t>(in.Byte());
            sink.events.clear();
            if (operation == kPress) {
                device.Press(button);
            } else {
                device.Release(button);
            }
            fuzz::CheckButtonEvents(sink);
            break;
        }
        case kPlug:
            device.Plug();
            break;
        case kUnplug:
            device.Unplug();
            break;
        case kEmit:
        case kUsage: {
            // Arguments read one statement each: the order of a call's arguments is not fixed.
            const uint16_t eventClass = in.Word();
            const uint16_t value = in.Word();
            if (operation == kEmit) {
                device.Emit(eventClass, value);
            } else {
                device.Usage(eventClass, value);
            }
            break;
        }
        case kRequest: {
            const int profile = static_cast<int8_t>(in.Byte());
            device.RequestMacro(profile, static_cast<int8_t>(in.Byte()));
            device.RequestColourDatabase();
            break;
        }
        case kPoke: {
            const std::size_t at = in.Offset() % sizeof(SharedMouse);
            const std::size_t count = std::min<std::size_t>(in.Byte(), sizeof(SharedMouse) - at);
            in.Bytes(reinterpret_cast<uint8_t*>(&mouse) + at, count);
            break;
        }
        case kDescribe:
            fuzz::CheckDescription(mouse);
            break;
        default:
            sink.events.clear();
            RunCommand(in, mouse, clock, sink);
            break;
    }
}

}  // namespace
}  // namespace tesh::vmouse

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tesh::vmouse;
    static auto* mouse = new SharedMouse;
    std::memcpy(mouse, &fuzz::FreshMouse(), sizeof(SharedMouse));
    fuzz::FixedClock clock;
    fuzz::RecordedEvents sink;
    Device device(mouse->device, clock, &sink);
    Input in(data, size);
    while (!in.empty()) Step(in, *mouse, device, sink, clock);
    fuzz::CheckDescription(*mouse);
    return 0;
}
