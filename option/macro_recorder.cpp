#include "option/macro_recorder.h"

#include <algorithm>

#include "option/macro_events.h"
#include "settings/key_tables.h"

namespace tesh::option {

namespace {

constexpr int64_t kMicrosecondsPerMs = 1000;
constexpr std::size_t kMaxEvents = kMaxMacroEvents;

}  // namespace

int DelayBetween(int64_t earlierMicroseconds, int64_t laterMicroseconds) {
    if (laterMicroseconds <= earlierMicroseconds) return 0;
    const uint64_t elapsed =
        static_cast<uint64_t>(laterMicroseconds) - static_cast<uint64_t>(earlierMicroseconds);
    const uint64_t ms = elapsed / kMicrosecondsPerMs + (elapsed % kMicrosecondsPerMs >= 500);
    return static_cast<int>(std::min<uint64_t>(ms, kMaxDelayMs));
}

bool MacroRecorder::Start(std::vector<MacroEvent>& events, const RecordRequest& request) {
    if (recording_) return false;
    const bool selected =
        request.eventIndex >= 0 && static_cast<std::size_t>(request.eventIndex) < events.size();
    std::size_t at = events.size();
    switch (request.start) {
        case RecordStart::kClear:
            events.clear();
            at = 0;
            break;
        case RecordStart::kBefore:
            if (selected) at = static_cast<std::size_t>(request.eventIndex);
            break;
        case RecordStart::kAfter:
            if (selected) at = static_cast<std::size_t>(request.eventIndex) + 1;
            break;
    }
    if (events.size() >= kMaxEvents) return false;
    recording_ = true;
    recordDelays_ = request.recordDelays;
    anyRecorded_ = false;
    insertionPoint_ = static_cast<int>(at);
    lastKey_ = -1;
    lastReleased_ = false;
    lastTime_ = 0;
    return true;
}

RecordResult MacroRecorder::OnKey(std::vector<MacroEvent>& events, int virtualKey, bool released,
                                  int64_t timeMicroseconds, const KeyboardLayout& layout) {
    if (!recording_) return RecordResult::kIgnored;
    // A held key repeats its press; only the first one counts.
    if (virtualKey == lastKey_ && released == lastReleased_) return RecordResult::kIgnored;
    lastKey_ = virtualKey;
    lastReleased_ = released;
    const KeyCode usage = VkToUsage(virtualKey, layout);
    if (!usage.found || usage.code <= 0 || usage.code > 255) return RecordResult::kIgnored;

    // The window may have changed the list between two keys; the insertion point stays
    // within it.
    const std::size_t at = std::min(static_cast<std::size_t>(insertionPoint_), events.size());
    if (recordDelays_ && anyRecorded_ && at > 0)
        events[at - 1].delay = static_cast<uint16_t>(DelayBetween(lastTime_, timeMicroseconds));
    const MacroEvent event{static_cast<uint8_t>(usage.code),
                           released ? kReleaseAction : kPressAction, 0};
    events.insert(events.begin() + static_cast<std::ptrdiff_t>(at), event);
    insertionPoint_ = static_cast<int>(at + 1);
    lastTime_ = timeMicroseconds;
    anyRecorded_ = true;
    if (events.size() >= kMaxEvents) {
        recording_ = false;
        return RecordResult::kRecordedAndStopped;
    }
    return RecordResult::kRecorded;
}

}  // namespace tesh::option
