// The name dialog of a new macro set: 24 characters; Enter or OK accepts a name that
// is not empty once trimmed.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "skin/win/bitmap_edit.h"
#include "skin/win/ok_cancel_dialog.h"

namespace tesh::option {

class SetNameDialog : public skin::OkCancelDialog {
  public:
    // The trimmed name accepted, or nullopt.
    static std::optional<std::string> Run(HWND owner);

    static constexpr char kClassName[] = "TeshSetNameDialog";
    static constexpr char kTitle[] = "CREATE A MACRO SET";
    static const char* const kNameLayout;
    static const char* const kOkLayout;
    static const char* const kCancelLayout;
    static const char* const kCloseLayout;

  protected:
    void OnCreated() override;
    bool Accept() override;

  private:
    SetNameDialog() = default;

    std::optional<std::string> chosen_;
    skin::BitmapEdit name_;
};

}  // namespace tesh::option
