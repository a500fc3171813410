// The language button, which shows the flag of the chosen language, and the menu of
// the 17 languages, each with its flag and its name in its own script, opened above
// the button.
#pragma once

#include <windows.h>

#include "skin/win/skin_bitmap.h"
#include "skin/win/skin_button.h"

namespace tesh::option {

class LanguageButton : public skin::SkinButton {
  public:
    // The strip of flags (not owned) and the language whose flag is shown; an index
    // outside the table shows English.
    void SetFlag(HBITMAP flags, int languageIndex);

  protected:
    void PaintOver(HDC dc, const RECT& client) override;

  private:
    HBITMAP flags_ = nullptr;
    int language_ = 0;
};

// The flag of a language in the strip.
RECT FlagPart(int languageIndex);

// Shows the menu above `button` and returns the chosen language index, or -1 when
// the user chose none.
int ChooseLanguage(HWND owner, HWND button, HBITMAP flags, int currentLanguage);

}  // namespace tesh::option
