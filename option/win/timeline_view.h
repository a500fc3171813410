// The timeline editor's drawing: one row per key, each key press a bar from its press
// to its release, a time ruler above and an overview strip below that shows the whole
// macro and where the view stands in it. The mouse selects a bar, drags its body or
// either end, and scrolls the view in the overview strip; the wheel scrolls; a key
// typed gives the selected bar that key.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>

#include "option/macro_timeline.h"
#include "skin/win/control_window.h"
#include "skin/win/skin_bitmap.h"

namespace tesh::option {

class TimelineView : public skin::ControlWindow {
  public:
    // `timeline` must outlive the view; `changed` is called after each change of a bar.
    bool Create(HWND parent, int id, const RECT& rect, MacroTimeline& timeline,
                std::function<void()> changed);
    // After the timeline was replaced: the zoom fits the macro, the view starts at 0.
    void Reset();
    void Refresh() { InvalidateRect(hwnd(), nullptr, FALSE); }

    int selected() const { return selected_; }
    void Select(int bar);
    // Keeps the time at the view's centre where it is.
    void ZoomIn();
    void ZoomOut();
    // Scrolls so that the bar shows.
    void Reveal(int bar);

    // Where things are drawn, for tests that drag bars as a user does: the rectangle of
    // a bar in the view's client coordinates (empty when it is out of view).
    RECT BarRect(int bar) const;
    int64_t TimeAtX(int x) const;
    static constexpr int kKeyColumn = 72;
    static constexpr int kRulerHeight = 18;
    static constexpr int kOverviewHeight = 14;
    static constexpr int kRowHeight = 18;
    static constexpr int kEdgeGrab = 4;

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    enum class Drag { kNone, kMove, kStart, kEnd, kOverview };
    void Paint(HDC dc);
    void PaintRuler(HDC dc, const RECT& client);
    void PaintBars(HDC dc, const RECT& client);
    void PaintOverview(HDC dc, const RECT& client);
    void OnButtonDown(POINT p);
    void OnMouseMove(POINT p);
    void OnKey(int virtualKey);
    void ScrollTo(int64_t pixels);
    void ScrollOverviewTo(int x);
    int BarsWidth() const;
    int VisibleRows() const;
    int64_t Duration() const;
    RECT OverviewRect() const;

    MacroTimeline* timeline_ = nullptr;
    std::function<void()> changed_;
    TimelineZoom zoom_;
    int64_t scroll_ = 0;  // pixels
    int firstRow_ = 0;
    int selected_ = -1;
    Drag drag_ = Drag::kNone;
    int64_t grab_ = 0;  // ms between the pointer and the bar's start when moving
    skin::OwnedFont font_;
};

}  // namespace tesh::option
