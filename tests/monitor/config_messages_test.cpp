// The configuration application's messages against the virtual mouse: what each sends
// to the mouse, what it copies between the block and the image, and what it tells the
// OSD and the Quib peers.
#include "monitor/config_messages.h"

#include <algorithm>
#include <cstring>
#include <thread>

#include "monitor/device_tables.h"
#include "monitor/monitor_names.h"
#include "monitor/osd_contacts.h"
#include "monitor/program_names.h"
#include "monitor/report_format.h"
#include "settings/ini_file.h"
#include "tests/monitor/monitor_fixture.h"
#include "tests/monitor/program_fakes.h"

namespace tesh::monitor::test {
namespace {

constexpr int kProfile = 2;
constexpr int kSlot = 7;

class ConfigMessagesTest : public MonitorTest {
  protected:
    ConfigMessagesTest()
        : shared_(memory_),
          messages_(ConfigPorts{core(), image(), shared_, store_, osd_, osdWindows_, registry_,
                                pointer_, quib_}) {
        std::memcpy(memory_.block.get(), &image(), sizeof(SettingsSet));
    }

    // The block as the configuration application leaves it before a message.
    SettingsSet& block() { return *memory_.block; }
    intptr_t Send(uint32_t message, uintptr_t wParam = 0, intptr_t lParam = 0) {
        const auto result = messages_.Handle(message, wParam, lParam);
        EXPECT_TRUE(result.has_value()) << message;
        return result.value_or(-1);
    }
    std::vector<std::string> Writes(std::size_t count = 3) const {
        std::vector<std::string> out;
        for (const Transfer& t : transfers()) {
            if (t.set) out.push_back(t.Brief(count));
        }
        return out;
    }

