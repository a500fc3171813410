// The commands of the four players: an application command to our own window for
// Windows Media Player, keys for iTunes and VLC, menu commands for Winamp.
#include "monitor/events/media_players.h"

namespace tesh::monitor {

namespace {

// Application commands (in the high word of lParam).
constexpr intptr_t kAppNextTrack = 11;
constexpr intptr_t kAppPreviousTrack = 12;
constexpr intptr_t kAppStop = 13;
constexpr intptr_t kAppPlayPause = 14;

constexpr char kITunesClass[] = "iTunes";
constexpr char kITunesTitle[] = "iTunes";
constexpr char kVlcClass[] = "QWidget";
constexpr char kVlcTitlePart[] = "VLC";
constexpr char kWinampClass[] = "Winamp v1.x";

// Winamp's menu commands.
constexpr uintptr_t kWinampPrevious = 40044;
constexpr uintptr_t kWinampPlay = 40045;
constexpr uintptr_t kWinampPause = 40046;
constexpr uintptr_t kWinampStop = 40047;
constexpr uintptr_t kWinampNext = 40048;

constexpr int kVkControl = 0x11;
constexpr int kVkSpace = 0x20;
constexpr int kVkLeft = 0x25;
constexpr int kVkRight = 0x27;
constexpr int kVkN = 'N';
constexpr int kVkP = 'P';
constexpr int kVkS = 'S';
constexpr int kScanControl = 0x1D;
constexpr int kScanSpace = 0x39;
constexpr int kScanLeft = 0x4B;
constexpr int kScanRight = 0x4D;
constexpr int kScanN = 0x31;
constexpr int kScanP = 0x19;
constexpr int kScanS = 0x1F;

constexpr uint32_t kTransitionBits = 0xC0000000u;
constexpr int kScanShift = 16;
constexpr int kExtendedBit = 24;

}  // namespace

intptr_t KeyMessageParam(int scanCode, bool extended, bool up) {
    uint32_t param = 1u | (static_cast<uint32_t>(scanCode & 0xFF) << kScanShift);
    if (extended) param |= 1u << kExtendedBit;
    if (up) param |= kTransitionBits;
    return static_cast<intptr_t>(param);
}

void MediaPlayers::Control(int32_t player, uint8_t function) {
    if (function == kOpenPlayerCode) return StartOrFocus(player);
    if (function < kPreviousTrackCode || function > kStopCode) return;
    switch (player) {
        case kWindowsMediaPlayer:
            return WindowsMediaPlayerCommand(function);
        case kITunes:
            return ITunesCommand(function);
        case kVlc:
            return VlcCommand(function);
        case kWinamp:
            return WinampCommand(function);
        default:
            return;
    }
}

void MediaPlayers::WindowsMediaPlayerCommand(uint8_t function) {
    intptr_t command = kAppStop;
    if (function == kPreviousTrackCode) command = kAppPreviousTrack;
    if (function == kNextTrackCode) command = kAppNextTrack;
    if (function == kPlayPauseCode) command = kAppPlayPause;
    const WindowHandle own = windows_.Own();
    windows_.Post(own, kAppCommandMessage, own, command << 16);
}

void MediaPlayers::ITunesCommand(uint8_t function) {
    if (function == kStopCode) return;
    const WindowHandle window = windows_.Find(kITunesClass, kITunesTitle);
    if (!window) return;
    if (function == kPlayPauseCode) {
        const Key space{kVkSpace, kScanSpace, false};
        return SendKeys(window, &space, 1);
    }
    const Key arrow = function == kNextTrackCode ? Key{kVkRight, kScanRight, true}
                                                 : Key{kVkLeft, kScanLeft, true};
    const Key keys[] = {{kVkControl, kScanControl, false}, arrow};
    SendKeys(window, keys, 2);
}

void MediaPlayers::VlcCommand(uint8_t function) {
    const WindowHandle window = windows_.FindContaining(kVlcClass, kVlcTitlePart);
    if (!window) return;
    windows_.BringToForeground(window, false);
    Key key{kVkS, kScanS, false};
    if (function == kNextTrackCode) key = {kVkN, kScanN, false};
    if (function == kPreviousTrackCode) key = {kVkP, kScanP, false};
    if (function == kPlayPauseCode) key = {kVkSpace, kScanSpace, false};
    SendKeys(window, &key, 1);
}

void MediaPlayers::WinampCommand(uint8_t function) {
    const WindowHandle window = windows_.Find(kWinampClass, "");
    if (!window) return;
    uintptr_t command = kWinampStop;
    if (function == kNextTrackCode) command = kWinampNext;
    if (function == kPreviousTrackCode) command = kWinampPrevious;
    if (function == kPlayPauseCode) {
        command = winampPlaying_ ? kWinampPause : kWinampPlay;
        winampPlaying_ = !winampPlaying_;
    }
    windows_.Post(window, kCommandMessage, command, 0);
}

void MediaPlayers::SendKeys(WindowHandle window, const Key* keys, int count) {
    bool first = true;
    auto send = [&](const Key& key, bool up) {
        if (!first) clock_.SleepMs(kPlayerKeyGapMs);
        first = false;
        windows_.Post(window, up ? kKeyUpMessage : kKeyDownMessage,
                      static_cast<uintptr_t>(key.virtualKey),
                      KeyMessageParam(key.scanCode, key.extended, up));
    };
    for (int i = 0; i < count; ++i) send(keys[i], false);
    for (int i = count - 1; i >= 0; --i) send(keys[i], true);
}

}  // namespace tesh::monitor
