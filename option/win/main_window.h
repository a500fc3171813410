// The configuration application's main window: the six page tabs and the page area,
// the profile slot bar (slots, names, colour swatches, Windows-profile markers), the
// profile commands, the language button, the hint line and Apply / OK / Cancel. It
// carries out the user's commands and the monitor's messages through the model and
// refreshes itself from the working copy.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "option/app_model.h"
#include "option/win/advanced_page.h"
#include "option/win/button_page.h"
#include "option/win/colour_page.h"
#include "option/win/colour_swatch.h"
#include "option/win/help_texts.h"
#include "option/win/hint_line.h"
#include "option/win/language_menu.h"
#include "option/win/main_page.h"
#include "option/win/main_window_layout.h"
#include "option/win/trophy_page.h"
#include "option/win/update_page.h"
#include "settings/settings_store.h"
#include "skin/win/skin_button.h"
#include "skin/win/skinned_dialog.h"

namespace tesh::option {

class MainWindow : public skin::SkinnedDialog {
  public:
    MainWindow(AppModel& model, SettingsStore& store, std::string programDirectory)
        : model_(model),
          store_(store),
          directory_(std::move(programDirectory)),
          mainPage_(model),
          buttonPage_(model),
          advancedPage_(model),
          colourPage_(model),
          trophyPage_(model) {}
    bool Create();
    static constexpr char kClassName[] = "TeshOptionMainWindow";

  protected:
    void OnCreated() override;
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void CreateControls();
    void Start();
    void Refresh();
    void RefreshSlots();
    void RefreshSwatches();
    void LoadTexts();
    void ShowPage(int page);
    bool OnCommand(int id);
    void OnSlotMarker(int slot);
    bool Apply(uintptr_t applyKind);
    void ResetToDefaults();
    // Runs an apply with the wait cursor and OK and Apply disabled, then refreshes.
    Notice Applying(const std::function<Notice()>& apply);
    void RefreshVersions();
    void CloseWithoutApplying();
    void LoadProfileFile();
    void SaveProfileFile();
    void EditProfile(bool create);
    void ChooseLanguageFromMenu();
    void Tell(Notice notice);

    AppModel& model_;
    SettingsStore& store_;
    std::string directory_;
    HelpTexts texts_;
    int page_ = layout::kMainPage;
    int osClass_ = 0;
    skin::SkinButton tabs_[layout::kPageCount];
    skin::SkinButton create_, load_, save_, edit_;
    skin::SkinButton slots_[kProfileCount];
    skin::SkinButton markers_[kProfileCount];
    ColourSwatch swatches_[kProfileCount];
    skin::SkinButton names_[kProfileCount];
    LanguageButton language_;
    skin::SkinButton min_, exit_, ok_, apply_, cancel_;
    skin::OwnedBitmap flags_;
    skin::OwnedBitmap mouseTypePicture_;
    HWND mouseType_ = nullptr;
    MainPage mainPage_;
    ButtonPage buttonPage_;
    AdvancedPage advancedPage_;
    ColourPage colourPage_;
    TrophyPage trophyPage_;
    UpdatePage updatePage_;
    HintLine hint_;
};

}  // namespace tesh::option