    FakeBlockMemory memory_;
    SharedSettingsBlock shared_;
    OsdSettings osd_ = DefaultOsdSettings();
    RecordingWindows osdWindows_;
    FakePointerSystem pointer_;
    FakeQuib quib_;
    ConfigMessages messages_;
};

TEST_F(ConfigMessagesTest, ApplyOfOneFlaggedMacroButtonSendsItsButtonAndMacroReportsOnly) {
    FillMacro(block().Profiles[kProfile].Buttons[kSlot], 40, 9);
    block().ButtonChanged[kProfile][kSlot] = 1;
    ClearLog();
    EXPECT_EQ(Send(kApplyMessage), 0);
    char macro[32];
    std::snprintf(macro, sizeof macro, "SET 08 22 08 %02x %02x", kProfile,
                  DeviceButtonOfSlot(kSlot));
    EXPECT_EQ(Writes(5), (std::vector<std::string>{"SET 07 3b 02 01 00", macro}));
    EXPECT_EQ(std::memcmp(mouse().flash.macros[kProfile][DeviceButtonOfSlot(kSlot)].events,
                          block().Profiles[kProfile].Buttons[kSlot].events, 160),
              0);
    // Written: no longer a change, in the image and in the block.
    EXPECT_EQ(image().ButtonChanged[kProfile][kSlot], 0);
    EXPECT_EQ(block().ButtonChanged[kProfile][kSlot], 0);
    EXPECT_EQ(quib_.calls, (std::vector<std::string>{"PublishStatus", "SendQuixAimCpi"}));
}

TEST_F(ConfigMessagesTest, AMacroThatCouldNotBeWrittenStaysFlaggedForTheNextApply) {
    FillMacro(block().Profiles[kProfile].Buttons[kSlot], 40, 9);
    block().ButtonChanged[kProfile][kSlot] = 1;
    faults().failSets = 100;
    Send(kApplyMessage);
    EXPECT_EQ(image().ButtonChanged[kProfile][kSlot], 1);
    EXPECT_EQ(block().ButtonChanged[kProfile][kSlot], 1);
}

TEST_F(ConfigMessagesTest, ApplyOfAFlaggedButtonWithoutMacroSendsOneButtonReport) {
    block().Profiles[kProfile].Buttons[kSlot].code = kKeyCombinationCode;
    block().ButtonChanged[kProfile][kSlot] = 1;
    ClearLog();
    Send(kApplyMessage);
    EXPECT_EQ(Writes(), (std::vector<std::string>{"SET 07 3b 02"}));
    EXPECT_EQ(mouse().flash.buttons[kProfile][DeviceButtonOfSlot(kSlot)].code, kKeyCombinationCode);
}

TEST_F(ConfigMessagesTest, RestoreDefaultsSendsTheCommandAndNothingElse) {
    MarkAllChanged(block());
    ClearLog();
    EXPECT_EQ(Send(kApplyMessage, kApplyRestoreDefaults), 0);
    EXPECT_EQ(Writes(6), (std::vector<std::string>{"SET 09 06 0b 00 00 00"}));
}

TEST_F(ConfigMessagesTest, ApplyWithoutTheMouseChangesTheImageAndPointerButSendsNothing) {
    Unplug();
    block().Profiles[0].DbleClickSpeed = 321;
    block().ProfileChanged[0] = 1;
    block().CurrentProfile = 0;
    OsdSettings saved = DefaultOsdSettings();
    saved.value28 = 0x12345;  // only the low 16 bits travel
    saved.value32 = 0x6789;
    IniFile(dir_.File(kConfigIni)).WriteStruct(kOsdSection, kOsdKey, &saved, sizeof saved);
    ClearLog();
    EXPECT_EQ(Send(kApplyMessage), 0);
    EXPECT_TRUE(transfers().empty());
    EXPECT_EQ(image().Profiles[0].DbleClickSpeed, 321);
    EXPECT_EQ(pointer_.doubleClickTime, 321);
    EXPECT_TRUE(quib_.calls.empty());
    ASSERT_EQ(osdWindows_.posts.size(), 1u) << "the OSD hears of it all the same";
    EXPECT_EQ(osdWindows_.posts[0].title, kOsdWindowTitle);
    EXPECT_EQ(osdWindows_.posts[0].message, kOsdSettingsMessage);
    EXPECT_EQ(osdWindows_.posts[0].lParam, 0x23456789);
}

TEST_F(ConfigMessagesTest, RefreshesCopyTheBlockAndSendNothing) {
    for (uint32_t message : {kRefreshMessage, kInfoDataChangedMessage, kRefreshPointerMessage}) {
        block().InfoData[0] = static_cast<uint8_t>(message);
        block().CurrentProfile = 1;
        block().Profiles[1].MouseSpeed = static_cast<int32_t>(message % 20);
        pointer_.calls.clear();
        ClearLog();
        EXPECT_EQ(Send(message), 0);
        EXPECT_EQ(image().InfoData[0], static_cast<uint8_t>(message));
        EXPECT_TRUE(transfers().empty());
        EXPECT_EQ(pointer_.calls.empty(), message != kRefreshPointerMessage) << message;
    }
}

TEST_F(ConfigMessagesTest, CalibrationModeThreeSendsZeroLzcBytes) {
    ClearLog();
    EXPECT_EQ(Send(kCalibrationStepMessage, 0, 3), 0);
    const auto sets = Writes(6);
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0].substr(0, 9), "SET 0f 06");
    EXPECT_EQ(sets[0].substr(16), "00 00");
}

TEST_F(ConfigMessagesTest, SpecialModeRefreshesThenWritesTheSensorSettings) {
    block().LiftOnFlag = 1;
    ClearLog();
    EXPECT_EQ(Send(kSpecialModeMessage, 0, 254), 0);
    const auto sets = Writes(3);
    EXPECT_EQ(sets, (std::vector<std::string>{"SET 0f 06 01"}));
}

TEST_F(ConfigMessagesTest, TheUnusedMessagesAnswerZeroAndOthersAreNotTheirs) {
    MarkAllChanged(block());
    block().CurrentProfile = 4;
    for (uint32_t message : {kUnusedMessage1232, kUnusedMessage1274}) {
        EXPECT_EQ(Send(message, 1, 1), 0);
    }
    EXPECT_NE(image().CurrentProfile, 4) << "no refresh";
    EXPECT_FALSE(messages_.Handle(1225, 0, 0).has_value());
    EXPECT_FALSE(messages_.Handle(kPlugMessage, 1, 0).has_value());
    EXPECT_TRUE(transfers().empty());
}

