#include "skin/win/gallery/gallery_window.h"

#include <windowsx.h>

#include <cstdio>

#include "art/art_ids.h"
#include "skin/layout_record.h"
#include "skin/win/cool_menu.h"
#include "skin/win/gallery/gallery_layout.h"
#include "skin/win/hint.h"
#include "skin/win/layout_rect.h"
#include "skin/win/message_dialog.h"
#include "skin/win/skin_messages.h"
#include "skin/win/window_shape.h"

namespace tesh::skin::gallery {
namespace {

constexpr char kClassName[] = "TeshSkinGallery";
constexpr char kTitle[] = "VORTAQ Skin Gallery";
constexpr std::size_t kLogLines = 3;
constexpr COLORREF kLogColour = RGB(154, 163, 173);
constexpr COLORREF kHintColour = RGB(111, 177, 222);
constexpr COLORREF kValueColour = RGB(230, 233, 236);

struct ButtonSpec {
    int id;
    const char* layout;
};
constexpr ButtonSpec kButtons[] = {
    {kExit, kExitLayout},       {kPush, kPushLayout},         {kDisabled, kDisabledLayout},
    {kToggle, kToggleLayout},   {kSelected, kSelectedLayout}, {kCaption, kCaptionLayout},
    {kLink, kLinkLayout},       {kMenu, kMenuLayout},         {kSkinMenu, kSkinMenuLayout},
    {kConfirm, kConfirmLayout}, {kNote, kNoteLayout},
};
struct RadioSpec {
    int id;
    const char* layout;
    int value;
};
constexpr RadioSpec kRadios[] = {
    {kRadioOne, kRadioOneLayout, 1},
    {kRadioTwo, kRadioTwoLayout, 2},
    {kRadioThree, kRadioThreeLayout, 3},
};
constexpr wchar_t kConfirmTitle[] = L"ATTENTION";
constexpr wchar_t kNoteTitle[] = L"NOTE";
constexpr wchar_t kConfirmText[] = L"Do you really want to delete the selected macro?";
constexpr wchar_t kNoteText[] = L"Please select a macro to delete.";

RECT RectOf(const char* layout) {
    LayoutRecord r = Layout(layout);
    return RECT{r.left, r.top, r.right, r.bottom};
}

RECT RectOf(const int (&r)[4]) {
    return RECT{r[0], r[1], r[2], r[3]};
}

std::string Describe(UINT message, WPARAM wParam, LPARAM lParam) {
    char text[128];
    if (message == EditKillFocusMessage()) {
        std::snprintf(text, sizeof text, "BitmapEdit_KillFocus");
    } else if (message == WM_COMMAND) {
        std::snprintf(text, sizeof text, "WM_COMMAND id %d code %d", LOWORD(wParam),
                      HIWORD(wParam));
    } else {
        std::snprintf(text, sizeof text, "%u  wParam %lld  lParam %lld", message,
                      static_cast<long long>(wParam), static_cast<long long>(lParam));
    }
    return text;
}

}  // namespace

GalleryWindow::~GalleryWindow() {
    if (hwnd_) DestroyWindow(hwnd_);
}

bool GalleryWindow::Create(int x, int y) {
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    if (!GetClassInfoExA(GetModuleHandleA(nullptr), kClassName, &wc)) {
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = Proc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        wc.hIcon = LoadIconA(wc.hInstance, MAKEINTRESOURCEA(IDI_TESH_APP));
        wc.lpszClassName = kClassName;
        if (!RegisterClassExA(&wc)) return false;
    }
    const int ids[4] = {IDB_GALLERY_NORMAL, IDB_GALLERY_HOVER, IDB_GALLERY_PRESSED,
                        IDB_GALLERY_DISABLED};
    for (int i = 0; i < 4; ++i) pictures_[i] = LoadSkinBitmap(ids[i]);
    SIZE size = BitmapSize(pictures_[0].get());
    hwnd_ = CreateWindowExA(WS_EX_APPWINDOW, kClassName, kTitle,
                            WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN, x, y, size.cx,
                            size.cy, nullptr, nullptr, GetModuleHandleA(nullptr), this);
    if (!hwnd_) return false;
    ShapeWindowFromBitmap(hwnd_, pictures_[0].get());
    SetHintWindow(hwnd_);
    CreateControls();
    ShowWindow(hwnd_, SW_SHOW);
    UpdateWindow(hwnd_);
    SetForegroundWindow(hwnd_);
    return true;
}

SkinButton& GalleryWindow::button(int id) {
    for (std::size_t i = 0; i < std::size(kButtons); ++i)
        if (kButtons[i].id == id) return buttons_[i];
    return buttons_[0];
}

void GalleryWindow::CreateControls() {
    SkinSources sources{pictures_[0].get(), pictures_[1].get(), pictures_[2].get(),
                        pictures_[3].get()};
    for (std::size_t i = 0; i < std::size(kButtons); ++i) {
        SkinButton& b = buttons_[i];
        b.Create(hwnd_, kButtons[i].id, Layout(kButtons[i].layout));
        b.SetSkin(RectOf(kButtons[i].layout), sources);
    }
    button(kPush).SetHoverId(kHoverIdPush);
    button(kDisabled).Enable(false);
    button(kToggle).SetToggleMode(true);
    button(kSelected).SetToggleMode(true);
    button(kSelected).SetSelected(true);
    button(kCaption).SetCaption("Tesh Ulma Optical", true);
    button(kLink).SetLink(true);

    textEdit_.Create(hwnd_, kTextEdit, Layout(kTextEditLayout));
    textEdit_.SetText("Profile name");
    numberEdit_.Create(hwnd_, kNumberEdit, Layout(kNumberEditLayout));
    numberEdit_.SetNumeric(true);
    LayoutRecord spin = Layout(kSpinLayout);
    spin_.SetRange(kSpinMinimum, kSpinMaximum, kSpinStep);
    spin_.Create(hwnd_, kSpin, spin.left, spin.top);
    spin_.SetValue(50);
    LayoutRecord dpi = Layout(kDpiSpinLayout);
    dpiSpin_.SetRange(kDpiMinimum, kDpiMaximum, kDpiStep);
    dpiSpin_.Create(hwnd_, kDpiSpin, dpi.left, dpi.top);
    dpiSpin_.SetValue(kDpiMaximum);

    slider_.Create(IDB_SLIDER_TRACK, IDB_SLIDER_THUMB, RectOf(kSliderLayout), hwnd_, kSlider);
    slider_.thumb().ShapeFromBitmap();
    slider_.SetHint(Layout(kSliderLayout).tooltip);
    slider_.SetPos(3);
    snapSlider_.Create(IDB_SLIDER_TRACK, IDB_SLIDER_THUMB, RectOf(kSnapSliderLayout), hwnd_,
                       kSnapSlider);
    snapSlider_.thumb().ShapeFromBitmap();
    snapSlider_.SetSnap(true);
    snapSlider_.SetPos(8);

    std::string dir = ProgramDirectory();
    char path[MAX_PATH];
    breathing_.Create(hwnd_, kBreathing, RectOf(kBreathingLayout));
    std::snprintf(path, sizeof path, kBreathingFile, dir.c_str());
    breathing_.Load(path);
    progress_.Create(hwnd_, kProgress, RectOf(kProgressLayout));
    std::snprintf(path, sizeof path, kProgressFile, dir.c_str());
    progress_.Load(path);
    still_.Create(hwnd_, kStill, RectOf(kStillLayout));
    std::snprintf(path, sizeof path, kStillFile, dir.c_str());
    still_.Load(path);

    list_.Create(hwnd_, kList, RectOf(kListLayout));
    for (int i = 1; i <= 20; ++i) list_.Add("Macro " + std::to_string(i));
    list_.Select(1);

    check_.Create(hwnd_, kCheck, Layout(kCheckLayout));
    check_.SetSkin(RectOf(kCheckLayout), sources);
    for (std::size_t i = 0; i < std::size(kRadios); ++i) {
        radios_[i].Create(hwnd_, kRadios[i].id, Layout(kRadios[i].layout));
        radios_[i].SetSkin(RectOf(kRadios[i].layout), sources);
        radioGroup_.Add(radios_[i], kRadios[i].value);
    }
    radioGroup_.Select(kRadios[0].value);
    SetDialogTexts(kConfirmText, kNoteText);
    BuildSkinMenu();
}

void GalleryWindow::BuildSkinMenu() {
    HBITMAP strip = pictures_[0].get();
    auto flag = [](int index) {
        const int left = kFlagStrip[0] + index * kFlagWidth;
        return RECT{left, kFlagStrip[1], left + kFlagWidth, kFlagStrip[3]};
    };
    const RECT japan = flag(0), germany = flag(1), france = flag(2);
    skinMenu_.AddItem(kSkinLoad, L"Load profile");
    skinMenu_.AddItem(kSkinSave, L"Save profile");
    skinMenu_.SetChecked(kSkinSave, true);
    skinMenu_.AddSeparator();
    skinMenu_.AddItem(kSkinJapanese, L"\u65e5\u672c\u8a9e", strip, &japan);
    skinMenu_.AddItem(kSkinGerman, L"Deutsch", strip, &germany);
    skinMenu_.AddItem(kSkinFrench, L"Fran\u00e7ais", strip, &france);
    skinMenu_.AddSeparator();
    skinMenu_.AddItem(kSkinDisabled, L"Not available now");
    skinMenu_.SetEnabled(kSkinDisabled, false);
    moreMenu_.AddItem(kSkinMoreFirst, L"\u0395\u03bb\u03bb\u03b7\u03bd\u03b9\u03ba\u03ac");
    moreMenu_.AddItem(kSkinMoreSecond, L"\u0420\u0443\u0441\u0441\u043a\u0438\u0439");
    skinMenu_.AddPopup(L"More languages", moreMenu_);
}

void GalleryWindow::SetDialogTexts(const std::wstring& confirm, const std::wstring& note) {
    confirmText_ = confirm;
    noteText_ = note;
}

std::string GalleryWindow::ProgramDirectory() const {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string dir(path);
    return dir.substr(0, dir.find_last_of('\\') + 1);
}

std::vector<Notice> GalleryWindow::Notices() const {
    std::lock_guard<std::mutex> guard(lock_);
    return notices_;
}

void GalleryWindow::ClearNotices() {
    std::lock_guard<std::mutex> guard(lock_);
    notices_.clear();
}

void GalleryWindow::Record(UINT message, WPARAM wParam, LPARAM lParam) {
    {
        std::lock_guard<std::mutex> guard(lock_);
        notices_.push_back({message, wParam, lParam});
    }
    log_.push_back(Describe(message, wParam, lParam));
    if (log_.size() > kLogLines) log_.erase(log_.begin());
    RECT r = RectOf(kLogRect);
    InvalidateRect(hwnd_, &r, FALSE);
    if (message == kMsgSliderChanged) {
        for (const auto& v : kSliderValueRects) {
            RECT value = RectOf(v);
            InvalidateRect(hwnd_, &value, FALSE);
        }
    }
}

void GalleryWindow::ShowMenu() {
    HMENU menu = CreatePopupMenu();
    AppendMenuA(menu, MF_STRING, kMenuFirst, "Load profile");
    AppendMenuA(menu, MF_STRING, kMenuSecond, "Save profile");
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, kMenuThird, "Reset to defaults");
    RECT r;
    GetWindowRect(button(kMenu).hwnd(), &r);
    TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN, r.left, r.bottom, 0, hwnd_, nullptr);
    DestroyMenu(menu);
}

