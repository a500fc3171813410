#include "option/win/main_window.h"

#include <cwchar>

#include "art/art_ids.h"
#include "option/light_palette.h"
#include "option/option_names.h"
#include "option/profile_transfer.h"
#include "option/win/file_dialogs.h"
#include "option/win/macro_manager.h"
#include "option/win/os_version.h"
#include "option/win/profile_dialog.h"
#include "settings/profile_file.h"
#include "settings/win/windows_registry.h"
#include "skin/win/hint.h"
#include "skin/win/layout_rect.h"
#include "skin/win/message_dialog.h"
#include "skin/win/skin_messages.h"

namespace tesh::option {
namespace {

using namespace layout;

// Posted to itself once the window shows, to tell what start-up found.
constexpr UINT kStartNoticeMessage = WM_APP + 1;
constexpr wchar_t kAttention[] = L"ATTENTION";
constexpr wchar_t kNote[] = L"NOTE";

const wchar_t* NoticeText(Notice notice) {
    switch (notice) {
        case Notice::kCannotMapBlock:
            return L"Could not map view of file.";
        case Notice::kBlockBusy:
            return L"The monitor's settings could not be reached. Nothing was applied; "
                   L"please try again.";
        case Notice::kFilesNotSaved:
            return L"The settings were applied, but a settings file could not be written.";
        case Notice::kFileUnreadable:
            return L"The profile file could not be read.";
        case Notice::kFileHoldsNoProfile:
            return L"The file holds no profile. The profile slot is unchanged.";
        case Notice::kFileNotSaved:
            return L"The profile file could not be written.";
        case Notice::kNone:
            break;
    }
    return L"";
}

}  // namespace

bool MainWindow::Create() {
    return CreateDialogWindow(kClassName, kWindowTitle, nullptr, IDB_MAIN_NORMAL, WS_MINIMIZEBOX);
}

void MainWindow::OnCreated() {
    skin::SetHintWindow(hwnd());
    hint_.Create(hwnd(), kHintRect);
    flags_ = skin::LoadSkinBitmap(IDB_LANGUAGE_FLAGS);
    CreateControls();
    Start();
}

void MainWindow::CreateControls() {
    const skin::SkinSources pictures = sources();
    auto make = [&](skin::SkinButton& button, int id, const char* place) {
        button.Create(hwnd(), id, Layout(place));
        button.SetSkin(skin::LayoutRect(place), pictures);
    };
    for (int i = 0; i < kPageCount; ++i) make(tabs_[i], kFirstTabId + i, kTabs[i]);
    make(create_, kCreateId, kCreate);
    make(load_, kLoadId, kLoad);
    make(save_, kSaveId, kSave);
    make(edit_, kEditId, kEdit);
    for (int slot = 0; slot < kProfileCount; ++slot) {
        make(slots_[slot], kFirstSlotId + slot, kSlots[slot]);
        make(markers_[slot], kFirstMarkerId + slot, kMarkers[slot]);
        make(swatches_[slot], kFirstSwatchId + slot, kSwatches[slot]);
        make(names_[slot], kFirstNameId + slot, kNames[slot]);
    }
    make(language_, kLanguageId, kLanguage);
    make(min_, kMinId, kMin);
    make(exit_, kExitId, kExit);
    make(ok_, kOkId, kOk);
    make(apply_, kApplyId, kApply);
    make(cancel_, kCancelId, kCancel);

    // The second mouse type's picture, shown only for that type.
    mouseTypePicture_ = skin::LoadSkinBitmap(IDB_MOUSE_TYPE);
    mouseType_ = CreateWindowExA(0, "STATIC", "", WS_CHILD | SS_BITMAP, kMouseTypeRect.left,
                                 kMouseTypeRect.top, kMouseTypeRect.right - kMouseTypeRect.left,
                                 kMouseTypeRect.bottom - kMouseTypeRect.top, hwnd(), nullptr,
                                 skin::SkinModule(), nullptr);
    SendMessageA(mouseType_, STM_SETIMAGE, IMAGE_BITMAP,
                 reinterpret_cast<LPARAM>(mouseTypePicture_.get()));
    mainPage_.Create(hwnd(), kFirstPageId, skin::LayoutRect(kPagePosition), directory_);
    const RECT page = skin::LayoutRect(kPagePosition);
    buttonPage_.Create(hwnd(), kFirstPageId + kButtonPage, page,
                       CurrentOsClass() == kWindowsXpClass);
    advancedPage_.Create(hwnd(), kFirstPageId + kAdvancedPage, page, directory_,
                         [this] { ResetToDefaults(); });
    colourPage_.Create(hwnd(), kFirstPageId + kColourPage, page, directory_);
    trophyPage_.Create(hwnd(), kFirstPageId + kTrophyPage, page, directory_);
    updatePage_.Create(hwnd(), kFirstPageId + kUpdatePage, page);
}

void MainWindow::Start() {
    const Notice notice = model_.Start();
    osClass_ = CurrentOsClass();
    Refresh();
    LoadTexts();
    ShowPage(kMainPage);
    if (notice != Notice::kNone) PostMessageA(hwnd(), kStartNoticeMessage, 0, 0);
}

void MainWindow::Refresh() {
    RefreshSlots();
    mainPage_.Refresh();
    buttonPage_.Refresh();
    advancedPage_.Refresh();
    colourPage_.Refresh();
    trophyPage_.Refresh();
    RefreshVersions();
    ShowWindow(mouseType_, model_.working().MouseType == 1 ? SW_SHOW : SW_HIDE);
}

void MainWindow::RefreshVersions() {
    updatePage_.SetVersionTexts(model_.softwareText(), model_.firmwareText());
    updatePage_.SetLinks(model_.links());
}

void MainWindow::RefreshSlots() {
    const SettingsSet& set = model_.working();
    for (int slot = 0; slot < kProfileCount; ++slot) {
        slots_[slot].SetSelected(slot == model_.slot());
        names_[slot].SetSelected(slot == model_.slot());
        markers_[slot].SetSelected(slot == set.WindowsProfile);
        const ProfileRecord& p = set.Profiles[slot];
        names_[slot].SetCaption(FieldText(p.ProFileName, sizeof p.ProFileName));
    }
    RefreshSwatches();
}

void MainWindow::RefreshSwatches() {
    for (int slot = 0; slot < kProfileCount; ++slot) {
        const Rgb c = ProfileColour(model_.working().Profiles[slot]);
        swatches_[slot].SetColour(RGB(c.red, c.green, c.blue));
    }
}

void MainWindow::LoadTexts() {
    texts_.Load(directory_, model_.working().QuickHelpLan);
    auto tip = [&](skin::SkinButton& button, int id, const char* place) {
        button.SetTooltip(texts_.Text(id, Layout(place).tooltip));
    };
    tip(min_, kMinText, kMin);
    tip(exit_, kExitText, kExit);
    for (int i = 0; i < kPageCount; ++i) tip(tabs_[i], kFirstTabText + i, kTabs[i]);
    tip(create_, kFirstCommandText, kCreate);
    tip(load_, kFirstCommandText + 1, kLoad);
    tip(save_, kFirstCommandText + 2, kSave);
    tip(edit_, kFirstCommandText + 3, kEdit);
    for (int slot = 0; slot < kProfileCount; ++slot) {
        tip(slots_[slot], kFirstSlotText + slot, kSlots[slot]);
        tip(names_[slot], kFirstNameText + slot, kNames[slot]);
        tip(markers_[slot], kMarkerText, kMarkers[slot]);
        tip(swatches_[slot], kSwatchText, kSwatches[slot]);
    }
    tip(ok_, kOkText, kOk);
    tip(apply_, kApplyText, kApply);
    tip(cancel_, kCancelText, kCancel);
    language_.SetTooltip(Layout(kLanguage).tooltip);
    language_.SetFlag(flags_.get(), model_.working().QuickHelpLan);
    mainPage_.SetTexts(texts_);
    advancedPage_.SetTexts(texts_);
    colourPage_.SetTexts(texts_);
    trophyPage_.SetTexts(texts_);
    updatePage_.SetTexts(texts_);
}

void MainWindow::ShowPage(int page) {
    page_ = page;
    for (int i = 0; i < kPageCount; ++i) tabs_[i].SetSelected(i == page);
    mainPage_.Show(page == kMainPage);
    buttonPage_.Show(page == kButtonPage);
    advancedPage_.Show(page == kAdvancedPage);
    colourPage_.Show(page == kColourPage);
    trophyPage_.Show(page == kTrophyPage);
    updatePage_.Show(page == kUpdatePage);
    // A page shown anew shows the working copy as it is now (the Advanced and Color
    // pages edit the same lighting fields).
    if (page == kButtonPage) buttonPage_.Refresh();
    if (page == kAdvancedPage) advancedPage_.Refresh();
    if (page == kColourPage) colourPage_.Refresh();
}

void MainWindow::OnSlotMarker(int slot) {
    if (model_.WindowsProfileNeedsConfirm(slot)) {
        wchar_t question[160];
        std::swprintf(question, std::size(question),
                      L"Use profile %d for Windows when no program of another profile runs?",
                      slot + 1);
        if (skin::Confirm(hwnd(), kNote, question)) model_.SetWindowsProfile(slot);
    } else {
        model_.ToggleWindowsProfile(slot);
    }
    RefreshSlots();
}

Notice MainWindow::Applying(const std::function<Notice()>& apply) {
    HCURSOR old = SetCursor(LoadCursor(nullptr, IDC_WAIT));
    ok_.Enable(false);
    apply_.Enable(false);
    const Notice notice = apply();
    ok_.Enable(true);
    apply_.Enable(true);
    SetCursor(old);
    if (notice != Notice::kNone) Tell(notice);
    return notice;
}

bool MainWindow::Apply(uintptr_t applyKind) {
    const Notice notice = Applying([&] {
        const Notice applied = model_.Apply(applyKind);
        mainPage_.Refresh();
        buttonPage_.Refresh();
        advancedPage_.Refresh();
        RefreshSlots();
        return applied;
    });
    return notice != Notice::kBlockBusy;
}

// The Advanced page's Reset, confirmed: every page shows the defaults, and the language
// may have changed with them.
void MainWindow::ResetToDefaults() {
    Applying([&] {
        const Notice applied = model_.ResetToDefaults(SystemLanguageId());
        Refresh();
        LoadTexts();
        return applied;
    });
}

void MainWindow::CloseWithoutApplying() {
    model_.Cancel();
    if (GetCapture() == hwnd()) ReleaseCapture();
    Close();
}

void MainWindow::LoadProfileFile() {
    std::optional<std::string> path = AskProfileToLoad(hwnd(), LoadDialogStart(store_));
    if (!path) return;
    const Notice notice = model_.LoadProfile(*path);
    if (notice != Notice::kNone) return Tell(notice);
    buttonPage_.ProfileLoaded(model_.slot());
    Refresh();
}

void MainWindow::SaveProfileFile() {
    std::optional<std::string> path =
        AskProfileToSave(hwnd(), SaveDialogStart(store_, model_.edited()));
    if (!path) return;
    const Notice notice = model_.SaveProfile(*path);
    if (notice != Notice::kNone) Tell(notice);
}

void MainWindow::EditProfile(bool create) {
    const ProfileIdentity start = create ? ProfileIdentity{} : model_.Identity();
    if (std::optional<ProfileIdentity> chosen = ProfileDialog::Run(hwnd(), start, texts_)) {
        model_.SetIdentity(*chosen);
        RefreshSlots();
    }
}

void MainWindow::ChooseLanguageFromMenu() {
    const int chosen =
        ChooseLanguage(hwnd(), language_.hwnd(), flags_.get(), model_.working().QuickHelpLan);
    if (chosen < 0) return;
    model_.SetLanguage(chosen);
    LoadTexts();
}

void MainWindow::Tell(Notice notice) {
    skin::ShowMessage(hwnd(), kAttention, NoticeText(notice));
}

bool MainWindow::OnCommand(int id) {
    if (id >= kFirstTabId && id < kFirstTabId + kPageCount) {
        ShowPage(id - kFirstTabId);
    } else if (id >= kFirstSlotId && id < kFirstSlotId + kProfileCount) {
        model_.SelectSlot(id - kFirstSlotId);
        Refresh();
    } else if (id >= kFirstNameId && id < kFirstNameId + kProfileCount) {
        model_.SelectSlot(id - kFirstNameId);
        Refresh();
    } else if (id >= kFirstMarkerId && id < kFirstMarkerId + kProfileCount) {
        OnSlotMarker(id - kFirstMarkerId);
    } else if (id >= kFirstSwatchId && id < kFirstSwatchId + kProfileCount) {
        OnSlotMarker(id - kFirstSwatchId);
    } else {
        switch (id) {
            case kCreateId:
                EditProfile(true);
                break;
            case kEditId:
                EditProfile(false);
                break;
            case kLoadId:
                LoadProfileFile();
                break;
            case kSaveId:
                SaveProfileFile();
                break;
            case kLanguageId:
                ChooseLanguageFromMenu();
                break;
            case kMinId:
                ShowWindow(hwnd(), SW_MINIMIZE);
                break;
            case kApplyId:
                Apply(kApplyNormal);
                break;
            case kOkId:
                if (Apply(kApplyNormal)) Close();
                break;
            case kExitId:
            case kCancelId:
                CloseWithoutApplying();
                break;
            default:
                return false;
        }
    }
    return true;
}

LRESULT MainWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            if (OnCommand(LOWORD(wParam))) return 0;
            break;
        case WM_CLOSE:  // from the monitor: the mouse was removed or it shuts down
            // An open macro manager ends first, as Cancel does (its recorder lets go of
            // the keyboard); the window closes once the manager's loop has unwound.
            if (MacroManager::CancelOpen()) {
                PostMessageA(hwnd(), WM_CLOSE, 0, 0);
                return 0;
            }
            CloseWithoutApplying();
            return 0;
        case skin::kMsgHint:
            hint_.SetText(skin::HintText());
            return 0;
        case kStartNoticeMessage:
            Tell(Notice::kCannotMapBlock);
            return 0;
        case kSettingsReadBackMessage:
            model_.OnSettingsReadBack();
            Refresh();
            return 0;
        case kSettingsChangedMessage:
            model_.OnSettingsChanged();
            Refresh();
            return 0;
        case kEnableApplyMessage:
            ok_.Enable(true);
            apply_.Enable(true);
            return 0;
        case kSensorChangedMessage:
            model_.OnSensorChanged();
            mainPage_.Refresh();
            if (model_.edited().XYSynchronous == 1) advancedPage_.Refresh();
            return 0;
        case kInfoDataMessage:
            model_.OnInfoDataChanged();
            trophyPage_.Refresh();
            return 0;
        case kDeviceTableMessage:
            model_.OnDeviceTableChanged();
            return 0;
        case kProfileColoursMessage:
            RefreshSwatches();
            return 0;
        default:
            break;
    }
    return SkinnedDialog::OnMessage(message, wParam, lParam);
}

}  // namespace tesh::option