TEST_F(ConfigMessagesTest, ABlockMutexThatCannotBeHadLeavesTheImageAsItIs) {
    block().CurrentProfile = 4;
    memory_.lockFails = true;
    Send(kRefreshMessage);
    EXPECT_NE(image().CurrentProfile, 4);
    shared_.Publish(image());
    EXPECT_EQ(block().CurrentProfile, 4) << "publish skipped too";
    memory_.lockFails = false;
    Send(kRefreshMessage);
    EXPECT_EQ(image().CurrentProfile, 4);
}

// Another program's 1224 comes in while the system is told the pointer settings or a
// Quib peer is sent the CPI values: the lock is free then, and the nested Apply runs.
TEST_F(ConfigMessagesTest, AnApplyLetInWhileTellingTheSystemOrAPeerRuns) {
    for (int nested = 0; nested < 2; ++nested) {
        int applies = 0;
        const auto applyAgain = [&] {
            if (applies++ > 0) return;
            const bool free = core().imageLock().try_lock();
            EXPECT_TRUE(free) << "the image's lock is held across a sent message";
            if (!free) return;
            core().imageLock().unlock();
            Send(kApplyMessage);
        };
        pointer_.whileTelling = nested == 0 ? std::function<void()>(applyAgain) : nullptr;
        quib_.whileSending = nested == 1 ? std::function<void()>(applyAgain) : nullptr;
        Send(kApplyMessage);
        EXPECT_EQ(applies, 2) << nested;
    }
}

// A read-all waits for a mouse that answers busy: the window thread's messages go on
// meanwhile, and an unplug stops the job at its next pause step.
TEST_F(ConfigMessagesTest, WindowThreadAnswersWhileAJobWaitsForABusyMouse) {
    faults().busyPolls = 1000;
    block().Profiles[1].PollingRate = 2;
    bool lockFree = false;
    clock_.At(5000, [&] {
        // From another thread, as the worker is the one sleeping here.
        std::thread([&] {
            lockFree = core().imageLock().try_lock();
            if (lockFree) core().imageLock().unlock();
            Send(kRefreshMessage);
            Unplug();
        }).join();
    });
    core().RunJob(kJobReadAll, 0);
    EXPECT_TRUE(lockFree);
    EXPECT_EQ(image().Profiles[1].PollingRate, 2) << "the refresh went through";
    EXPECT_LE(clock_.NowMs(), 5000u + kPauseStepMs) << "stopped at the next pause step";
    EXPECT_EQ(block_.publishes, 0);
}

// An Apply during a read-all goes to the mouse between the read-all's exchanges (here
// in its first pause) without waiting for it; what the read-all read may be stale, so
// it saves nothing and asks to read again.
TEST_F(ConfigMessagesTest, AnApplyDuringAReadAllMakesItReadAgain) {
    FillMacro(block().Profiles[kProfile].Buttons[kSlot], 3, 4);
    block().ButtonChanged[kProfile][kSlot] = 1;
    clock_.At(50, [&] { std::thread([&] { Send(kApplyMessage); }).join(); });
    core().RunJob(kJobReadAll, 0);
    const auto sets = Writes(2);
    EXPECT_EQ(std::count(sets.begin(), sets.end(), "SET 07 3b"), 1);
    EXPECT_EQ(block_.publishes, 0) << "the read-all saved and published nothing";
    EXPECT_EQ(host_.calls.front(), "PostDeviceJob 2 0");
    core().RunJob(kJobReadAll, 0);
    EXPECT_EQ(block_.publishes, 1);
    EXPECT_EQ(image().Profiles[kProfile].Buttons[kSlot].code,
              block().Profiles[kProfile].Buttons[kSlot].code);
    EXPECT_EQ(image().Profiles[kProfile].Buttons[kSlot].eventCount, 3);
}

}  // namespace
}  // namespace tesh::monitor::test
