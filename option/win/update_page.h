// The Update page: the software and firmware versions, and the buttons that hand the
// support pages and the support mail address to the shell (the browser or the mail
// program opens them; the page itself makes no request).
#pragma once

#include <windows.h>

#include <string>

#include "option/version_texts.h"
#include "option/win/help_texts.h"
#include "skin/win/child_page.h"
#include "skin/win/skin_bitmap.h"
#include "skin/win/skin_button.h"

namespace tesh::option {

class UpdatePage : public skin::ChildPage {
  public:
    static constexpr int kButtons = 5;
    bool Create(HWND mainWindow, int id, const RECT& rect);
    void SetTexts(const HelpTexts& texts);
    // The shell's texts ("1.07", "1.05" or "N/A"); the page shows them with a "V".
    void SetVersionTexts(const std::string& software, const std::string& firmware);
    // Kept for the day a control opens them (a new link replaces the old one only when
    // it differs).
    void SetLinks(const SupportLinks& links);
    const std::wstring& firmwareShown() const { return firmware_; }

    // The layout strings of the buttons, for tests that click them.
    static const char* const kLayouts[kButtons];
    // The address each button hands to the shell.
    static std::string Address(int button);

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void PaintOver(HDC dc) override;

  private:
    skin::SkinButton buttons_[kButtons];
    std::wstring software_ = L"V";
    std::wstring firmware_ = L"V";
    SupportLinks links_;
    skin::OwnedFont font_;
};

}  // namespace tesh::option
