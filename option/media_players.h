// The media players the multimedia buttons control, as the profile's MediaOption
// numbers them and the media-player dialog names them.
#pragma once

#include <string>

namespace tesh::option {

inline constexpr int kMediaPlayers = 4;
inline constexpr const char* kMediaPlayerNames[kMediaPlayers] = {"Windows Media player", "iTunes",
                                                                 "VLC Media Player", "Winamp"};
// The dialog's popup: player n is command kFirstPlayerCommand + n.
inline constexpr int kFirstPlayerCommand = 1001;

// An option outside 0..3 (a damaged file) shows and keeps the first player.
inline int ValidMediaOption(int option) {
    return option >= 0 && option < kMediaPlayers ? option : 0;
}
inline std::string MediaPlayerName(int option) {
    return kMediaPlayerNames[ValidMediaOption(option)];
}

}  // namespace tesh::option
