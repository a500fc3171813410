// The mouse as processes share it: the table of windows to notify and knowing when the
// flash file is behind.
#include "featlink/shared_mouse.h"

#include <gtest/gtest.h>

#include <memory>

#include "featlink/device.h"
#include "featlink/wire.h"
#include "tests/featlink/device_fixture.h"

namespace tesh::vmouse::test {
namespace {

TEST(MonitorTable, OneWindowPerProcess) {
    MonitorTable table{};
    EXPECT_TRUE(SetMonitor(table, 10, 0x100, 1325, 1326));
    EXPECT_TRUE(SetMonitor(table, 20, 0x200, 1325, 1326));
    EXPECT_TRUE(SetMonitor(table, 10, 0x300, 2000, 2001)) << "replaces process 10's window";
    EXPECT_EQ(MonitorCount(table), 2);
    int found = 0;
    for (const MonitorEntry& entry : table.entries) {
        if (entry.processId != 10 || entry.window == 0) continue;
        ++found;
        EXPECT_EQ(entry.window, 0x300u);
        EXPECT_EQ(entry.eventMessage, 2000u);
        EXPECT_EQ(entry.plugMessage, 2001u);
    }
    EXPECT_EQ(found, 1);

    EXPECT_TRUE(SetMonitor(table, 30, 0x200, 1325, 1326)) << "a window is notified once";
    EXPECT_EQ(MonitorCount(table), 2);
    RemoveMonitorOfProcess(table, 10);
    EXPECT_EQ(MonitorCount(table), 1);
    RemoveMonitorWindow(table, 0x200);
    EXPECT_EQ(MonitorCount(table), 0);
    EXPECT_FALSE(SetMonitor(table, 10, 0, 1325, 1326)) << "no window";
    EXPECT_EQ(MonitorCount(table), 0);
}

TEST(MonitorTable, FullTableRefusesNewProcessesOnly) {
    MonitorTable table{};
    for (uint32_t p = 1; p <= kMaxMonitors; ++p) ASSERT_TRUE(SetMonitor(table, p, p, 1325, 1326));
    EXPECT_FALSE(SetMonitor(table, 999, 999, 1325, 1326));
    EXPECT_TRUE(SetMonitor(table, 3, 0x333, 1325, 1326))
        << "a process may still replace its window";
    RemoveMonitorOfProcess(table, 5);
    EXPECT_TRUE(SetMonitor(table, 999, 999, 1325, 1326));
}

class SharedMouseTest : public ::testing::Test {
  protected:
    SharedMouseTest() : mouse_(std::make_unique<SharedMouse>()) {}
    std::unique_ptr<SharedMouse> mouse_;
    TestClock clock_;
};

TEST_F(SharedMouseTest, SetUpPlugged) {
    EXPECT_FALSE(IsSharedMouse(*mouse_)) << "zeroed memory is not a mouse yet";
    InitSharedMouse(*mouse_);
    EXPECT_TRUE(IsSharedMouse(*mouse_));
    EXPECT_TRUE(mouse_->device.plugged);
    EXPECT_EQ(MonitorCount(mouse_->monitors), 0);
    EXPECT_FALSE(FlashNeedsSaving(*mouse_));

    mouse_->size = 0;
    EXPECT_FALSE(IsSharedMouse(*mouse_)) << "another layout is set up anew";
}

TEST_F(SharedMouseTest, FlashNeedsSavingAfterAChangeOnly) {
    InitSharedMouse(*mouse_);
    Device device(mouse_->device, clock_, nullptr);
    uint8_t read[3] = {kReportActiveProfile};
    ASSERT_TRUE(device.GetFeature(read, sizeof read));
    const uint8_t select[] = {kReportStatus, 1, kSelectButtons};
    ASSERT_TRUE(device.SetFeature(select, sizeof select));
    device.Unplug();
    device.Plug();
    EXPECT_FALSE(FlashNeedsSaving(*mouse_)) << "reads, selections and the cable leave it";

    const uint8_t activate[] = {kReportActiveProfile, 3, 4};
    ASSERT_TRUE(device.SetFeature(activate, sizeof activate));
    EXPECT_TRUE(FlashNeedsSaving(*mouse_));
    MarkFlashSaved(*mouse_);
    EXPECT_FALSE(FlashNeedsSaving(*mouse_));
    ASSERT_TRUE(device.SetFeature(activate, sizeof activate));
    EXPECT_FALSE(FlashNeedsSaving(*mouse_)) << "the same profile again changes nothing";
}

}  // namespace
}  // namespace tesh::vmouse::test
