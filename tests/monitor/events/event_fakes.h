// Fakes of the event handling's ports on one virtual time: the window's timers fire
// as time passes, sleeps of the window thread advance it, and every input, sound,
// post and program start is recorded with the time it happened.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "monitor/device_ports.h"
#include "monitor/events/event_dispatcher.h"
#include "monitor/host_ports.h"
#include "monitor/monitor_names.h"
#include "tests/monitor/program_fakes.h"
#include "tests/settings/test_dir.h"

namespace tesh::monitor::test {

// Virtual time in microseconds, for the window thread (milliseconds) and the player.
class VirtualTime : public Clock, public MacroClock {
  public:
    void SleepMs(uint32_t ms) override { nowUs_ += int64_t{ms} * 1000; }
    uint64_t NowMs() const override { return static_cast<uint64_t>(nowUs_ / 1000); }
    int64_t NowUs() override { return nowUs_; }
    // Every sleep of the player wakes this late; `onSleep` runs inside each sleep.
    void SleepUntilUs(int64_t deadlineUs) override;
    void Advance(int64_t us) { nowUs_ += us; }

    int64_t lateUs = 0;
    std::function<void(int64_t)> onSleep;

  private:
    int64_t nowUs_ = 0;
};

// The monitor window's timers and duties.
class TimerHost : public LinkHost {
  public:
    explicit TimerHost(VirtualTime& time) : time_(time) {}
    void PostDeviceJob(int job, int argument) override;
    void StartTimer(int timer, uint32_t milliseconds) override;
    void KillTimer(int timer) override { timers_.erase(timer); }
    void UpdateTrayIcon() override {}
    void CloseMonitorWindow() override {}
    bool StartFlagSet() override { return false; }
    void ClearStartFlag() override {}
    void OpenConfigurationApp() override {
        calls.push_back("OpenConfigurationApp");
        if (whileOpening) whileOpening();
    }
    void SendQuibDeviceStatus(bool) override {}
    void SendQuixAimCpi() override {}
    void DispatchEvent(uint32_t) override {}

    bool Running(int timer) const { return timers_.count(timer) != 0; }
    uint32_t Period(int timer) const { return timers_.at(timer).periodMs; }
    // Lets `ms` pass, firing each timer when it is due (in due order) through `fire`.
    void RunFor(uint32_t ms, const std::function<void(int)>& fire);

    std::vector<std::string> calls;      // "Job 3 0", "OpenConfigurationApp"
    std::function<void()> whileOpening;  // as the messages the start lets in would

  private:
    struct Timer {
        uint32_t periodMs;
        uint64_t dueMs;
    };
    VirtualTime& time_;
    std::map<int, Timer> timers_;
};

class RecordingSounds : public SoundPort {
  public:
    explicit RecordingSounds(VirtualTime& time) : time_(time) {}
    void Play(int number, int soundVolume) override;
    std::vector<int> numbers;
    std::vector<std::string> timed;  // "2000 10"
    int lastVolume = -1;

  private:
    VirtualTime& time_;
};

// Keys and buttons as "<ms> down 17", "<ms> up 65", "<ms> mouse 0 down".
class RecordingInput : public InputPort {
  public:
    explicit RecordingInput(VirtualTime& time) : time_(time) {}
    void Key(int virtualKey, int scanCode, bool up) override;
    void Mouse(MouseButton button, bool up) override;
    // The entries without their times.
    std::vector<std::string> Untimed() const;
    std::vector<std::string> events;
    std::vector<int> scanCodes;
    std::vector<int64_t> timesUs;

  private:
    VirtualTime& time_;
};

struct DesktopPost {
    WindowHandle window;
    uint32_t message;
    uintptr_t wParam;
    intptr_t lParam;
    uint64_t timeMs;
};

class FakeDesktop : public DesktopWindows {
  public:
    explicit FakeDesktop(VirtualTime& time) : time_(time) {}
    WindowHandle Find(std::string_view className, std::string_view title) override;
    WindowHandle FindContaining(std::string_view className, std::string_view titlePart) override;
    void BringToForeground(WindowHandle window, bool attachInput) override;
    void Post(WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam) override;
    WindowHandle Own() override { return kOwnWindow; }

    static constexpr WindowHandle kOwnWindow = 0x100;
    // class|title -> handle
    std::map<std::string, WindowHandle> windows;
    std::vector<DesktopPost> posts;
    std::vector<std::string> foreground;  // "<handle> attach" or "<handle>"

  private:
    VirtualTime& time_;
};

class FakePrograms : public ProgramRunner {
  public:
    bool Run(const std::string& commandLine) override;
    // %SystemRoot% -> C:\Windows, the only variable it knows.
    std::string ExpandEnvironment(const std::string& text) override;
    std::vector<std::string> runs;
};

class FakeShellStarts : public ShellPort {
  public:
    bool Open(const std::string& path, const std::string& parameters) override;
    std::vector<std::string> opened;
    std::function<void()> whileOpening;
};

class FakeForeground : public ForegroundProgram {
  public:
    std::string ExecutableName() override { return name; }
    std::string name;
};

class CountingBlock : public SettingsBlock {
  public:
    void Publish(const SettingsSet& set) override;
    int publishes = 0;
    std::unique_ptr<SettingsSet> last = std::make_unique<SettingsSet>();
};

// The player runs at once, on the calling thread.
class InlineMacroThread : public MacroThread {
  public:
    bool PostPlay() override;
    MacroPlayer* player = nullptr;
    int posts = 0;
};

class RecordingQuibFunctions : public QuibFunctions {
  public:
    void DeviceFunction(const ButtonRecord& button, uint8_t pressState) override;
    std::vector<std::string> calls;  // "<code> <targetId> <pressState>"
    std::function<void()> whileCalled;
};

class RecordingTilt : public TiltScrolling {
  public:
    void Scroll(bool left, int steps) override;
    std::vector<std::string> calls;  // "left 3"
    std::function<void()> whileScrolling;
};

// Everything the dispatcher needs, over default settings with profile 0 active.
class EventTest : public ::testing::Test {
  protected:
    EventTest();

    ProfileRecord& Active() { return image_->Profiles[image_->CurrentProfile]; }
    void Dispatch(uint32_t eventClass, uint8_t a, uint8_t b = 0);
    // Lets time pass with the window's timers firing into the dispatcher.
    void RunFor(uint32_t ms);
    // The posts to the configuration application's window (or another), by message number.
    std::vector<uint32_t> OptionPosts(std::string_view title = kOptionWindowTitle) const;
    std::string ConfigValue(const char* key) const;

    ::tesh::test::TestDir dir_;
    std::unique_ptr<SettingsSet> image_;
    std::mutex imageLock_;
    VirtualTime time_;
    TimerHost host_{time_};
    CountingBlock block_;
    MemoryRegistry registry_;
    MemoryRegistry machine_;
    SettingsStore store_;
    FakePointerSystem pointer_;
    FakeQuib quib_;
    RecordingWindows windows_;
    FakeDesktop desktop_{time_};
    RecordingInput input_{time_};
    UsKeyboardLayout layout_;
    FakeShellStarts shell_;
    FakePrograms programs_;
    RecordingSounds sounds_{time_};
    FakeForeground foreground_;
    InlineMacroThread macroThread_;
    MacroPlayer player_;
    RecordingQuibFunctions quibFunctions_;
    RecordingTilt tilt_;
    EventDispatcher dispatcher_;
};

}  // namespace tesh::monitor::test
