// The profile dialog of Create and Edit: the profile's name (at most 20 characters)
// and the three programs whose start switches to it, each with a browse button.
#pragma once

#include <windows.h>

#include <optional>

#include "option/app_model.h"
#include "option/win/help_texts.h"
#include "skin/win/bitmap_edit.h"
#include "skin/win/ok_cancel_dialog.h"
#include "skin/win/skin_button.h"

namespace tesh::option {

class ProfileDialog : public skin::OkCancelDialog {
  public:
    // Runs the dialog over `owner` with the fields filled from `start`; the identity
    // the user confirmed with OK, or nullopt.
    static std::optional<ProfileIdentity> Run(HWND owner, const ProfileIdentity& start,
                                              const HelpTexts& texts);

    static constexpr char kClassName[] = "TeshProfileDialog";
    static constexpr char kTitle[] = "CREATE / EDIT GAME PROFILE";
    static const char* const kNameLayout;
    static const char* const kProgramLayouts[3];
    static const char* const kBrowseLayouts[3];
    static const char* const kOkLayout;
    static const char* const kCancelLayout;
    static const char* const kCloseLayout;

  protected:
    void OnCreated() override;
    bool Accept() override;
    void OnCommand(int id, int code) override;

  private:
    ProfileDialog(const ProfileIdentity& start, const HelpTexts& texts)
        : start_(start), texts_(texts) {}

    ProfileIdentity start_;
    const HelpTexts& texts_;
    std::optional<ProfileIdentity> chosen_;
    skin::BitmapEdit name_;
    skin::BitmapEdit programs_[3];
    skin::SkinButton browse_[3];
};

}  // namespace tesh::option
