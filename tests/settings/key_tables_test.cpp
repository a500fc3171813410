#include "settings/key_tables.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <map>
#include <set>
#include <utility>

namespace tesh {
namespace {

constexpr int kVkA = 65, kVkQ = 81, kVkY = 89, kVkZ = 90;
constexpr int kUsageA = 4, kUsageQ = 20, kUsageY = 28, kUsageZ = 29;

// A layout like the US one in which some keys trade places: each virtual key of a
// pair sits where the other one sits on a US keyboard and types its own character.
class SwappedLayout : public KeyboardLayout {
  public:
    SwappedLayout() = default;
    SwappedLayout(std::initializer_list<std::pair<int, int>> pairs) {
        for (auto [a, b] : pairs) {
            swaps_[a] = b;
            swaps_[b] = a;
        }
    }
    // Takes a key off the keyboard: it has no scan code and types nothing.
    void Remove(int virtualKey) { removed_.insert(virtualKey); }

    int VkToScanCode(int virtualKey) const override {
        if (removed_.count(virtualKey)) return 0;
        return us_.VkToScanCode(Swap(virtualKey));
    }
    int ScanCodeToVk(int scanCode) const override {
        int virtualKey = Swap(us_.ScanCodeToVk(scanCode));
        return removed_.count(virtualKey) ? 0 : virtualKey;
    }
    int VkToChar(int virtualKey) const override {
        return removed_.count(virtualKey) ? 0 : us_.VkToChar(virtualKey);
    }

