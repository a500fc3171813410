// The owner-drawn list of the macro and timer dialogs: rows of text drawn in the skin's
// colours (the selected row in the accent colour) beside a skinned scroll bar, each
// with a tag for its owner. The owner gets WM_COMMAND with the list's id and
// LBN_SELCHANGE or LBN_DBLCLK, kMsgListRightClick for a right click (the row under
// the pointer selected first), and kMsgListEditDone when an in-place edit ends.
#pragma once

#include <windows.h>

#include <string>

#include "skin/win/control_window.h"
#include "skin/win/list_row_edit.h"
#include "skin/win/skin_bitmap.h"
#include "skin/win/skin_scroll_bar.h"

namespace tesh::skin {

class SkinListBox : public ControlWindow {
  public:
    bool Create(HWND parent, int id, const RECT& rect);
    int Add(const std::string& text, uintptr_t tag = 0);
    uintptr_t Tag(int index) const;
    void Clear();
    int Count() const;
    int Selection() const;
    void Select(int index);
    std::string Text(int index) const;
    int TopIndex() const;
    void SetTopIndex(int index);
    int VisibleRows() const;

    // Edits row `index` in place (at most `limit` characters, only digits when
    // `digits`); the owner gets kMsgListEditDone (wParam 1 committed, 0 cancelled;
    // lParam the row) and reads EditedText() then.
    bool BeginEdit(int index, const std::string& text, int limit, bool digits = false);
    bool editing() const { return rowEdit_.active(); }
    const std::string& EditedText() const { return edited_; }
    HWND list() const { return list_; }
    SkinScrollBar& scrollBar() { return scrollBar_; }

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Draws a row's icon at the left of `row`; the width it took (0: none).
    virtual int DrawRowIcon(HDC, const RECT& /*row*/, int /*index*/, bool /*selected*/) {
        return 0;
    }

  private:
    static LRESULT CALLBACK ListProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR id, DWORD_PTR self);
    void DrawItem(const DRAWITEMSTRUCT& item);
    void SyncScrollBar();
    void OnScroll(int code, int position);
    void OnRightClick(POINT client);
    void FinishEdit(bool commit);

    HWND list_ = nullptr;
    ListRowEdit rowEdit_;
    int editedRow_ = -1;
    std::string edited_;
    SkinScrollBar scrollBar_;
    OwnedFont font_;
};

}  // namespace tesh::skin
