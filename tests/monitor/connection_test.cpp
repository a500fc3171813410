// The connection: event codes, start-up, arrival and removal in their order, and the
// firmware check that hands the mouse to the upgrader.
#include "monitor/connection.h"

#include <algorithm>

#include "monitor/firmware_check.h"
#include "monitor/monitor_names.h"
#include "monitor/report_format.h"
#include "settings/file_io.h"
#include "settings/ini_file.h"
#include "tests/monitor/monitor_fixture.h"

namespace tesh::monitor::test {
namespace {

TEST(EventCodes, DeviceEventKeepsTheLowWordOfTheValue) {
    EXPECT_EQ(DeviceEventCode(0x2000, 0x10003), 0x20000003u);
    EXPECT_EQ(DeviceEventCode(0xFE00, 17), 0xFE000011u);
    EXPECT_EQ(DeviceEventCode(0x12345, -1), 0x2345FFFFu);
}

TEST(EventCodes, PlugCodes) {
    EXPECT_EQ(PlugEventCode(1), 0x7F000001u);
    EXPECT_EQ(PlugEventCode(0), 0x7F000002u);
    EXPECT_EQ(PlugEventCode(2), 0x7F000000u);
}

TEST(FirmwareVersions, ImageNewerOlderOrMissing) {
    EXPECT_EQ(UpgraderArgument(5, 6), 1);
    EXPECT_EQ(UpgraderArgument(5, 4), 0);
    EXPECT_EQ(UpgraderArgument(5, 5), std::nullopt);
    EXPECT_EQ(UpgraderArgument(5, -1), 1) << "a missing image counts as the largest";
    EXPECT_EQ(UpgraderArgument(255, -2), 1);
}

class ConnectionTest : public MonitorTest {
  protected:
    ConnectionTest() {
        mouse().flash.firmwareVersion = 5;
        SetImageVersion(5);
        flags().connection = kNotFound;
    }
    void SetImageVersion(int version) {
        dir_.Write(kUpgraderConfig, "[Firmware]\r\nVersion=" + std::to_string(version) + "\r\n");
    }
    Connection& connection() { return core().connection(); }
    int Device() const { return IniFile(dir_.File(kConfigIni)).ReadInt("Setting", "Device", -9); }
    std::string Upgrader(const char* argument) const {
        return JoinPath(dir_.path(), kUpgraderProgram) + "|" + argument;
    }
};

TEST_F(ConnectionTest, StartUpWithTheMouse) {
    host_.startFlag = true;
    EXPECT_EQ(connection().StartUp(), StartResult::kConnected);
    EXPECT_EQ(flags().connection, kConnected);
    EXPECT_EQ(host_.calls, (std::vector<std::string>{"OpenDeviceMonitor", "OpenFeatureDevice",
                                                     "StartTimer 500 2000", "StartTimer 502 200",
                                                     "UpdateTrayIcon", "OpenConfigurationApp",
                                                     "QuibStatus connected"}));
    EXPECT_EQ(Device(), 1);
    EXPECT_TRUE(shell_.started.empty());
}

TEST_F(ConnectionTest, AnUpgraderThatCannotStartLeavesTheMonitorRunning) {
    SetImageVersion(6);
    host_.startFlag = true;
    shell_.fails = true;
    EXPECT_EQ(connection().StartUp(), StartResult::kConnected);
    EXPECT_EQ(shell_.started, std::vector<std::string>{Upgrader("1")});
    EXPECT_EQ(flags().connection, kConnected);
    EXPECT_EQ(std::count(host_.calls.begin(), host_.calls.end(), "CloseMonitorWindow"), 0);
    EXPECT_EQ(std::count(host_.calls.begin(), host_.calls.end(), "OpenConfigurationApp"), 1);
    EXPECT_EQ(Device(), 1);
}

TEST_F(ConnectionTest, StartUpWithoutTheMouse) {
    mouseDevice_.Unplug();
    EXPECT_EQ(connection().StartUp(), StartResult::kNoMouse);
    EXPECT_EQ(flags().connection, kNotFound);
    EXPECT_EQ(host_.calls, (std::vector<std::string>{"OpenDeviceMonitor", "OpenFeatureDevice"}));
    EXPECT_EQ(Device(), 0);
}

TEST_F(ConnectionTest, StartUpStartsTheUpgraderAndCloses) {
    SetImageVersion(6);
    host_.startFlag = true;
    EXPECT_EQ(connection().StartUp(), StartResult::kUpgraderStarted);
    EXPECT_EQ(flags().connection, kNotFound);
    EXPECT_EQ(shell_.started, std::vector<std::string>{Upgrader("1")});
    EXPECT_FALSE(host_.startFlag);
    EXPECT_EQ(host_.calls.back(), "CloseMonitorWindow");
    EXPECT_EQ(Device(), 0);
}

TEST_F(ConnectionTest, ArrivalInItsOrder) {
    connection().HandleEventCode(PlugEventCode(1));
    EXPECT_EQ(clock_.sleeps(), std::vector<uint32_t>{2000});
    EXPECT_EQ(flags().connection, kConnected);
    EXPECT_EQ(host_.calls, (std::vector<std::string>{"QuibStatus connected", "OpenFeatureDevice",
                                                     "PostDeviceJob 2 0", "UpdateTrayIcon",
                                                     "StartTimer 500 2000"}));
    EXPECT_EQ(Briefs(1), std::vector<std::string>{"GET 09"}) << "the firmware version";
    EXPECT_EQ(transfers()[0].timeMs, 2000u);
    EXPECT_EQ(Device(), 1);
    EXPECT_EQ(connection().lastEventCode(), 0x7F000001u);
}

TEST_F(ConnectionTest, SecondArrivalDoesNothing) {
    connection().HandleEventCode(PlugEventCode(1));
    host_.calls.clear();
    ClearLog();
    connection().HandleEventCode(PlugEventCode(1));
    EXPECT_TRUE(host_.calls.empty());
    EXPECT_TRUE(clock_.sleeps().empty());
    EXPECT_TRUE(transfers().empty());
}

TEST_F(ConnectionTest, ArrivalWithADifferentImageStartsTheUpgrader) {
    SetImageVersion(4);
    connection().Arrived();
    EXPECT_EQ(shell_.started, std::vector<std::string>{Upgrader("0")});
    EXPECT_EQ(host_.calls, (std::vector<std::string>{"QuibStatus connected", "OpenFeatureDevice",
                                                     "ClearStartFlag", "CloseMonitorWindow"}));
}

TEST_F(ConnectionTest, NoUpgraderConfigMeansUpgrade) {
    std::remove(dir_.File(kUpgraderConfig).c_str());
    connection().Arrived();
    EXPECT_EQ(shell_.started, std::vector<std::string>{Upgrader("1")});
}

TEST_F(ConnectionTest, FailedOrZeroVersionNeverStartsTheUpgrader) {
    SetImageVersion(9);
    faults().failGets = 1;
    connection().Arrived();
    EXPECT_TRUE(shell_.started.empty());
    EXPECT_EQ(IniFile(dir_.File(kConfigIni)).ReadInt("Setting", "FWVersion", -9), 0);
    connection().Removed();
    mouse().flash.firmwareVersion = 0;
    connection().Arrived();
    EXPECT_TRUE(shell_.started.empty());
}

TEST_F(ConnectionTest, RemovalInItsOrder) {
    flags().connection = kConnected;
    flags().busy = 1;
    connection().HandleEventCode(PlugEventCode(0));
    EXPECT_EQ(flags().connection, kRemoved);
    EXPECT_EQ(flags().cancel, 1);
    EXPECT_EQ(host_.calls,
              (std::vector<std::string>{"ReleaseHeldInput", "QuibStatus removed",
                                        "CloseFeatureDevice", "UpdateTrayIcon", "KillTimer 500"}));
    EXPECT_EQ(Device(), 0);
    EXPECT_EQ(windows_.posts, (std::vector<Post>{{kOptionWindowTitle, 0}}));

    host_.calls.clear();
    connection().Removed();
    EXPECT_TRUE(host_.calls.empty()) << "a second removal does nothing";
}

TEST_F(ConnectionTest, RemovalWhileIdleCancelsNothing) {
    flags().connection = kConnected;
    connection().Removed();
    EXPECT_EQ(flags().cancel, 0);
}

TEST_F(ConnectionTest, RemovalFromNotFoundAndArrivalAfterRemoval) {
    connection().Removed();
    EXPECT_EQ(flags().connection, kRemoved);
    connection().Arrived();
    EXPECT_EQ(flags().connection, kConnected);
}

TEST_F(ConnectionTest, OtherCodesGoToTheDispatcher) {
    connection().HandleEventCode(DeviceEventCode(0x2000, 0x10003));
    connection().HandleEventCode(PlugEventCode(7));
    EXPECT_EQ(host_.calls, std::vector<std::string>{"Dispatch 20000003"});
    EXPECT_EQ(connection().lastEventCode(), 0x7F000000u);
    EXPECT_EQ(flags().connection, kNotFound);
}

// The job is cancelled and later ones dropped before the mouse hears host state 0,
// which comes last, once the worker has ended; after a killed worker it is not sent.
TEST_F(ConnectionTest, ShutdownCancelsEveryJobAndWritesHostStateZeroLast) {
    flags().connection = kConnected;
    flags().busy = 1;
    connection().BeginShutdown();
    EXPECT_TRUE(transfers().empty());
    EXPECT_EQ(host_.calls, (std::vector<std::string>{"KillTimer 500", "KillTimer 502"}));
    EXPECT_EQ(flags().cancel, 1);
    flags().busy = 0;
    core().RunJob(kJobReadAll, 0);
    EXPECT_TRUE(transfers().empty()) << "a queued job runs no more";
    connection().CloseLink(true);
    EXPECT_EQ(Briefs(), (std::vector<std::string>{"SET 0e 03 00", "GET 04 01 00"}))
        << "host state 0 waited for as usual";
    EXPECT_EQ(host_.calls.back(), "CloseFeatureDevice");
    ClearLog();
    connection().CloseLink(false);
    EXPECT_TRUE(transfers().empty());
    faults().busyPolls = 100;
    const uint64_t before = clock_.NowMs();
    connection().CloseLink(true);
    EXPECT_EQ(Briefs(), (std::vector<std::string>{"SET 0e 03 00", "GET 04 03 00"}))
        << "one look at a busy mouse";
    EXPECT_EQ(clock_.NowMs() - before, kShortWaitMs);
}

}  // namespace
}  // namespace tesh::monitor::test
