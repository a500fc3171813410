#include "featlink/exchange_log.h"

#include "featlink/event_codes.h"
#include "featlink/wire.h"
#include "tests/featlink/device_fixture.h"

namespace tesh::vmouse::test {
namespace {

using ExchangeLogTest = DeviceTest;

std::string Line(const DeviceState& state, uint32_t index) {
    return FormatLogEntry(LogEntryAt(state.log, index));
}

TEST_F(ExchangeLogTest, EveryExchangeIsLoggedWithItsTime) {
    clock_.now = 100;
    ASSERT_TRUE(Set({kReportStatus, 2, kSelectButtons}));
    clock_.now = 250;
    ASSERT_EQ(Status(), kStatusDone);
    ASSERT_EQ(LogSize(state().log), 2u);
    EXPECT_EQ(Line(state(), 0), "SET 04 02 90");
    EXPECT_EQ(Line(state(), 1), "GET 04 01 00") << "the bytes the mouse returned";
    EXPECT_EQ(LogEntryAt(state().log, 0).timeMs, 100u);
    EXPECT_EQ(LogEntryAt(state().log, 1).timeMs, 250u);
}

TEST_F(ExchangeLogTest, LongAndFailedExchangesAndEvents) {
    ASSERT_EQ(Get(kReportButtons, kButtonsLength).size(), 0u);
    EXPECT_EQ(Line(state(), 0), "GET 07 ... (59 bytes) failed");
    ASSERT_FALSE(ReadMacro(0, 3).empty());
    const LogEntry& macro = LogEntryAt(state().log, LogSize(state().log) - 1);
    EXPECT_EQ(macro.length, kMacroLength);
    EXPECT_EQ(FormatLogEntry(macro).substr(0, 22), "GET 08 22 08 00 03 00 ");
    EXPECT_EQ(FormatLogEntry(macro).size(), 3 + 64 * 3 + std::string(" ... (2082 bytes)").size());
    EXPECT_TRUE(FormatLogEntry(macro).ends_with(" ... (2082 bytes)"));

    device().faults().failSets = 1;
    EXPECT_FALSE(Set({kReportHostState, 3, 0}));
    EXPECT_EQ(Line(state(), LogSize(state().log) - 1), "SET 0e 03 00 failed");

    device().Emit(kEventHostButton, 0x0106);
    EXPECT_EQ(Line(state(), LogSize(state().log) - 1), "EVT 9000 0106");
    device().Unplug();
    EXPECT_EQ(Line(state(), LogSize(state().log) - 1), "EVT 7f00 0002");
}

TEST_F(ExchangeLogTest, RingKeepsTheNewestEntriesInOrder) {
    for (int i = 0; i < kLogEntries + 10; ++i) {
        clock_.now = static_cast<uint64_t>(i);
        device().Emit(kEventOpenDriver, static_cast<uint16_t>(i));
    }
    ASSERT_EQ(LogSize(state().log), static_cast<uint32_t>(kLogEntries));
    EXPECT_EQ(LogEntryAt(state().log, 0).timeMs, 10u);
    EXPECT_EQ(Line(state(), 0), "EVT a000 000a");
    EXPECT_EQ(LogEntryAt(state().log, kLogEntries - 1).timeMs, kLogEntries + 9u);
    ClearLog(state().log);
    EXPECT_EQ(LogSize(state().log), 0u);
}

}  // namespace
}  // namespace tesh::vmouse::test
