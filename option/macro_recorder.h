// The recorder: turns the keyboard hook's key events into macro events inserted into
// the list editor's events. It reads no clock: the hook procedure stamps each key event
// with a high-resolution time in microseconds and the window passes it on.
//
//   recorder.Start(events, {RecordStart::kClear, -1, delayOn});  // install the hook
//   on message 1034: if (recorder.OnKey(events, vk, released, us, layout) ==
//                        RecordResult::kRecordedAndStopped) { remove the hook; store }
//   record button again: recorder.Stop(); remove the hook; store the events
#pragma once

#include <cstdint>
#include <vector>

#include "settings/keyboard_layout.h"
#include "settings/settings_set.h"

namespace tesh::option {

// The hook's message to the editor: wParam the virtual key, lParam 128 for a release.
constexpr uint32_t kRecordKeyMessage = 1034;
constexpr intptr_t kRecordKeyReleased = 128;

enum class RecordStart {
    kClear,   // "Start Record": all events removed, recording at the end
    kBefore,  // "Start Record before": before the given event, nothing removed
    kAfter,   // "Start Record after": after the given event, nothing removed
};

struct RecordRequest {
    RecordStart start = RecordStart::kClear;
    int eventIndex = -1;        // the selected line's event; -1 (none): at the end
    bool recordDelays = false;  // "BUTTON_Delay_ON_OFF"
};

enum class RecordResult {
    kIgnored,             // not recording, a repeat of the last key event, or no usage
    kRecorded,            // an event was inserted
    kRecordedAndStopped,  // inserted, and the macro is full: the recorder is idle again
};

class MacroRecorder {
  public:
    bool recording() const { return recording_; }
    // Where the next event goes (the caret of the list while recording).
    int insertionPoint() const { return insertionPoint_; }

    // Starts recording; kClear empties `events`. False (still idle) when already
    // recording or when `events` already holds 500 events and nothing is cleared.
    bool Start(std::vector<MacroEvent>& events, const RecordRequest& request);
    // One key event from the hook. A press or release equal to the previous key event is
    // a key's auto-repeat and ignored; a key without a HID usage is ignored. With delay
    // recording on and an earlier event in this run, the event before the insertion
    // point gets as delay the milliseconds since that earlier event (rounded, at most
    // 65535). The new event (delay 0) goes in at the insertion point, which moves past it.
    RecordResult OnKey(std::vector<MacroEvent>& events, int virtualKey, bool released,
                       int64_t timeMicroseconds, const KeyboardLayout& layout);
    void Stop() { recording_ = false; }

  private:
    bool recording_ = false;
    bool recordDelays_ = false;
    bool anyRecorded_ = false;  // an event was recorded in this run
    int insertionPoint_ = 0;
    int lastKey_ = -1;  // the previous key event, recorded or not
    bool lastReleased_ = false;
    int64_t lastTime_ = 0;  // of the previous recorded event
};

// Milliseconds between two hook times, rounded to the nearest, 0..65535.
int DelayBetween(int64_t earlierMicroseconds, int64_t laterMicroseconds);

}  // namespace tesh::option
