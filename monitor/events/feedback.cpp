#include "monitor/events/feedback.h"

#include <iterator>

#include "monitor/device_tables.h"
#include "monitor/events/event_names.h"
#include "monitor/pointer_settings.h"
#include "monitor/program_names.h"

namespace tesh::monitor {

namespace {

// The volume step of a profile whose value is out of range.
constexpr int kMiddleVolume = 2;
// The countdown speaks the seconds left from this many on, and "10 seconds" earlier.
constexpr int32_t kLastSeconds = 5;
constexpr int32_t kTenSecondsLeft = 10;

constexpr bool SameTimers() {
    constexpr int named[] = {
        kProfileSoundTimer,       kWindowsProfileSoundTimer,  kCpiSoundTimer,
        kSensitivityUpSoundTimer, kSensitivityDownSoundTimer, kVolumeUpSoundTimer,
        kVolumeDownSoundTimer,    kTrophySoundTimer};
    if (std::size(named) != std::size(kFeedbackTimers)) return false;
    for (std::size_t i = 0; i < std::size(named); ++i) {
        if (named[i] != kFeedbackTimers[i]) return false;
    }
    return true;
}
static_assert(SameTimers(), "the shutdown stops the same feedback timers");

}  // namespace

void Feedback::Stop() {
    for (int timer : kFeedbackTimers) host_.KillTimer(timer);
    trophySound_ = false;
}

void Feedback::Start(int timer) {
    Stop();
    host_.StartTimer(timer, kFeedbackDelayMs);
}

void Feedback::Trophy(bool everyTrophy) {
    Stop();
    host_.StartTimer(kTrophySoundTimer, kTrophySoundMs);
    Play(everyTrophy ? kSoundEveryTrophy : kSoundTrophy);
    trophySound_ = true;
}

void Feedback::Play(int number) {
    const ProfileRecord* active = ActiveProfile(image_);
    sounds_.Play(number, active ? active->SoundVolume : kMiddleVolume);
}

// A new countdown is not in its last five seconds, whatever the one before was.
void Feedback::StartCountdown(int32_t seconds) {
    if (countdownRunning_) host_.KillTimer(kCountdownTimer);
    countdownRunning_ = true;
    lastFiveSeconds_ = false;
    countdown_ = seconds;
    Play(kSoundTimerActivated);
    host_.StartTimer(kCountdownTimer, kCountdownStepMs);
    if (countdown_ == kTenSecondsLeft) Play(kSoundTenSeconds);
}

void Feedback::StopCountdown() {
    if (!countdownRunning_) return;
    host_.KillTimer(kCountdownTimer);
    countdownRunning_ = false;
    lastFiveSeconds_ = false;
    Play(kSoundTimerStopped);
}

// n seconds were left; the sound says how many are left now.
void Feedback::CountdownStep() {
    const int32_t n = countdown_;
    countdown_ = n - 1;
    if (n - 1 <= kLastSeconds) lastFiveSeconds_ = true;
    if (n == kTenSecondsLeft + 1 || (n >= 2 && n <= kLastSeconds + 1)) Play(n - 1);
    if (n <= 1) {
        host_.KillTimer(kCountdownTimer);
        Play(kSoundGo);
        countdownRunning_ = false;
        lastFiveSeconds_ = false;
    }
}

bool Feedback::OnTimer(int timer) {
    if (timer == kCountdownTimer) {
        CountdownStep();
        return true;
    }
    if (timer == kTrophySoundTimer) {
        host_.KillTimer(timer);
        trophySound_ = false;
        return true;
    }
    int sound;
    switch (timer) {
        case kProfileSoundTimer:
            sound = kSoundFirstProfile + image_.CurrentProfile;
            break;
        case kWindowsProfileSoundTimer:
            sound = kSoundWindowsProfile;
            break;
        case kCpiSoundTimer:
            sound = CpiValueOfLevel(cpiLevel_);
            break;
        case kSensitivityUpSoundTimer:
            sound = kSoundSensitivityUp;
            break;
        case kSensitivityDownSoundTimer:
            sound = kSoundSensitivityDown;
            break;
        case kVolumeUpSoundTimer:
            sound = kSoundVolumeUp;
            break;
        case kVolumeDownSoundTimer:
            sound = kSoundVolumeDown;
            break;
        default:
            return false;
    }
    host_.KillTimer(timer);
    Play(sound);
    return true;
}

}  // namespace tesh::monitor
