// The Button Assign page: one label per mouse button of the profile being edited, the
// normal layer at the left and the Quixshift layer at the right. A click on a label
// opens the function catalogue for its slot; the command picked there is written into
// the slot of the profile whose menu opened, in the working copy, for Apply to send.
#pragma once

#include <windows.h>

#include <vector>

#include "option/app_model.h"
#include "option/button_page_model.h"
#include "skin/win/child_page.h"
#include "skin/win/radio_group.h"
#include "skin/win/skin_button.h"

namespace tesh::option {

class ButtonPage : public skin::ChildPage {
  public:
    explicit ButtonPage(AppModel& model) : model_(model) {}
    bool Create(HWND mainWindow, int id, const RECT& rect, bool windowsXp);
    // The labels and the orientation from the working copy (after every change of
    // profile or of the settings).
    void Refresh();
    // A profile file was loaded into the slot: its twins start from the defaults again.
    void ProfileLoaded(int profile) { twins_.Forget(profile); }

    // The label of a slot, for tests that look at it.
    skin::SkinButton& label(int slot) { return labels_[slot]; }

    // The highlight picture shown (0..59), or -1.
    int highlight() const { return highlight_; }
    // The centre of the mark that highlight picture 0..59 puts on its button, in the
    // page, and its colour.
    static POINT HighlightSpot(int picture, bool leftHanded);
    static const COLORREF kHighlightColour;

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void PaintOver(HDC dc) override;

  private:
    void RefreshLabels();
    void OnLabel(int slot);
    void ShowMenu(int slot);
    void Carry(const MenuSession& session, int command);
    CatalogueLists Lists() const;
    void OnHover(bool begins, int labelId);
    void ShowHighlight(int picture);
    // The macro manager on the library, in create-new mode (set -1) or on a set; OK
    // replaces the library and saves it.
    void OpenMacroManager(int set, const ButtonRecord& button);

    AppModel& model_;
    bool windowsXp_ = false;
    TwinMemory twins_;
    MenuToggle toggle_;
    skin::SkinButton labels_[kButtonSlots];
    int labelSets_[kButtonSlots] = {};  // the bitmap set each label was cut from, 0: none
    skin::SkinButton rightHanded_, leftHanded_, macroManager_;
    skin::RadioGroup orientation_;
    int highlight_ = -1;
    int lastMenuSlot_ = -1;  // the slot whose menu opened last
};

}  // namespace tesh::option
