// Starting a player from where it is installed, or bringing Windows Media Player to
// the front when it is already open.
#include "monitor/events/media_players.h"
#include "monitor/events/text_match.h"

namespace tesh::monitor {

namespace {

constexpr char kWindowsMediaPlayerKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\wmplayer.exe";
constexpr char kWindowsMediaPlayerTitle[] = "Windows Media Player";
constexpr char kITunesKey[] = "SOFTWARE\\Apple Computer, Inc.\\iPod\\RegisteredApps\\4";
constexpr char kITunesValue[] = "path";
constexpr char kITunesName[] = "iTunes";
constexpr char kVlcKey[] = "SOFTWARE\\Classes\\Applications\\vlc.exe\\shell\\open\\command";
constexpr char kVlcName[] = "vlc";
constexpr char kVlcStartedOption[] = "--started";
constexpr char kWinampKey[] = "SOFTWARE\\Classes\\Winamp.File\\shell\\open\\command";
constexpr char kWinampStreamKey[] = "SOFTWARE\\Classes\\ICY\\shell\\open\\command";
constexpr char kWinampName[] = "winamp";
constexpr char kDefaultValue[] = "";
// A command shorter than this names no program.
constexpr std::size_t kShortestCommand = 10;

}  // namespace

std::string QuotedProgram(std::string_view command) {
    const auto open = command.find('"');
    if (open == std::string_view::npos) return std::string(command);
    const auto close = command.find('"', open + 1);
    return std::string(command.substr(
        open + 1, close == std::string_view::npos ? std::string_view::npos : close - open - 1));
}

std::string CommandLineOf(std::string_view program) {
    return "\"" + std::string(program) + "\"";
}

std::string VlcProgram(std::string_view command) {
    if (!command.empty() && command.front() == '"') return QuotedProgram(command);
    return std::string(command.substr(0, command.find(kVlcStartedOption)));
}

void MediaPlayers::StartOrFocus(int32_t player) {
    switch (player) {
        case kWindowsMediaPlayer:
            return StartWindowsMediaPlayer();
        case kITunes:
            return RunWhenNamed(machine_.Read(kITunesKey, kITunesValue).value_or(""), kITunesName);
        case kVlc:
            return StartVlc();
        case kWinamp:
            return StartWinamp();
        default:
            return;
    }
}

void MediaPlayers::StartWindowsMediaPlayer() {
    const std::string path = programs_.ExpandEnvironment(DefaultValue(kWindowsMediaPlayerKey));
    if (const WindowHandle window = windows_.Find("", kWindowsMediaPlayerTitle)) {
        windows_.BringToForeground(window, true);
        return;
    }
    if (!path.empty()) programs_.Run(CommandLineOf(path));
}

void MediaPlayers::StartVlc() {
    std::string command = DefaultValue(kVlcKey);
    if (command.size() < kShortestCommand) command = DefaultValue(kVlcKey);
    RunWhenNamed(VlcProgram(command), kVlcName);
}

void MediaPlayers::StartWinamp() {
    std::string command = DefaultValue(kWinampKey);
    if (command.size() < kShortestCommand) command = DefaultValue(kWinampStreamKey);
    RunWhenNamed(QuotedProgram(command), kWinampName);
}

void MediaPlayers::RunWhenNamed(const std::string& path, std::string_view name) {
    if (ContainsNoCase(path, name)) programs_.Run(CommandLineOf(path));
}

std::string MediaPlayers::DefaultValue(std::string_view key) {
    return machine_.Read(key, kDefaultValue).value_or("");
}

}  // namespace tesh::monitor
