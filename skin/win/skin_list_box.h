// The owner-drawn list of the macro and timer dialogs: rows of text drawn in the skin's
// colours (the selected row in the accent colour) beside a skinned scroll bar. The
// owner gets WM_COMMAND with the list's id and LBN_SELCHANGE or LBN_DBLCLK.
#pragma once

#include <windows.h>

#include <string>

#include "skin/win/control_window.h"
#include "skin/win/skin_bitmap.h"
#include "skin/win/skin_scroll_bar.h"

namespace tesh::skin {

class SkinListBox : public ControlWindow {
  public:
    bool Create(HWND parent, int id, const RECT& rect);
    int Add(const std::string& text);
    void Clear();
    int Count() const;
    int Selection() const;
    void Select(int index);
    std::string Text(int index) const;
    int TopIndex() const;
    HWND list() const { return list_; }
    SkinScrollBar& scrollBar() { return scrollBar_; }

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    static LRESULT CALLBACK ListProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR id, DWORD_PTR self);
    void DrawItem(const DRAWITEMSTRUCT& item);
    void SyncScrollBar();
    void OnScroll(int code, int position);
    int VisibleRows() const;

    HWND list_ = nullptr;
    SkinScrollBar scrollBar_;
    OwnedFont font_;
};

}  // namespace tesh::skin