  private:
    int Swap(int virtualKey) const {
        auto it = swaps_.find(virtualKey);
        return it == swaps_.end() ? virtualKey : it->second;
    }
    UsKeyboardLayout us_;
    std::map<int, int> swaps_;
    std::set<int> removed_;
};

SwappedLayout GermanLike() {
    return SwappedLayout{{kVkY, kVkZ}};
}
SwappedLayout FrenchLike() {
    return SwappedLayout{{kVkA, kVkQ}};
}

TEST(KeyCodeTable, HasOneRowPerKeyAndNoneForUsage50) {
    EXPECT_EQ(KeyCodeTable.size(), 109u);
    std::set<int> virtualKeys, usages, scanCodes;
    for (const KeyCodeRow& row : KeyCodeTable) {
        EXPECT_TRUE(virtualKeys.insert(row.virtualKey).second) << row.virtualKey;
        EXPECT_TRUE(usages.insert(row.usage).second) << row.usage;
        if (row.scanCode != 0) {
            EXPECT_TRUE(scanCodes.insert(row.scanCode).second) << row.scanCode;
        }
        bool positional = row.usage >= 4 && row.usage <= 69;
        EXPECT_EQ(row.scanCode != 0, positional) << "usage " << row.usage;
    }
    EXPECT_EQ(usages.count(50), 0u);
    for (int button = 240; button <= 244; ++button) EXPECT_EQ(usages.count(button), 1u);
}

TEST(UsKeyboardLayout, TellsLeftAndRightModifiersApart) {
    UsKeyboardLayout us;
    EXPECT_EQ(us.ScanCodeToVk(42), 160);
    EXPECT_EQ(us.ScanCodeToVk(54), 161);
    EXPECT_EQ(us.ScanCodeToVk(29), 162);
    EXPECT_EQ(us.VkToScanCode(163), 29);
    EXPECT_EQ(us.ScanCodeToVk(0), 0);
    EXPECT_EQ(us.VkToChar(kVkA), 'a');
    EXPECT_EQ(us.VkToChar(16), 0);
}

TEST(KeyTablesUs, VkToUsage) {
    UsKeyboardLayout us;
    EXPECT_EQ(VkToUsage(kVkA, us).code, kUsageA);
    EXPECT_TRUE(VkToUsage(kVkA, us).found);
    EXPECT_EQ(VkToUsage(112, us).code, 58) << "F1";
    EXPECT_EQ(VkToUsage(123, us).code, 69) << "F12 sits at scan code 88";
    EXPECT_EQ(VkToUsage(242, us).code, 242);
    EXPECT_TRUE(VkToUsage(242, us).found);
    EXPECT_EQ(VkToUsage(110, us).code, 99) << "keypad keys keep their row";
    KeyCode none = VkToUsage(0, us);
    EXPECT_EQ(none.code, 0);
    EXPECT_FALSE(none.found);
    EXPECT_FALSE(VkToUsage(16, us).found) << "the generic Shift has no row";
}

TEST(KeyTablesUs, EveryUsageGoesToItsVirtualKeyAndBack) {
    UsKeyboardLayout us;
    for (const KeyCodeRow& row : KeyCodeTable) {
        KeyCode vk = UsageToVk(row.usage, us);
        ASSERT_TRUE(vk.found) << row.usage;
        EXPECT_EQ(vk.code, row.virtualKey) << "usage " << row.usage;
        KeyCode usage = VkToUsage(vk.code, us);
        ASSERT_TRUE(usage.found) << vk.code;
        EXPECT_EQ(usage.code, row.usage) << "virtual key " << vk.code;
    }
    for (int usage : {0, 3, 50, 100, 130, 255}) EXPECT_FALSE(UsageToVk(usage, us).found) << usage;
}

TEST(KeyTablesUs, VkName) {
    UsKeyboardLayout us;
    EXPECT_EQ(VkName(189, us), "-");
    EXPECT_EQ(VkName(kVkA, us), "A") << "letters are shown in upper case";
    EXPECT_EQ(VkName(48, us), "0");
    EXPECT_EQ(VkName(222, us), "'");
    EXPECT_EQ(VkName(96, us), "Num0");
    EXPECT_EQ(VkName(97, us), "Num1");
    EXPECT_EQ(VkName(105, us), "Num9");
    EXPECT_EQ(VkName(110, us), "Num.");
    EXPECT_EQ(VkName(112, us), "F1");
    EXPECT_EQ(VkName(123, us), "F12");
    EXPECT_EQ(VkName(160, us), "Left Shift");
    EXPECT_EQ(VkName(13, us), "Enter") << "named, not typed";
    EXPECT_EQ(VkName(32, us), "Space");
    EXPECT_EQ(VkName(244, us), "Side Button 2");
    EXPECT_EQ(VkName(0, us), "");
    EXPECT_EQ(VkName(124, us), "") << "F13 types nothing";
}

TEST(KeyTablesUs, UsageName) {
    UsKeyboardLayout us;
    EXPECT_EQ(UsageName(kUsageA, us), "A");
    EXPECT_EQ(UsageName(39, us), "0");
    EXPECT_EQ(UsageName(40, us), "Enter");
    EXPECT_EQ(UsageName(45, us), "-");
    EXPECT_EQ(UsageName(57, us), "Caps Lock");
    EXPECT_EQ(UsageName(58, us), "F1");
    EXPECT_EQ(UsageName(69, us), "F12");
    EXPECT_EQ(UsageName(89, us), "Num_1");
    EXPECT_EQ(UsageName(97, us), "Num_9");
    EXPECT_EQ(UsageName(98, us), "Num_0");
    EXPECT_EQ(UsageName(99, us), "Num_.");
    EXPECT_EQ(UsageName(100, us), "Europe 2") << "named without a row";
    EXPECT_EQ(UsageName(130, us), "Sleep");
    EXPECT_EQ(UsageName(224, us), "Left Control");
    EXPECT_EQ(UsageName(242, us), "Wheel");
    for (int usage : {0, 2, 3, 50, 102, 232, 245}) EXPECT_EQ(UsageName(usage, us), "") << usage;
}

TEST(KeyTablesUs, KeypadKeysAreSpelledDifferentlyByUsageAndVirtualKey) {
    UsKeyboardLayout us;
    EXPECT_EQ(UsageName(99, us), "Num_.");
    EXPECT_EQ(VkName(110, us), "Num.");
    EXPECT_EQ(UsageName(88, us), "Num_Enter");
    EXPECT_EQ(VkName(108, us), "NumRet");
}

TEST(KeyTablesLayout, UsageFollowsThePositionOfTheKey) {
    SwappedLayout french = FrenchLike();
    EXPECT_EQ(VkToUsage(kVkQ, french).code, kUsageA) << "Q types at the position of A";
    EXPECT_EQ(VkToUsage(kVkA, french).code, kUsageQ);
    EXPECT_EQ(VkToUsage(112, french).code, 58);
}

TEST(KeyTablesLayout, KeyWithoutScanCodeKeepsItsRow) {
    SwappedLayout layout;
    layout.Remove(192);
    KeyCode usage = VkToUsage(192, layout);
    EXPECT_TRUE(usage.found);
    EXPECT_EQ(usage.code, 53);
}

TEST(KeyTablesLayout, GermanLikeLayoutNamesUsagesByItsKeys) {
    SwappedLayout german = GermanLike();
    EXPECT_EQ(UsageToVk(kUsageZ, german).code, kVkY);
    EXPECT_EQ(UsageToVk(kUsageY, german).code, kVkZ);
    EXPECT_EQ(UsageToVk(kUsageA, german).code, kVkA);
    EXPECT_EQ(UsageName(kUsageZ, german), "Y");
    EXPECT_EQ(UsageName(kUsageY, german), "Z");
    EXPECT_EQ(VkToUsage(kVkZ, german).code, kUsageY);
    EXPECT_EQ(UsageName(VkToUsage(kVkZ, german).code, german), "Z") << "a key keeps its name";
    EXPECT_EQ(UsageToVk(74, german).code, 36) << "Home does not depend on the layout";
}

TEST(KeyTablesLayout, UsageAtAnEmptyPositionHasNoName) {
    SwappedLayout layout;
    layout.Remove(192);
    KeyCode vk = UsageToVk(53, layout);
    EXPECT_TRUE(vk.found);
    EXPECT_EQ(vk.code, 0);
    EXPECT_EQ(UsageName(53, layout), "");
}

}  // namespace
}  // namespace tesh
