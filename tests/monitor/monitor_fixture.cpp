#include "tests/monitor/monitor_fixture.h"

#include <cstdio>
#include <cstring>

#include "featlink/exchange_log.h"
#include "monitor/connection.h"

namespace tesh::monitor::test {

void VirtualClock::SleepMs(uint32_t milliseconds) {
    std::vector<std::function<void()>> due;
    {
        std::lock_guard lock(mutex_);
        sleeps_.push_back(milliseconds);
        const uint64_t now = now_ += milliseconds;
        for (auto it = actions_.begin(); it != actions_.end() && it->first <= now;) {
            due.push_back(std::move(it->second));
            it = actions_.erase(it);
        }
    }
    for (auto& action : due) action();
}

void VirtualClock::At(uint64_t timeMs, std::function<void()> action) {
    std::lock_guard lock(mutex_);
    actions_.emplace(timeMs, std::move(action));
}

std::vector<uint32_t> VirtualClock::sleeps() const {
    std::lock_guard lock(mutex_);
    return sleeps_;
}

void VirtualClock::ClearSleeps() {
    std::lock_guard lock(mutex_);
    sleeps_.clear();
}

std::string Transfer::Brief(std::size_t count) const {
    std::string text = set ? "SET" : "GET";
    char hex[8];
    for (std::size_t i = 0; i < count && i < bytes.size(); ++i) {
        std::snprintf(hex, sizeof hex, " %02x", bytes[i]);
        text += hex;
    }
    if (!ok) text += " failed";
    return text;
}

bool ModelDevice::SetFeature(const uint8_t* buffer, uint32_t length) {
    std::lock_guard lock(mutex_);
    const bool ok = device_.SetFeature(buffer, length) != 0;
    Record();
    return ok;
}

bool ModelDevice::GetFeature(uint8_t* buffer, uint32_t length) {
    std::lock_guard lock(mutex_);
    const bool ok = device_.GetFeature(buffer, length) != 0;
    Record();
    return ok;
}

void ModelDevice::Record() {
    const vmouse::ExchangeLog& log = device_.state().log;
    const vmouse::LogEntry& entry = vmouse::LogEntryAt(log, vmouse::LogSize(log) - 1);
    transfers_.push_back(Transfer{entry.timeMs, entry.direction == vmouse::kLogSet, entry.ok != 0,
                                  entry.length,
                                  std::vector<uint8_t>(entry.bytes, entry.bytes + entry.copied)});
}

std::vector<Transfer> ModelDevice::transfers() const {
    std::lock_guard lock(mutex_);
    return transfers_;
}

void ModelDevice::ClearTransfers() {
    std::lock_guard lock(mutex_);
    transfers_.clear();
}

void FakeBlock::Publish(const SettingsSet& set) {
    ++publishes;
    std::memcpy(last.get(), &set, sizeof set);
}

bool FakeWindows::PostToWindow(std::string_view title, uint32_t message, uintptr_t, intptr_t) {
    posts.push_back({std::string(title), message});
    return true;
}

bool FakeWindows::CloseWindow(std::string_view title) {
    posts.push_back({std::string(title), 0});
    return true;
}

bool FakeShell::Open(const std::string& path, const std::string& parameters) {
    started.push_back(path + "|" + parameters);
    return !fails;
}

bool FakeHost::OpenFeatureDevice() {
    calls.push_back("OpenFeatureDevice");
    return device_.plugged();
}

void FakeHost::PostDeviceJob(int job, int argument) {
    calls.push_back("PostDeviceJob " + std::to_string(job) + " " + std::to_string(argument));
}

void FakeHost::StartTimer(int timer, uint32_t milliseconds) {
    calls.push_back("StartTimer " + std::to_string(timer) + " " + std::to_string(milliseconds));
}

void FakeHost::KillTimer(int timer) {
    calls.push_back("KillTimer " + std::to_string(timer));
}

void FakeHost::ClearStartFlag() {
    calls.push_back("ClearStartFlag");
    startFlag = false;
}

void FakeHost::SendQuibDeviceStatus(bool connected) {
    calls.push_back(connected ? "QuibStatus connected" : "QuibStatus removed");
}

void FakeHost::DispatchEvent(uint32_t eventCode) {
    char text[32];
    std::snprintf(text, sizeof text, "Dispatch %08x", eventCode);
    calls.push_back(text);
}

namespace {

std::unique_ptr<vmouse::DeviceState> FreshMouse() {
    auto state = std::make_unique<vmouse::DeviceState>();
    vmouse::InitDeviceState(*state);
    return state;
}

std::unique_ptr<SettingsSet> FreshImage() {
    auto set = std::make_unique<SettingsSet>();
    std::memset(set.get(), 0, sizeof *set);
    Clear(*set);
    SetDefaults(*set, 0x0409);
    return set;
}

}  // namespace

MonitorTest::MonitorTest()
    : mouseState_(FreshMouse()),
      mouseDevice_(*mouseState_, clock_, nullptr),
      device_(mouseDevice_),
      image_(FreshImage()),
      store_(dir_.path(), registry_),
      files_(store_, dir_.path()),
      host_(mouseDevice_) {
    core_ = std::make_unique<DeviceCore>(
        *image_, dir_.path(),
        DeviceCorePorts{device_, clock_, files_, block_, windows_, shell_, host_, host_});
    core_->flags().connection = kConnected;
}

std::vector<std::string> MonitorTest::Briefs(std::size_t count) const {
    std::vector<std::string> out;
    for (const Transfer& t : transfers()) out.push_back(t.Brief(count));
    return out;
}

std::vector<uint64_t> MonitorTest::Gaps() const {
    std::vector<uint64_t> out;
    uint64_t last = logStart_;
    for (const Transfer& t : transfers()) {
        out.push_back(t.timeMs - last);
        last = t.timeMs;
    }
    return out;
}

void MonitorTest::ClearLog() {
    device_.ClearTransfers();
    clock_.ClearSleeps();
    logStart_ = clock_.NowMs();
}

void MonitorTest::GiveMouseMacro(int profile, int deviceButton, uint16_t events) {
    vmouse::DeviceFlash& flash = mouse().flash;
    flash.buttons[profile][deviceButton].code = 48;
    vmouse::MacroEntry& macro = flash.macros[profile][deviceButton];
    std::memset(&macro, 0, sizeof macro);
    macro.repeatCount = static_cast<uint8_t>(deviceButton + 1);
    std::snprintf(macro.text1, sizeof macro.text1, "Text %d.%d", profile, deviceButton);
    std::snprintf(macro.setName, sizeof macro.setName, "Set %d", profile);
    std::snprintf(macro.macroName, sizeof macro.macroName, "Macro %d.%d  ", profile, deviceButton);
    for (int i = 0; i < events * 4; ++i) {
        macro.events[i] = static_cast<uint8_t>(i * 7 + profile * 31 + deviceButton);
    }
    vmouse::SetMacroEventCount(macro, events);
}

void MonitorTest::Unplug() {
    mouseDevice_.Unplug();
    core_->connection().HandleEventCode(PlugEventCode(0));
}

void FillMacro(ButtonRecord& button, uint16_t count, uint8_t seed) {
    button.code = 48;
    button.repeatCount = seed;
    std::snprintf(button.text1, sizeof button.text1, "first %u", seed);
    std::snprintf(button.macroSetName, sizeof button.macroSetName, "set %u", seed);
    std::snprintf(button.macroName, sizeof button.macroName, "macro %u", seed);
    button.eventCount = count;
    for (int i = 0; i < count * 4; ++i) button.events[i] = static_cast<uint8_t>(i * 13 + seed);
}

}  // namespace tesh::monitor::test
