// The on-screen display's window: titled as the monitor finds it, shown for a moment
// in a corner of the screen when the profile, the DPI level or the sensitivity has
// changed, never taking the focus or a click, and hidden again.
//
// How it learns of a change: the monitor posts to this window, by its title, 1255 for
// a profile change and 1257 for a DPI or sensitivity change made on the mouse, and
// 1326 on every Apply of the configuration application. Each time the window reads
// the shared settings block and compares it with what it saw last. Between those
// messages nothing runs: no timer and no polling, only the 1.5 s timer that hides a
// display being shown.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "option/win/block_view.h"
#include "osd/osd_view.h"

namespace tesh::osd {

class OsdWindow {
  public:
    static constexpr int kWidth = 260;
    static constexpr int kHeight = 84;

    bool Create(const std::string& programDirectory);
    HWND hwnd() const { return hwnd_; }

  private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // Reads the block; shows what changed since the last look (or what `told` says,
    // the first time).
    void Look(Change told);
    void Show(const OsdLines& lines);
    void Paint();
    std::optional<MouseState> ReadState();

    HWND hwnd_ = nullptr;
    option::BlockView block_;
    std::optional<MouseState> last_;
    Placement placement_ = {true, Corner::kBottomRight};
    OsdLines lines_;
    HFONT titleFont_ = nullptr;
    HFONT detailFont_ = nullptr;
};

}  // namespace tesh::osd
