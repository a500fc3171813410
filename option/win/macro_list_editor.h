// The macro manager's list editor: the selected macro's events one per line (and a
// line for each delay), a right-click menu to record before or after a line, insert
// delays and mouse events, edit delays and delete lines; the recorder with its keyboard
// hook; delay recording and the repeat count. Every change goes into the manager's
// copy at once.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <vector>

#include "option/macro_event_lines.h"
#include "option/macro_list_edits.h"
#include "option/macro_manager_model.h"
#include "option/macro_recorder.h"
#include "option/win/event_list_box.h"
#include "option/win/keyboard_capture.h"
#include "skin/win/bitmap_edit.h"
#include "skin/win/check_box.h"
#include "skin/win/child_page.h"
#include "skin/win/skin_button.h"

namespace tesh::option {

// To the manager: wParam 1 when recording starts (its other controls then take no
// input), 0 when it stops.
constexpr UINT kRecordingMessage = WM_APP + 30;

class MacroListEditor : public skin::ChildPage {
  public:
    explicit MacroListEditor(MacroManagerModel& model) : model_(model) {}
    bool Create(HWND parent, int id, const RECT& rect);
    // Shows the manager's selected macro (none: an empty list).
    void Load();
    bool recording() const { return recorder_.recording(); }
    // Removes the hook and keeps what was recorded; nothing when not recording.
    void StopRecording();

    // For tests that find the controls.
    static constexpr int kEventListId = 20;

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void ShowLines(std::optional<LineRef> caret, bool keepTop);
    void Apply(const ListChange& change);
    std::optional<LineRef> SelectedLine() const;
    void OnListCommand(int command);
    void OnRecordButton();
    void StartRecording(RecordStart start);
    void OnCapturedKey(int virtualKey, bool released);
    void OnLineEdited(bool committed, int row);
    void StoreRepeat(bool rewrite);

    MacroManagerModel& model_;
    std::vector<MacroEvent> events_;
    std::vector<MacroEventLine> lines_;
    MacroRecorder recorder_;
    std::unique_ptr<KeyboardCapture> capture_;
    bool refreshPending_ = false;
    int runStart_ = 0;  // where this recording's events begin
    bool runDelays_ = false;
    std::vector<KeyStamp> runStamps_;
    std::optional<LineRef> editedDelay_;
    EventListBox list_;
    skin::SkinButton record_;
    skin::SkinCheckBox delays_, loop_;
    skin::BitmapEdit times_;
};

}  // namespace tesh::option
