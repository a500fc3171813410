#include "upgrade/uploader.h"

namespace tesh::upgrade {

uint32_t PollWait(int poll) {
    constexpr int kListed = sizeof kPollWaits / sizeof kPollWaits[0];
    return poll < kListed ? kPollWaits[poll] : kLaterPollWait;
}

Uploader::PollOutcome Uploader::Poll() {
    int last = -1;  // no status read yet
    for (int poll = 0; poll < kMaxPolls; ++poll) {
        clock_.SleepMs(PollWait(poll));
        uint8_t status[kUpdateStatusLength] = {kUpdateStatusReport, 0, 0};
        // A failed read keeps the status last read: only a busy device is asked again.
        if (device_.GetFeature(status, sizeof status)) last = status[1];
        if (last == kStatusBusy) continue;
        if (last == kStatusDone) return PollOutcome::kDone;
        if (last == kStatusResend) return PollOutcome::kResend;
        return PollOutcome::kFailed;
    }
    return PollOutcome::kFailed;  // busy through every poll
}

bool Uploader::Exchange(const UpdateCommand& command, uint32_t settleMs) {
    for (int attempt = 0; attempt <= kMaxResends; ++attempt) {
        if (!device_.SetFeature(command.bytes, kUpdateCommandLength)) return false;
        if (settleMs) clock_.SleepMs(settleMs);
        switch (Poll()) {
            case PollOutcome::kDone:
                return true;
            case PollOutcome::kFailed:
                return false;
            case PollOutcome::kResend:
                break;
        }
    }
    return false;
}

bool Uploader::Run(const FirmwareBuffer& image, UploadProgress& progress,
                   const std::atomic<bool>& abandon) {
    auto step = [&](auto build, uint32_t waitBefore, uint32_t settle) {
        if (waitBefore) clock_.SleepMs(waitBefore);
        if (abandon.load()) return false;
        build(command_);
        return Exchange(command_, settle);
    };
    if (!step([](UpdateCommand& c) { BuildBegin(c); }, 0, kSettleAfterWrite)) return false;
    if (!step([&](UpdateCommand& c) { BuildSize(c, image.size); }, kWaitBetweenSteps, 0))
        return false;
    if (!step([](UpdateCommand& c) { BuildErase(c); }, kWaitBetweenSteps, 0)) return false;
    clock_.SleepMs(kWaitBetweenSteps);
    for (uint32_t n = 0; n < image.BlockCount(); ++n) {
        const auto block = static_cast<uint16_t>(n);
        if (!step([&](UpdateCommand& c) { BuildBlockHeader(c, block, image.Checksum(n)); }, 0, 0))
            return false;
        if (!step([&](UpdateCommand& c) { BuildBlockData(c, image.Block(n)); }, 0, 0)) return false;
        progress.BlockAccepted(n);
    }
    // The finish is where the mouse checks the whole image: only its "done" means the
    // mouse runs the new firmware. A refused image leaves the old one running.
    if (abandon.load()) return false;
    BuildFinish(command_);
    return Exchange(command_, kSettleAfterWrite);
}

}  // namespace tesh::upgrade
