// The monitor's device core against the virtual mouse's model, on a virtual clock that
// only advances when the core sleeps, with every other port faked and recorded.
#pragma once

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "featlink/device.h"
#include "featlink/device_state.h"
#include "monitor/device_core.h"
#include "monitor/host_ports.h"
#include "monitor/store_settings_files.h"
#include "settings/registry_port.h"
#include "settings/settings_store.h"
#include "tests/settings/test_dir.h"

namespace tesh::monitor::test {

// Virtual time for both sides: the core sleeps on it, the mouse stamps its log with it.
// Actions can be set to happen when the time passes a mark (an unplug in the middle of
// a sequence, say); they run inside the sleep that passes it.
class VirtualClock : public Clock, public vmouse::Clock {
  public:
    void SleepMs(uint32_t milliseconds) override;
    uint64_t NowMs() const override { return now_.load(); }
    void At(uint64_t timeMs, std::function<void()> action);
    // Every sleep, in order.
    std::vector<uint32_t> sleeps() const;
    void ClearSleeps();

  private:
    std::atomic<uint64_t> now_{0};
    mutable std::mutex mutex_;
    std::vector<uint32_t> sleeps_;
    std::multimap<uint64_t, std::function<void()>> actions_;
};

// One transfer as the mouse logged it.
struct Transfer {
    uint64_t timeMs;
    bool set;
    bool ok;
    uint32_t length;
    std::vector<uint8_t> bytes;  // the first 64 at most
    // "SET 06 1f 02": direction and the first `count` bytes.
    std::string Brief(std::size_t count = 3) const;
};

// featlink over the model: each transfer is serialized, as the library does it.
class ModelDevice : public FeatureDevice {
  public:
    explicit ModelDevice(vmouse::Device& device) : device_(device) {}
    bool SetFeature(const uint8_t* buffer, uint32_t length) override;
    bool GetFeature(uint8_t* buffer, uint32_t length) override;
    std::vector<Transfer> transfers() const;
    void ClearTransfers();

  private:
    void Record();
    vmouse::Device& device_;
    mutable std::mutex mutex_;
    std::vector<Transfer> transfers_;
};

struct Post {
    std::string title;
    uint32_t message;
    bool operator==(const Post&) const = default;
};

class FakeBlock : public SettingsBlock {
  public:
    void Publish(const SettingsSet& set) override;
    int publishes = 0;
    std::unique_ptr<SettingsSet> last = std::make_unique<SettingsSet>();
};

class FakeWindows : public WindowPort {
  public:
    bool PostToWindow(std::string_view title, uint32_t message, uintptr_t, intptr_t) override;
    bool CloseWindow(std::string_view title) override;
    std::vector<Post> posts;  // a close is message 0
};

class FakeShell : public ShellPort {
  public:
    bool Open(const std::string& path, const std::string& parameters) override;
    std::vector<std::string> started;  // "path|parameters", asked for
    bool fails = false;                // the program cannot be started
};

// The link and the window's duties, recorded in one list of calls in their order.
class FakeHost : public LinkControl, public LinkHost {
  public:
    explicit FakeHost(vmouse::Device& device) : device_(device) {}
    void OpenDeviceMonitor() override { calls.push_back("OpenDeviceMonitor"); }
    void CloseDeviceMonitor() override { calls.push_back("CloseDeviceMonitor"); }
    bool OpenFeatureDevice() override;
    void CloseFeatureDevice() override { calls.push_back("CloseFeatureDevice"); }
    void PostDeviceJob(int job, int argument) override;
    void StartTimer(int timer, uint32_t milliseconds) override;
    void KillTimer(int timer) override;
    void UpdateTrayIcon() override { calls.push_back("UpdateTrayIcon"); }
    void CloseMonitorWindow() override { calls.push_back("CloseMonitorWindow"); }
    bool StartFlagSet() override { return startFlag; }
    void ClearStartFlag() override;
    void OpenConfigurationApp() override { calls.push_back("OpenConfigurationApp"); }
    void ReleaseHeldInput() override { calls.push_back("ReleaseHeldInput"); }
    void SendQuibDeviceStatus(bool connected) override;
    void SendQuixAimCpi() override { calls.push_back("SendQuixAimCpi"); }
    void DispatchEvent(uint32_t eventCode) override;

    bool startFlag = false;
    std::vector<std::string> calls;

  private:
    vmouse::Device& device_;
};

class MonitorTest : public ::testing::Test {
  protected:
    MonitorTest();

    vmouse::DeviceState& mouse() { return *mouseState_; }
    vmouse::Faults& faults() { return mouseState_->faults; }
    SettingsSet& image() { return *image_; }
    DeviceCore& core() { return *core_; }
    DeviceFlags& flags() { return core_->flags(); }
    DeviceReports& reports() { return core_->reports(); }
    DeviceSequences& sequences() { return core_->sequences(); }
    std::vector<Transfer> transfers() const { return device_.transfers(); }
    // The transfers in brief, and the gaps of virtual time before each (from the
    // moment the log was last cleared).
    std::vector<std::string> Briefs(std::size_t count = 3) const;
    std::vector<uint64_t> Gaps() const;
    void ClearLog();
    // Profile settings, buttons and macros on the mouse as a host would write them.
    void GiveMouseMacro(int profile, int deviceButton, uint16_t events);
    // The unplug as featlink reports it: the mouse goes and the window thread handles
    // the removal code.
    void Unplug();

    ::tesh::test::TestDir dir_;
    VirtualClock clock_;
    std::unique_ptr<vmouse::DeviceState> mouseState_;
    vmouse::Device mouseDevice_;
    ModelDevice device_;
    std::unique_ptr<SettingsSet> image_;
    MemoryRegistry registry_;
    SettingsStore store_;
    StoreSettingsFiles files_;
    FakeBlock block_;
    FakeWindows windows_;
    FakeShell shell_;
    FakeHost host_;
    uint64_t logStart_ = 0;
    std::unique_ptr<DeviceCore> core_;
};

// A macro of `count` events whose bytes differ from event to event.
void FillMacro(ButtonRecord& button, uint16_t count, uint8_t seed);

}  // namespace tesh::monitor::test
