// The media-player dialog: which player the multimedia buttons control, chosen from
// a drop-down button.
#pragma once

#include <windows.h>

#include <optional>

#include "option/win/drop_down_button.h"
#include "skin/win/skin_button.h"
#include "skin/win/skinned_dialog.h"

namespace tesh::option {

class MediaPlayerDialog : public skin::SkinnedDialog {
  public:
    // The MediaOption confirmed with OK (0..3), or nullopt.
    static std::optional<int> Run(HWND owner, int start);

    static constexpr char kClassName[] = "TeshMediaPlayerDialog";
    static constexpr char kTitle[] = "MEDIA PLAYER CONTROL";
    static const char* const kPlayerLayout;
    static const char* const kOkLayout;
    static const char* const kCancelLayout;
    static const char* const kCloseLayout;
    static constexpr int kMenuFontHeight = 14;
    static constexpr int kMenuWidth = 140;

  protected:
    void OnCreated() override;
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnKey(WPARAM key) override;

  private:
    explicit MediaPlayerDialog(int start);
    void Finish(bool ok);

    int choice_;
    std::optional<int> chosen_;
    DropDownButton player_;
    skin::SkinButton ok_, cancel_, close_;
};

}  // namespace tesh::option
