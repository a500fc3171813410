#include "option/key_stamps.h"

#include <gtest/gtest.h>

#include <vector>

namespace tesh::option {
namespace {

constexpr int64_t kOffsetUs = 7'000'250;  // where the counter stands at event time 0

// Keys that came at `trueUs` (event times truncated to `tickMs`), their hooks called
// `lateUs` after.
std::vector<KeyStamp> Stamps(const std::vector<int64_t>& trueUs, const std::vector<int64_t>& lateUs,
                             uint32_t firstMs = 0, uint32_t tickMs = 1) {
    std::vector<KeyStamp> stamps;
    for (std::size_t i = 0; i < trueUs.size(); ++i) {
        const auto ms = static_cast<uint32_t>(trueUs[i] / 1000 / tickMs * tickMs);
        stamps.push_back({kOffsetUs + trueUs[i] + lateUs[i], firstMs + ms});
    }
    return stamps;
}

// Twenty keys spread over a few seconds, three of them with hooks called late.
std::vector<int64_t> TrueTimes() {
    std::vector<int64_t> us;
    for (int i = 0; i < 20; ++i) us.push_back(i * 137'531 + (i * i * 7'919) % 90'000);
    return us;
}
std::vector<int64_t> Lateness() {
    std::vector<int64_t> late(20, 0);
    for (int i = 0; i < 20; ++i) late[static_cast<std::size_t>(i)] = 20 + (i * 37) % 200;
    late[3] = 5'800;
    late[11] = 3'100;
    late[17] = 12'000;
    return late;
}

TEST(KeyStamps, ALateHookIsTakenBackToItsEventsTick) {
    struct Case {
        const char* what;
        uint32_t firstMs, tickMs;
        int64_t mostErrorUs;  // after refining, from the true time
    } cases[] = {{"1 ms ticks", 5000, 1, 2'000},
                 {"ticks wrapping", 0xFFFFFF00u, 1, 2'000},
                 {"16 ms ticks", 5000, 16, 16'300}};
    const std::vector<int64_t> trueUs = TrueTimes(), lateUs = Lateness();
    for (const Case& c : cases) {
        const auto times = RefinedKeyTimes(Stamps(trueUs, lateUs, c.firstMs, c.tickMs));
        ASSERT_EQ(times.size(), trueUs.size()) << c.what;
        for (std::size_t i = 0; i < times.size(); ++i) {
            const int64_t error = times[i] - (kOffsetUs + trueUs[i]);
            EXPECT_GE(error, 0) << c.what << " key " << i;
            EXPECT_LE(error, std::min(lateUs[i], c.mostErrorUs)) << c.what << " key " << i;
        }
    }
}

TEST(KeyStamps, TimesNeverRunBackwardsAndFewStampsStand) {
    EXPECT_TRUE(RefinedKeyTimes({}).empty());
    const std::vector<KeyStamp> one = {{123, 9}};
    EXPECT_EQ(RefinedKeyTimes(one), std::vector<int64_t>{123});
    // Two keys in the same tick, the second one's hook first by the counter.
    const std::vector<KeyStamp> same = {{5'000, 10}, {4'900, 10}};
    const auto times = RefinedKeyTimes(same);
    EXPECT_LE(times[0], times[1]);
}

TEST(KeyStamps, RecordedDelaysComeFromTheRefinedTimes) {
    std::vector<MacroEvent> events = {{9, 1, 77}, {4, 1, 0}, {4, 2, 0}, {5, 1, 0}, {9, 2, 0}};
    // Recorded from index 1: four events, 250 ms and 100 ms apart, the second one's hook
    // 4 ms late; eight more keys after them line the clocks up.
    std::vector<int64_t> trueUs = {0, 250'000, 350'000, 351'000};
    std::vector<int64_t> lateUs = {20, 4'020, 20, 30};
    for (int i = 1; i <= 8; ++i) {
        trueUs.push_back(351'000 + i * 50'300);
        lateUs.push_back(25);
    }
    events.resize(13, MacroEvent{4, 1, 0});
    RefineRecordedDelays(events, 1, Stamps(trueUs, lateUs));
    EXPECT_EQ(events[0].delay, 77) << "before the recording";
    EXPECT_NEAR(events[1].delay, 250, 1) << "not the 254 ms the late hook says";
    EXPECT_NEAR(events[2].delay, 100, 1);
    EXPECT_NEAR(events[3].delay, 1, 1);
    EXPECT_EQ(events[12].delay, 0) << "the last one recorded keeps its delay";
    std::vector<MacroEvent> few = {{4, 1, 3}};
    RefineRecordedDelays(few, 0, Stamps(trueUs, lateUs));  // more stamps than events: nothing
    EXPECT_EQ(few[0].delay, 3);
}

}  // namespace
}  // namespace tesh::option
