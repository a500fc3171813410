// The state as one block of bytes: fresh state, flash persistence, copies.
#include "featlink/device_state.h"

#include <cstring>
#include <memory>
#include <type_traits>

#include "featlink/wire.h"
#include "settings/file_io.h"
#include "tests/featlink/device_fixture.h"
#include "tests/settings/test_dir.h"

namespace tesh::vmouse::test {
namespace {

static_assert(std::is_trivially_copyable_v<DeviceState>);
static_assert(std::is_standard_layout_v<DeviceState>);

using StateTest = DeviceTest;

TEST_F(StateTest, FreshMouse) {
    EXPECT_TRUE(IsDeviceState(state()));
    EXPECT_TRUE(device().plugged());
    EXPECT_EQ(flash().firmwareVersion, kFactoryFirmwareVersion);
    EXPECT_EQ(flash().activeProfile, 0);
    EXPECT_EQ(state().faults.forcedStatus, -1);
    state().size = 12;
    EXPECT_FALSE(IsDeviceState(state()));
}

TEST_F(StateTest, FlashSurvivesAsAFile) {
    ASSERT_EQ(SetAndWait(MacroReport(4, 17, SampleMacro(500))), kStatusDone);
    ASSERT_EQ(SetAndWait({kReportActiveProfile, 3, 3}), kStatusDone);
    flash().firmwareVersion = 12;
    tesh::test::TestDir dir;
    const std::string path = dir.File("vmouse.flash");
    ASSERT_TRUE(SaveFlashFile(flash(), path));

    auto other = std::make_unique<DeviceFlash>();
    InitFlash(*other);
    ASSERT_TRUE(LoadFlashFile(path, *other));
    EXPECT_EQ(std::memcmp(other.get(), &flash(), sizeof(DeviceFlash)), 0);
    EXPECT_EQ(other->activeProfile, 3);
    EXPECT_EQ(MacroEventCount(other->macros[4][17]), 500);
}

TEST_F(StateTest, ForeignFlashBytesAreRejected) {
    auto other = std::make_unique<DeviceFlash>();
    InitFlash(*other);
    other->firmwareVersion = 77;
    std::string bytes = FlashBytes(flash());
    EXPECT_FALSE(FlashFromBytes(bytes.substr(1), *other)) << "wrong size";
    bytes[0] ^= 1;
    EXPECT_FALSE(FlashFromBytes(bytes, *other)) << "wrong magic";
    EXPECT_EQ(other->firmwareVersion, 77) << "left untouched";
    tesh::test::TestDir dir;
    EXPECT_FALSE(LoadFlashFile(dir.File("missing"), *other));
}

TEST_F(StateTest, ACopyOfTheBytesIsTheSameMouse) {
    ASSERT_EQ(Select(2, kSelectButtons), kStatusDone);
    auto copy = std::make_unique<DeviceState>();
    std::memcpy(copy.get(), &state(), sizeof(DeviceState));
    Device twin(*copy, clock_, nullptr);
    uint8_t reply[kButtonsLength] = {kReportButtons};
    EXPECT_EQ(twin.GetFeature(reply, kButtonsLength), 1) << "the selection came along";
    EXPECT_EQ(reply[2], 2);
}

TEST(DeviceLayout, ButtonSlots) {
    EXPECT_EQ(SlotOfDeviceButton(0), 0);
    EXPECT_EQ(SlotOfDeviceButton(5), 7);
    EXPECT_EQ(SlotOfDeviceButton(9), 12);
    EXPECT_EQ(SlotOfDeviceButton(17), 22);
    EXPECT_EQ(SlotOfDeviceButton(18), -1);
}

}  // namespace
}  // namespace tesh::vmouse::test
