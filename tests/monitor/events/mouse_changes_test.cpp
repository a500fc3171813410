// Changes made on the mouse: the image, config.ini, the registry and the pointer
// settings follow, the block is published, the configuration application is told and
// the change is spoken half a second later.
#include <gtest/gtest.h>

#include "monitor/events/event_names.h"
#include "monitor/osd_contacts.h"
#include "settings/registry_mirror.h"
#include "tests/monitor/events/event_fakes.h"

namespace tesh::monitor::test {
namespace {

using Strings = std::vector<std::string>;

class MouseChangesTest : public EventTest {};

TEST_F(MouseChangesTest, AProfileChangeIsStoredPublishedAppliedAndSpoken) {
    image_->Profiles[2].DbleClickSpeed = 700;
    Dispatch(kProfileClass, 3);
    EXPECT_EQ(image_->CurrentProfile, 2);
    EXPECT_EQ(ConfigValue("CurrentProfile"), "2");
    EXPECT_EQ(block_.publishes, 1);
    EXPECT_EQ(block_.last->CurrentProfile, 2);
    EXPECT_EQ(pointer_.doubleClickTime, 700);
    EXPECT_EQ(registry_.Read(kMouseKey, "DoubleClickSpeed"), "700");
    EXPECT_EQ(OptionPosts(), std::vector<uint32_t>{kProfileChangedMessage});
    EXPECT_EQ(OptionPosts(kOsdWindowTitle), std::vector<uint32_t>{kProfileChangedMessage});
    EXPECT_EQ(quib_.calls, (Strings{"PublishStatus", "SendQuixAimCpi"}));
    RunFor(499);
    EXPECT_TRUE(sounds_.numbers.empty());
    RunFor(1);
    EXPECT_EQ(sounds_.numbers, std::vector<int>{kSoundFirstProfile + 2});
    EXPECT_FALSE(host_.Running(kProfileSoundTimer)) << "spoken once";
}

TEST_F(MouseChangesTest, TheSoundSwitchIsThatOfTheProfileBefore) {
    image_->Profiles[0].SoundProfile = 0;
    Dispatch(kProfileClass, 2);
    RunFor(1000);
    EXPECT_TRUE(sounds_.numbers.empty());
    image_->Profiles[1].SoundProfile = 1;
    image_->Profiles[3].SoundProfile = 0;
    Dispatch(kProfileClass, 4);
    RunFor(1000);
    EXPECT_EQ(sounds_.numbers, std::vector<int>{kSoundFirstProfile + 3});
}

TEST_F(MouseChangesTest, ProfileValuesOutsideOneToFiveChangeNothing) {
    Dispatch(kProfileClass, 0);
    Dispatch(kProfileClass, 6);
    EXPECT_EQ(image_->CurrentProfile, 0);
    EXPECT_EQ(block_.publishes, 0);
    EXPECT_EQ(ConfigValue("CurrentProfile"), "-");
    EXPECT_TRUE(windows_.posts.empty());
}

TEST_F(MouseChangesTest, ARunOfChangesSpeaksOnlyTheLast) {
    Dispatch(kProfileClass, 2);
    RunFor(200);
    Dispatch(kCpiLevelClass, 5);
    RunFor(1000);
    EXPECT_EQ(sounds_.numbers, std::vector<int>{4000});
}

TEST_F(MouseChangesTest, ACpiLevelChangeSpeaksTheNewLevelsCpi) {
    // Levels 1, 2, 3, 5, 7: 400, 800, 1200, 2000, 4000 CPI; level index 1 is active.
    Dispatch(kCpiLevelClass, 4);
    EXPECT_EQ(Active().Cpi_X, 3);
    EXPECT_EQ(Active().Cpi_Y, 3);
    EXPECT_EQ(block_.publishes, 1);
    EXPECT_EQ(OptionPosts(), std::vector<uint32_t>{kDeviceValuesChangedMessage});
    EXPECT_EQ(OptionPosts(kOsdWindowTitle), std::vector<uint32_t>{kDeviceValuesChangedMessage});
    RunFor(500);
    EXPECT_EQ(sounds_.numbers, std::vector<int>{2000});
}

TEST_F(MouseChangesTest, ALevelWithTheSameCpiIsNotSpoken) {
    Active().CpiLevel_X[2] = 2;  // 800 like the active level
    Dispatch(kCpiLevelClass, 3);
    EXPECT_EQ(Active().Cpi_X, 2);
    EXPECT_EQ(block_.publishes, 1);
    RunFor(1000);
    EXPECT_TRUE(sounds_.numbers.empty());
}

TEST_F(MouseChangesTest, UnknownLevelValuesAreSpokenAs800) {
    Active().CpiLevel_X[4] = 9;
    Active().Cpi_X = 0;  // 400
    Dispatch(kCpiLevelClass, 5);
    RunFor(500);
    EXPECT_EQ(sounds_.numbers, std::vector<int>{800});
}

TEST_F(MouseChangesTest, CpiLevelsOutsideOneToFiveChangeNothing) {
    Dispatch(kCpiLevelClass, 0);
    Dispatch(kCpiLevelClass, 6);
    EXPECT_EQ(Active().Cpi_X, 1);
    EXPECT_EQ(block_.publishes, 0);
}

TEST_F(MouseChangesTest, SensitivityOfBothAxesWhenTheyAreSynchronous) {
    Active().XYSynchronous = 1;
    Dispatch(kSensitivityClass, 8, 9);
    EXPECT_EQ(Active().Sensitivity_X, 8);
    EXPECT_EQ(Active().Sensitivity_Y, 9);
    EXPECT_EQ(Active().Sensitivity, 6);
    RunFor(500);
    EXPECT_EQ(sounds_.numbers, std::vector<int>{kSoundSensitivityUp});
    Dispatch(kSensitivityClass, 2, 0);  // Y stays
    EXPECT_EQ(Active().Sensitivity_Y, 9);
    RunFor(500);
    EXPECT_EQ(sounds_.numbers.back(), kSoundSensitivityDown);
    EXPECT_EQ(block_.publishes, 2);
    EXPECT_EQ(OptionPosts().size(), 2u);
}

TEST_F(MouseChangesTest, SensitivityOfOneValueOtherwise) {
    Dispatch(kSensitivityClass, 12);
    EXPECT_EQ(Active().Sensitivity, 6);
    RunFor(1000);
    EXPECT_TRUE(sounds_.numbers.empty()) << "nothing stored, nothing spoken";
    EXPECT_EQ(block_.publishes, 1) << "published and told all the same";
    Dispatch(kSensitivityClass, 6);
    RunFor(1000);
    EXPECT_TRUE(sounds_.numbers.empty()) << "no change, no sound";
    Dispatch(kSensitivityClass, 5, 9);
    EXPECT_EQ(Active().Sensitivity, 5);
    EXPECT_EQ(Active().Sensitivity_Y, 6);
    RunFor(500);
    EXPECT_EQ(sounds_.numbers, std::vector<int>{kSoundSensitivityDown});
}

TEST_F(MouseChangesTest, PollingRate) {
    Dispatch(kPollingRateClass, 2);
    EXPECT_EQ(Active().PollingRate, 1);
    Dispatch(kPollingRateClass, 5);
    Dispatch(kPollingRateClass, 0);
    EXPECT_EQ(Active().PollingRate, 1);
    EXPECT_EQ(block_.publishes, 1);
    EXPECT_EQ(OptionPosts(), std::vector<uint32_t>{kDeviceValuesChangedMessage});
}

TEST_F(MouseChangesTest, VolumeFeedback) {
    Dispatch(kVolumeClass, kUp);
    RunFor(500);
    Dispatch(kVolumeClass, kDown);
    RunFor(500);
    Dispatch(kVolumeClass, kUp, 1);
    Dispatch(kVolumeClass, 2);
    RunFor(500);
    EXPECT_EQ(sounds_.numbers, (std::vector<int>{kSoundVolumeUp, kSoundVolumeDown}));
    Active().VolumeUpDown = 0;
    Dispatch(kVolumeClass, kUp);
    RunFor(500);
    EXPECT_EQ(sounds_.numbers.size(), 2u);
    EXPECT_EQ(block_.publishes, 0);
}

TEST_F(MouseChangesTest, SoundsPlayAtTheActiveProfilesVolume) {
    Active().SoundVolume = 4;
    Dispatch(kVolumeClass, kUp);
    RunFor(500);
    EXPECT_EQ(sounds_.lastVolume, 4);
}

}  // namespace
}  // namespace tesh::monitor::test
