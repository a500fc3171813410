// The media player buttons: the player chosen in the active profile (MediaOption) is
// started or brought to the front, or told to go to the previous or next track, to
// play or pause, or to stop, each in the way that player listens to.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "monitor/device_ports.h"
#include "monitor/events/event_ports.h"
#include "settings/registry_port.h"

namespace tesh::monitor {

enum MediaPlayer : int32_t {
    kWindowsMediaPlayer = 0,
    kITunes = 1,
    kVlc = 2,
    kWinamp = 3,
};

// Function codes of the media buttons (the value a of a media event).
constexpr uint8_t kOpenPlayerCode = 32;
constexpr uint8_t kPreviousTrackCode = 33;
constexpr uint8_t kNextTrackCode = 34;
constexpr uint8_t kPlayPauseCode = 35;
constexpr uint8_t kStopCode = 36;

// Window messages the players are sent.
constexpr uint32_t kKeyDownMessage = 0x0100;
constexpr uint32_t kKeyUpMessage = 0x0101;
constexpr uint32_t kCommandMessage = 0x0111;
constexpr uint32_t kAppCommandMessage = 0x0319;
// Key messages to a player are this far apart.
constexpr uint32_t kPlayerKeyGapMs = 100;

// The lParam of a key message: one stroke, the scan code, the extended-key bit, and
// for a key-up the previous-state and transition bits.
intptr_t KeyMessageParam(int scanCode, bool extended, bool up);

// The program of a shell command line: the text between its first two quotes when it
// has a quote (a missing closing quote takes the rest), else the whole text.
std::string QuotedProgram(std::string_view command);
// VLC's command: the quoted program when it begins with a quote, else the text
// before "--started".
std::string VlcProgram(std::string_view command);
// The program as a command line: quoted, so that a path with spaces never starts
// another program ("C:\Program.exe" for "C:\Program Files\...").
std::string CommandLineOf(std::string_view program);

class MediaPlayers {
  public:
    // `machine` reads the machine-wide software keys where the players are installed.
    MediaPlayers(DesktopWindows& windows, ProgramRunner& programs, RegistryPort& machine,
                 Clock& clock)
        : windows_(windows), programs_(programs), machine_(machine), clock_(clock) {}

    // A media button `function` (32..39) pressed with `player` (MediaOption) chosen.
    void Control(int32_t player, uint8_t function);

  private:
    struct Key {
        int virtualKey;
        int scanCode;
        bool extended;
    };

    void StartOrFocus(int32_t player);
    void StartWindowsMediaPlayer();
    void StartVlc();
    void StartWinamp();
    // Runs the program when its path names the player.
    void RunWhenNamed(const std::string& path, std::string_view name);
    std::string DefaultValue(std::string_view key);

    void WindowsMediaPlayerCommand(uint8_t function);
    void ITunesCommand(uint8_t function);
    void VlcCommand(uint8_t function);
    void WinampCommand(uint8_t function);
    // Key-downs of `keys` in order, then their key-ups in reverse order.
    void SendKeys(WindowHandle window, const Key* keys, int count);

    DesktopWindows& windows_;
    ProgramRunner& programs_;
    RegistryPort& machine_;
    Clock& clock_;
    bool winampPlaying_ = false;
};

}  // namespace tesh::monitor
