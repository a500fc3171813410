// The device event handling of the real monitor, on a virtual mouse of its own: a
// button's function is assigned through the shared block and Apply as the
// configuration application does it, pressed with vmouse, and the outcome seen in
// config.ini, the block, and a low-level keyboard hook in a process of its own.
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "monitor/device_tables.h"
#include "monitor/events/usage_trophies.h"
#include "monitor/monitor_names.h"
#include "monitor/program_names.h"
#include "settings/ini_file.h"
#include "tests/wine/installed_monitor_test.h"
#include "tests/wine/key_probe.h"
#include "tests/wine/monitor_program.h"
#include "tests/wine/virtual_mouse_fixture.h"

namespace tesh::test {
namespace {

using namespace monitor;

constexpr int kSlot = 3;  // device button 3
constexpr int kVkF9 = 120;
constexpr uint8_t kF9Usage = 66;
constexpr uint8_t kAUsage = 4;
constexpr uint8_t kBUsage = 5;
constexpr uint8_t kCtrlBit = 4;
constexpr uint8_t kProfileCycleCode = 16;

class MonitorEventsTest : public InstalledMonitorTest {
  protected:
    void Assign(const std::function<void(ButtonRecord&)>& change) {
        InstalledMonitorTest::Assign(kSlot, change);
    }
    void Press() { ASSERT_EQ(Vmouse("press " + std::to_string(kSlot)).exitCode, 0); }
    void Release() { ASSERT_EQ(Vmouse("release " + std::to_string(kSlot)).exitCode, 0); }
};

TEST_F(MonitorEventsTest, AProfileButtonChangesTheProfileInConfigAndBlock) {
    StartBlockConnected();
    Assign([](ButtonRecord& button) { button.code = kProfileCycleCode; });
    Press();
    Release();
    const int next = (profile_ + 1) % kProfileCount;
    EXPECT_TRUE(WaitUntil([&] { return program_.ConfigInt("CurrentProfile") == next; }));
    EXPECT_TRUE(WaitUntil([&] { return block_->Read()->CurrentProfile == next; }));
}

TEST_F(MonitorEventsTest, AKeyCombinationButtonTypesItsKeysAndRepeatsAfterASecond) {
    StartBlockConnected();
    Assign([](ButtonRecord& button) {
        button.code = kKeyCombinationCode;
        button.eventCount = 1;
        button.events[0] = kF9Usage;
        button.events[1] = kCtrlBit;
    });
    KeyProbe probe(Beside("key_hook_probe.exe"), 8000);
    ASSERT_TRUE(probe.started());
    Press();
    Sleep(1700);  // the button held
    Release();
    const auto keys = probe.Keys();
    ASSERT_GE(keys.size(), 6u) << Describe(keys);
    EXPECT_EQ(keys[0].vk, VK_CONTROL);
    EXPECT_FALSE(keys[0].up);
    EXPECT_EQ(keys[1].vk, kVkF9);
    EXPECT_FALSE(keys[1].up);
    EXPECT_EQ(keys[keys.size() - 2].vk, kVkF9);
    EXPECT_TRUE(keys[keys.size() - 2].up);
    EXPECT_EQ(keys.back().vk, VK_CONTROL);
    EXPECT_TRUE(keys.back().up);
    // The repeats: F9 up and down again, the first a second after the press, then
    // every 100 ms.
    std::vector<long long> repeats;
    for (std::size_t i = 2; i + 2 < keys.size(); i += 2) {
        EXPECT_EQ(keys[i].vk, kVkF9);
        EXPECT_TRUE(keys[i].up);
        EXPECT_FALSE(keys[i + 1].up);
        repeats.push_back(keys[i].us);
    }
    ASSERT_GE(repeats.size(), 2u) << Describe(keys);
    const long long first = (repeats[0] - keys[1].us) / 1000;
    EXPECT_GE(first, 950);
    EXPECT_LE(first, 1300);
    const long long next = (repeats[1] - repeats[0]) / 1000;
    EXPECT_GE(next, 80);
    EXPECT_LE(next, 250);
}

TEST_F(MonitorEventsTest, AMacroButtonPlaysAndASecondPressStopsItLettingGoOfEveryKey) {
    StartBlockConnected();
    Assign([](ButtonRecord& button) {
        button.code = kMacroFunctionCode;
        button.repeatCount = 1;
        const MacroEvent events[] = {
            {kAUsage, 1, 200}, {kBUsage, 1, 10000}, {kBUsage, 2, 10}, {kAUsage, 2, 10}};
        button.eventCount = 4;
        std::memcpy(button.events, events, sizeof events);
    });
    KeyProbe probe(Beside("key_hook_probe.exe"), 9000);
    ASSERT_TRUE(probe.started());
    Press();
    Release();
    Sleep(1500);  // into the long press of B
    Press();
    Release();
    const auto keys = probe.Keys();
    ASSERT_GE(keys.size(), 4u) << Describe(keys);
    EXPECT_EQ(keys[0].vk, 'A');
    EXPECT_EQ(keys[1].vk, 'B');
    EXPECT_FALSE(keys[1].up);
    const SeenKey& lastB = keys[keys.size() - 2];
    const SeenKey& lastA = keys.back();
    EXPECT_EQ(lastB.vk, 'B');
    EXPECT_TRUE(lastB.up);
    EXPECT_EQ(lastA.vk, 'A');
    EXPECT_TRUE(lastA.up);
    const long long gap = (lastA.us - lastB.us) / 1000;
    EXPECT_GE(gap, 45) << "held keys are let go 50 ms apart";
    EXPECT_LE(gap, 150);
    EXPECT_LT((lastA.us - keys[0].us) / 1000, 8000) << "stopped long before its end";
    // B repeated while held, and nothing is held at the end.
    EXPECT_GT(std::count_if(keys.begin(), keys.end(),
                            [](const SeenKey& k) { return k.vk == 'B' && k.up; }),
              3);
    for (int vk : {'A', 'B'}) {
        const auto downs = std::count_if(keys.begin(), keys.end(),
                                         [&](const SeenKey& k) { return k.vk == vk && !k.up; });
        const auto ups = std::count_if(keys.begin(), keys.end(),
                                       [&](const SeenKey& k) { return k.vk == vk && k.up; });
        EXPECT_EQ(downs, ups) << static_cast<char>(vk);
    }
}

TEST_F(MonitorEventsTest, AUsageEventAdvancesTheCountersInTheBlock) {
    StartBlockConnected();
    const int32_t before = InfoValue(block_->Read()->InfoData, 0);
    ASSERT_EQ(Vmouse("usage 0xE100 25").exitCode, 0);
    EXPECT_TRUE(WaitUntil([&] { return InfoValue(block_->Read()->InfoData, 0) == before + 25; }));
    ASSERT_EQ(Vmouse("usage 0xEA00 1000").exitCode, 0);
    EXPECT_TRUE(WaitUntil([&] { return InfoValue(block_->Read()->InfoData, 9) >= 1000; }));
}

}  // namespace
}  // namespace tesh::test
