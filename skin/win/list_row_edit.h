// The in-place editor of a SkinListBox row: an edit box over the row that Enter or the
// loss of the focus commits and Escape cancels. It posts kFinishMessage (wParam 1 for
// a commit, 0 for a cancel) to the window that runs it, which then reads the text and
// ends it, outside the edit box's own messages.
#pragma once

#include <windows.h>

#include <string>

#include "skin/win/skin_bitmap.h"

namespace tesh::skin {

class ListRowEdit {
  public:
    static constexpr UINT kFinishMessage = WM_APP + 40;

    ListRowEdit() = default;
    ~ListRowEdit() { End(); }
    ListRowEdit(const ListRowEdit&) = delete;
    ListRowEdit& operator=(const ListRowEdit&) = delete;

    // An edit box in `parent` at `rect` holding `text` (at most `limit` characters, only
    // digits when `digits`), focused with its text selected; finishing is posted to
    // `host`.
    bool Begin(HWND parent, HWND host, const RECT& rect, const std::string& text, int limit,
               bool digits, HFONT font);
    bool active() const { return edit_ != nullptr; }
    std::string Text() const;
    void End();

  private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                 DWORD_PTR self);
    void Finish(bool commit);

    HWND edit_ = nullptr;
    HWND host_ = nullptr;
    bool digits_ = false;
    bool finishing_ = false;
};

}  // namespace tesh::skin
