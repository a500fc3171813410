// The status handshake. After every written report the host reads a status report
// until it is no longer busy. The mouse answers the result of the last command of its
// kind (status report 4 for the ordinary reports, 0x1C for the update commands); the
// answer does not change between reads, and before any command it is "done". Injected
// busy answers come first, then an injected status value, then the command's own busy
// answers.
#include <cstring>

#include "featlink/reports.h"

namespace tesh::vmouse {

namespace {

uint8_t NextStatus(DeviceState& state, StatusLatch& latch) {
    Faults& faults = state.faults;
    if (faults.busyPolls > 0) {
        --faults.busyPolls;
        return kStatusBusy;
    }
    if (faults.forcedStatus >= 0) {
        const auto forced = static_cast<uint8_t>(faults.forcedStatus);
        faults.forcedStatus = -1;
        return forced;
    }
    if (latch.busyPolls > 0) {
        --latch.busyPolls;
        return kStatusBusy;
    }
    return latch.status;
}

bool IsSelector(uint8_t selector) {
    return selector == kSelectProfileSettings || selector == kSelectButtons ||
           selector < kDeviceButtons;
}

}  // namespace

// Status write: 4, profile, selector. It chooses what the next reads of reports 6, 7
// and 8 answer; the choice stays until the next status write. An invalid one clears it,
// so that those reads fail until a valid one follows.
CommandResult WriteStatusSelect(DeviceState& state, const uint8_t* report) {
    const uint8_t profile = report[1];
    const uint8_t selector = report[2];
    if (profile >= kDeviceProfiles || !IsSelector(selector)) {
        state.selection = Selection{};
        return kRefused;
    }
    state.selection = Selection{1, profile, selector, 0};
    return kDone;
}

bool ReadStatus(DeviceState& state, uint8_t* report) {
    report[1] = NextStatus(state, state.status);
    return true;
}

bool ReadUpdateStatus(DeviceState& state, uint8_t* report) {
    report[1] = NextStatus(state, state.updateStatus);
    return true;
}

}  // namespace tesh::vmouse
