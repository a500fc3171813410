// Two threads exchanging reports at once, as the window thread and the device worker
// do: each selected read keeps its selection, each wait reads its own status.
#include <chrono>
#include <thread>

#include "tests/monitor/monitor_fixture.h"

namespace tesh::monitor::test {
namespace {

// Real, short sleeps so that the threads interleave wherever they are allowed to.
class YieldingClock : public Clock {
  public:
    void SleepMs(uint32_t) override { std::this_thread::sleep_for(std::chrono::microseconds(20)); }
    uint64_t NowMs() const override { return 0; }
};

using ExchangeLock = MonitorTest;

TEST_F(ExchangeLock, SelectedReadsOfTwoThreadsNeverAnswerEachOther) {
    constexpr int kRounds = 150;
    YieldingClock clock;
    std::atomic<int> cancel{0};
    DeviceChannel channel(device_, clock, cancel);
    std::mutex imageLock;
    DeviceReports reports(channel, image(), imageLock, files_);
    std::atomic<int> settingsFailed{0}, buttonsFailed{0}, writesFailed{0};

    std::thread worker([&] {
        for (int i = 0; i < kRounds; ++i) settingsFailed += !reports.ReadProfileSettings(i % 5);
    });
    std::thread window([&] {
        for (int i = 0; i < kRounds; ++i) {
            buttonsFailed += !reports.ReadButtons(i % 5);
            // A refused write answers status 5: an unlocked poll of the other thread
            // would take it for its own.
            uint8_t refused[3] = {5, 3, 9};
            DeviceChannel::Exchange exchange(channel);
            exchange.Write(refused, 3);
            exchange.WaitForReady(100);
        }
    });
    std::thread third([&] {
        for (int i = 0; i < kRounds; ++i) writesFailed += !reports.SetHostState(1);
    });
    worker.join();
    window.join();
    third.join();
    EXPECT_EQ(settingsFailed, 0);
    EXPECT_EQ(buttonsFailed, 0);
    EXPECT_EQ(writesFailed, 0);
}

}  // namespace
}  // namespace tesh::monitor::test
