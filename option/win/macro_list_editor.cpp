#include "option/win/macro_list_editor.h"

#include <string>

#include "art/art_ids.h"
#include "option/macro_events.h"
#include "option/macro_manager_texts.h"
#include "option/win/catalogue_menu.h"
#include "settings/win/windows_keyboard_layout.h"
#include "skin/layout_record.h"
#include "skin/win/layout_rect.h"
#include "skin/win/message_dialog.h"
#include "skin/win/skin_messages.h"
#include "skin/win/wide_text.h"

namespace tesh::option {
namespace {

constexpr char kClassName[] = "TeshMacroListEditor";
constexpr int kRecordId = 21;
constexpr int kDelaysId = 22;
constexpr int kLoopId = 23;
constexpr int kTimesId = 24;
// Posted to itself while recording: the list is redrawn once for the keys that came
// together, so that the hook's keys are never kept waiting behind a redraw.
constexpr UINT kRefreshMessage = WM_APP + 31;

}  // namespace

bool MacroListEditor::Create(HWND parent, int id, const RECT& rect) {
    if (!CreatePage(kClassName, parent, id, rect, IDB_MACRO_LIST_EDITOR_NORMAL)) return false;
    const skin::SkinSources pictures = sources();
    list_.Create(hwnd(), kEventListId, skin::LayoutRect(macro_manager::kEventListLayout));
    record_.Create(hwnd(), kRecordId, Layout(macro_manager::kStartRecordLayout));
    record_.SetSkin(skin::LayoutRect(macro_manager::kStartRecordLayout), pictures);
    delays_.Create(hwnd(), kDelaysId, Layout(macro_manager::kDelayToggleLayout));
    delays_.SetSkin(skin::LayoutRect(macro_manager::kDelayToggleLayout), pictures);
    loop_.Create(hwnd(), kLoopId, Layout(macro_manager::kLoopToggleLayout));
    loop_.SetSkin(skin::LayoutRect(macro_manager::kLoopToggleLayout), pictures);
    times_.Create(hwnd(), kTimesId, Layout(macro_manager::kRepeatFieldLayout));
    times_.SetNumeric(true);
    SendMessageA(times_.hwnd(), EM_LIMITTEXT, kRepeatFieldLength, 0);
    Load();
    return true;
}

void MacroListEditor::Load() {
    const MacroRecord* macro = model_.currentMacro();
    events_ = macro ? EventsOf(*macro) : std::vector<MacroEvent>{};
    loop_.SetChecked(macro && LoopOnAtLoad(macro->repeatCount));
    times_.SetText(std::to_string(macro ? RepeatFieldAtLoad(macro->repeatCount) : 1));
    ShowLines(std::nullopt, false);
}

void MacroListEditor::ShowLines(std::optional<LineRef> caret, bool keepTop) {
    lines_ = MacroEventLines(events_, WindowsKeyboardLayout());
    const int changed = caret ? LineIndexOf(lines_, *caret) : -1;
    const ListView view = ViewAfterChange(static_cast<int>(lines_.size()), list_.VisibleRows(),
                                          keepTop ? list_.TopIndex() : 0, changed);
    SendMessageA(list_.list(), WM_SETREDRAW, FALSE, 0);
    list_.Clear();
    for (const MacroEventLine& line : lines_) list_.Add(line.text, line.tag);
    list_.SetTopIndex(view.topLine);
    list_.Select(view.caretLine);
    SendMessageA(list_.list(), WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list_.list(), nullptr, TRUE);
}

void MacroListEditor::Apply(const ListChange& change) {
    if (!change.changed) return;
    model_.StoreEvents(events_);
    ShowLines(change.caret, true);
}

std::optional<LineRef> MacroListEditor::SelectedLine() const {
    const int row = list_.Selection();
    if (row < 0) return std::nullopt;
    return LineOfTag(static_cast<uint32_t>(list_.Tag(row)));
}

void MacroListEditor::OnListCommand(int command) {
    const std::optional<LineRef> selected = SelectedLine();
    if (const auto mouse = MouseEventOfCommand(command)) {
        Apply(InsertMouseEvent(events_, selected, *mouse));
        return;
    }
    switch (command) {
        case list_command::kRecordBefore:
            StartRecording(RecordStart::kBefore);
            break;
        case list_command::kRecordAfter:
            StartRecording(RecordStart::kAfter);
            break;
        case list_command::kInsertDelay: {
            const ListChange change = InsertDelay(events_, selected);
            Apply(change);
            // The new delay line opens for its value at once.
            if (change.changed && change.caret && list_.Selection() >= 0) {
                editedDelay_ = change.caret;
                list_.BeginEdit(list_.Selection(), DelayFieldText(kMinTypedDelayMs),
                                kDelayFieldLength, true);
            }
            break;
        }
        case list_command::kEditDelay:
            if (selected && selected->isDelay) {
                editedDelay_ = selected;
                list_.BeginEdit(
                    list_.Selection(),
                    DelayFieldText(events_[static_cast<std::size_t>(selected->eventIndex)].delay),
                    kDelayFieldLength, true);
            }
            break;
        case list_command::kDelete:
            Apply(DeleteLine(events_, selected));
            break;
        default:
            break;
    }
}

void MacroListEditor::OnLineEdited(bool committed, int) {
    const std::optional<LineRef> line = editedDelay_;
    editedDelay_.reset();
    if (line && committed) Apply(EditDelay(events_, *line, list_.EditedText()));
}

void MacroListEditor::OnRecordButton() {
    if (recording()) {
        StopRecording();
        return;
    }
    StartRecording(RecordStart::kClear);
}

void MacroListEditor::StartRecording(RecordStart start) {
    if (recording()) return;
    const ManagerNotice notice = model_.CanRecord();
    if (notice != ManagerNotice::kNone) {
        skin::ShowMessage(GetParent(hwnd()), skin::Widen(NoticeTitle(notice)),
                          skin::Widen(NoticeText(notice)));
        return;
    }
    const std::optional<LineRef> selected = SelectedLine();
    RecordRequest request;
    request.start = start;
    request.eventIndex = start != RecordStart::kClear && selected ? selected->eventIndex : -1;
    request.recordDelays = delays_.checked();
    if (!recorder_.Start(events_, request)) return;
    runStart_ = recorder_.insertionPoint();
    runStamps_.clear();
    runDelays_ = request.recordDelays;
    capture_ = std::make_unique<KeyboardCapture>(hwnd());
    record_.SetSelected(true);
    for (HWND control : {delays_.hwnd(), loop_.hwnd(), times_.hwnd()}) EnableWindow(control, FALSE);
    SendMessageA(GetParent(hwnd()), kRecordingMessage, 1, 0);
    if (start == RecordStart::kClear) model_.StoreEvents(events_);
    ShowLines(std::nullopt, true);
}

void MacroListEditor::StopRecording() {
    if (!capture_ && !recording()) return;
    const int last = recorder_.insertionPoint() - 1;
    recorder_.Stop();
    // The delays again from the whole recording's stamps: a key whose hook came late
    // is put back where its own time says it came.
    if (runDelays_) RefineRecordedDelays(events_, runStart_, runStamps_);
    capture_.reset();
    record_.SetSelected(false);
    for (HWND control : {delays_.hwnd(), loop_.hwnd(), times_.hwnd()}) EnableWindow(control, TRUE);
    model_.StoreEvents(events_);
    // The last event recorded stays in view.
    ShowLines(last >= 0 ? std::optional<LineRef>(LineRef{last, false}) : std::nullopt, true);
    SendMessageA(GetParent(hwnd()), kRecordingMessage, 0, 0);
}

void MacroListEditor::OnCapturedKey(int virtualKey, bool released) {
    const KeyStamp stamp = KeyboardCapture::TakeKeyStamp();
    const RecordResult result =
        recorder_.OnKey(events_, virtualKey, released, stamp.hookUs, WindowsKeyboardLayout());
    if (result != RecordResult::kIgnored) runStamps_.push_back(stamp);
    if (result == RecordResult::kRecordedAndStopped) {
        StopRecording();
        return;
    }
    if (result == RecordResult::kRecorded && !refreshPending_) {
        refreshPending_ = true;
        PostMessageA(hwnd(), kRefreshMessage, 0, 0);
    }
}

void MacroListEditor::StoreRepeat(bool rewrite) {
    const std::string text = times_.Text();
    if (rewrite) times_.SetText(std::to_string(TypedRepeat(text)));
    model_.StoreRepeatCount(RepeatToStore(loop_.checked(), text));
}

LRESULT MacroListEditor::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == skin::EditKillFocusMessage()) {
        StoreRepeat(true);
        return 0;
    }
    switch (message) {
        case kKeyCaptureMessage:
            OnCapturedKey(static_cast<int>(wParam), lParam == kKeyReleased);
            return 0;
        case kRefreshMessage:
            refreshPending_ = false;
            if (recording()) {
                const int last = recorder_.insertionPoint() - 1;
                ShowLines(last >= 0 ? std::optional<LineRef>(LineRef{last, false}) : std::nullopt,
                          true);
            }
            return 0;
        case skin::kMsgListRightClick:
            if (!recording()) {
                CatalogueMenu menu(ListMenuItems());
                const int command = menu.Track(hwnd(), POINT{static_cast<short>(LOWORD(lParam)),
                                                             static_cast<short>(HIWORD(lParam))});
                if (command) OnListCommand(command);
            }
            return 0;
        case skin::kMsgListEditDone:
            OnLineEdited(wParam == 1, static_cast<int>(lParam));
            return 0;
        case skin::kMsgEditChanged:
            StoreRepeat(wParam == skin::kEnterReleased);
            return 0;
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case kRecordId:
                    OnRecordButton();
                    break;
                case kLoopId:
                    StoreRepeat(true);
                    break;
                default:
                    break;
            }
            return 0;
        case WM_DESTROY:
            capture_.reset();
            break;
        default:
            break;
    }
    return ChildPage::OnMessage(message, wParam, lParam);
}

}  // namespace tesh::option
