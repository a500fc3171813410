// The update mode as the upgrader drives it: begin, size, erase, block header and data
// with their checksums, finish, each followed by polls of the update status.
#include <algorithm>
#include <cstring>
#include <string>

#include "featlink/checksum.h"
#include "featlink/firmware_image.h"
#include "featlink/wire.h"
#include "tests/featlink/device_fixture.h"

namespace tesh::vmouse::test {
namespace {

constexpr int kPolls = 20;

class UpdateMode : public DeviceTest {
  protected:
    static Bytes Command(uint8_t sub) {
        Bytes report(kUpdateCommandLength, 0);
        report[0] = kReportUpdateCommand;
        report[1] = sub;
        return report;
    }
    static Bytes Begin() {
        Bytes r = Command(kUpdateBegin);
        std::memcpy(r.data() + 4, kUpdateBeginSignature, sizeof kUpdateBeginSignature);
        return r;
    }
    static Bytes Size(uint32_t size) {
        Bytes r = Command(kUpdateSize);
        for (int i = 0; i < 4; ++i) r[4 + i] = static_cast<uint8_t>(size >> (8 * i));
        std::memcpy(r.data() + 8, kUpdateCommandSignature, sizeof kUpdateCommandSignature);
        return r;
    }
    static Bytes Erase() {
        Bytes r = Command(kUpdateErase);
        r[4] = kUpdateEraseKey;
        return r;
    }
    static Bytes Header(uint16_t block, uint16_t checksum) {
        Bytes r = Command(kUpdateBlockHeader);
        r[4] = static_cast<uint8_t>(block & 0xFF);
        r[5] = static_cast<uint8_t>(block >> 8);
        r[6] = static_cast<uint8_t>(checksum & 0xFF);
        r[7] = static_cast<uint8_t>(checksum >> 8);
        std::memcpy(r.data() + 8, kUpdateCommandSignature, sizeof kUpdateCommandSignature);
        return r;
    }
    static Bytes Data(const Bytes& block) {
        Bytes r = Command(kUpdateBlockData);
        std::copy(block.begin(), block.end(), r.begin() + 2);
        return r;
    }
    // Block n of an image, zero-padded to 1024 bytes.
    static Bytes Block(const std::string& image, uint32_t n) {
        Bytes block(kUpdateBlockBytes, 0);
        const uint32_t start = n * kUpdateBlockBytes;
        const uint32_t count =
            std::min<uint32_t>(kUpdateBlockBytes, static_cast<uint32_t>(image.size()) - start);
        std::memcpy(block.data(), image.data() + start, count);
        return block;
    }
    static uint16_t BlockSum(const Bytes& block) { return Sum16(block.data(), block.size()); }

    // Write, then poll while busy; the last status read. `busy` counts the busy answers.
    uint8_t Exchange(const Bytes& command, int* busy = nullptr) {
        if (!Set(command)) return 0;
        uint8_t status = kStatusBusy;
        for (int poll = 0; poll < kPolls && status == kStatusBusy; ++poll) {
            status = UpdateStatus();
            if (status == kStatusBusy && busy) ++*busy;
        }
        return status;
    }
    // The whole sequence; true when every step up to the last block succeeded.
    bool Upload(const std::string& image) {
        if (Exchange(Begin()) != kStatusDone) return false;
        if (Exchange(Size(static_cast<uint32_t>(image.size()))) != kStatusDone) return false;
        if (Exchange(Erase()) != kStatusDone) return false;
        const uint32_t blocks = (static_cast<uint32_t>(image.size()) + 1023) / 1024;
        for (uint32_t n = 0; n < blocks; ++n) {
            const Bytes block = Block(image, n);
            if (Exchange(Header(static_cast<uint16_t>(n), BlockSum(block))) != kStatusDone)
                return false;
            if (Exchange(Data(block)) != kStatusDone) return false;
        }
        finishStatus = Exchange(Command(kUpdateFinish));
        return true;
    }
    uint8_t Firmware() { return Get(kReportDeviceInfo, kDeviceInfoLength)[2]; }

