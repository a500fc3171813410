#include <gtest/gtest.h>

#include <numeric>

#include "featlink/firmware_image.h"
#include "tests/upgrade/upload_fixture.h"
#include "upgrade/update_commands.h"
#include "upgrade/update_wire.h"

namespace tesh::upgrade::test {
namespace {

using Commands = std::vector<uint8_t>;

TEST_F(UploadTest, TwoWholeBlocksAndTheNewVersion) {
    std::string image = vmouse::BuildFirmwareImage(6, 2048);
    ASSERT_TRUE(Upload(image));
    EXPECT_EQ(buffer->BlockCount(), 2u);
    EXPECT_EQ(buffer->ProgressRange(), 2u);
    EXPECT_EQ(progress.blocks, (std::vector<uint32_t>{0, 1}));
    EXPECT_EQ(link->Commands(), (Commands{kBegin, kSize, kErase, kBlockHeader, kBlockData,
                                          kBlockHeader, kBlockData, kFinish}));
    EXPECT_EQ(DeviceFirmwareVersion(), 6);
}

TEST_F(UploadTest, PartialLastBlockIsPaddedAndSummed) {
    std::string image = vmouse::BuildFirmwareImage(7, 1025);
    image[1024] = static_cast<char>(0xA7);  // the image no longer verifies: only finish cares
    EXPECT_FALSE(Upload(image)) << "a refused finish is a failed upgrade";
    EXPECT_EQ(buffer->BlockCount(), 2u);
    EXPECT_EQ(buffer->ProgressRange(), 1u);
    const uint8_t last = static_cast<uint8_t>(image[1024]);
    EXPECT_EQ(buffer->Block(1)[0], last);
    for (uint32_t i = 1; i < kBlockBytes; ++i) ASSERT_EQ(buffer->Block(1)[i], 0) << i;
    EXPECT_EQ(buffer->Checksum(1), last);
    const auto* b0 = reinterpret_cast<const uint8_t*>(image.data());
    EXPECT_EQ(buffer->Checksum(0), std::accumulate(b0, b0 + 1024, 0u) & 0xFFFF);
    EXPECT_EQ(progress.blocks, (std::vector<uint32_t>{0, 1}));
    EXPECT_EQ(DeviceFirmwareVersion(), 5) << "the mouse refused the damaged image at finish";
}

TEST_F(UploadTest, EmptyImageSendsNoBlocks) {
    EXPECT_FALSE(Upload("")) << "the mouse refuses an empty image at finish";
    EXPECT_EQ(link->Commands(), (Commands{kBegin, kSize, kErase, kFinish}));
    EXPECT_TRUE(progress.blocks.empty());
    EXPECT_EQ(DeviceFirmwareVersion(), 5) << "an empty image changes nothing";
}

TEST_F(UploadTest, ScheduleOfTheWholeUpload) {
    ASSERT_TRUE(Upload(vmouse::BuildFirmwareImage(6, 1024)));
    // begin: settle, one poll; 500; size: one poll; 500; erase: busy twice; 500; ...
    std::vector<uint32_t> expected = {500, 100,            // begin
                                      500, 100,            // size
                                      500, 100, 100, 200,  // erase, busy twice
                                      500, 100,            // block header 0
                                      100,                 // block data 0
                                      500, 100, 100};      // finish, busy once
    EXPECT_EQ(clock.sleeps, expected);
}

TEST_F(UploadTest, StatusFourResendsTheDataWithoutTheHeader) {
    link->damageNextBlockData = true;
    ASSERT_TRUE(Upload(vmouse::BuildFirmwareImage(6, 2048)));
    EXPECT_EQ(link->Commands(), (Commands{kBegin, kSize, kErase, kBlockHeader, kBlockData,
                                          kBlockData, kBlockHeader, kBlockData, kFinish}));
    EXPECT_EQ(DeviceFirmwareVersion(), 6);
}

TEST_F(UploadTest, BusyForeverFailsAfterTwentyPolls) {
    link->beforeWrite = [&](size_t written) {
        if (written == 2) state->faults.busyPolls = 1000;  // the erase never ends
    };
    EXPECT_FALSE(Upload(vmouse::BuildFirmwareImage(6, 2048)));
    EXPECT_EQ(link->Commands(), (Commands{kBegin, kSize, kErase}));
    // 20 polls after the erase was written, 22.9 s of waiting.
    uint64_t written = 0, lastPoll = 0;
    int polls = 0;
    for (const Transfer& t : link->transfers) {
        if (t.command && t.value == kErase) written = t.timeMs;
        if (!t.command && written) {
            ++polls;
            lastPoll = t.timeMs;
        }
    }
    EXPECT_EQ(polls, kMaxPolls);
    EXPECT_EQ(lastPoll - written, 22900u);
    EXPECT_TRUE(progress.blocks.empty());
    EXPECT_EQ(DeviceFirmwareVersion(), 5);
}

TEST_F(UploadTest, BusyForeverOnBeginTakesItsSettleToo) {
    state->faults.busyPolls = 1000;
    EXPECT_FALSE(Upload(vmouse::BuildFirmwareImage(6, 1024)));
    EXPECT_EQ(link->Commands(), (Commands{kBegin}));
    EXPECT_EQ(clock.now, 23400u);
}

TEST_F(UploadTest, FailingWriteStopsEverything) {
    link->beforeWrite = [&](size_t written) {
        if (written == 3) state->faults.failSets = 1;  // the first block header
    };
    EXPECT_FALSE(Upload(vmouse::BuildFirmwareImage(6, 2048)));
    EXPECT_EQ(link->Commands(), (Commands{kBegin, kSize, kErase, kBlockHeader}));
    EXPECT_TRUE(progress.blocks.empty());
}

TEST_F(UploadTest, RefusedStatusFails) {
    link->beforeWrite = [&](size_t written) {
        if (written == 1) state->faults.forcedStatus = 9;
    };
    EXPECT_FALSE(Upload(vmouse::BuildFirmwareImage(6, 2048)));
    EXPECT_EQ(link->Commands(), (Commands{kBegin, kSize}));
}

TEST_F(UploadTest, UnplugMidUploadFails) {
    link->beforeWrite = [&](size_t written) {
        if (written == 5) device->Unplug();
    };
    EXPECT_FALSE(Upload(vmouse::BuildFirmwareImage(6, 4096)));
    EXPECT_EQ(progress.blocks, (std::vector<uint32_t>{0}));
    device->Plug();
    EXPECT_EQ(DeviceFirmwareVersion(), 5);
}

TEST_F(UploadTest, EndlessResendsAreBounded) {
    link->beforeWrite = [&](size_t written) {
        if (written >= 1) state->faults.forcedStatus = kStatusResend;
    };
    EXPECT_FALSE(Upload(vmouse::BuildFirmwareImage(6, 1024)));
    EXPECT_EQ(link->Commands().size(), 1u + 1u + kMaxResends);  // begin, then size n times
}

TEST_F(UploadTest, AbandonStopsBeforeTheNextCommand) {
    link->beforeWrite = [&](size_t written) {
        if (written == 4) abandon = true;
    };
    EXPECT_FALSE(Upload(vmouse::BuildFirmwareImage(6, 4096)));
    EXPECT_EQ(link->Commands(), (Commands{kBegin, kSize, kErase, kBlockHeader, kBlockData}));
}

TEST(PollSchedule, RisesThenStays) {
    uint32_t total = 0;
    for (int k = 0; k < kMaxPolls; ++k) total += PollWait(k);
    EXPECT_EQ(total, 22900u);
    EXPECT_EQ(PollWait(5), 1500u);
    EXPECT_EQ(PollWait(6), 500u);
    EXPECT_EQ(PollWait(7), 1500u);
}

TEST(UpdateCommands, Layouts) {
    UpdateCommand c;
    BuildSize(c, 0x00012345);
    EXPECT_EQ(c.bytes[0], kUpdateCommandReport);
    EXPECT_EQ(c.bytes[1], kSize);
    EXPECT_EQ(c.bytes[4], 0x45);
    EXPECT_EQ(c.bytes[5], 0x23);
    EXPECT_EQ(c.bytes[6], 0x01);
    EXPECT_EQ(c.bytes[7], 0x00);
    EXPECT_EQ(c.bytes[8], 'T');
    EXPECT_EQ(c.bytes[1025], 0);
    BuildBlockHeader(c, 0x0102, 0xBEEF);
    EXPECT_EQ(c.bytes[4], 0x02);
    EXPECT_EQ(c.bytes[5], 0x01);
    EXPECT_EQ(c.bytes[6], 0xEF);
    EXPECT_EQ(c.bytes[7], 0xBE);
    uint8_t block[kBlockBytes];
    for (uint32_t i = 0; i < kBlockBytes; ++i) block[i] = static_cast<uint8_t>(i);
    BuildBlockData(c, block);
    EXPECT_EQ(c.bytes[2], 0);
    EXPECT_EQ(c.bytes[3], 1);
    EXPECT_EQ(c.bytes[1025], 255);
    BuildErase(c);
    EXPECT_EQ(c.bytes[4], kEraseKey);
    EXPECT_EQ(c.bytes[8], 0) << "a new command clears the old one";
}

}  // namespace
}  // namespace tesh::upgrade::test
