// The macro manager's timeline editor: the selected macro's key presses as bars, with
// buttons to add and delete a bar and to zoom. The bars go into the manager's copy
// when it is left, when another macro is selected and on OK (WriteBack).
#pragma once

#include <windows.h>

#include "option/macro_manager_model.h"
#include "option/macro_timeline.h"
#include "option/win/timeline_view.h"
#include "skin/win/child_page.h"
#include "skin/win/skin_button.h"

namespace tesh::option {

class MacroTimelineEditor : public skin::ChildPage {
  public:
    explicit MacroTimelineEditor(MacroManagerModel& model) : model_(model) {}
    bool Create(HWND parent, int id, const RECT& rect);
    // The manager's selected macro as bars.
    void Load();
    // The bars as the macro's events.
    void WriteBack();

    TimelineView& view() { return view_; }
    static constexpr RECT kViewRect = {4, 22, 476, 326};
    static constexpr int kViewId = 40;
    // A new bar lasts this long and starts this long after the last one ends.
    static constexpr int64_t kNewBarMs = 100;

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void AddBar();
    void DeleteBar();

    MacroManagerModel& model_;
    MacroTimeline timeline_;
    TimelineView view_;
    skin::SkinButton add_, delete_, zoomIn_, zoomOut_;
};

}  // namespace tesh::option
