// The create-timer dialog: a name (24 characters) and a duration of 15 to 999 seconds.
// OK with an empty name or one another timer has keeps the dialog open.
#pragma once

#include <windows.h>

#include "settings/timer_list.h"
#include "skin/win/bitmap_edit.h"
#include "skin/win/ok_cancel_dialog.h"
#include "skin/win/spin_edit.h"

namespace tesh::option {

class TimerCreateDialog : public skin::OkCancelDialog {
  public:
    // True when OK appended a timer to the list (the caller then saves the file).
    static bool Run(HWND owner, TimerList& timers);

    static constexpr char kClassName[] = "TeshTimerCreateDialog";
    static constexpr char kTitle[] = "COUNTDOWN TIMER";
    static const char* const kNameLayout;
    static const char* const kSecondsLayout;
    static const char* const kOkLayout;
    static const char* const kCancelLayout;
    static const char* const kCloseLayout;

  protected:
    void OnCreated() override;
    // An empty name or one another timer has keeps the dialog open.
    bool Accept() override;

  private:
    explicit TimerCreateDialog(TimerList& timers) : timers_(timers) {}

    TimerList& timers_;
    skin::BitmapEdit name_;
    skin::SpinEdit seconds_;
};

}  // namespace tesh::option
