#include "option/win/language_menu.h"

#include "art/art_ids.h"
#include "option/language_files.h"
#include "skin/win/skin_menu.h"

namespace tesh::option {
namespace {

constexpr int kFirstCommand = 1;  // 0 is "nothing chosen"
constexpr int kMenuWidth = 170;

int Shown(int languageIndex) {
    return languageIndex >= 0 && languageIndex < kLanguageCount ? languageIndex : kEnglishLanguage;
}

}  // namespace

RECT FlagPart(int languageIndex) {
    const int left = Shown(languageIndex) * TESH_FLAG_WIDTH;
    return RECT{left, 0, left + TESH_FLAG_WIDTH, TESH_FLAG_HEIGHT};
}

void LanguageButton::SetFlag(HBITMAP flags, int languageIndex) {
    flags_ = flags;
    language_ = languageIndex;
    if (hwnd()) InvalidateRect(hwnd(), nullptr, FALSE);
}

void LanguageButton::PaintOver(HDC dc, const RECT& client) {
    if (!flags_) return;
    skin::DrawBitmapPart(dc, flags_, FlagPart(language_), client);
    if (hovered()) {
        skin::OwnedBrush frame(CreateSolidBrush(RGB(60, 137, 191)));
        FrameRect(dc, &client, frame.get());
    }
}

int ChooseLanguage(HWND owner, HWND button, HBITMAP flags, int currentLanguage) {
    skin::SkinMenu menu;
    menu.SetMinimumWidth(kMenuWidth);
    RECT parts[kLanguageCount];
    for (int i = 0; i < kLanguageCount; ++i) {
        parts[i] = FlagPart(i);
        menu.AddItem(kFirstCommand + i, LanguageName(i), flags, &parts[i]);
    }
    menu.SetChecked(kFirstCommand + Shown(currentLanguage), true);
    RECT r;
    GetWindowRect(button, &r);
    const int chosen = menu.Track(owner, POINT{r.left, r.top}, TPM_LEFTALIGN | TPM_BOTTOMALIGN);
    return chosen >= kFirstCommand ? chosen - kFirstCommand : -1;
}

}  // namespace tesh::option
