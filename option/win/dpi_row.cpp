#include "option/win/dpi_row.h"

#include "art/art_ids.h"
#include "option/main_page_model.h"
#include "skin/win/skin_messages.h"

namespace tesh::option {
namespace {

constexpr char kClassName[] = "TeshDpiRow";
constexpr RECT kPresetRects[DpiRow::kPresets] = {
    {35, 25, 60, 34},   {80, 25, 105, 34},  {118, 25, 146, 34}, {158, 25, 186, 34},
    {198, 25, 226, 34}, {239, 25, 267, 34}, {278, 25, 306, 34},
};
constexpr RECT kBarRect = {1, 1, 372, 13};
constexpr RECT kSwitchRect = {11, 12, 26, 25};
constexpr RECT kSliderRect = {37, 14, 304, 22};
constexpr POINT kSpinPoint = {317, 15};
// Child ids inside the row.
constexpr int kFirstPresetId = 1;
constexpr int kBarId = 10;
constexpr int kSwitchId = 11;

}  // namespace

RECT DpiRow::PresetRect(int index) {
    return kPresetRects[index];
}
RECT DpiRow::BarRect() {
    return kBarRect;
}
RECT DpiRow::SwitchRect() {
    return kSwitchRect;
}
RECT DpiRow::SliderRect() {
    return kSliderRect;
}
POINT DpiRow::SpinPoint() {
    return kSpinPoint;
}

bool DpiRow::Create(HWND page, int id, const RECT& rect) {
    page_ = page;
    const int ids[4] = {IDB_DPI_ROW_NORMAL, IDB_DPI_ROW_HOVER, IDB_DPI_ROW_PRESSED,
                        IDB_DPI_ROW_DISABLED};
    for (int i = 0; i < 4; ++i) pictures_[i] = skin::LoadSkinBitmap(ids[i]);
    activePicture_ = skin::LoadSkinBitmap(IDB_DPI_ROW_ACTIVE);
    if (!CreateControl(kClassName, page, id, rect, WS_CLIPCHILDREN)) return false;
    const skin::SkinSources sources{pictures_[0].get(), pictures_[1].get(), pictures_[2].get(),
                                    pictures_[3].get()};
    for (int i = 0; i < kPresets; ++i) {
        presets_[i].Create(hwnd(), kFirstPresetId + i, kPresetRects[i]);
        presets_[i].SetSkin(kPresetRects[i], sources);
    }
    bar_.Create(hwnd(), kBarId, kBarRect);
    bar_.SetSkin(kBarRect, sources);
    switch_.Create(hwnd(), kSwitchId, kSwitchRect);
    switch_.SetSkin(kSwitchRect, sources);
    slider_.Create(IDB_DPI_TRACK, IDB_DPI_THUMB, kSliderRect, hwnd(), kRowSliderId);
    slider_.thumb().ShapeFromBitmap();
    slider_.SetRange(kDpiLevelMin, kDpiLevelMax);
    slider_.SetSnap(true);
    spin_.SetRange(kDpiLevelMin * kDpiStep, kDpiLevelMax * kDpiStep, kDpiStep);
    // Typing is taken on Enter or when the field is left, never halfway.
    spin_.SetCommitTyping(true);
    spin_.Create(hwnd(), kRowSpinId, kSpinPoint.x, kSpinPoint.y);
    SetState(level_, on_, active_);
    return true;
}

void DpiRow::SetHint(const std::string& hint) {
    for (auto& preset : presets_) preset.SetTooltip(hint);
    bar_.SetTooltip(hint);
    switch_.SetTooltip(hint);
    slider_.SetHint(hint);
    spin_.edit().SetHint(hint);
}

void DpiRow::SetState(int level, bool on, bool active) {
    level_ = level;
    on_ = on;
    active_ = active;
    slider_.SetPos(level);
    spin_.SetValue(level * kDpiStep);
    switch_.SetChecked(on);
    bar_.SetSelected(active);
    for (int i = 0; i < kPresets; ++i) presets_[i].SetSelected(i + 1 == level);
    EnableParts();
    InvalidateRect(hwnd(), nullptr, FALSE);
}

void DpiRow::EnableParts() {
    // A switched-off level can be neither changed nor made active; the active level
    // cannot be switched off.
    for (auto& preset : presets_) preset.Enable(on_);
    bar_.Enable(on_);
    EnableWindow(slider_.hwnd(), on_);
    EnableWindow(spin_.hwnd(), on_);
    EnableWindow(spin_.edit().hwnd(), on_);
    spin_.up().Enable(on_);
    spin_.down().Enable(on_);
    switch_.Enable(!active_);
}

void DpiRow::UserLevel(int level) {
    level_ = level;
    slider_.SetPos(level);
    spin_.SetValue(level * kDpiStep);
    for (int i = 0; i < kPresets; ++i) presets_[i].SetSelected(i + 1 == level);
    Notify(static_cast<int>(DpiRowChange::kLevel), level);
}

void DpiRow::Notify(int kind, int value) {
    PostMessageA(page_, kDpiRowMessage, DpiRowNotice(static_cast<DpiRowChange>(kind), value), id());
}

void DpiRow::Paint() {
    skin::PaintOffScreen(hwnd(), [this](HDC dc, const RECT& client) {
        skin::DrawBitmap(dc, active_ ? activePicture_.get() : pictures_[0].get(), client, false);
    });
}

LRESULT DpiRow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            Paint();
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_COMMAND: {
            const int child = LOWORD(wParam);
            if (child >= kFirstPresetId && child < kFirstPresetId + kPresets) {
                UserLevel(child - kFirstPresetId + 1);
            } else if (child == kBarId) {
                bar_.SetSelected(active_);  // shown as the record says until refreshed
                Notify(static_cast<int>(DpiRowChange::kActivate), 0);
            } else if (child == kSwitchId) {
                on_ = switch_.checked();
                EnableParts();
                Notify(static_cast<int>(DpiRowChange::kSwitch), on_ ? 1 : 0);
            }
            return 0;
        }
        case skin::kMsgSliderChanged:
            if (static_cast<int>(wParam) != level_) UserLevel(static_cast<int>(wParam));
            return 0;
        case skin::kMsgSpinChanged:
            UserLevel(LevelOfHeld(static_cast<int>(wParam)));
            return 0;
        default:
            return Default(message, wParam, lParam);
    }
}

}  // namespace tesh::option
