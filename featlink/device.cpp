#include "featlink/device.h"

#include <cstring>

#include "featlink/buttons.h"
#include "featlink/checksum.h"
#include "featlink/event_codes.h"
#include "featlink/exchange_log.h"
#include "featlink/reports.h"

namespace tesh::vmouse {

namespace {

constexpr uint8_t kPlugArrived = 1;
constexpr uint8_t kPlugRemoved = 2;
constexpr int kFirstRequestButton = 2;  // buttons 0 and 1 have no macro to ask for
constexpr int kRequestsPerProfile = 16;

bool Take(uint32_t& counter) {
    if (counter == 0) return false;
    --counter;
    return true;
}

}  // namespace

// Logs each event and passes it on.
class Device::LoggedEvents : public EventSink {
  public:
    explicit LoggedEvents(Device& device) : device_(device) {}
    void DeviceEvent(uint16_t eventClass, uint16_t value) override {
        device_.Emit(eventClass, value);
    }
    void Plug(bool) override {}

  private:
    Device& device_;
};

Device::Device(DeviceState& state, const Clock& clock, EventSink* events)
    : state_(state), clock_(clock), events_(events) {}

int Device::SetFeature(const uint8_t* buffer, uint32_t length) {
    const bool ok = Write(buffer, length);
    AppendLog(state_.log, clock_.NowMs(), kLogSet, buffer, length, ok);
    return ok ? 1 : 0;
}

int Device::GetFeature(uint8_t* buffer, uint32_t length) {
    const bool ok = Read(buffer, length);
    LogEntry& entry = AppendLog(state_.log, clock_.NowMs(), kLogGet, buffer, length, ok);
    if (!ok && entry.copied > 1) entry.copied = 1;  // only what was asked for
    return ok ? 1 : 0;
}

bool Device::Write(const uint8_t* buffer, uint32_t length) {
    if (!plugged() || buffer == nullptr || length == 0) return false;
    if (Take(state_.faults.failSets)) return false;
    const ReportHandler* report = FindReport(buffer[0]);
    if (report == nullptr || report->write == nullptr || report->writeLength != length) {
        return false;
    }
    if (InUpdateMode(state_) && !report->inUpdateMode) return false;
    const CommandResult result = report->checksum && !ChecksumMatches(buffer, length)
                                     ? kBadChecksum
                                     : report->write(state_, buffer);
    StatusLatch& latch = report->id == kReportUpdateCommand ? state_.updateStatus : state_.status;
    latch = StatusLatch{result.status, result.busyPolls, {}};
    return true;
}

bool Device::Read(uint8_t* buffer, uint32_t length) {
    if (!plugged() || buffer == nullptr || length == 0) return false;
    if (Take(state_.faults.failGets)) return false;
    const ReportHandler* report = FindReport(buffer[0]);
    if (report == nullptr || report->read == nullptr || report->readLength != length) {
        return false;
    }
    if (InUpdateMode(state_) && !report->inUpdateMode) return false;
    std::memset(buffer + 1, 0, length - 1);
    if (!report->read(state_, buffer)) return false;
    if (report->checksum) {
        PutChecksum(buffer, length);
        ApplyReplyFaults(buffer, length);
    }
    return true;
}

// The injected reply faults hit the next reply that carries a checksum.
void Device::ApplyReplyFaults(uint8_t* buffer, uint32_t length) {
    Faults& faults = state_.faults;
    if (buffer[0] == kReportMacro && faults.macroEventCount != 0) {
        buffer[kMacroEventCountOffset] = static_cast<uint8_t>(faults.macroEventCount & 0xFF);
        buffer[kMacroEventCountOffset + 1] =
            static_cast<uint8_t>((faults.macroEventCount >> 8) & 0xFF);
        faults.macroEventCount = 0;
        PutChecksum(buffer, length);
    }
    if (Take(faults.corruptChecksum)) buffer[length - 2] ^= 0xFF;
}

void Device::Plug() {
    if (plugged()) return;
    state_.plugged = 1;
    AppendEventLog(state_.log, clock_.NowMs(), kEventPlug, kPlugArrived);
    if (events_) events_->Plug(true);
}

void Device::Unplug() {
    if (!plugged()) return;
    state_.plugged = 0;
    ResetVolatileState(state_);
    AppendEventLog(state_.log, clock_.NowMs(), kEventPlug, kPlugRemoved);
    if (events_) events_->Plug(false);
}

bool Device::Press(int button) {
    if (!plugged() || InUpdateMode(state_)) return false;
    LoggedEvents events(*this);
    return PressButton(state_, button, events);
}

bool Device::Release(int button) {
    if (!plugged() || InUpdateMode(state_)) return false;
    LoggedEvents events(*this);
    return ReleaseButton(state_, button, events);
}

bool Device::Emit(uint16_t eventClass, uint16_t value) {
    if (!plugged()) return false;
    AppendEventLog(state_.log, clock_.NowMs(), eventClass, value);
    if (events_) events_->DeviceEvent(eventClass, value);
    return true;
}

bool Device::Usage(uint16_t eventClass, uint32_t count) {
    if (eventClass < kEventUsageFirst || eventClass > kEventUsageLast || (eventClass & 0xFF) != 0) {
        return false;
    }
    while (count > 0) {
        const uint32_t part = count > 0xFFFF ? 0xFFFF : count;
        if (!Emit(eventClass, static_cast<uint16_t>(part))) return false;
        count -= part;
    }
    return true;
}

// Request number n = 16 * profile + button - 1, so that the host finds the profile as
// (n - 1) / 16 and the button as (n - 1) % 16 + 2.
bool Device::RequestMacro(int profile, int button) {
    if (profile < 0 || profile >= kDeviceProfiles || button < kFirstRequestButton ||
        button >= kDeviceButtons) {
        return false;
    }
    const int request = kRequestsPerProfile * profile + (button - kFirstRequestButton) + 1;
    return Emit(kEventMacroRequest, static_cast<uint16_t>(request));
}

bool Device::RequestColourDatabase() {
    return Emit(kEventColourDatabase, 1);
}

}  // namespace tesh::vmouse
