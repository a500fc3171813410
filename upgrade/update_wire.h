// The mouse's update mode as the upgrader speaks it: the update command report, the
// update status report, and the waits the device needs between them.
#pragma once

#include <cstdint>

namespace tesh::upgrade {

constexpr uint8_t kUpdateCommandReport = 0x1B;
constexpr uint8_t kUpdateStatusReport = 0x1C;
constexpr uint8_t kDeviceInfoReport = 0x09;
constexpr uint32_t kUpdateCommandLength = 1026;
constexpr uint32_t kUpdateStatusLength = 3;
constexpr uint32_t kDeviceInfoLength = 6;
constexpr uint32_t kDfuVersionByte = 3;  // of the device information report

// Sub-commands (byte 1).
constexpr uint8_t kBegin = 0x00;
constexpr uint8_t kSize = 0x01;
constexpr uint8_t kErase = 0x02;
constexpr uint8_t kBlockHeader = 0x03;
constexpr uint8_t kBlockData = 0x04;
constexpr uint8_t kFinish = 0x0F;
constexpr uint8_t kEraseKey = 0xEC;

// The fixed bytes the update mode expects: 8 at offset 4 of begin, 4 at offset 8 of
// size and block header.
constexpr uint8_t kBeginSignature[8] = {'T', 'U', 'O', '-', 'D', 'F', 'U', '!'};
constexpr uint8_t kCommandSignature[4] = {'T', 'U', 'F', 'C'};

// Update status values.
constexpr uint8_t kStatusDone = 1;
constexpr uint8_t kStatusBusy = 3;
constexpr uint8_t kStatusResend = 4;

// The image: 200 blocks of 1024 bytes at most.
constexpr uint32_t kBlockBytes = 1024;
constexpr uint32_t kMaxBlocks = 200;
constexpr uint32_t kMaxImageBytes = kBlockBytes * kMaxBlocks;

// Polls of one command: the wait before poll k is kPollWaits[k] for the first seven,
// then kLaterPollWait; at most kMaxPolls polls (22.9 s of waiting in all).
constexpr uint32_t kPollWaits[] = {100, 100, 200, 400, 600, 1500, 500};
constexpr uint32_t kLaterPollWait = 1500;
constexpr int kMaxPolls = 20;
// The device asks for a command again with status 4; a mouse that never stops asking
// must not hold the upload for ever.
constexpr int kMaxResends = 8;
// Waits of the sequence.
constexpr uint32_t kSettleAfterWrite = 500;  // begin and finish, before their first poll
constexpr uint32_t kWaitBetweenSteps = 500;  // before size, erase, and the first block

}  // namespace tesh::upgrade