void GalleryWindow::ShowSkinMenu() {
    RECT r;
    GetWindowRect(button(kSkinMenu).hwnd(), &r);
    const int chosen =
        skinMenu_.Track(hwnd_, POINT{r.left, r.bottom}, TPM_LEFTALIGN | TPM_TOPALIGN);
    Record(kMsgSkinMenuChosen, static_cast<WPARAM>(chosen), 0);
}

// Recorded first: the dialogs and menus below run their own message loops.
void GalleryWindow::OnCommand(WPARAM wParam, LPARAM lParam) {
    Record(WM_COMMAND, wParam, lParam);
    switch (LOWORD(wParam)) {
        case kExit:
            DestroyWindow(hwnd_);
            return;
        case kMenu:
            ShowMenu();
            return;
        case kSkinMenu:
            ShowSkinMenu();
            return;
        case kConfirm: {
            const bool ok = Confirm(hwnd_, kConfirmTitle, confirmText_);
            Record(kMsgConfirmAnswer, ok ? 1 : 0, 0);
            return;
        }
        case kNote:
            ShowMessage(hwnd_, kNoteTitle, noteText_);
            Record(kMsgNoteClosed, 0, 0);
            return;
        default:
            radioGroup_.OnCommand(LOWORD(wParam), nullptr);
            return;
    }
}

