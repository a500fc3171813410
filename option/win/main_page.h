// The Main page: sensitivity, scroll and tilt speeds, scrolling by lines or pages,
// the double-click speed with its test field, and the five DPI levels. It edits the
// working copy's profile being edited; only the double-click time reaches Windows at
// once.
#pragma once

#include <windows.h>

#include <string>

#include "option/app_model.h"
#include "option/main_page_model.h"
#include "option/win/double_click_test.h"
#include "option/win/dpi_row.h"
#include "option/win/help_texts.h"
#include "skin/win/child_page.h"
#include "skin/win/click_slider.h"
#include "skin/win/radio_group.h"
#include "skin/win/skin_button.h"
#include "skin/win/spin_edit.h"

namespace tesh::option {

class MainPage : public skin::ChildPage {
  public:
    explicit MainPage(AppModel& model) : model_(model) {}
    bool Create(HWND mainWindow, int id, const RECT& rect, const std::string& programDirectory);
    // Every control from the working copy.
    void Refresh();
    void SetTexts(const HelpTexts& texts);

    // The layout strings of the page's controls, for tests that click them.
    static const char* const kSensitivitySlider;
    static const char* const kScrollSpeedSlider;
    static const char* const kTiltSpeedSlider;
    static const char* const kDoubleClickSlider;
    static const char* const kSensitivitySpin;
    static const char* const kNotOnePage;
    static const char* const kOnePage;
    static const char* const kDpiRows[kCpiLevels];
    static const char* const kDoubleClickTest;

    DpiRow& row(int index) { return rows_[index]; }
    DoubleClickTest& doubleClickTest() { return test_; }

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void OnSlider(int id, int position);
    void OnSpin(int id, int value);
    void RefreshRows();

    AppModel& model_;
    skin::CclickHSlider sensitivity_, scrollSpeed_, tiltSpeed_, doubleClick_;
    skin::SpinEdit sensitivitySpin_;
    skin::SkinButton notOnePage_, onePage_;
    skin::RadioGroup scrollMode_;
    DpiRow rows_[kCpiLevels];
    DoubleClickTest test_;
};

}  // namespace tesh::option
