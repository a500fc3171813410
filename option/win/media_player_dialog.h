// The media-player dialog: which player the multimedia buttons control, chosen from
// a drop-down button.
#pragma once

#include <windows.h>

#include <optional>

#include "option/win/drop_down_button.h"
#include "skin/win/ok_cancel_dialog.h"

namespace tesh::option {

class MediaPlayerDialog : public skin::OkCancelDialog {
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
    void OnCommand(int id, int code) override;

  private:
    explicit MediaPlayerDialog(int start);

    int choice_;
    DropDownButton player_;
};

}  // namespace tesh::option
