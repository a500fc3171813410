#include "option/win/advanced_page.h"

#include "art/art_ids.h"
#include "skin/win/layout_rect.h"
#include "skin/win/message_dialog.h"
#include "skin/win/skin_messages.h"

namespace tesh::option {
namespace {

constexpr char kClassName[] = "TeshAdvancedPage";
constexpr int kFirstSoundId = 670;  // + SoundSwitch
constexpr int kAccelerationId = 676, kTrailsId = 677, kResetId = 678;
constexpr int kFirstRateId = 680;  // + PollingRate
// Tooltip texts of the language library.
constexpr int kRateText = 1048;
constexpr int kSoundTexts[kSoundSwitches] = {1049, 1050, 1051, 1052, 1053};
constexpr int kVolumeText = 1054, kPointerText = 1055, kAccelerationText = 1056, kTrailsText = 1057,
              kResetText = 1058;
constexpr wchar_t kResetTitle[] = L"ATTENTION";
constexpr wchar_t kResetQuestion[] =
    L"Reset every profile to the factory settings? The mouse is written at once.";

}  // namespace

// In the order of SoundSwitch: profile, DPI, sensitivity, volume up/down, trophy.
const char* const AdvancedPage::kSounds[kSoundSwitches] = {
    "Sound FeedBack Profile Switch,405,72,117,15,",
    "Sound FeedBack DPi Switch,405,54,117,15,",
    "Sound FeedBack Sensitivity Switch,405,90,125,15,",
    "Sound Volume Up/Down,538,54,135,15,",
    "Sound Trophy,538,73,135,15,",
};
const char* const AdvancedPage::kSoundVolume = "Sound Volume,506,115,102,20,";
const char* const AdvancedPage::kRates[kPollingRates] = {
    "125Hz,120,285,60,20,", "250Hz,180,285,60,20,", "500Hz,240,285,60,20,",
    "1000Hz,300,285,70,20,"};
const char* const AdvancedPage::kAcceleration = "Enable mouse acceleration,405,222,180,16,";
const char* const AdvancedPage::kTrails = "Enable mouse Trails,595,222,150,16,";
const char* const AdvancedPage::kReset = "BUTTON_Reset,665,272,100,30,Reset";
const char* const AdvancedPage::kPointerSpeed = "Pointer Speed,413,200,216,21,";
const LightingLayout AdvancedPage::kLighting = {
    {{"Full lightened,15,99,100,20,", 1},
     {"Breathing,141,99,100,20,", 2},
     {"All light Off,265,99,100,20,", 0}},
    "Choose a single color,15,165,155,22,",
    "Choose a custom color,198,165,155,22,",
    {36, 190},
    {"Red,225,192,45,19,", "Green,273,192,45,19,", "Blue,321,192,45,19,"},
    "Custom Color,196,190,22,22,",
    "Custom Color Window,193,233,176,28,",
    "Color Select,199,239,164,16,",
    "Breathing,142,30,97,70,",
};

bool AdvancedPage::Create(HWND mainWindow, int id, const RECT& rect,
                          const std::string& programDirectory, std::function<void()> onReset) {
    onReset_ = std::move(onReset);
    if (!CreatePage(kClassName, mainWindow, id, rect, IDB_ADVANCED_PAGE_NORMAL)) return false;
    const skin::SkinSources pictures = sources();
    auto make = [&](skin::SkinButton& button, int controlId, const char* place) {
        button.Create(hwnd(), controlId, Layout(place));
        button.SetSkin(skin::LayoutRect(place), pictures);
    };
    for (int i = 0; i < kSoundSwitches; ++i) make(sounds_[i], kFirstSoundId + i, kSounds[i]);
    volume_.Create(IDB_TRACK_VOLUME, IDB_SLIDER_THUMB, skin::LayoutRect(kSoundVolume), hwnd(),
                   kSoundVolumeSliderId);
    volume_.SetRange(0, kSoundVolumeMax);
    for (int i = 0; i < kPollingRates; ++i) {
        make(rates_[i], kFirstRateId + i, kRates[i]);
        rateGroup_.Add(rates_[i], i);
    }
    make(acceleration_, kAccelerationId, kAcceleration);
    make(trails_, kTrailsId, kTrails);
    make(reset_, kResetId, kReset);
    pointerSpeed_.Create(IDB_TRACK_POINTER, IDB_SLIDER_THUMB, skin::LayoutRect(kPointerSpeed),
                         hwnd(), kPointerSpeedSliderId);
    pointerSpeed_.SetRange(1, kPointerPositions);
    for (skin::CclickHSlider* slider : {&volume_, &pointerSpeed_}) {
        slider->thumb().ShapeFromBitmap();
        slider->SetSnap(true);
    }
    lighting_.Create(hwnd(), pictures, kLighting, programDirectory);
    Refresh();
    return true;
}

void AdvancedPage::SetTexts(const HelpTexts& texts) {
    for (int i = 0; i < kSoundSwitches; ++i) sounds_[i].SetTooltip(texts.Text(kSoundTexts[i], ""));
    volume_.SetHint(texts.Text(kVolumeText, ""));
    for (skin::SkinButton& rate : rates_) rate.SetTooltip(texts.Text(kRateText, ""));
    pointerSpeed_.SetHint(texts.Text(kPointerText, ""));
    acceleration_.SetTooltip(texts.Text(kAccelerationText, ""));
    trails_.SetTooltip(texts.Text(kTrailsText, ""));
    reset_.SetTooltip(texts.Text(kResetText, Layout(kReset).tooltip));
    lighting_.SetTexts(texts);
}

void AdvancedPage::Refresh() {
    const AdvancedView v = AdvancedViewOf(model_.edited());
    for (int i = 0; i < kSoundSwitches; ++i) sounds_[i].SetChecked(v.sounds[i]);
    volume_.SetPos(v.volume);
    rateGroup_.Select(v.pollingRate);
    pointerSpeed_.SetPos(v.pointerSpeed);
    acceleration_.SetChecked(v.acceleration);
    trails_.SetChecked(v.trails);
    lighting_.Refresh(model_.edited());
}

void AdvancedPage::ConfirmReset() {
    if (skin::Confirm(GetParent(hwnd()), kResetTitle, kResetQuestion) && onReset_) onReset_();
}

bool AdvancedPage::OnCommand(int id) {
    ProfileRecord& profile = model_.edited();
    int rate = 0;
    if (rateGroup_.OnCommand(id, &rate)) {
        SetPollingRate(profile, rate);
    } else if (id >= kFirstSoundId && id < kFirstSoundId + kSoundSwitches) {
        const int i = id - kFirstSoundId;
        SetSoundSwitch(profile, static_cast<SoundSwitch>(i), sounds_[i].checked());
    } else if (id == kAccelerationId) {
        SetAcceleration(profile, acceleration_.checked());
    } else if (id == kTrailsId) {
        SetTrails(profile, trails_.checked());
    } else if (id == kResetId) {
        ConfirmReset();
        return true;
    } else {
        return false;
    }
    Refresh();
    return true;
}

void AdvancedPage::OnSlider(int id, int position) {
    if (id == kPointerSpeedSliderId) SetPointerSpeed(model_.edited(), position);
    if (id == kSoundVolumeSliderId) SetSoundVolume(model_.edited(), position);
}

LRESULT AdvancedPage::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (lighting_.OnPageMessage(message, wParam, lParam, model_.edited())) return 0;
    switch (message) {
        case WM_COMMAND:
            OnCommand(LOWORD(wParam));
            return 0;
        case skin::kMsgSliderChanged:
            OnSlider(static_cast<int>(lParam), static_cast<int>(wParam));
            return 0;
        default:
            return ChildPage::OnMessage(message, wParam, lParam);
    }
}

}  // namespace tesh::option
