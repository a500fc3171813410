// The edit/delete-timer dialog: a chooser of the timers, the chosen one's name and
// duration, "SAVE TIMER" and "DELETE TIMER". Save and Delete change the list at once;
// OK saves the pending fields too, and only OK has the file written.
#pragma once

#include <windows.h>

#include "option/win/drop_down_button.h"
#include "settings/timer_list.h"
#include "skin/win/bitmap_edit.h"
#include "skin/win/ok_cancel_dialog.h"
#include "skin/win/skin_button.h"
#include "skin/win/spin_edit.h"

namespace tesh::option {

class TimerEditDialog : public skin::OkCancelDialog {
  public:
    // True when the dialog closed with OK (the caller then saves the file). Nothing
    // opens without a timer.
    static bool Run(HWND owner, TimerList& timers);

    static constexpr char kClassName[] = "TeshTimerEditDialog";
    static constexpr char kTitle[] = "EDIT COUNTDOWN TIMER";
    static const char* const kChooserLayout;
    static const char* const kNameLayout;
    static const char* const kSecondsLayout;
    static const char* const kSaveLayout;
    static const char* const kDeleteLayout;
    static const char* const kOkLayout;
    static const char* const kCancelLayout;
    static const char* const kCloseLayout;
    static constexpr int kMenuFontHeight = 15;
    static constexpr int kMenuWidth = 165;
    static constexpr int kFirstTimerCommand = 1000;

  protected:
    void OnCreated() override;
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // OK saves the pending fields as SAVE TIMER does.
    bool Accept() override;
    void OnCommand(int id, int code) override;

  private:
    explicit TimerEditDialog(TimerList& timers) : timers_(timers) {}
    void ShowSelected();
    void ChooseTimer();
    void SaveFields();
    void DeleteSelected();

    TimerList& timers_;
    int selected_ = 0;
    DropDownButton chooser_;
    skin::BitmapEdit name_;
    skin::SpinEdit seconds_;
    skin::SkinButton save_, delete_;
};

}  // namespace tesh::option