    uint8_t finishStatus = 0;
};

TEST_F(UpdateMode, GoodImageBecomesTheFirmware) {
    const std::string image = BuildFirmwareImage(7, 2500);
    ASSERT_TRUE(Upload(image));
    EXPECT_EQ(finishStatus, kStatusDone);
    EXPECT_EQ(Firmware(), 7);
    EXPECT_EQ(Get(kReportDeviceInfo, kDeviceInfoLength)[3], kFactoryDfuVersion);
    EXPECT_EQ(state().update.lastResult, kStatusDone);
    EXPECT_FALSE(ReadButtons(0).empty()) << "back in normal operation";
}

TEST_F(UpdateMode, ImagesOfWholeBlocksAndOfTheLargestSize) {
    ASSERT_TRUE(Upload(BuildFirmwareImage(3, 2048)));
    EXPECT_EQ(state().update.blockCount, 2);
    EXPECT_EQ(Firmware(), 3);
    ASSERT_TRUE(Upload(BuildFirmwareImage(4, kUpdateMaxImage)));
    EXPECT_EQ(finishStatus, kStatusDone);
    EXPECT_EQ(Firmware(), 4);
}

TEST_F(UpdateMode, EraseAndFinishAnswerBusyFirst) {
    ASSERT_EQ(Exchange(Begin()), kStatusDone);
    ASSERT_EQ(Exchange(Size(16)), kStatusDone);
    int busy = 0;
    ASSERT_EQ(Exchange(Erase(), &busy), kStatusDone);
    EXPECT_EQ(busy, 2);
}

TEST_F(UpdateMode, BadBlockChecksumAsksForTheBlockAgain) {
    const std::string image = BuildFirmwareImage(8, 3000);
    ASSERT_EQ(Exchange(Begin()), kStatusDone);
    ASSERT_EQ(Exchange(Size(3000)), kStatusDone);
    ASSERT_EQ(Exchange(Erase()), kStatusDone);
    const Bytes block0 = Block(image, 0);
    ASSERT_EQ(Exchange(Header(0, BlockSum(block0))), kStatusDone);
    Bytes damaged = block0;
    damaged[100] ^= 0x40;
    EXPECT_EQ(Exchange(Data(damaged)), kStatusResend);
    EXPECT_EQ(Exchange(Data(block0)), kStatusDone) << "the same data again, no new header";
    for (uint32_t n = 1; n < 3; ++n) {
        const Bytes block = Block(image, n);
        ASSERT_EQ(Exchange(Header(static_cast<uint16_t>(n), BlockSum(block))), kStatusDone);
        ASSERT_EQ(Exchange(Data(block)), kStatusDone);
    }
    EXPECT_EQ(Exchange(Command(kUpdateFinish)), kStatusDone);
    EXPECT_EQ(Firmware(), 8);
}

TEST_F(UpdateMode, ABlockThatStaysBadEndsTheUpload) {
    ASSERT_EQ(Exchange(Begin()), kStatusDone);
    ASSERT_EQ(Exchange(Size(1024)), kStatusDone);
    ASSERT_EQ(Exchange(Erase()), kStatusDone);
    ASSERT_EQ(Exchange(Header(0, 1)), kStatusDone);
    const Bytes zeros(kUpdateBlockBytes, 0);
    for (int copy = 0; copy < 3; ++copy) EXPECT_EQ(Exchange(Data(zeros)), kStatusResend);
    EXPECT_EQ(Exchange(Data(zeros)), kStatusRefused);
    EXPECT_FALSE(ReadButtons(0).empty()) << "the mouse left update mode";
    EXPECT_EQ(Firmware(), kFactoryFirmwareVersion);
}

TEST_F(UpdateMode, ImageTooBigIsRefused) {
    ASSERT_EQ(Exchange(Begin()), kStatusDone);
    EXPECT_EQ(Exchange(Size(kUpdateMaxImage + 1)), kStatusRefused);
    EXPECT_EQ(Exchange(Erase()), kStatusRefused) << "the upload was abandoned";
}

TEST_F(UpdateMode, CommandsOutOfOrderOrWithoutSignatureAreRefused) {
    EXPECT_EQ(Exchange(Size(100)), kStatusRefused) << "size before begin";
    Bytes wrongBegin = Begin();
    wrongBegin[11] ^= 1;
    EXPECT_EQ(Exchange(wrongBegin), kStatusRefused);

    ASSERT_EQ(Exchange(Begin()), kStatusDone);
    Bytes unsigned_size = Size(100);
    unsigned_size[8] = 0;
    EXPECT_EQ(Exchange(unsigned_size), kStatusRefused);

    ASSERT_EQ(Exchange(Begin()), kStatusDone);
    ASSERT_EQ(Exchange(Size(3000)), kStatusDone);
    ASSERT_EQ(Exchange(Erase()), kStatusDone);
    EXPECT_EQ(Exchange(Header(1, 0)), kStatusRefused) << "block 0 comes first";

    ASSERT_EQ(Exchange(Begin()), kStatusDone);
    ASSERT_EQ(Exchange(Size(3000)), kStatusDone);
    Bytes wrongErase = Erase();
    wrongErase[4] = 0xED;
    EXPECT_EQ(Exchange(wrongErase), kStatusRefused);
}

TEST_F(UpdateMode, DamagedOrForeignImageKeepsTheOldFirmware) {
    std::string image = BuildFirmwareImage(9, 5000);
    image[3000] ^= 0x01;  // the block checksums still match what is sent
    ASSERT_TRUE(Upload(image));
    EXPECT_EQ(finishStatus, kStatusRefused);
    EXPECT_EQ(Firmware(), kFactoryFirmwareVersion);

    ASSERT_TRUE(Upload(std::string(4096, 'x')));
    EXPECT_EQ(finishStatus, kStatusRefused);
    EXPECT_EQ(state().update.lastResult, kStatusRefused);
    EXPECT_EQ(Firmware(), kFactoryFirmwareVersion);
}

TEST_F(UpdateMode, EmptyImageSendsNoBlockAndChangesNothing) {
    ASSERT_TRUE(Upload(std::string()));
    EXPECT_EQ(finishStatus, kStatusRefused);
    EXPECT_EQ(Firmware(), kFactoryFirmwareVersion);
}

TEST_F(UpdateMode, OnlyUpdateReportsAndDeviceInformationDuringTheUpload) {
    AssignCode(0, 6, 27);
    ASSERT_EQ(Exchange(Begin()), kStatusDone);
    EXPECT_TRUE(Get(kReportStatus, kStatusLength).empty());
    EXPECT_FALSE(Set({kReportActiveProfile, 3, 1}));
    EXPECT_FALSE(Get(kReportDeviceInfo, kDeviceInfoLength).empty());
    EXPECT_FALSE(device().Press(6));
    EXPECT_TRUE(sink_.events.empty());

    device().Unplug();
    device().Plug();
    EXPECT_FALSE(Get(kReportStatus, kStatusLength).empty()) << "an unplug ends the upload";
    EXPECT_EQ(Exchange(Erase()), kStatusRefused);
}

}  // namespace
}  // namespace tesh::vmouse::test
