// The media buttons with each of the four players: commands as each player listens
// to them, and starting or bringing up the player from where it is installed.
#include "monitor/events/media_players.h"

#include <gtest/gtest.h>

#include "monitor/events/event_names.h"
#include "tests/monitor/events/event_fakes.h"

namespace tesh::monitor::test {
namespace {

using Strings = std::vector<std::string>;

class MediaTest : public EventTest {
  protected:
    void Choose(MediaPlayer player) { Active().MediaOption = player; }
    void Press(uint8_t function) { Dispatch(kMediaClass, function); }
    // Posts as "<ms> <window> <message> <wParam> <lParam in hex>".
    Strings Posts() const {
        Strings result;
        for (const DesktopPost& post : desktop_.posts) {
            char text[96];
            std::snprintf(text, sizeof text, "%llu %llu %x %llu %08llx",
                          static_cast<unsigned long long>(post.timeMs),
                          static_cast<unsigned long long>(post.window), post.message,
                          static_cast<unsigned long long>(post.wParam),
                          static_cast<unsigned long long>(post.lParam) & 0xFFFFFFFFull);
            result.push_back(text);
        }
        return result;
    }
};

TEST(KeyMessageParam, StrokeScanCodeExtendedAndTransition) {
    EXPECT_EQ(KeyMessageParam(0x4B, false, false), 0x004B0001);
    EXPECT_EQ(KeyMessageParam(0x4D, true, false), 0x014D0001);
    EXPECT_EQ(static_cast<uint32_t>(KeyMessageParam(0x4D, true, true)), 0xC14D0001u);
}

TEST(PlayerPaths, TheProgramOfACommandLine) {
    EXPECT_EQ(QuotedProgram("\"C:\\Winamp\\winamp.exe\" \"%1\""), "C:\\Winamp\\winamp.exe");
    EXPECT_EQ(QuotedProgram("C:\\Winamp\\winamp.exe %1"), "C:\\Winamp\\winamp.exe %1");
    EXPECT_EQ(QuotedProgram("x \"C:\\open"), "C:\\open");
    EXPECT_EQ(VlcProgram("\"C:\\VLC\\vlc.exe\" --started-from-file \"%1\""), "C:\\VLC\\vlc.exe");
    EXPECT_EQ(VlcProgram("C:\\VLC\\vlc.exe --started-from-file %1"), "C:\\VLC\\vlc.exe ");
    EXPECT_EQ(VlcProgram("C:\\VLC\\vlc.exe %1"), "C:\\VLC\\vlc.exe %1");
}

TEST_F(MediaTest, WindowsMediaPlayerGetsApplicationCommandsThroughOurWindow) {
    Choose(kWindowsMediaPlayer);
    Press(kNextTrackCode);
    Press(kPreviousTrackCode);
    Press(kStopCode);
    Press(kPlayPauseCode);
    EXPECT_EQ(Posts(), (Strings{"0 256 319 256 000b0000", "0 256 319 256 000c0000",
                                "0 256 319 256 000d0000", "0 256 319 256 000e0000"}));
}

TEST_F(MediaTest, OnlyPressesOfMediaFunctionsAct) {
    Choose(kWindowsMediaPlayer);
    Dispatch(kMediaClass, kNextTrackCode, 1);
    Press(31);
    Press(40);
    Press(37);  // mute and the volume are the system's
    Press(39);
    EXPECT_TRUE(desktop_.posts.empty());
    EXPECT_TRUE(programs_.runs.empty());
}

TEST_F(MediaTest, ITunesGetsKeysHundredMillisecondsApart) {
    Choose(kITunes);
    Press(kNextTrackCode);
    EXPECT_TRUE(desktop_.posts.empty()) << "no window, nothing sent";
    desktop_.windows["iTunes|iTunes"] = 7;
    Press(kNextTrackCode);
    Press(kPreviousTrackCode);
    Press(kPlayPauseCode);
    Press(kStopCode);
    EXPECT_EQ(Posts(),
              (Strings{"0 7 100 17 001d0001", "100 7 100 39 014d0001", "200 7 101 39 c14d0001",
                       "300 7 101 17 c01d0001", "300 7 100 17 001d0001", "400 7 100 37 014b0001",
                       "500 7 101 37 c14b0001", "600 7 101 17 c01d0001", "600 7 100 32 00390001",
                       "700 7 101 32 c0390001"}));
}

TEST_F(MediaTest, VlcIsBroughtToTheFrontAndGetsItsLetters) {
    Choose(kVlc);
    desktop_.windows["QWidget|Song - VLC media player"] = 9;
    Press(kNextTrackCode);
    Press(kPreviousTrackCode);
    Press(kStopCode);
    EXPECT_EQ(desktop_.foreground, (Strings{"9", "9", "9"}));
    EXPECT_EQ(Posts(),
              (Strings{"0 9 100 78 00310001", "100 9 101 78 c0310001", "100 9 100 80 00190001",
                       "200 9 101 80 c0190001", "200 9 100 83 001f0001", "300 9 101 83 c01f0001"}));
}

TEST_F(MediaTest, WinampPlaysAndPausesInTurn) {
    Choose(kWinamp);
    desktop_.windows["Winamp v1.x|Winamp"] = 5;
    Press(kPlayPauseCode);
    Press(kPlayPauseCode);
    Press(kPlayPauseCode);
    Press(kNextTrackCode);
    Press(kPreviousTrackCode);
    Press(kStopCode);
    Strings commands;
    for (const DesktopPost& post : desktop_.posts) {
        EXPECT_EQ(post.message, kCommandMessage);
        commands.push_back(std::to_string(post.wParam));
    }
    EXPECT_EQ(commands, (Strings{"40045", "40046", "40045", "40048", "40044", "40047"}));
}

TEST_F(MediaTest, WindowsMediaPlayerIsBroughtUpOrStarted) {
    Choose(kWindowsMediaPlayer);
    machine_.Write("Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\wmplayer.exe", "",
                   "%SystemRoot%\\wmplayer.exe");
    Press(kOpenPlayerCode);
    EXPECT_EQ(programs_.runs, Strings{"\"C:\\Windows\\wmplayer.exe\""});
    desktop_.windows["WMPlayerApp|Windows Media Player"] = 3;
    Press(kOpenPlayerCode);
    EXPECT_EQ(desktop_.foreground, Strings{"3 attach"});
    EXPECT_EQ(programs_.runs.size(), 1u);
}

TEST_F(MediaTest, ITunesStartsFromItsRegisteredPath) {
    Choose(kITunes);
    const char key[] = "SOFTWARE\\Apple Computer, Inc.\\iPod\\RegisteredApps\\4";
    machine_.Write(key, "path", "C:\\Program Files\\Other\\player.exe");
    Press(kOpenPlayerCode);
    EXPECT_TRUE(programs_.runs.empty()) << "a path that does not name iTunes";
    machine_.Write(key, "path", "C:\\Program Files\\ITUNES\\iTunes.exe");
    Press(kOpenPlayerCode);
    EXPECT_EQ(programs_.runs, Strings{"\"C:\\Program Files\\ITUNES\\iTunes.exe\""});
}

TEST_F(MediaTest, VlcStartsFromItsOpenCommand) {
    Choose(kVlc);
    machine_.Write("SOFTWARE\\Classes\\Applications\\vlc.exe\\shell\\open\\command", "",
                   "\"C:\\Program Files\\VideoLAN\\VLC\\vlc.exe\" --started-from-file \"%1\"");
    Press(kOpenPlayerCode);
    EXPECT_EQ(programs_.runs, Strings{"\"C:\\Program Files\\VideoLAN\\VLC\\vlc.exe\""});
}

TEST_F(MediaTest, WinampFallsBackToTheStreamCommand) {
    Choose(kWinamp);
    machine_.Write("SOFTWARE\\Classes\\Winamp.File\\shell\\open\\command", "", "\"x\"");
    machine_.Write("SOFTWARE\\Classes\\ICY\\shell\\open\\command", "",
                   "\"C:\\Program Files\\Winamp\\winamp.exe\" \"%1\"");
    Press(kOpenPlayerCode);
    EXPECT_EQ(programs_.runs, Strings{"\"C:\\Program Files\\Winamp\\winamp.exe\""});
}

TEST_F(MediaTest, NothingStartsWhenNothingIsInstalled) {
    for (MediaPlayer player : {kWindowsMediaPlayer, kITunes, kVlc, kWinamp}) {
        Choose(player);
        Press(kOpenPlayerCode);
    }
    Choose(static_cast<MediaPlayer>(4));
    Press(kOpenPlayerCode);
    Press(kNextTrackCode);
    EXPECT_TRUE(programs_.runs.empty());
    EXPECT_TRUE(desktop_.posts.empty());
}

}  // namespace
}  // namespace tesh::monitor::test
