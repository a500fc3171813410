// The status handshake after a write, in virtual time: the pause schedule, busy and
// failed answers, failed writes and the cancel flag.
#include <numeric>

#include "monitor/report_format.h"
#include "tests/monitor/monitor_fixture.h"

namespace tesh::monitor::test {
namespace {

using WaitForReady = MonitorTest;

uint64_t Sum(const std::vector<uint64_t>& gaps) {
    return std::accumulate(gaps.begin(), gaps.end(), uint64_t{0});
}

TEST_F(WaitForReady, DoneAfterTheFirstPause) {
    EXPECT_TRUE(reports().SetHostState(1));
    EXPECT_EQ(Briefs(), (std::vector<std::string>{"SET 0e 03 01", "GET 04 01 00"}));
    EXPECT_EQ(Gaps(), (std::vector<uint64_t>{0, 100}));
    EXPECT_EQ(clock_.sleeps(), std::vector<uint32_t>{100});
    EXPECT_EQ(mouse().peripherals.hostState, 1);
}

TEST_F(WaitForReady, BusyForeverPollsTenTimesOver16Point6Seconds) {
    faults().busyPolls = 1000;
    EXPECT_FALSE(reports().SetHostState(1));
    const auto all = transfers();
    ASSERT_EQ(all.size(), 11u);
    EXPECT_EQ(all[0].Brief(), "SET 0e 03 01");
    for (std::size_t i = 1; i < all.size(); ++i) EXPECT_EQ(all[i].Brief(2), "GET 04 03");
    const std::vector<uint64_t> expected = {0,    100,  1000, 1500, 2000, 2000,
                                            2000, 2000, 2000, 2000, 2000};
    EXPECT_EQ(Gaps(), expected);
    EXPECT_EQ(Sum(Gaps()), 16600u);
    const auto sleeps = clock_.sleeps();
    EXPECT_EQ(sleeps.size(), 166u) << "each pause is made of 100 ms sleeps";
    for (uint32_t sleep : sleeps) EXPECT_EQ(sleep, 100u);
}

TEST_F(WaitForReady, BusyThenDone) {
    faults().busyPolls = 3;
    EXPECT_TRUE(reports().SetHostState(1));
    EXPECT_EQ(Gaps(), (std::vector<uint64_t>{0, 100, 1000, 1500, 2000}));
}

TEST_F(WaitForReady, ButtonAndMacroReportsWaitLongerFirst) {
    EXPECT_TRUE(reports().WriteButtons(0));
    image().Profiles[0].Buttons[2].code = 48;
    EXPECT_TRUE(reports().WriteMacro(0, 2));
    EXPECT_EQ(Gaps(), (std::vector<uint64_t>{0, 500, 0, 500}));
}

TEST_F(WaitForReady, AnyOtherStatusFails) {
    faults().forcedStatus = 2;
    EXPECT_FALSE(reports().SetHostState(1));
    EXPECT_EQ(transfers().size(), 2u);
    faults().busyPolls = 1;
    faults().forcedStatus = 0;
    EXPECT_FALSE(reports().SetHostState(1));
    EXPECT_EQ(transfers().size(), 5u);
}

TEST_F(WaitForReady, FailedFirstReadEndsTheWait) {
    faults().failGets = 1;
    EXPECT_FALSE(reports().SetHostState(1));
    EXPECT_EQ(Briefs(1), (std::vector<std::string>{"SET 0e", "GET 04 failed"}));
}

TEST_F(WaitForReady, FailedReadAfterBusyPollsAgain) {
    faults().busyPolls = 1;
    // Busy at 100 ms, a failed read at 1100 ms keeps "busy", done at 2600 ms.
    clock_.At(1050, [this] { faults().failGets = 1; });
    EXPECT_TRUE(reports().SetHostState(1));
    EXPECT_EQ(Briefs(2),
              (std::vector<std::string>{"SET 0e 03", "GET 04 03", "GET 04 failed", "GET 04 01"}));
    EXPECT_EQ(Gaps(), (std::vector<uint64_t>{0, 100, 1000, 1500}));
}

TEST_F(WaitForReady, FailedWriteSkipsTheWait) {
    faults().failSets = 1;
    EXPECT_FALSE(reports().SetHostState(1));
    EXPECT_EQ(Briefs(1), std::vector<std::string>{"SET 0e failed"});
    EXPECT_TRUE(clock_.sleeps().empty());
}

TEST_F(WaitForReady, CancelEndsThePauseAtItsNextStepWithoutAStatusRead) {
    faults().busyPolls = 1000;
    clock_.At(1350, [this] { flags().cancel = 1; });
    EXPECT_FALSE(reports().SetHostState(1));
    EXPECT_EQ(transfers().size(), 3u) << "the write and the polls at 100 and 1100 ms";
    EXPECT_EQ(clock_.NowMs(), 1400u) << "the pause stopped at the first step after 1350";
}

TEST_F(WaitForReady, UnpluggedMouseFailsEveryWrite) {
    mouseDevice_.Unplug();
    EXPECT_FALSE(reports().SetHostState(0));
    EXPECT_FALSE(reports().WriteSensorSettings(0));
    EXPECT_FALSE(reports().SendQuibLight(1, 2, 3));
    EXPECT_TRUE(clock_.sleeps().empty());
}

}  // namespace
}  // namespace tesh::monitor::test
