// The main window's hint line: the hover text of the control under the pointer, in
// the chosen language's own script. Its text is the window's own (wide) text, so
// accessibility tools and tests read it as any control's.
#pragma once

#include <windows.h>

#include <string>

#include "skin/win/skin_bitmap.h"

namespace tesh::option {

class HintLine {
  public:
    HintLine() = default;
    ~HintLine();
    HintLine(const HintLine&) = delete;
    HintLine& operator=(const HintLine&) = delete;

    bool Create(HWND parent, const RECT& rect);
    // UTF-8 text; the line is repainted when it changes.
    void SetText(const std::string& text);
    HWND hwnd() const { return hwnd_; }

    static constexpr wchar_t kClassName[] = L"TeshHintLine";

  private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void Paint();

    HWND hwnd_ = nullptr;
    std::wstring text_;
    skin::OwnedFont font_;
};

}  // namespace tesh::option
