// The Advanced page: the sound feedback switches and volume, the polling rate, the
// Windows pointer speed, acceleration and trails, the lighting controls, and Reset,
// which puts every profile back to the factory settings once the user confirms. It
// edits the working copy's profile being edited; the main window applies.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "option/app_model.h"
#include "option/win/help_texts.h"
#include "option/win/lighting_controls.h"
#include "skin/win/check_box.h"
#include "skin/win/child_page.h"
#include "skin/win/click_slider.h"
#include "skin/win/radio_group.h"
#include "skin/win/skin_button.h"

namespace tesh::option {

class AdvancedPage : public skin::ChildPage {
  public:
    explicit AdvancedPage(AppModel& model) : model_(model) {}
    // `onReset` carries out a confirmed Reset (the main window applies and refreshes).
    bool Create(HWND mainWindow, int id, const RECT& rect, const std::string& programDirectory,
                std::function<void()> onReset);
    void Refresh();
    void SetTexts(const HelpTexts& texts);

    // The layout strings of the page's controls, for tests that click them.
    static const char* const kSounds[kSoundSwitches];
    static const char* const kSoundVolume;
    static const char* const kRates[kPollingRates];
    static const char* const kAcceleration;
    static const char* const kTrails;
    static const char* const kReset;
    static const char* const kPointerSpeed;
    static const LightingLayout kLighting;

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    bool OnCommand(int id);
    void OnSlider(int id, int position);
    void ConfirmReset();

    AppModel& model_;
    std::function<void()> onReset_;
    skin::SkinCheckBox sounds_[kSoundSwitches];
    skin::CclickHSlider volume_, pointerSpeed_;
    skin::SkinButton rates_[kPollingRates];
    skin::RadioGroup rateGroup_;
    skin::SkinCheckBox acceleration_, trails_;
    skin::SkinButton reset_;
    LightingControls lighting_;
};

}  // namespace tesh::option
