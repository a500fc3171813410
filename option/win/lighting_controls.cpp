#include "option/win/lighting_controls.h"

#include <cstdio>

#include "option/option_names.h"
#include "settings/file_io.h"
#include "skin/win/layout_rect.h"
#include "skin/win/skin_messages.h"

namespace tesh::option {
namespace {

constexpr char kBreathingAnimation[] = "Gif\\Breathing_Animation.gif";
constexpr int kChannelIds[3] = {kRedSpinId, kGreenSpinId, kBlueSpinId};
// Tooltip texts of the language library.
constexpr int kFullText = 1076, kBreathingText = 1077, kOffText = 1078, kColourText = 1079,
              kChoiceText = 1080;

COLORREF ColourRef(Rgb c) {
    return RGB(c.red, c.green, c.blue);
}

}  // namespace

std::string LightingControls::SwatchLayout(POINT first, int index) {
    char text[48];
    std::snprintf(text, sizeof text, "color%d,%ld,%ld,22,22,", index + 1,
                  static_cast<long>(first.x + kSwatchStep * (index % 6)),
                  static_cast<long>(first.y + kSwatchStep * (index / 6)));
    return text;
}

bool LightingControls::Create(HWND page, const skin::SkinSources& pictures,
                              const LightingLayout& layout, const std::string& programDirectory) {
    page_ = page;
    auto make = [&](skin::SkinButton& button, int id, const std::string& place) {
        button.Create(page, id, Layout(place));
        button.SetSkin(skin::LayoutRect(place), pictures);
    };
    for (int i = 0; i < 3; ++i) {
        const LightingLayout::Effect& e = layout.effects[i];
        make(effects_[i], kFirstEffectId + e.effect, e.layout);
        effectGroup_.Add(effects_[i], e.effect);
    }
    make(single_, kSingleColourId, layout.single);
    make(custom_, kCustomColourId, layout.custom);
    choiceGroup_.Add(single_, static_cast<int>(ColourChoice::kPalette));
    choiceGroup_.Add(custom_, static_cast<int>(ColourChoice::kCustom));
    for (int i = 0; i < kVisibleSwatches; ++i) {
        make(swatches_[i], kFirstPaletteSwatchId + i, SwatchLayout(layout.firstSwatch, i));
        const Rgb c = PaletteColour(i).display;
        swatches_[i].SetColour(ColourRef(c));
    }
    make(customButton_, kCustomButtonId, layout.customButton);
    for (int i = 0; i < 3; ++i) {
        const LayoutRecord place = Layout(layout.spins[i]);
        spins_[i].SetRange(0, kChannelMax);
        spins_[i].Create(page, kChannelIds[i], place.left, place.top);
    }
    make(picker_, kPickerId, layout.picker);
    // The preview bar lies on the picker, as its child.
    const RECT picker = skin::LayoutRect(layout.picker);
    RECT bar = skin::LayoutRect(layout.preview);
    OffsetRect(&bar, -picker.left, -picker.top);
    preview_.Create(picker_.hwnd(), bar);
    breathing_.Create(page, 0, skin::LayoutRect(layout.animation));
    breathing_.Load(JoinPath(programDirectory, kBreathingAnimation));
    return true;
}

void LightingControls::SetTexts(const HelpTexts& texts) {
    for (skin::SkinButton& effect : effects_) {
        const int value = effect.id() - kFirstEffectId;
        const int id = value == static_cast<int>(LightEffect::kFull)        ? kFullText
                       : value == static_cast<int>(LightEffect::kBreathing) ? kBreathingText
                                                                            : kOffText;
        effect.SetTooltip(texts.Text(id, ""));
    }
    single_.SetTooltip(texts.Text(kChoiceText, ""));
    custom_.SetTooltip(texts.Text(kChoiceText, ""));
    const std::string colour = texts.Text(kColourText, "");
    for (ColourSwatch& swatch : swatches_) swatch.SetTooltip(colour);
    customButton_.SetTooltip(colour);
    picker_.SetTooltip(colour);
    for (skin::SpinEdit& spin : spins_) spin.edit().SetHint(colour);
}

void LightingControls::Refresh(const ProfileRecord& profile) {
    const LightingView v = LightingViewOf(profile);
    effectGroup_.Select(v.effect);
    choiceGroup_.Select(v.choice);
    for (int i = 0; i < kVisibleSwatches; ++i) swatches_[i].SetSelected(i == v.swatch);
    const uint8_t channels[3] = {v.custom.red, v.custom.green, v.custom.blue};
    for (int i = 0; i < 3; ++i) spins_[i].SetValue(channels[i]);
    customButton_.SetColour(ColourRef(v.custom));
    preview_.SetColour(ColourRef(v.custom));
}

void LightingControls::NotifyColours() {
    PostMessageA(GetParent(page_), kProfileColoursMessage, 0, 0);
}

void LightingControls::OpenSpectrum() {
    RECT picker;
    GetWindowRect(picker_.hwnd(), &picker);
    MapWindowPoints(nullptr, page_, reinterpret_cast<POINT*>(&picker), 2);
    // Above the picker, where the page has room; else below it.
    POINT origin = {picker.left, picker.top - SpectrumPanel::kHeight};
    if (origin.y < 0) origin.y = picker.bottom;
    spectrum_.Open(page_, origin, kPickerId);
}

bool LightingControls::OnPageMessage(UINT message, WPARAM wParam, LPARAM lParam,
                                     ProfileRecord& profile) {
    switch (message) {
        case WM_COMMAND:
            return OnCommand(LOWORD(wParam), profile);
        case skin::kMsgSpinChanged:
            return OnSpin(static_cast<int>(lParam), static_cast<int>(wParam), profile);
        case kColourPickedMessage:
            OnPicked(static_cast<COLORREF>(wParam), profile);
            return true;
        default:
            return false;
    }
}

bool LightingControls::OnCommand(int id, ProfileRecord& profile) {
    int value = 0;
    if (effectGroup_.OnCommand(id, &value)) {
        SetLightEffect(profile, value);
    } else if (choiceGroup_.OnCommand(id, &value)) {
        SetColourChoice(profile, static_cast<ColourChoice>(value));
    } else if (id == kCustomButtonId) {
        SetColourChoice(profile, ColourChoice::kCustom);
    } else if (id >= kFirstPaletteSwatchId && id < kFirstPaletteSwatchId + kVisibleSwatches) {
        ChooseSwatch(profile, id - kFirstPaletteSwatchId);
    } else if (id == kPickerId) {
        OpenSpectrum();
        return true;
    } else {
        return false;
    }
    Refresh(profile);
    NotifyColours();
    return true;
}

bool LightingControls::OnSpin(int id, int value, ProfileRecord& profile) {
    char trace[32];
    std::snprintf(trace, sizeof trace, "lParam = %d\n", id);
    OutputDebugStringA(trace);
    if (id < kRedSpinId || id > kBlueSpinId) return false;
    SetCustomChannel(profile, id, value);
    Refresh(profile);
    NotifyColours();
    return true;
}

void LightingControls::OnPicked(COLORREF colour, ProfileRecord& profile) {
    SetCustomColour(profile, {GetRValue(colour), GetGValue(colour), GetBValue(colour)});
    Refresh(profile);
    NotifyColours();
}

}  // namespace tesh::option
