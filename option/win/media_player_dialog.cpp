#include "option/win/media_player_dialog.h"

#include <vector>

#include "art/art_ids.h"
#include "option/media_players.h"
#include "skin/layout_record.h"
#include "skin/win/layout_rect.h"

namespace tesh::option {
namespace {

constexpr int kPlayerId = 10;
constexpr int kOkId = 30;
constexpr int kCancelId = 31;
constexpr int kCloseId = 32;

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
    return dialog.chosen_;
}

void MediaPlayerDialog::OnCreated() {
    const skin::SkinSources pictures = sources();
    player_.Create(hwnd(), kPlayerId, kPlayerLayout, pictures);
    player_.SetCaption(MediaPlayerName(choice_));
    struct {
        skin::SkinButton& button;
        int id;
        const char* layout;
    } buttons[] = {{ok_, kOkId, kOkLayout},
                   {cancel_, kCancelId, kCancelLayout},
                   {close_, kCloseId, kCloseLayout}};
    for (auto& b : buttons) {
        b.button.Create(hwnd(), b.id, Layout(b.layout));
        b.button.SetSkin(skin::LayoutRect(b.layout), pictures);
    }
}

void MediaPlayerDialog::Finish(bool ok) {
    if (ok) chosen_ = choice_;
    SetResult(ok ? IDOK : IDCANCEL);
    Close();
}

bool MediaPlayerDialog::OnKey(WPARAM key) {
    if (key == VK_ESCAPE || key == VK_RETURN) {
        Finish(key == VK_RETURN);
        return true;
    }
    return false;
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
    if (message != WM_COMMAND) return SkinnedDialog::OnMessage(message, wParam, lParam);
    const int id = LOWORD(wParam);
    if (player_.OnCommand(id)) return 0;
    if (id == kOkId) {
        Finish(true);
    } else if (id == kCancelId || id == kCloseId) {
        Finish(false);
    }
    return 0;
}

}  // namespace tesh::option
