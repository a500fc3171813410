// The skinned single-line edit: dark grey "Arial" text on white (or the colours it is
// given), an optional numeric mode that keeps only digits (and signs when allowed),
// and notices to its owner: 1116 on each change and on the release of Enter, the
// registered "BitmapEdit_KillFocus" when it loses the focus.
#pragma once

#include <windows.h>

#include <string>

#include "skin/layout_record.h"
#include "skin/win/skin_bitmap.h"

namespace tesh::skin {

class BitmapEdit {
  public:
    BitmapEdit() = default;
    BitmapEdit(const BitmapEdit&) = delete;
    BitmapEdit& operator=(const BitmapEdit&) = delete;
    ~BitmapEdit();

    // `owner` receives the notices; the parent when none is given.
    bool Create(HWND parent, int id, const RECT& rect, DWORD extraStyle = 0, HWND owner = nullptr);
    bool Create(HWND parent, int id, const LayoutRecord& layout, HWND owner = nullptr);
    HWND hwnd() const { return hwnd_; }

    void SetNumeric(bool numeric, bool allowSigns = false);
    void SetColours(COLORREF text, COLORREF background);
    // The hint shown while the pointer is over the edit.
    void SetHint(const std::string& hint) { hint_ = hint; }

    std::string Text() const;
    // Replaces the text without telling the owner.
    void SetText(const std::string& text);

  private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                 DWORD_PTR self);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    bool SwallowKey(WPARAM key) const;
    bool SwallowChar(WPARAM ch) const;
    void OnChange();

    HWND hwnd_ = nullptr;
    HWND owner_ = nullptr;
    bool numeric_ = false;
    bool signs_ = false;
    bool quiet_ = false;
    bool tracking_ = false;
    COLORREF text_ = RGB(36, 36, 36);
    COLORREF background_ = RGB(255, 255, 255);
    OwnedBrush brush_;
    OwnedFont font_;
    std::string hint_;
};

}  // namespace tesh::skin
