// The monitor's device core on Windows: featlink.dll bound from a program directory,
// the read-all and write-changes sequences through it against the virtual mouse, the
// plug messages to the link's window, and the worker threads.
#include <windows.h>

#include <atomic>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "monitor/device_core.h"
#include "monitor/device_tables.h"
#include "monitor/macro_report.h"
#include "monitor/monitor_names.h"
#include "monitor/profile_reports.h"
#include "monitor/store_settings_files.h"
#include "monitor/win/featlink_adapters.h"
#include "monitor/win/worker_thread.h"
#include "settings/ini_file.h"
#include "settings/registry_port.h"
#include "settings/settings_store.h"
#include "tests/wine/message_window.h"
#include "tests/wine/virtual_mouse_fixture.h"

namespace tesh::monitor {
namespace {

using test::MessageWindow;
using test::PostedMessage;

constexpr DWORD kJobTimeoutMs = 60000;
constexpr int kProfile = 2;
constexpr int kMacroSlot = 7;
constexpr uint16_t kMacroEvents = 500;

class RecordingBlock : public SettingsBlock {
  public:
    void Publish(const SettingsSet&) override { ++publishes; }
    std::atomic<int> publishes{0};
};

class RecordingWindows : public WindowPort {
  public:
    bool PostToWindow(std::string_view title, uint32_t message, uintptr_t, intptr_t) override {
        posts.push_back(std::string(title) + " " + std::to_string(message));
        return true;
    }
    bool CloseWindow(std::string_view title) override { return PostToWindow(title, 0, 0, 0); }
    std::vector<std::string> posts;
};

class NoShell : public ShellPort {
  public:
    bool Open(const std::string& path, const std::string&) override {
        started.push_back(path);
        return true;
    }
    std::vector<std::string> started;
};

// The window's duties; the end of a read-all job (its Quix-Aim message) is signalled.
class JobHost : public LinkHost {
  public:
    JobHost() : jobDone_(CreateEventA(nullptr, FALSE, FALSE, nullptr)) {}
    ~JobHost() override { CloseHandle(jobDone_); }
    void PostDeviceJob(int, int) override {}
    void StartTimer(int timer, uint32_t) override { timers.push_back(timer); }
    void KillTimer(int) override {}
    void UpdateTrayIcon() override {}
    void CloseMonitorWindow() override { closed = true; }
    bool StartFlagSet() override { return false; }
    void ClearStartFlag() override {}
    void OpenConfigurationApp() override {}
    void SendQuibDeviceStatus(bool) override {}
    void SendQuixAimCpi() override { SetEvent(jobDone_); }
    void DispatchEvent(uint32_t) override {}
    bool WaitForJob() { return WaitForSingleObject(jobDone_, kJobTimeoutMs) == WAIT_OBJECT_0; }

    std::vector<int> timers;
    bool closed = false;

  private:
    HANDLE jobDone_;
};

std::unique_ptr<SettingsSet> DefaultImage() {
    auto set = std::make_unique<SettingsSet>();
    std::memset(set.get(), 0, sizeof *set);
    SetDefaults(*set, 0x0409);
    return set;
}

class MonitorCoreWineTest : public test::VirtualMouseTest {
  protected:
    MonitorCoreWineTest()
        : programDir_(dir_.File("program") + "\\"),
          image_(DefaultImage()),
          store_(programDir_, registry_),
          files_(store_, programDir_),
          device_(binding_),
          link_(binding_) {
        CopyLibrary("program");
        link_.SetWindow(window_.handle());
        core_ = std::make_unique<DeviceCore>(
            *image_, programDir_,
            DeviceCorePorts{device_, clock_, files_, block_, windows_, shell_, link_, host_});
    }

    // The mouse plugged, its firmware installed as the upgrader's image, the library
    // bound and the link started.
    void Connect() {
        ASSERT_EQ(Vmouse("plug").exitCode, 0);
        const auto state = State();
        ASSERT_TRUE(state.is_object());
        CreateDirectoryA((programDir_ + "FWUpdate").c_str(), nullptr);
        IniFile(programDir_ + kUpgraderConfig)
            .WriteInt(kUpgraderSection, kUpgraderVersionKey, state["firmware"].get<int>());
        ASSERT_TRUE(binding_.Bind(programDir_));
        ASSERT_EQ(core_->connection().StartUp(), StartResult::kConnected);
    }

