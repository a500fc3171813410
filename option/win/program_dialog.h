// The Quicklaunch program dialog: the path of the program a button starts, typed or
// browsed for. A path longer than the button holds is refused with the dialog left
// open; the path is not tested for existence.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "skin/win/bitmap_edit.h"
#include "skin/win/ok_cancel_dialog.h"
#include "skin/win/skin_button.h"

namespace tesh::option {

class ProgramDialog : public skin::OkCancelDialog {
  public:
    // The path confirmed with OK, or nullopt.
    static std::optional<std::string> Run(HWND owner, const std::string& start);

    static constexpr char kClassName[] = "TeshProgramDialog";
    static constexpr char kTitle[] = "QUICKLAUNCH FUNCTION";
    static const char* const kPathLayout;
    static const char* const kBrowseLayout;
    static const char* const kOkLayout;
    static const char* const kCancelLayout;
    static const char* const kCloseLayout;

  protected:
    void OnCreated() override;
    bool Accept() override;
    void OnCommand(int id, int code) override;

  private:
    explicit ProgramDialog(const std::string& start) : start_(start) {}

    std::string start_;
    std::optional<std::string> chosen_;
    skin::BitmapEdit path_;
    skin::SkinButton browse_;
};

}  // namespace tesh::option
