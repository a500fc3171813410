#include "upgrade/upgrader_config.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "tests/settings/test_dir.h"
#include "upgrade/firmware_buffer.h"

namespace tesh::upgrade {
namespace {

TEST(UpgraderConfig, StartModes) {
    EXPECT_EQ(StartModeOf(""), StartMode::kConfirm);
    EXPECT_EQ(StartModeOf("1"), StartMode::kConfirm);
    EXPECT_EQ(StartModeOf("2"), StartMode::kConfirm);
    EXPECT_EQ(StartModeOf("0"), StartMode::kDriverUpdate);
    EXPECT_EQ(StartModeOf("05"), StartMode::kDriverUpdate);
    EXPECT_EQ(StartModeOf("x"), StartMode::kUpgradeNow);
}

TEST(UpgraderConfig, ImagePathRule) {
    EXPECT_EQ(ImagePath("C:\\Prog\\FWUpdate\\", "fw.bin"), "C:\\Prog\\FWUpdate\\fw.bin");
    EXPECT_EQ(ImagePath("C:\\Prog\\FWUpdate\\", "D:\\images\\fw.bin"), "D:\\images\\fw.bin");
    // Too long: refused, never cut to the name of another file.
    EXPECT_EQ(ImagePath("C:\\P\\", std::string(400, 'n')), "");
    EXPECT_EQ(ImagePath("C:\\P\\", std::string(255, 'n')), "");
    EXPECT_EQ(ImagePath("C:\\P\\", std::string(254, 'n')).size(), kMaxPath - 1);
    EXPECT_EQ(ImageTitle("D:\\images\\fw.bin"), "fw.bin");
    EXPECT_EQ(ImageTitle("fw.bin"), "fw.bin");
    EXPECT_EQ(MonitorProgramPath("C:\\Prog\\FWUpdate\\"), "C:\\Prog\\TeshUlmaOpticalMonitor.exe");
}

TEST(UpgraderConfig, DfuVersionText) {
    EXPECT_EQ(DfuVersionText(107), "1.07");
    EXPECT_EQ(DfuVersionText(100), "1.00");
    EXPECT_EQ(DfuVersionText(500), "5.00");
    EXPECT_EQ(DfuVersionText(99), "");
    EXPECT_EQ(DfuVersionText(0), "");
    EXPECT_EQ(DfuVersionText(501), "");
}

TEST(FirmwareFile, LoadsAndRefusesOversizeImages) {
    test::TestDir dir;
    auto buffer = std::make_unique<FirmwareBuffer>();
    EXPECT_EQ(LoadFirmwareFile(*buffer, dir.File("missing.bin")), LoadResult::kUnreadable);
    dir.Write("full.bin", std::string(kMaxImageBytes, '\x01'));
    EXPECT_EQ(LoadFirmwareFile(*buffer, dir.File("full.bin")), LoadResult::kOk);
    EXPECT_EQ(buffer->BlockCount(), kMaxBlocks);
    EXPECT_EQ(buffer->Checksum(199), 1024);
    dir.Write("big.bin", std::string(kMaxImageBytes + 1, '\x01'));
    EXPECT_EQ(LoadFirmwareFile(*buffer, dir.File("big.bin")), LoadResult::kTooLarge);
    EXPECT_EQ(buffer->size, 0u) << "nothing of an oversize image is kept";
    EXPECT_EQ(buffer->image[0], 0);
    dir.Write("small.bin", std::string("\xff\x02", 2));
    EXPECT_EQ(LoadFirmwareFile(*buffer, dir.File("small.bin")), LoadResult::kOk);
    EXPECT_EQ(buffer->Checksum(0), 0x101);
    EXPECT_EQ(buffer->image[1024], 0) << "the previous image was cleared";
}

}  // namespace
}  // namespace tesh::upgrade
