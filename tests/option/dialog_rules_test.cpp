// The rules of the shortcut, program and media-player dialogs.
#include <gtest/gtest.h>

#include <string>

#include "option/button_labels.h"
#include "option/media_players.h"
#include "option/shortcut_edit.h"

namespace tesh::option {
namespace {

constexpr int kVkK = 'K', kUsageK = 14;
constexpr int kVkF9 = 0x78, kUsageF9 = 66;
constexpr int kVkNoUsage = 0x07;  // unassigned virtual key

TEST(ShortcutDialogRules, KeysFlagsAndWhatOkStores) {
    const UsKeyboardLayout us;
    ShortcutEdit edit(ShortcutChoice{0, 0});
    EXPECT_FALSE(edit.Result().has_value()) << "OK without a key does nothing";
    EXPECT_FALSE(edit.OnKey(kVkNoUsage, us));
    EXPECT_EQ(edit.usage(), 0);
    ASSERT_TRUE(edit.OnKey(kVkK, us));
    EXPECT_EQ(edit.usage(), kUsageK);
    EXPECT_EQ(edit.KeyName(us), "K");
    ASSERT_TRUE(edit.Result().has_value());
    EXPECT_EQ(edit.Result()->modifiers, 0) << "no flag clicked";

    edit.SetFlag(kFlagCtrl, true);
    edit.SetFlag(kFlagShift, true);
    EXPECT_EQ(edit.Result()->modifiers, modifier::kCtrl | modifier::kShift);
    EXPECT_EQ(ShortcutLabel(edit.Result()->usage, edit.Result()->modifiers, us), "Ctrl+Shift+K");

    // "None" greys the four out: they keep their look but cannot change and do not count.
    edit.SetFlag(kFlagNone, true);
    for (int f : {kFlagShift, kFlagCtrl, kFlagAlt, kFlagWin}) EXPECT_FALSE(edit.FlagEnabled(f));
    EXPECT_TRUE(edit.FlagEnabled(kFlagNone));
    edit.SetFlag(kFlagAlt, true);
    EXPECT_FALSE(edit.flag(kFlagAlt));
    EXPECT_TRUE(edit.flag(kFlagCtrl));
    EXPECT_EQ(edit.Result()->modifiers, modifier::kNone);
    edit.SetFlag(kFlagNone, false);
    EXPECT_EQ(edit.Result()->modifiers, modifier::kCtrl | modifier::kShift);

    // A release sets the key as a press does; the last key counts.
    ASSERT_TRUE(edit.OnKey(kVkF9, us));
    EXPECT_EQ(edit.Result()->usage, kUsageF9);
    EXPECT_FALSE(edit.flag(-1));
    EXPECT_FALSE(edit.flag(kShortcutFlags));
}

TEST(ShortcutDialogRules, StartsFromTheButtonsKeyAndBits) {
    const UsKeyboardLayout us;
    const ShortcutEdit edit(ShortcutChoice{kUsageF9, modifier::kAlt | modifier::kWin});
    EXPECT_EQ(edit.KeyName(us), "F9");
    EXPECT_TRUE(edit.flag(kFlagAlt));
    EXPECT_TRUE(edit.flag(kFlagWin));
    EXPECT_FALSE(edit.flag(kFlagNone));
    EXPECT_EQ(edit.Result()->modifiers, modifier::kAlt | modifier::kWin);
}

TEST(ProgramDialogRules, APathMustFitTheButtonWhole) {
    EXPECT_TRUE(ProgramPathFits(std::string(259, 'a')));
    EXPECT_FALSE(ProgramPathFits(std::string(260, 'a')));
    EXPECT_FALSE(ProgramPathFits(std::string("C:\\a\0b.exe", 10)));
}

TEST(MediaPlayerDialogRules, NamesAndDamagedOptions) {
    EXPECT_EQ(MediaPlayerName(3), "Winamp");
    EXPECT_EQ(MediaPlayerName(0), "Windows Media player");
    EXPECT_EQ(MediaPlayerName(7), "Windows Media player");
    EXPECT_EQ(ValidMediaOption(-1), 0);
}

}  // namespace
}  // namespace tesh::option
