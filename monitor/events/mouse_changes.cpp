// Changes made on the mouse (profile, CPI level, sensitivity, polling rate), the
// volume and usage events, and the automatic profile switching: the settings image
// follows, the block is published, the configuration application is told and the
// change is spoken. The files are written once the image's lock is let go: a file that
// another program holds open can keep a write waiting for a second.
#include "monitor/device_tables.h"
#include "monitor/events/event_dispatcher.h"
#include "monitor/events/event_names.h"
#include "monitor/events/profile_switching.h"
#include "monitor/events/usage_trophies.h"
#include "monitor/monitor_names.h"
#include "monitor/osd_contacts.h"
#include "settings/registry_mirror.h"

namespace tesh::monitor {

namespace {

constexpr int kPollingRates = 4;
constexpr int32_t kLowestSensitivity = 1;
constexpr int32_t kHighestSensitivity = 11;

bool SensitivityInRange(int32_t value) {
    return value >= kLowestSensitivity && value <= kHighestSensitivity;
}

int32_t LevelValue(const ProfileRecord& profile, int32_t level) {
    return level >= 0 && level < kCpiLevels ? profile.CpiLevel_X[level] : 0;
}

}  // namespace

void EventDispatcher::ProfileChanged(int value) {
    if (value < 1 || value > kProfileCount) return;
    const ProfileRecord* before = ActiveProfile(ports_.image);
    const bool speak = before && before->SoundProfile == 1;
    ports_.image.CurrentProfile = value - 1;
    Later([this, value] { ports_.store.WriteCurrentProfile(value - 1); });
    if (speak && feedback_.Allowed()) feedback_.Start(kProfileSoundTimer);
    ports_.block.Publish(ports_.image);
    ApplyProfileToWindows();
    PostToOption(kProfileChangedMessage);
    ports_.quib.PublishStatus();
    Later([this] { ports_.quib.SendQuixAimCpi(); });
}

void EventDispatcher::CpiLevelChanged(int value) {
    ProfileRecord* active = ActiveProfile(ports_.image);
    if (value < 1 || value > kCpiLevels || !active) return;
    const int32_t before = LevelValue(*active, active->Cpi_X);
    active->Cpi_X = active->Cpi_Y = value - 1;
    const int32_t after = active->CpiLevel_X[value - 1];
    if (active->SoundDpi == 1 && feedback_.Allowed() &&
        CpiValueOfLevel(after) != CpiValueOfLevel(before)) {
        feedback_.RememberCpiLevel(after);
        feedback_.Start(kCpiSoundTimer);
    }
    ports_.block.Publish(ports_.image);
    PostToOption(kDeviceValuesChangedMessage);
}

// s is the (X) sensitivity, t the Y sensitivity when the axes are set together.
void EventDispatcher::SensitivityChanged(uint8_t s, uint8_t t) {
    ProfileRecord* active = ActiveProfile(ports_.image);
    if (!active) return;
    bool stored = false;
    int32_t before;
    if (active->XYSynchronous == 1) {
        before = active->Sensitivity_X;
        if (SensitivityInRange(s)) {
            active->Sensitivity_X = s;
            stored = true;
        }
        if (t != 0 && t <= kHighestSensitivity) {
            active->Sensitivity_Y = t;
            stored = true;
        }
    } else {
        before = active->Sensitivity;
        if (SensitivityInRange(s)) {
            active->Sensitivity = s;
            stored = true;
        }
    }
    if (stored && active->SoundSens == 1 && feedback_.Allowed()) {
        feedback_.Stop();
        if (s > before) feedback_.Start(kSensitivityUpSoundTimer);
        if (s < before) feedback_.Start(kSensitivityDownSoundTimer);
    }
    ports_.block.Publish(ports_.image);
    PostToOption(kDeviceValuesChangedMessage);
}

void EventDispatcher::PollingRateChanged(int value) {
    ProfileRecord* active = ActiveProfile(ports_.image);
    if (value < 1 || value > kPollingRates || !active) return;
    active->PollingRate = value - 1;
    ports_.block.Publish(ports_.image);
    PostToOption(kDeviceValuesChangedMessage);
}

void EventDispatcher::VolumeFeedback(uint8_t a) {
    const ProfileRecord* active = ActiveProfile(ports_.image);
    if (!active || (a != kUp && a != kDown)) return;
    if (active->VolumeUpDown != 1 || !feedback_.Allowed()) return;
    feedback_.Start(a == kUp ? kVolumeUpSoundTimer : kVolumeDownSoundTimer);
}

void EventDispatcher::UsageEvent(uint32_t eventClass, uint16_t value) {
    InfoBlock& info = ports_.image.InfoData;
    const UsageResult result = CountUsage(info, eventClass, value);
    const ProfileRecord* active = ActiveProfile(ports_.image);
    if (result.awarded && active && active->SoundTrophy == 1 && !feedback_.lastFiveSeconds()) {
        feedback_.Trophy(InfoValue(info, kFirstTrophyFlag + kTrophyCount - 1) == 1);
    }
    if (!result.counted) return;
    ports_.block.Publish(ports_.image);
    // The counts as they are now, copied into the call.
    Later([this, info] { ports_.store.WriteInfoData(info); });
    PostToOption(kUsageChangedMessage);
}

void EventDispatcher::AutomaticSwitch() {
    const std::string executable = ports_.foreground.ExecutableName();
    const bool optionOpen = ports_.desktop.Find("", kOptionWindowTitle) != 0;
    const auto target = AutomaticSwitchTarget(ports_.image, executable, optionOpen);
    if (!target) return;
    const ProfileRecord* before = ActiveProfile(ports_.image);
    const bool speak = before && before->SoundProfile == 1;
    SwitchLocked(target->profile);
    if (speak && feedback_.Allowed()) {
        feedback_.Start(target->matched ? kProfileSoundTimer : kWindowsProfileSoundTimer);
    }
}

void EventDispatcher::SwitchLocked(int profile) {
    ports_.quib.PublishStatus();
    ports_.image.CurrentProfile = profile;
    ports_.block.Publish(ports_.image);
    ports_.host.PostDeviceJob(kJobSelectProfile, 0);
    ApplyProfileToWindows();
    PostToOption(kProfileChangedMessage);
    Later([this] { ports_.quib.SendQuixAimCpi(); });
}

void EventDispatcher::ApplyProfileToWindows() {
    ProfileRecord* active = ActiveProfile(ports_.image);
    if (!active) return;
    WriteRegistry(ports_.registry, *active);
    const PointerValues values = PreparePointerValues(*active, ports_.registry);
    Later([this, values] { ApplyPointerValues(values, ports_.pointer); });
}

void EventDispatcher::PostToOption(uint32_t message) {
    ports_.windows.PostToWindow(kOptionWindowTitle, message, 0, 0);
    // The on-screen display shows the profile, DPI level and sensitivity: it learns of
    // their changes by the same messages and reads the block itself.
    if (message != kUsageChangedMessage)
        ports_.windows.PostToWindow(kOsdWindowTitle, message, 0, 0);
}

}  // namespace tesh::monitor
