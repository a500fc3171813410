#include "option/win/macro_timeline_editor.h"

#include "art/art_ids.h"
#include "option/macro_events.h"
#include "option/macro_manager_texts.h"
#include "skin/layout_record.h"
#include "skin/win/layout_rect.h"

namespace tesh::option {
namespace {

constexpr char kClassName[] = "TeshMacroTimelineEditor";
constexpr int kAddId = 41;
constexpr int kDeleteId = 42;
constexpr int kZoomInId = 43;
constexpr int kZoomOutId = 44;
constexpr uint8_t kFirstLetter = 4;  // "A", for a bar added with none selected

}  // namespace

bool MacroTimelineEditor::Create(HWND parent, int id, const RECT& rect) {
    if (!CreatePage(kClassName, parent, id, rect, IDB_MACRO_ADJUST_NORMAL)) return false;
    const skin::SkinSources pictures = sources();
    struct {
        skin::SkinButton& button;
        int id;
        const char* layout;
    } buttons[] = {{add_, kAddId, macro_manager::kAddBarLayout},
                   {delete_, kDeleteId, macro_manager::kDeleteBarLayout},
                   {zoomIn_, kZoomInId, macro_manager::kZoomInLayout},
                   {zoomOut_, kZoomOutId, macro_manager::kZoomOutLayout}};
    for (auto& b : buttons) {
        b.button.Create(hwnd(), b.id, Layout(b.layout));
        b.button.SetSkin(skin::LayoutRect(b.layout), pictures);
    }
    return view_.Create(hwnd(), kViewId, kViewRect, timeline_, {});
}

void MacroTimelineEditor::Load() {
    const MacroRecord* macro = model_.currentMacro();
    timeline_ = macro ? BarsFromEvents(EventsOf(*macro)) : MacroTimeline{};
    if (view_.hwnd()) view_.Reset();
}

void MacroTimelineEditor::WriteBack() {
    // Written back whether or not a bar moved: what the timeline shows is the macro now
    // (a press never released has no bar and is gone).
    model_.StoreEvents(EventsFromBars(timeline_));
}

void MacroTimelineEditor::AddBar() {
    if (!model_.currentMacro()) return;
    const int selected = view_.selected();
    const uint8_t key =
        selected >= 0 ? timeline_.bars[static_cast<std::size_t>(selected)].key : kFirstLetter;
    const int64_t start = BarsDuration(timeline_.bars) + (timeline_.bars.empty() ? 0 : kNewBarMs);
    const int added = option::AddBar(timeline_.bars, key, start, kNewBarMs);
    if (added < 0) return;
    view_.Select(added);
    view_.Reveal(added);
}

void MacroTimelineEditor::DeleteBar() {
    const int selected = view_.selected();
    if (!option::DeleteBar(timeline_.bars, selected)) return;
    view_.Select(std::min(selected, static_cast<int>(timeline_.bars.size()) - 1));
}

LRESULT MacroTimelineEditor::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_COMMAND) return ChildPage::OnMessage(message, wParam, lParam);
    switch (LOWORD(wParam)) {
        case kAddId:
            AddBar();
            break;
        case kDeleteId:
            DeleteBar();
            break;
        case kZoomInId:
            view_.ZoomIn();
            break;
        case kZoomOutId:
            view_.ZoomOut();
            break;
        default:
            break;
    }
    return 0;
}

}  // namespace tesh::option
