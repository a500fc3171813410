// The update mode: begin, size, erase, then a header and the data of each block, then
// finish. The mouse keeps running its old firmware until a finish whose image checks
// out (a second bank, so a failed upload never leaves it without firmware); until the
// finish, or an unplug, it answers only the update reports and the device information.
//
// Answers (update status report 0x1C):
//   begin     done when the begin signature matches, else refused; restarts any upload
//   size      done; refused when the image exceeds 200 blocks or out of order
//   erase     busy for two polls, then done
//   header    done for the next block in order with the command signature, else refused
//   data      done when the bytes sum to the header's checksum, else "send again" (4);
//             the fourth bad copy of one block is refused
//   finish    busy for one poll, then done when every block arrived and the image is
//             a valid one of ours (its version becomes the firmware version), else
//             refused; either way the update mode ends
// Any refused command, out of order ones included, abandons the upload: the mouse
// leaves update mode and goes on with its old firmware.
#include <cstring>

#include "featlink/checksum.h"
#include "featlink/firmware_image.h"
#include "featlink/reports.h"

namespace tesh::vmouse {

namespace {

constexpr uint8_t kEraseBusyPolls = 2;
constexpr uint8_t kFinishBusyPolls = 1;
constexpr uint8_t kMaxBadCopies = 3;
constexpr uint32_t kDataOffset = 2;  // block data starts right after the sub-command

uint32_t Le32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

uint16_t Le16(const uint8_t* p) {
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

bool HasCommandSignature(const uint8_t* report) {
    return std::memcmp(report + 8, kUpdateCommandSignature, sizeof kUpdateCommandSignature) == 0;
}

bool ZeroBlockField(const uint8_t* report) {
    return report[2] == 0 && report[3] == 0;
}

CommandResult Begin(UpdateSession& u, const uint8_t* report) {
    if (!ZeroBlockField(report) ||
        std::memcmp(report + 4, kUpdateBeginSignature, sizeof kUpdateBeginSignature) != 0) {
        return kRefused;
    }
    const uint8_t lastResult = u.lastResult;
    u = UpdateSession{};
    u.lastResult = lastResult;
    u.phase = kUpdateBegun;
    return kDone;
}

CommandResult Size(UpdateSession& u, const uint8_t* report) {
    if (u.phase != kUpdateBegun || !ZeroBlockField(report) || !HasCommandSignature(report)) {
        return kRefused;
    }
    const uint32_t size = Le32(report + 4);
    if (size > kUpdateMaxImage) return kRefused;
    u.imageSize = size;
    u.blockCount = static_cast<uint16_t>((size + kUpdateBlockBytes - 1) / kUpdateBlockBytes);
    u.phase = kUpdateSized;
    return kDone;
}

CommandResult Erase(UpdateSession& u, const uint8_t* report) {
    if (u.phase != kUpdateSized || !ZeroBlockField(report) || report[4] != kUpdateEraseKey) {
        return kRefused;
    }
    u.nextBlock = 0;
    u.payloadCrc = kCrc32Start;
    u.phase = kUpdateReady;
    return CommandResult{kStatusDone, kEraseBusyPolls};
}

CommandResult BlockHeader(UpdateSession& u, const uint8_t* report) {
    const uint16_t block = Le16(report + 4);
    if (u.phase != kUpdateReady || !ZeroBlockField(report) || !HasCommandSignature(report) ||
        block != u.nextBlock || block >= u.blockCount || block >= kUpdateMaxBlocks) {
        return kRefused;
    }
    u.blockChecksum = Le16(report + 6);
    u.badData = 0;
    u.phase = kUpdateHeaderTaken;
    return kDone;
}

// Keeps the image header and runs the payload through the CRC, within the image size.
void TakeBlock(UpdateSession& u, const uint8_t* data) {
    const uint32_t start = static_cast<uint32_t>(u.nextBlock) * kUpdateBlockBytes;
    if (start == 0) std::memcpy(u.header, data, sizeof u.header);
    const uint32_t payloadLength = Le32(u.header + 8);
    uint32_t end = kFirmwareHeaderSize + payloadLength;
    if (payloadLength > u.imageSize || end > u.imageSize) end = u.imageSize;
    for (uint32_t i = 0; i < kUpdateBlockBytes; ++i) {
        const uint32_t at = start + i;
        if (at >= kFirmwareHeaderSize && at < end)
            u.payloadCrc = Crc32Update(u.payloadCrc, data + i, 1);
    }
    ++u.nextBlock;
    u.phase = kUpdateReady;
}

CommandResult BlockData(UpdateSession& u, const uint8_t* report) {
    if (u.phase != kUpdateHeaderTaken) return kRefused;
    const uint8_t* data = report + kDataOffset;
    if (Sum16(data, kUpdateBlockBytes) != u.blockChecksum) {
        if (++u.badData > kMaxBadCopies) return kRefused;
        return CommandResult{kStatusResend, 0};
    }
    TakeBlock(u, data);
    return kDone;
}

// The image checks out when all blocks arrived and header, length and CRC agree.
bool ImageValid(const UpdateSession& u, FirmwareHeader& header) {
    if (u.nextBlock != u.blockCount) return false;
    if (!ParseFirmwareHeader(
            u.header, u.imageSize < sizeof u.header ? u.imageSize : sizeof u.header, header)) {
        return false;
    }
    if (header.payloadLength > u.imageSize - kFirmwareHeaderSize) return false;
    return Crc32Final(u.payloadCrc) == header.payloadCrc;
}

CommandResult Finish(DeviceState& state, const uint8_t* report) {
    UpdateSession& u = state.update;
    if (u.phase == kUpdateIdle || !ZeroBlockField(report)) return kRefused;
    FirmwareHeader header{};
    const bool valid = u.phase == kUpdateReady && ImageValid(u, header);
    u.phase = kUpdateIdle;
    u.lastResult = valid ? kStatusDone : kStatusRefused;
    if (!valid) return kRefused;
    state.flash.firmwareVersion = header.version;
    return CommandResult{kStatusDone, kFinishBusyPolls};
}

}  // namespace

bool InUpdateMode(const DeviceState& state) {
    return state.update.phase != kUpdateIdle;
}

namespace {

CommandResult Dispatch(DeviceState& state, const uint8_t* report) {
    UpdateSession& u = state.update;
    switch (report[1]) {
        case kUpdateBegin:
            return Begin(u, report);
        case kUpdateSize:
            return Size(u, report);
        case kUpdateErase:
            return Erase(u, report);
        case kUpdateBlockHeader:
            return BlockHeader(u, report);
        case kUpdateBlockData:
            return BlockData(u, report);
        case kUpdateFinish:
            return Finish(state, report);
        default:
            return kRefused;
    }
}

}  // namespace

CommandResult WriteUpdateCommand(DeviceState& state, const uint8_t* report) {
    const CommandResult result = Dispatch(state, report);
    if (result.status == kStatusRefused) state.update.phase = kUpdateIdle;
    return result;
}

}  // namespace tesh::vmouse
