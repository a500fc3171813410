#include "tests/monitor/events/event_fakes.h"

#include <gtest/gtest.h>

#include <cstring>

#include "monitor/monitor_names.h"
#include "settings/ini_file.h"

namespace tesh::monitor::test {

void VirtualTime::SleepUntilUs(int64_t deadlineUs) {
    if (onSleep) onSleep(nowUs_);
    if (deadlineUs > nowUs_) nowUs_ = deadlineUs;
    nowUs_ += lateUs;
}

void TimerHost::PostDeviceJob(int job, int argument) {
    calls.push_back("Job " + std::to_string(job) + " " + std::to_string(argument));
}

void TimerHost::StartTimer(int timer, uint32_t milliseconds) {
    timers_[timer] = {milliseconds, time_.NowMs() + milliseconds};
}

void TimerHost::RunFor(uint32_t ms, const std::function<void(int)>& fire) {
    const uint64_t end = time_.NowMs() + ms;
    for (;;) {
        auto next = timers_.end();
        for (auto it = timers_.begin(); it != timers_.end(); ++it) {
            if (next == timers_.end() || it->second.dueMs < next->second.dueMs) next = it;
        }
        if (next == timers_.end() || next->second.dueMs > end) break;
        const int64_t wait = static_cast<int64_t>(next->second.dueMs) - time_.NowUs() / 1000;
        if (wait > 0) time_.Advance(wait * 1000);
        next->second.dueMs += next->second.periodMs;
        fire(next->first);
    }
    const int64_t rest = static_cast<int64_t>(end) * 1000 - time_.NowUs();
    if (rest > 0) time_.Advance(rest);
}

void RecordingSounds::Play(int number, int soundVolume) {
    numbers.push_back(number);
    timed.push_back(std::to_string(time_.NowMs()) + " " + std::to_string(number));
    lastVolume = soundVolume;
}

void RecordingInput::Key(int virtualKey, int scanCode, bool up) {
    events.push_back(std::to_string(time_.NowMs()) + (up ? " up " : " down ") +
                     std::to_string(virtualKey));
    scanCodes.push_back(scanCode);
    timesUs.push_back(time_.NowUs());
}

void RecordingInput::Mouse(MouseButton button, bool up) {
    events.push_back(std::to_string(time_.NowMs()) + " mouse " +
                     std::to_string(static_cast<int>(button)) + (up ? " up" : " down"));
    timesUs.push_back(time_.NowUs());
}

std::vector<std::string> RecordingInput::Untimed() const {
    std::vector<std::string> result;
    for (const std::string& event : events) result.push_back(event.substr(event.find(' ') + 1));
    return result;
}

WindowHandle FakeDesktop::Find(std::string_view className, std::string_view title) {
    for (const auto& [key, handle] : windows) {
        const auto bar = key.find('|');
        const std::string_view c = std::string_view(key).substr(0, bar);
        const std::string_view t = std::string_view(key).substr(bar + 1);
        if ((className.empty() || c == className) && (title.empty() || t == title)) return handle;
    }
    return 0;
}

WindowHandle FakeDesktop::FindContaining(std::string_view className, std::string_view titlePart) {
    for (const auto& [key, handle] : windows) {
        const auto bar = key.find('|');
        if (std::string_view(key).substr(0, bar) == className &&
            key.find(titlePart, bar + 1) != std::string::npos) {
            return handle;
        }
    }
    return 0;
}

void FakeDesktop::BringToForeground(WindowHandle window, bool attachInput) {
    foreground.push_back(std::to_string(window) + (attachInput ? " attach" : ""));
}

void FakeDesktop::Post(WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam) {
    posts.push_back({window, message, wParam, lParam, time_.NowMs()});
}

bool FakePrograms::Run(const std::string& commandLine) {
    runs.push_back(commandLine);
    return true;
}

std::string FakePrograms::ExpandEnvironment(const std::string& text) {
    const std::string variable = "%SystemRoot%";
    std::string result = text;
    if (const auto at = result.find(variable); at != std::string::npos) {
        result.replace(at, variable.size(), "C:\\Windows");
    }
    return result;
}

bool FakeShellStarts::Open(const std::string& path, const std::string& parameters) {
    opened.push_back(path + "|" + parameters);
    if (whileOpening) whileOpening();
    return true;
}

void CountingBlock::Publish(const SettingsSet& set) {
    ++publishes;
    std::memcpy(last.get(), &set, sizeof set);
}

bool InlineMacroThread::PostPlay() {
    ++posts;
    if (player) player->Play();
    return true;
}

void RecordingQuibFunctions::DeviceFunction(const ButtonRecord& button, uint8_t pressState) {
    calls.push_back(std::to_string(button.code) + " " + std::to_string(button.targetId) + " " +
                    std::to_string(pressState));
    if (whileCalled) whileCalled();
}

void RecordingTilt::Scroll(bool left, int steps) {
    calls.push_back((left ? "left " : "right ") + std::to_string(steps));
    if (whileScrolling) whileScrolling();
}

EventTest::EventTest()
    : image_(std::make_unique<SettingsSet>()),
      store_(dir_.path(), registry_),
      player_(input_, layout_, time_, macroThread_),
      dispatcher_(EventPorts{*image_,  imageLock_,     block_,    store_,   registry_, machine_,
                             pointer_, host_,          quib_,     windows_, desktop_,  input_,
                             layout_,  shell_,         programs_, sounds_,  time_,     foreground_,
                             player_,  quibFunctions_, tilt_}) {
    Clear(*image_);
    SetDefaults(*image_, 0x409);
    macroThread_.player = &player_;
}

void EventTest::Dispatch(uint32_t eventClass, uint8_t a, uint8_t b) {
    dispatcher_.Dispatch(eventClass << 16 | static_cast<uint32_t>(b) << 8 | a);
}

void EventTest::RunFor(uint32_t ms) {
    host_.RunFor(ms, [this](int timer) { dispatcher_.OnTimer(timer); });
}

std::vector<uint32_t> EventTest::OptionPosts(std::string_view title) const {
    std::vector<uint32_t> messages;
    for (const RecordedPost& post : windows_.posts) {
        if (post.title == title) messages.push_back(post.message);
    }
    return messages;
}

std::string EventTest::ConfigValue(const char* key) const {
    return IniFile(dir_.File("config.ini")).ReadString("Setting", key, "-");
}

}  // namespace tesh::monitor::test
