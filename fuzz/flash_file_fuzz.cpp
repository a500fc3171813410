// The flash file as the virtual mouse loads it when it is set up. With byte 0 even the
// rest of the input is the file; with byte 0 odd it is laid over a good file at the
// offset of the next three bytes, so that the fuzzer reaches what a whole flash holds.
// A file that is not a flash of this layout is refused and leaves the flash as it was;
// a flash that is taken, whatever its profiles, buttons and macros hold, answers every
// read, press and description within range (vmouse_checks.h).
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "featlink/device.h"
#include "featlink/device_state.h"
#include "featlink/reports.h"
#include "featlink/shared_mouse.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/vmouse_checks.h"

namespace tesh::vmouse {
namespace {

constexpr std::size_t kOffsetBytes = 3;

std::string FileOf(const uint8_t* data, std::size_t size) {
    if (size == 0 || (data[0] & 1) == 0) {
        return std::string(reinterpret_cast<const char*>(data) + (size ? 1 : 0),
                           size ? size - 1 : 0);
    }
    static const std::string good = FlashBytes(fuzz::FreshMouse().device.flash);
    std::string file = good;
    if (size < 1 + kOffsetBytes) return file;
    const std::size_t at = (data[1] | data[2] << 8 | data[3] << 16) % file.size();
    const std::size_t count = std::min(size - 1 - kOffsetBytes, file.size() - at);
    std::memcpy(file.data() + at, data + 1 + kOffsetBytes, count);
    return file;
}

// Every selected read of every profile and button, every press and release.
void Drive(SharedMouse& mouse) {
    fuzz::FixedClock clock;
    fuzz::RecordedEvents sink;
    Device device(mouse.device, clock, &sink);
    for (int id = 0; id <= 0xFF; ++id) {
        const ReportHandler* report = FindReport(static_cast<uint8_t>(id));
        if (!report || !report->read) continue;
        for (int profile = 0; profile < kDeviceProfiles; ++profile) {
            for (const uint8_t selector :
                 {kSelectProfileSettings, kSelectButtons, static_cast<uint8_t>(profile * 3)}) {
                const uint8_t select[kStatusLength] = {kReportStatus, static_cast<uint8_t>(profile),
                                                       selector};
                device.SetFeature(select, kStatusLength);
                std::string reply(report->readLength, '\0');
                auto* bytes = reinterpret_cast<uint8_t*>(reply.data());
                bytes[0] = static_cast<uint8_t>(id);
                if (device.GetFeature(bytes, report->readLength)) fuzz::CheckReply(bytes);
            }
        }
    }
    for (int button = 0; button < kDeviceButtons; ++button) device.Press(button);
    for (int button = 0; button < kDeviceButtons; ++button) device.Release(button);
    fuzz::CheckButtonEvents(sink);
    fuzz::CheckDescription(mouse);
}

}  // namespace
}  // namespace tesh::vmouse

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tesh::vmouse;
    static auto* mouse = new SharedMouse;
    std::memcpy(mouse, &fuzz::FreshMouse(), sizeof(SharedMouse));
    if (!FlashFromBytes(FileOf(data, size), mouse->device.flash)) {
        TESH_FUZZ_CHECK(std::memcmp(&fuzz::FreshMouse().device.flash, &mouse->device.flash,
                                    sizeof(DeviceFlash)) == 0);
        return 0;
    }
    TESH_FUZZ_CHECK(mouse->device.flash.activeProfile < kDeviceProfiles);
    MarkFlashSaved(*mouse);
    Drive(*mouse);
    return 0;
}
