#include "option/win/media_player_dialog.h"

#include <vector>

#include "art/art_ids.h"
#include "option/media_players.h"

namespace tesh::option {
namespace {

constexpr int kPlayerId = 10;

}  // namespace

const char* const MediaPlayerDialog::kPlayerLayout = "BUTTON_PLAY,33,76,160,20,";
const char* const MediaPlayerDialog::kOkLayout = "BUTTON_OK,18,162,55,30,";
const char* const MediaPlayerDialog::kCancelLayout = "BUTTON_CANCEL,82,162,96,30,";
const char* const MediaPlayerDialog::kCloseLayout = "BUTTON_EXIT,276,4,22,22,";

MediaPlayerDialog::MediaPlayerDialog(int start) : choice_(ValidMediaOption(start)) {}

std::optional<int> MediaPlayerDialog::Run(HWND owner, int start) {
    MediaPlayerDialog dialog(start);
    if (!dialog.CreateDialogWindow(kClassName, kTitle, owner, IDB_PLAYER_DIALOG_NORMAL))
        return std::nullopt;
    dialog.RunModal();
    if (!dialog.accepted()) return std::nullopt;
    return dialog.choice_;
}

void MediaPlayerDialog::OnCreated() {
    player_.Create(hwnd(), kPlayerId, kPlayerLayout, sources());
    player_.SetCaption(MediaPlayerName(choice_));
    AddOkCancel(kOkLayout, kCancelLayout, kCloseLayout);
}

void MediaPlayerDialog::OnCommand(int id, int) {
    player_.OnCommand(id);
}

LRESULT MediaPlayerDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kDropDownMessage) {
        std::vector<DropDownChoice> players;
        for (int p = 0; p < kMediaPlayers; ++p)
            players.push_back({kFirstPlayerCommand + p, kMediaPlayerNames[p]});
        const int chosen =
            player_.ShowMenu(players, kFirstPlayerCommand + choice_, kMenuFontHeight, kMenuWidth);
        if (chosen) {
            choice_ = chosen - kFirstPlayerCommand;
            player_.SetCaption(MediaPlayerName(choice_));
        }
        return 0;
    }
    return OkCancelDialog::OnMessage(message, wParam, lParam);
}

}  // namespace tesh::option
