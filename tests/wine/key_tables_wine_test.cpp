// The live Windows layout, asked through MapVirtualKeyA, against the built-in US
// layout: under a US keyboard both must convert and name every key of the table alike.
#include <gtest/gtest.h>

#include "settings/key_tables.h"
#include "settings/win/windows_keyboard_layout.h"

namespace tesh {
namespace {

TEST(WindowsKeyboardLayout, MapsKeysAsTheUsLayout) {
    WindowsKeyboardLayout windows;
    EXPECT_EQ(windows.VkToScanCode(65), 30);
    EXPECT_EQ(windows.ScanCodeToVk(30), 65);
    EXPECT_EQ(windows.ScanCodeToVk(42), 160) << "left and right modifiers are told apart";
    EXPECT_EQ(windows.ScanCodeToVk(54), 161);
    EXPECT_EQ(windows.VkToChar(189), '-');
    EXPECT_EQ(windows.VkToChar(112), 0) << "F1 types nothing";
}

TEST(WindowsKeyboardLayout, ConvertsAndNamesEveryKeyAsTheUsLayout) {
    WindowsKeyboardLayout windows;
    UsKeyboardLayout us;
    for (const KeyCodeRow& row : KeyCodeTable) {
        SCOPED_TRACE(testing::Message()
                     << "virtual key " << row.virtualKey << ", usage " << row.usage);
        KeyCode usage = VkToUsage(row.virtualKey, windows);
        EXPECT_TRUE(usage.found);
        EXPECT_EQ(usage.code, VkToUsage(row.virtualKey, us).code);
        KeyCode vk = UsageToVk(row.usage, windows);
        EXPECT_TRUE(vk.found);
        EXPECT_EQ(vk.code, UsageToVk(row.usage, us).code);
        EXPECT_EQ(VkName(row.virtualKey, windows), VkName(row.virtualKey, us));
        EXPECT_EQ(UsageName(row.usage, windows), UsageName(row.usage, us));
    }
}

}  // namespace
}  // namespace tesh
