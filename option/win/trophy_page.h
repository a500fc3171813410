// The Trophy page: the usage statistics in three display modes (totals, per hour, per
// day), the level with its bar and picture, the trophy browser with each trophy's
// animation and text, sharing a trophy won, and the statistics reset. It shows the
// working copy's InfoData; only the reset changes it.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "option/app_model.h"
#include "option/statistics_view.h"
#include "option/win/help_texts.h"
#include "option/win/share_request.h"
#include "option/win/trophy_picture.h"
#include "skin/win/child_page.h"
#include "skin/win/skin_bitmap.h"
#include "skin/win/skin_button.h"

namespace tesh::option {

class TrophyPage : public skin::ChildPage {
  public:
    explicit TrophyPage(AppModel& model) : model_(model) {}
    bool Create(HWND mainWindow, int id, const RECT& rect, const std::string& programDirectory);
    // InfoData from the working copy, the level and the time since the first start.
    void Refresh();
    void SetTexts(const HelpTexts& texts);

    int displayMode() const { return mode_; }
    int browsedTrophy() const { return trophy_; }
    int level() const { return level_; }

    // The layout strings of the page's controls, for tests that click them.
    static const char* const kPreviousMode;
    static const char* const kNextMode;
    static const char* const kPreviousTrophy;
    static const char* const kNextTrophy;
    static const char* const kShare;
    static const char* const kReset;
    static const char* const kLevelBar;
    static const char* const kLevelText;
    static constexpr RECT kTrophyRect = {354, 95, 418, 159};

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void PaintOver(HDC dc) override;

  private:
    bool OnCommand(int id);
    void ShowTrophy();
    void ConfirmReset();
    void Share();
    void Redraw() { InvalidateRect(hwnd(), nullptr, FALSE); }

    AppModel& model_;
    std::string directory_;
    uint8_t info_[kInfoDataSize] = {};
    int mode_ = 0;
    int trophy_ = 0;
    int level_ = 0;
    Elapsed elapsed_ = {1, 1};
    skin::SkinButton previousMode_, nextMode_, previousTrophy_, nextTrophy_, share_, reset_;
    TrophyPicture picture_;
    std::unique_ptr<ShareRequest> shareRequest_;
    int pictureShown_ = -2;  // the trophy whose picture is loaded; -1 the locked one
    skin::OwnedFont counterFont_, sumFont_, titleFont_, textFont_;
    skin::OwnedBitmap levelBar_, levelBadges_, modeHeaders_;
};

}  // namespace tesh::option
