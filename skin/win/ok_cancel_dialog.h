// A skinned dialog closed by its OK, CANCEL and close buttons, and by Enter and Escape
// unless it takes keys itself. OK asks the dialog to accept first: a dialog whose input
// is not acceptable stays open. CANCEL, the close button and Escape close it without
// effect.
#pragma once

#include <windows.h>

#include "skin/win/skin_button.h"
#include "skin/win/skinned_dialog.h"

namespace tesh::skin {

class OkCancelDialog : public SkinnedDialog {
  public:
    // Whether the dialog closed by an accepted OK.
    bool accepted() const { return accepted_; }

  protected:
    static constexpr int kOkId = 30;
    static constexpr int kCancelId = 31;
    static constexpr int kCloseId = 32;

    // The three buttons at their layout strings' places.
    void AddOkCancel(const char* ok, const char* cancel, const char* close);
    // Enter and Escape are the dialog's own keys (a dialog that records keys).
    void KeepKeys() { keysClose_ = false; }
    // OK: true when the dialog may close, having kept what it gives.
    virtual bool Accept() { return true; }
    // The commands of the dialog's other controls.
    virtual void OnCommand(int /*id*/, int /*code*/) {}
    // OK (accepted or not) or a cancel.
    void Finish(bool ok);

    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnKey(WPARAM key) override;

  private:
    bool accepted_ = false;
    bool keysClose_ = true;
    SkinButton ok_, cancel_, close_;
};

}  // namespace tesh::skin