void GalleryWindow::Paint(HDC dc) {
    RECT client;
    GetClientRect(hwnd_, &client);
    DrawBitmap(dc, pictures_[0].get(), client, false);
    OwnedFont font = MakeFont("Arial", 14);
    HGDIOBJ old = SelectObject(dc, font.get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, kValueColour);
    const CclickHSlider* sliders[2] = {&slider_, &snapSlider_};
    for (int i = 0; i < 2; ++i) {
        RECT r = RectOf(kSliderValueRects[i]);
        std::string value = std::to_string(sliders[i]->pos());
        DrawTextA(dc, value.c_str(), -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    SetTextColor(dc, kLogColour);
    RECT line = RectOf(kLogRect);
    for (const std::string& text : log_) {
        DrawTextA(dc, text.c_str(), -1, &line, DT_LEFT | DT_TOP | DT_SINGLELINE);
        line.top += 14;
    }
    SetTextColor(dc, kHintColour);
    RECT hint = RectOf(kHintRect);
    std::string hintText = HintText();
    DrawTextA(dc, hintText.c_str(), -1, &hint, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    SelectObject(dc, old);
}

LRESULT GalleryWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == EditKillFocusMessage()) {
        Record(message, wParam, lParam);
        return 0;
    }
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd_, &ps);
            Paint(dc);
            EndPaint(hwnd_, &ps);
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;
        case WM_NCHITTEST: {
            // A press on the picture itself drags the window.
            LRESULT hit = DefWindowProcA(hwnd_, message, wParam, lParam);
            return hit == HTCLIENT ? HTCAPTION : hit;
        }
        case WM_COMMAND:
            OnCommand(wParam, lParam);
            return 0;
        case kMsgSliderChanged:
            if (static_cast<int>(lParam) == kSnapSlider)
                snapSlider_.SetPos(static_cast<int>(wParam));
            if (static_cast<int>(lParam) == kSlider) slider_.SetPos(static_cast<int>(wParam));
            Record(message, wParam, lParam);
            return 0;
        case kMsgSpinChanged:
        case kMsgEditChanged:
        case kMsgHover:
            Record(message, wParam, lParam);
            return 0;
        case kMsgHint: {
            Record(message, wParam, lParam);
            RECT r = RectOf(kHintRect);
            InvalidateRect(hwnd_, &r, FALSE);
            return 0;
        }
        case WM_DESTROY:
            if (HintWindow() == hwnd_) SetHintWindow(nullptr);
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcA(hwnd_, message, wParam, lParam);
    }
}

LRESULT CALLBACK GalleryWindow::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<GalleryWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (message == WM_NCCREATE) {
        self =
            static_cast<GalleryWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    if (!self) return DefWindowProcA(hwnd, message, wParam, lParam);
    LRESULT result = self->OnMessage(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
    }
    return result;
}

}  // namespace tesh::skin::gallery
