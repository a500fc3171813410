// The spoken sounds: the table of files, the volume steps with their limits, the
// buffer that only grows, and playing from it.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "monitor/events/sound_buffer.h"
#include "monitor/events/sound_player.h"
#include "monitor/events/sound_table.h"
#include "monitor/events/wav_samples.h"
#include "tests/settings/test_dir.h"

namespace tesh::monitor {
namespace {

using Bytes = std::vector<uint8_t>;

// A canonical 16-bit mono file; `declared` is the data size in its header.
Bytes MakeWav(const std::vector<int16_t>& samples, uint32_t declared) {
    Bytes file(kCanonicalWavHeader + 2 * samples.size());
    auto put32 = [&](std::size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i) file[at + i] = static_cast<uint8_t>(v >> (8 * i));
    };
    auto put16 = [&](std::size_t at, uint16_t v) {
        file[at] = static_cast<uint8_t>(v);
        file[at + 1] = static_cast<uint8_t>(v >> 8);
    };
    std::memcpy(&file[0], "RIFF", 4);
    put32(4, static_cast<uint32_t>(file.size() - 8));
    std::memcpy(&file[8], "WAVEfmt ", 8);
    put32(16, 16);
    put16(20, 1);      // PCM
    put16(22, 1);      // mono
    put32(24, 22050);  // rate
    put32(28, 44100);  // bytes per second
    put16(32, 2);      // block
    put16(34, 16);     // bits
    std::memcpy(&file[36], "data", 4);
    put32(40, declared);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        put16(kCanonicalWavHeader + 2 * i, static_cast<uint16_t>(samples[i]));
    }
    return file;
}
Bytes MakeWav(const std::vector<int16_t>& samples) {
    return MakeWav(samples, static_cast<uint32_t>(2 * samples.size()));
}

std::vector<int16_t> SamplesOf(const uint8_t* file, std::size_t count) {
    std::vector<int16_t> samples(count);
    for (std::size_t i = 0; i < count; ++i) {
        const uint8_t* p = file + kCanonicalWavHeader + 2 * i;
        samples[i] = static_cast<int16_t>(p[0] | p[1] << 8);
    }
    return samples;
}

TEST(SoundTable, NamedAndNumberedFiles) {
    EXPECT_EQ(SoundFileName(0), "go.wav");
    EXPECT_EQ(SoundFileName(2), "2_seconds.wav");
    EXPECT_EQ(SoundFileName(19), "timer_activated.wav");
    EXPECT_EQ(SoundFileName(44), "profile_five.wav");
    EXPECT_EQ(SoundFileName(51), "Every_Trophy.wav");
    EXPECT_EQ(SoundFileName(800), "800.wav");
    EXPECT_EQ(SoundFileName(200), "200.wav");
    EXPECT_EQ(SoundFileName(8200), "8200.wav");
    for (int none : {-1, 6, 9, 11, 17, 20, 29, 34, 39, 46, 49, 52, 100, 199, 8201}) {
        EXPECT_EQ(SoundFileName(none), "") << none;
    }
    EXPECT_EQ(SoundPath("/x/", 100), "");
}

TEST(SoundTable, VolumeStepsAndTheirDefault) {
    EXPECT_EQ(SoundGainTenths(0), 3);
    EXPECT_EQ(SoundGainTenths(4), 11);
    EXPECT_EQ(SoundGainTenths(7), 7);
    EXPECT_EQ(SoundGainTenths(-1), 7);
}

TEST(WavSamples, ScaledTowardZeroAndLimited) {
    Bytes file = MakeWav({30000, -30000, 1001, -1001, -32768, 0});
    const auto bytes = CanonicalSampleBytes(file.data(), file.size());
    ASSERT_EQ(bytes, 12u);
    ScaleSamples(file.data() + kCanonicalWavHeader, 8, 11);
    ScaleSamples(file.data() + kCanonicalWavHeader + 8, 4, 3);
    EXPECT_EQ(SamplesOf(file.data(), 6),
              (std::vector<int16_t>{32767, -32767, 1101, -1101, -9830, 0}));
}

TEST(WavSamples, NoSampleReachesPastTheFile) {
    Bytes file = MakeWav({1, 2, 3}, 1000);
    EXPECT_EQ(CanonicalSampleBytes(file.data(), file.size()), 6u);
    file.push_back(7);  // half a sample
    EXPECT_EQ(CanonicalSampleBytes(file.data(), file.size()), 6u);
    Bytes shorter = MakeWav({1, 2, 3}, 3);
    EXPECT_EQ(CanonicalSampleBytes(shorter.data(), shorter.size()), 2u);
}

