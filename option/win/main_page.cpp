#include "option/win/main_page.h"

#include <cstdio>

#include "art/art_ids.h"
#include "skin/win/layout_rect.h"
#include "skin/win/skin_messages.h"

namespace tesh::option {
namespace {

constexpr char kClassName[] = "TeshMainPage";
constexpr int kNotOnePageId = 310;
constexpr int kOnePageId = 311;
// Tooltip texts of the language library.
constexpr int kSensitivitySliderText = 1028;
constexpr int kSensitivitySpinText = 1029;
constexpr int kScrollSpeedText = 1030;
constexpr int kOnePageText = 1031;
constexpr int kTiltSpeedText = 1032;
constexpr int kDpiRowText = 1033;
constexpr int kDoubleClickText = 1034;

}  // namespace

const char* const MainPage::kSensitivitySlider = "SENSITIVITY,23,50,266,25,";
const char* const MainPage::kScrollSpeedSlider = "Scroll speed,46,149,240,25,";
const char* const MainPage::kTiltSpeedSlider = "Tilt Speed,23,259,240,25,";
const char* const MainPage::kDoubleClickSlider = "Double Click speed,545,279,140,20,";
const char* const MainPage::kSensitivitySpin = "Sensitivity,311,42,45,19,";
const char* const MainPage::kNotOnePage = "not one page,13,144,20,20,";
const char* const MainPage::kOnePage = "one page,13,169,190,20,";
const char* const MainPage::kDpiRows[kCpiLevels] = {"DPI,395,58,375,39,", "DPI,395,97,375,39,",
                                                    "DPI,395,136,375,39,", "DPI,395,175,375,39,",
                                                    "DPI,395,214,375,39,"};
const char* const MainPage::kDoubleClickTest = "Double Click Test,721,277,42,23,";

bool MainPage::Create(HWND mainWindow, int id, const RECT& rect,
                      const std::string& programDirectory) {
    if (!CreatePage(kClassName, mainWindow, id, rect, IDB_MAIN_PAGE_NORMAL)) return false;
    struct SliderSpec {
        skin::CclickHSlider& slider;
        const char* layout;
        int id, minimum, maximum, track;
    };
    SliderSpec sliders[] = {
        {sensitivity_, kSensitivitySlider, kSensitivitySliderId, kSensitivityMin, kSensitivityMax,
         IDB_TRACK_SENSITIVITY},
        {scrollSpeed_, kScrollSpeedSlider, kScrollSpeedSliderId, kSpeedMin, kSpeedMax,
         IDB_TRACK_SPEED},
        {tiltSpeed_, kTiltSpeedSlider, kTiltSpeedSliderId, kSpeedMin, kSpeedMax, IDB_TRACK_SPEED},
        {doubleClick_, kDoubleClickSlider, kDoubleClickSliderId, 1, kDoubleClickPositions,
         IDB_TRACK_DOUBLE_CLICK},
    };
    for (SliderSpec& s : sliders) {
        s.slider.Create(s.track, IDB_SLIDER_THUMB, skin::LayoutRect(s.layout), hwnd(), s.id);
        s.slider.thumb().ShapeFromBitmap();
        s.slider.SetRange(s.minimum, s.maximum);
        s.slider.SetSnap(true);  // every slider moves in whole steps
    }
    const LayoutRecord spin = Layout(kSensitivitySpin);
    sensitivitySpin_.SetRange(kSensitivityMin - kSensitivityCentre,
                              kSensitivityMax - kSensitivityCentre);
    sensitivitySpin_.Create(hwnd(), kSensitivitySpinId, spin.left, spin.top);

    const skin::SkinSources pictures = sources();
    notOnePage_.Create(hwnd(), kNotOnePageId, Layout(kNotOnePage));
    notOnePage_.SetSkin(skin::LayoutRect(kNotOnePage), pictures);
    onePage_.Create(hwnd(), kOnePageId, Layout(kOnePage));
    onePage_.SetSkin(skin::LayoutRect(kOnePage), pictures);
    scrollMode_.Add(notOnePage_, 0);
    scrollMode_.Add(onePage_, 1);

    for (int row = 0; row < kCpiLevels; ++row)
        rows_[row].Create(hwnd(), kFirstDpiRowId + row, skin::LayoutRect(kDpiRows[row]));
    test_.Create(hwnd(), skin::LayoutRect(kDoubleClickTest), programDirectory);
    Refresh();
    return true;
}

void MainPage::SetTexts(const HelpTexts& texts) {
    sensitivity_.SetHint(texts.Text(kSensitivitySliderText, ""));
    sensitivitySpin_.edit().SetHint(texts.Text(kSensitivitySpinText, ""));
    scrollSpeed_.SetHint(texts.Text(kScrollSpeedText, ""));
    notOnePage_.SetTooltip(texts.Text(kScrollSpeedText, ""));
    onePage_.SetTooltip(texts.Text(kOnePageText, ""));
    tiltSpeed_.SetHint(texts.Text(kTiltSpeedText, ""));
    doubleClick_.SetHint(texts.Text(kDoubleClickText, ""));
    for (DpiRow& row : rows_) row.SetHint(texts.Text(kDpiRowText, ""));
}

void MainPage::Refresh() {
    const MainPageView v = ViewOf(model_.edited());
    sensitivity_.SetPos(v.sensitivity);
    sensitivitySpin_.SetValue(v.sensitivitySpin);
    scrollSpeed_.SetPos(v.scrollSpeed);
    tiltSpeed_.SetPos(v.tiltSpeed);
    doubleClick_.SetPos(v.doubleClick);
    scrollMode_.Select(v.onePage ? 1 : 0);
    RefreshRows();
}

void MainPage::RefreshRows() {
    const MainPageView v = ViewOf(model_.edited());
    for (int row = 0; row < kCpiLevels; ++row)
        rows_[row].SetState(v.rows[row].level, v.rows[row].on, v.rows[row].active);
}

void MainPage::OnSlider(int id, int position) {
    ProfileRecord& profile = model_.edited();
    switch (id) {
        case kSensitivitySliderId:
            if (SetSensitivity(profile, position))
                sensitivitySpin_.SetValue(ViewOf(profile).sensitivitySpin);
            break;
        case kScrollSpeedSliderId:
            SetScrollSpeed(profile, position);
            break;
        case kTiltSpeedSliderId:
            SetTiltSpeed(profile, position);
            break;
        case kDoubleClickSliderId:
            model_.DoubleClickChanged(SetDoubleClick(profile, position));
            break;
        default:
            break;
    }
}

void MainPage::OnSpin(int id, int value) {
    char trace[32];
    std::snprintf(trace, sizeof trace, "lParam = %d\n", id);
    OutputDebugStringA(trace);
    if (id != kSensitivitySpinId) return;
    if (SetSensitivityFromSpin(model_.edited(), value))
        sensitivity_.SetPos(ViewOf(model_.edited()).sensitivity);
}

LRESULT MainPage::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case skin::kMsgSliderChanged:
            OnSlider(static_cast<int>(lParam), static_cast<int>(wParam));
            return 0;
        case skin::kMsgSpinChanged:
            OnSpin(static_cast<int>(lParam), static_cast<int>(wParam));
            return 0;
        case kDpiRowMessage:
            if (ApplyDpiRowNotice(model_.edited(), lParam, wParam)) RefreshRows();
            return 0;
        case WM_COMMAND: {
            int value = 0;
            if (scrollMode_.OnCommand(LOWORD(wParam), &value)) {
                SetOnePage(model_.edited(), value == 1);
                scrollMode_.Select(ViewOf(model_.edited()).onePage ? 1 : 0);
            }
            return 0;
        }
        default:
            return ChildPage::OnMessage(message, wParam, lParam);
    }
}

}  // namespace tesh::option
