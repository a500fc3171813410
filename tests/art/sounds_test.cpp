// The spoken sounds made in the build: every sound the monitor can play is there, as
// a canonical 16-bit PCM file that the player scales, with something to hear.
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "monitor/events/sound_table.h"
#include "monitor/events/wav_samples.h"
#include "settings/file_io.h"

namespace tesh::monitor {
namespace {

// Every number the event handling plays, the CPI values among them.
constexpr int kPlayed[] = {0,  1,  2,  3,  4,  5,  10, 18,  19,  30,   31,   32,   33,   40,
                           41, 42, 43, 44, 45, 50, 51, 400, 800, 1200, 1600, 2000, 3200, 4000};

TEST(GeneratedSounds, EverySoundIsACanonicalFileWithSound) {
    for (int number : kPlayed) {
        const std::string path = std::string(TESH_SOUND_DIR) + "/" + SoundFileName(number);
        const auto file = ReadWholeFile(path);
        ASSERT_TRUE(file) << path;
        const auto* bytes = reinterpret_cast<const uint8_t*>(file->data());
        const auto samples = CanonicalSampleBytes(bytes, file->size());
        ASSERT_TRUE(samples) << path;
        EXPECT_EQ(kCanonicalWavHeader + *samples, file->size()) << path;
        EXPECT_GT(*samples, 8000u) << path << ": at least a fifth of a second";
        int loudest = 0;
        for (std::size_t i = 0; i < *samples; i += 2) {
            const int sample = static_cast<int16_t>(bytes[44 + i] | bytes[45 + i] << 8);
            loudest = std::max(loudest, std::abs(sample));
        }
        EXPECT_GT(loudest, 10000) << path;
    }
}

}  // namespace
}  // namespace tesh::monitor
