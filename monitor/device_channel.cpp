#include "monitor/device_channel.h"

#include <algorithm>
#include <cstring>

#include "monitor/profile_reports.h"
#include "monitor/report_format.h"

namespace tesh::monitor {

namespace {

uint32_t PollPause(int attempt, uint32_t firstPauseMs) {
    switch (attempt) {
        case 0:
            return firstPauseMs;
        case 1:
            return kSecondPollPauseMs;
        case 2:
            return kThirdPollPauseMs;
        default:
            return kLaterPollPauseMs;
    }
}

}  // namespace

bool DeviceChannel::Pause(uint32_t milliseconds) {
    while (milliseconds > 0 && !Cancelled()) {
        const uint32_t step = std::min(milliseconds, kPauseStepMs);
        clock_.SleepMs(step);
        milliseconds -= step;
    }
    return !Cancelled();
}

bool DeviceChannel::Exchange::Write(const uint8_t* report, uint32_t length) {
    return channel_.device_.SetFeature(report, length);
}

bool DeviceChannel::Exchange::Read(uint8_t id, uint8_t* reply, uint32_t length) {
    std::memset(reply, 0, length);
    reply[0] = id;
    return channel_.device_.GetFeature(reply, length);
}

// A failed status read keeps the status before it: after a busy answer the mouse is
// polled again, while a failed first read ends the wait.
bool DeviceChannel::Exchange::WaitForReady(uint32_t firstPauseMs) {
    uint8_t status = 0;
    for (int attempt = 0; attempt < kReadyAttempts; ++attempt) {
        if (!channel_.Pause(PollPause(attempt, firstPauseMs))) return false;
        std::array<uint8_t, kStatusLength> reply{kStatusReport};
        if (Read(reply)) status = reply[1];
        if (status != kStatusBusy) break;
    }
    return status == kStatusDone;
}

void DeviceChannel::SelectFor(Exchange& exchange, int profile, uint8_t selector) {
    if (exchange.Write(BuildStatusSelect(profile, selector))) exchange.WaitForReady(kShortWaitMs);
}

}  // namespace tesh::monitor
