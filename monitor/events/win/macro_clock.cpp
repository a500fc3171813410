#include "monitor/events/win/macro_clock.h"

// After windows.h, whose types it uses.
#include <mmsystem.h>

namespace tesh::monitor {

namespace {

#ifndef CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
constexpr DWORD CREATE_WAITABLE_TIMER_HIGH_RESOLUTION = 0x00000002;
#endif

// The timer is asked to wake this long before the deadline, and the rest is spun on
// the counter. It follows how late the timer wakes on this system: up after a late
// wake, slowly down again, within these bounds.
constexpr int64_t kLeastSpinUs = 300;
constexpr int64_t kMostSpinUs = 5000;
constexpr int64_t kSpinReserveUs = 300;
constexpr int64_t kSpinDecay = 16;
constexpr UINT kSystemTimerPeriodMs = 1;
constexpr int64_t kUsPerSecond = 1000000;
constexpr int64_t kHundredNsPerUs = 10;

}  // namespace

HighResolutionClock::HighResolutionClock() {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    frequency_ = frequency.QuadPart;
    timer_ = CreateWaitableTimerExW(nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION,
                                    TIMER_ALL_ACCESS);
    highResolution_ = timer_ != nullptr;
    if (!timer_) timer_ = CreateWaitableTimerW(nullptr, TRUE, nullptr);
    spinUs_ = highResolution_ ? kLeastSpinUs : kSystemTimerPeriodMs * 1000 + kSpinReserveUs;
}

HighResolutionClock::~HighResolutionClock() {
    EndPrecise();
    if (timer_) CloseHandle(timer_);
}

void HighResolutionClock::BeginPrecise() {
    if (!highResolution_ && !periodRaised_) {
        periodRaised_ = timeBeginPeriod(kSystemTimerPeriodMs) == TIMERR_NOERROR;
    }
}

void HighResolutionClock::EndPrecise() {
    if (periodRaised_) timeEndPeriod(kSystemTimerPeriodMs);
    periodRaised_ = false;
}

int64_t HighResolutionClock::NowUs() {
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    // Whole seconds and the rest apart, so that the product cannot overflow.
    const int64_t seconds = counter.QuadPart / frequency_;
    const int64_t rest = counter.QuadPart % frequency_;
    return seconds * kUsPerSecond + rest * kUsPerSecond / frequency_;
}

void HighResolutionClock::SleepUntilUs(int64_t deadlineUs) {
    const int64_t wakeUs = deadlineUs - spinUs_;
    const int64_t remaining = wakeUs - NowUs();
    if (remaining > 0 && timer_) {
        LARGE_INTEGER due;
        due.QuadPart = -remaining * kHundredNsPerUs;  // relative
        if (SetWaitableTimer(timer_, &due, 0, nullptr, nullptr, FALSE) &&
            WaitForSingleObject(timer_, INFINITE) == WAIT_OBJECT_0) {
            Follow(NowUs() - wakeUs);
        }
    }
    while (NowUs() < deadlineUs) YieldProcessor();
}

void HighResolutionClock::Follow(int64_t lateUs) {
    const int64_t wanted = lateUs + kSpinReserveUs;
    if (wanted > spinUs_) {
        spinUs_ = wanted < kMostSpinUs ? wanted : kMostSpinUs;
    } else {
        spinUs_ -= (spinUs_ - (wanted > kLeastSpinUs ? wanted : kLeastSpinUs)) / kSpinDecay;
    }
}

}  // namespace tesh::monitor