    // The lines of the virtual mouse's log.
    std::vector<std::string> Log() {
        std::vector<std::string> lines;
        const test::ChildResult result = Vmouse("log");
        std::size_t start = 0;
        for (std::size_t end; (end = result.output.find('\n', start)) != std::string::npos;
             start = end + 1) {
            std::string line = result.output.substr(start, end - start);
            if (!line.empty() && line.back() == '\r') line.pop_back();
            lines.push_back(line);
        }
        return lines;
    }

    std::string programDir_;
    MessageWindow window_;
    std::unique_ptr<SettingsSet> image_;
    MemoryRegistry registry_;
    SettingsStore store_;
    StoreSettingsFiles files_;
    FeatlinkBinding binding_;
    FeatlinkDevice device_;
    FeatlinkLink link_;
    SteadyClock clock_;
    RecordingBlock block_;
    RecordingWindows windows_;
    NoShell shell_;
    JobHost host_;
    std::unique_ptr<DeviceCore> core_;
};

// Profile 2 made unlike the defaults: its CPI levels, polling rate and a 500-event
// macro on slot 7, with the active profile; every change flag of it set.
void ChangeProfile(SettingsSet& set) {
    ProfileRecord& profile = set.Profiles[kProfile];
    for (int level = 0; level < kCpiLevels; ++level) {
        profile.CpiLevel_X[level] = profile.CpiLevel_Y[level] = 7 - level;
    }
    profile.PollingRate = 1;
    ButtonRecord& button = profile.Buttons[kMacroSlot];
    button.code = kMacroFunctionCode;
    button.repeatCount = 3;
    button.eventCount = kMacroEvents;
    for (int i = 0; i < kMacroEvents * 4; ++i) button.events[i] = static_cast<uint8_t>(i * 13 + 5);
    set.CurrentProfile = kProfile;
    set.CurrentProfileChanged = 1;
    set.ProfileChanged[kProfile] = 1;
    set.ButtonChanged[kProfile][kMacroSlot] = 1;
}

TEST_F(MonitorCoreWineTest, WriteChangesThenReadAllThroughTheLibraryGiveTheSameSettings) {
    Connect();
    EXPECT_FALSE(host_.closed);
    ChangeProfile(*image_);
    const auto written = std::make_unique<SettingsSet>(*image_);
    ASSERT_TRUE(core_->sequences().WriteChanges());

    // Read back on a device worker with its small stack, into an image of defaults.
    std::memcpy(image_.get(), DefaultImage().get(), sizeof *image_);
    WorkerThread worker(kDeviceJobMessage, [this](WPARAM job, LPARAM argument) {
        core_->RunJob(static_cast<int>(job), static_cast<int>(argument));
    });
    ASSERT_TRUE(worker.Start());
    ASSERT_TRUE(worker.Post(kJobReadAll, 0));
    ASSERT_TRUE(host_.WaitForJob());
    EXPECT_TRUE(worker.Stop());

    EXPECT_EQ(image_->CurrentProfile, kProfile);
    for (int p = 0; p < kProfileCount; ++p) {
        EXPECT_EQ(BuildProfileSettingsReport(image_->Profiles[p], p),
                  BuildProfileSettingsReport(written->Profiles[p], p))
            << "profile " << p;
        EXPECT_EQ(BuildButtonReport(image_->Profiles[p], p),
                  BuildButtonReport(written->Profiles[p], p))
            << "profile " << p;
    }
    const int button = DeviceButtonOfSlot(kMacroSlot);
    EXPECT_EQ(BuildMacroReport(image_->Profiles[kProfile].Buttons[kMacroSlot], kProfile, button),
              BuildMacroReport(written->Profiles[kProfile].Buttons[kMacroSlot], kProfile, button));
    EXPECT_EQ(image_->CurrentProfileChanged, 0);

    // Saved, published and announced once; the host state follows the reads.
    EXPECT_EQ(IniFile(programDir_ + kConfigIni).ReadInt("Setting", "CurrentProfile", -1), kProfile);
    EXPECT_EQ(block_.publishes.load(), 1);
    EXPECT_EQ(windows_.posts, std::vector<std::string>{std::string(kOptionWindowTitle) + " " +
                                                       std::to_string(kReloadSettingsMessage)});
    std::string lastSet;
    for (const std::string& line : Log()) {
        if (line.rfind("SET", 0) == 0) lastSet = line;
    }
    EXPECT_EQ(lastSet.substr(0, 12), "SET 0e 03 01");
}

TEST_F(MonitorCoreWineTest, PlugMessagesReachTheWindowGivenToTheLink) {
    Connect();
    ASSERT_EQ(Vmouse("unplug").exitCode, 0);
    ASSERT_EQ(Vmouse("plug").exitCode, 0);
    const std::vector<PostedMessage> expected{{kPlugMessage, 0, 0}, {kPlugMessage, 1, 0}};
    EXPECT_EQ(window_.WaitFor(2, kPlugMessage, kPlugMessage), expected);
    ASSERT_EQ(Vmouse("event 0x2000 3").exitCode, 0);
    const std::vector<PostedMessage> event{{kDeviceEventMessage, 0x2000, 3}};
    EXPECT_EQ(window_.WaitFor(1, kDeviceEventMessage, kDeviceEventMessage), event);
}

TEST_F(MonitorCoreWineTest, WithoutTheLibraryTheMonitorRunsWithoutAMouse) {
    ASSERT_EQ(Vmouse("plug").exitCode, 0);
    EXPECT_FALSE(binding_.Bind(dir_.File("empty") + "\\"));
    uint8_t status[3] = {4};
    EXPECT_FALSE(device_.GetFeature(status, sizeof status));
    EXPECT_FALSE(device_.SetFeature(status, sizeof status));
    EXPECT_EQ(core_->connection().StartUp(), StartResult::kNoMouse);
    EXPECT_EQ(IniFile(programDir_ + kConfigIni).ReadInt("Setting", "Device", -1), 0);
    EXPECT_TRUE(host_.timers.empty());
}

TEST_F(MonitorCoreWineTest, ALibraryWithoutAllSevenFunctionsIsNotBound) {
    const std::string folder = dir_.File("partial") + "\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::string path = folder + kFeatlinkLibrary;
    ASSERT_TRUE(CopyFileA(Beside("featlink_partial.dll").c_str(), path.c_str(), FALSE));
    EXPECT_FALSE(binding_.Bind(folder));
    EXPECT_FALSE(binding_.bound());
    EXPECT_EQ(binding_.openFeatureDevice, nullptr);
    EXPECT_EQ(GetModuleHandleA(path.c_str()), nullptr) << "the library was not freed";
    EXPECT_FALSE(link_.OpenFeatureDevice());
}

TEST(WorkerThreadWineTest, ItsMessagesRunInOrderOnTheThreadAndOthersAreDropped) {
    std::vector<std::pair<WPARAM, LPARAM>> seen;
    std::atomic<DWORD> thread{0};
    WorkerThread worker(kPlayMacroMessage, [&](WPARAM wParam, LPARAM lParam) {
        thread = GetCurrentThreadId();
        seen.emplace_back(wParam, lParam);
    });
    ASSERT_TRUE(worker.Start());
    EXPECT_TRUE(worker.Post(1, 10));
    EXPECT_TRUE(PostThreadMessageA(worker.threadId(), kDeviceJobMessage, 2, 20));
    EXPECT_TRUE(worker.Post(3, 30));
    EXPECT_TRUE(worker.Stop());
    EXPECT_FALSE(worker.running());
    EXPECT_EQ(seen, (std::vector<std::pair<WPARAM, LPARAM>>{{1, 10}, {3, 30}}));
    EXPECT_NE(thread.load(), GetCurrentThreadId());
    EXPECT_FALSE(worker.Post(4, 40));
}

TEST(WorkerThreadWineTest, AThreadThatDoesNotEndInItsGraceTimeIsTerminated) {
    HANDLE never = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE started = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    WorkerThread worker(kDeviceJobMessage, [&](WPARAM, LPARAM) {
        SetEvent(started);
        WaitForSingleObject(never, INFINITE);
    });
    ASSERT_TRUE(worker.Start());
    ASSERT_TRUE(worker.Post(kJobReadAll, 0));
    ASSERT_EQ(WaitForSingleObject(started, 10000), WAIT_OBJECT_0);
    EXPECT_FALSE(worker.Stop(kWorkerJoinMs));
    EXPECT_FALSE(worker.running());
    CloseHandle(started);
    CloseHandle(never);
}

}  // namespace
}  // namespace tesh::monitor
