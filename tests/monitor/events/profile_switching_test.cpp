// Automatic profile switching by the program in the foreground, and the Windows
// profile when no profile names it.
#include "monitor/events/profile_switching.h"

#include <gtest/gtest.h>

#include <cstring>

#include "monitor/events/event_names.h"
#include "monitor/monitor_names.h"
#include "tests/monitor/events/event_fakes.h"

namespace tesh::monitor::test {
namespace {

using Strings = std::vector<std::string>;

TEST(ProgramPathMatches, FileNameAndExtensionWithoutRegardToCase) {
    EXPECT_TRUE(ProgramPathMatches("C:\\Games\\Quake\\Quake3.EXE", "quake3.exe"));
    EXPECT_TRUE(ProgramPathMatches("  C:\\Games\\game.exe  ", "game.exe"));
    EXPECT_TRUE(ProgramPathMatches("game.exe", "game.exe"));
    EXPECT_FALSE(ProgramPathMatches("C:\\Games\\game.exe", "game"));
    EXPECT_FALSE(ProgramPathMatches("C:\\Games\\game.exe", "agame.exe"));
    EXPECT_FALSE(ProgramPathMatches("   ", ""));
    EXPECT_FALSE(ProgramPathMatches("C:\\Games\\", ""));
}

class SwitchingTest : public EventTest {
  protected:
    SwitchingTest() { host_.StartTimer(kPollTimer, kPollTimerMs); }
    void SetGame(int profile, int index, const char* path) {
        ProfileRecord& p = image_->Profiles[profile];
        char* field = index == 0 ? p.GameFile0 : index == 1 ? p.GameFile1 : p.GameFile2;
        std::strcpy(field, path);
    }
    void OpenOption() { desktop_.windows[std::string("#32770|") + kOptionWindowTitle] = 0x200; }
};

TEST_F(SwitchingTest, TheProfileOfTheProgramInTheForeground) {
    SetGame(3, 2, "D:\\Games\\Shooter.exe");
    foreground_.name = "shooter.exe";
    RunFor(1999);
    EXPECT_EQ(image_->CurrentProfile, 0);
    RunFor(1);
    EXPECT_EQ(image_->CurrentProfile, 3);
    EXPECT_EQ(block_.last->CurrentProfile, 3);
    EXPECT_EQ(host_.calls, Strings{"Job 3 0"});
    EXPECT_EQ(quib_.calls, (Strings{"PublishStatus", "SendQuixAimCpi"}));
    EXPECT_EQ(OptionPosts(), std::vector<uint32_t>{kProfileChangedMessage});
    EXPECT_FALSE(pointer_.calls.empty());
    RunFor(500);
    EXPECT_EQ(sounds_.numbers, std::vector<int>{kSoundFirstProfile + 3});
    RunFor(4000);
    EXPECT_EQ(host_.calls.size(), 1u) << "nothing more while the program stays in front";
    EXPECT_EQ(block_.publishes, 1);
}

TEST_F(SwitchingTest, TheFirstProfileThatNamesTheProgramWins) {
    SetGame(4, 0, "game.exe");
    SetGame(2, 1, "C:\\game.exe");
    foreground_.name = "game.exe";
    RunFor(2000);
    EXPECT_EQ(image_->CurrentProfile, 2);
}

TEST_F(SwitchingTest, TheWindowsProfileOnlyWhileTheConfigurationIsClosed) {
    image_->WindowsProfile = 2;
    foreground_.name = "explorer.exe";
    OpenOption();
    RunFor(2000);
    EXPECT_EQ(image_->CurrentProfile, 0);
    desktop_.windows.clear();
    RunFor(2000);
    EXPECT_EQ(image_->CurrentProfile, 2);
    RunFor(500);
    EXPECT_EQ(sounds_.numbers, std::vector<int>{kSoundWindowsProfile});
}

TEST_F(SwitchingTest, NoWindowsProfileNoSwitch) {
    image_->WindowsProfile = -1;
    image_->CurrentProfile = 1;
    RunFor(4000);
    EXPECT_EQ(image_->CurrentProfile, 1);
    EXPECT_TRUE(host_.calls.empty());
}

TEST_F(SwitchingTest, AMatchedProgramSwitchesEvenWithTheConfigurationOpen) {
    SetGame(1, 0, "tool.exe");
    foreground_.name = "tool.exe";
    OpenOption();
    RunFor(2000);
    EXPECT_EQ(image_->CurrentProfile, 1);
}

TEST_F(SwitchingTest, TheSoundSwitchOfTheProfileBefore) {
    image_->Profiles[0].SoundProfile = 0;
    SetGame(1, 0, "tool.exe");
    foreground_.name = "tool.exe";
    RunFor(3000);
    EXPECT_EQ(image_->CurrentProfile, 1);
    EXPECT_TRUE(sounds_.numbers.empty());
}

TEST_F(SwitchingTest, SwitchToProfileByCall) {
    dispatcher_.SwitchToProfile(4);
    EXPECT_EQ(image_->CurrentProfile, 4);
    EXPECT_EQ(host_.calls, Strings{"Job 3 0"});
    dispatcher_.SwitchToProfile(5);
    EXPECT_EQ(image_->CurrentProfile, 4);
}

}  // namespace
}  // namespace tesh::monitor::test