TEST(WavSamples, OnlyCanonicalSixteenBitPcm) {
    const Bytes good = MakeWav({1, 2});
    EXPECT_TRUE(CanonicalSampleBytes(good.data(), good.size()));
    EXPECT_FALSE(CanonicalSampleBytes(good.data(), kCanonicalWavHeader - 1));
    for (std::size_t at : {0u, 8u, 12u, 16u, 20u, 34u, 36u}) {
        Bytes bad = good;
        bad[at] ^= 0x40;
        EXPECT_FALSE(CanonicalSampleBytes(bad.data(), bad.size())) << at;
    }
}

class FakePages : public PageMemory {
  public:
    std::size_t PageSize() override { return 4096; }
    void* Allocate(std::size_t bytes) override {
        if (fail) return nullptr;
        allocations.push_back(bytes);
        ++held;
        return ::operator new(bytes);
    }
    void Release(void* pages, std::size_t) override {
        --held;
        ::operator delete(pages);
    }
    std::vector<std::size_t> allocations;
    int held = 0;
    bool fail = false;
};

class FakeOutput : public SoundOutput {
  public:
    void Stop() override { calls.push_back("stop"); }
    void PlayFromMemory(const uint8_t* file, std::size_t length) override {
        calls.push_back("play " + std::to_string(length));
        played.assign(file, file + length);
    }
    std::vector<std::string> calls;
    Bytes played;
};

class SoundPlayerTest : public ::testing::Test {
  protected:
    void WriteSound(const std::string& name, const Bytes& file) {
        dir_.Write("Wave\\Volume\\" + name, std::string(file.begin(), file.end()));
    }

    test::TestDir dir_;
    FakePages pages_;
    FakeOutput output_;
    SoundPlayer player_{dir_.path(), pages_, output_};
};

TEST_F(SoundPlayerTest, PlaysTheFileScaledFromMemory) {
    WriteSound("800.wav", MakeWav({10000, -20000}));
    player_.Play(800, 0);
    EXPECT_EQ(output_.calls, (std::vector<std::string>{"stop", "play 48"}));
    EXPECT_EQ(SamplesOf(output_.played.data(), 2), (std::vector<int16_t>{3000, -6000}));
}

TEST_F(SoundPlayerTest, EachPlayScalesTheFileAsItIsOnDisk) {
    WriteSound("go.wav", MakeWav({10000}));
    player_.Play(0, 0);
    player_.Play(0, 0);
    EXPECT_EQ(SamplesOf(output_.played.data(), 1), std::vector<int16_t>{3000});
}

TEST_F(SoundPlayerTest, AMissingFileOrNumberPlaysNothingButStopsTheSound) {
    player_.Play(45, 2);
    player_.Play(100, 2);
    EXPECT_EQ(output_.calls, (std::vector<std::string>{"stop", "stop"}));
}

TEST_F(SoundPlayerTest, OtherFilesPlayUnchanged) {
    const Bytes other = {'R', 'I', 'F', 'F', 1, 2, 3};
    WriteSound("Trophy.wav", other);
    player_.Play(50, 4);
    EXPECT_EQ(output_.played, other);
}

TEST_F(SoundPlayerTest, TheBufferOnlyGrows) {
    WriteSound("1_second.wav", MakeWav(std::vector<int16_t>(3000)));
    WriteSound("2_seconds.wav", MakeWav(std::vector<int16_t>(100)));
    WriteSound("3_seconds.wav", MakeWav(std::vector<int16_t>(5000)));
    player_.Play(1, 2);
    player_.Play(2, 2);
    player_.Play(1, 2);
    EXPECT_EQ(pages_.allocations, std::vector<std::size_t>{8192});
    player_.Play(3, 2);
    EXPECT_EQ(pages_.allocations, (std::vector<std::size_t>{8192, 12288}));
    EXPECT_EQ(pages_.held, 1);
    player_.Release();
    EXPECT_EQ(pages_.held, 0);
    EXPECT_EQ(output_.calls.back(), "stop");
}

TEST_F(SoundPlayerTest, NoPagesNoSound) {
    WriteSound("go.wav", MakeWav({1}));
    pages_.fail = true;
    player_.Play(0, 2);
    EXPECT_EQ(output_.calls, std::vector<std::string>{"stop"});
}

}  // namespace
}  // namespace tesh::monitor
