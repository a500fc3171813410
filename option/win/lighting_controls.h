// The lighting controls that the Advanced and the Color page share: the effect radios
// with the breathing animation, the palette or custom colour choice, the 16 palette
// swatches, the custom colour with its red, green and blue spins, and the spectrum
// picker with its preview bar. Each page places them with its own layout strings; the
// controls are the page's children, and the page hands them its notifications.
//
// The zero-size controls of the layout (the colour mode and flow radios, "Blinking",
// "Heartbeat" and the 17 swatches past the 16th) are not made: nobody can reach them,
// and the record keeps their fields as they are.
#pragma once

#include <windows.h>

#include <string>

#include "option/advanced_page_model.h"
#include "option/win/colour_preview.h"
#include "option/win/colour_swatch.h"
#include "option/win/help_texts.h"
#include "option/win/spectrum_panel.h"
#include "skin/win/animated_picture.h"
#include "skin/win/radio_group.h"
#include "skin/win/skin_button.h"
#include "skin/win/spin_edit.h"

namespace tesh::option {

struct LightingLayout {
    struct Effect {
        const char* layout;
        int effect;
    };
    Effect effects[3];  // in the order the page creates them
    const char* single;
    const char* custom;
    POINT firstSwatch;  // the swatches lie 23 pixels apart, six to a row
    const char* spins[3];
    const char* customButton;
    const char* picker;
    const char* preview;
    const char* animation;
};

// Control ids of the lighting controls in either page.
constexpr int kFirstEffectId = 610;  // + LightEffectType
constexpr int kSingleColourId = 620, kCustomColourId = 621;
constexpr int kFirstPaletteSwatchId = 630;  // + palette index
constexpr int kCustomButtonId = 650, kPickerId = 651;
constexpr int kSwatchStep = 23;

class LightingControls {
  public:
    bool Create(HWND page, const skin::SkinSources& pictures, const LightingLayout& layout,
                const std::string& programDirectory);
    void Refresh(const ProfileRecord& profile);
    void SetTexts(const HelpTexts& texts);
    // A message the page received (WM_COMMAND, a spin's 1114, the picker's 1119); true
    // when one of these controls sent it. The profile is changed as the user asked, the
    // controls refreshed, and the main window told when the profile colours changed.
    bool OnPageMessage(UINT message, WPARAM wParam, LPARAM lParam, ProfileRecord& profile);

    // The layout string of swatch `index` (0..15) for a page's first swatch.
    static std::string SwatchLayout(POINT first, int index);
    COLORREF previewColour() const { return preview_.colour(); }
    bool spectrumOpen() const { return spectrum_.open(); }

  private:
    bool OnCommand(int id, ProfileRecord& profile);
    bool OnSpin(int id, int value, ProfileRecord& profile);
    void OnPicked(COLORREF colour, ProfileRecord& profile);
    void NotifyColours();
    void OpenSpectrum();

    HWND page_ = nullptr;
    skin::SkinButton effects_[3];
    skin::RadioGroup effectGroup_;
    skin::SkinButton single_, custom_;
    skin::RadioGroup choiceGroup_;
    ColourSwatch swatches_[kVisibleSwatches];
    ColourSwatch customButton_;
    skin::SpinEdit spins_[3];
    skin::SkinButton picker_;
    ColourPreview preview_;
    SpectrumPanel spectrum_;
    skin::AnimatedPicture breathing_;
};

}  // namespace tesh::option
