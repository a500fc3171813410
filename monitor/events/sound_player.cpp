#include "monitor/events/sound_player.h"

#include <cstdio>
#include <memory>

#include "monitor/events/sound_table.h"
#include "monitor/events/wav_samples.h"

namespace tesh::monitor {

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

void SoundPlayer::Play(int number, int soundVolume) {
    output_.Stop();
    const std::string path = SoundPath(dir_, number);
    if (path.empty()) return;
    const std::size_t length = Load(path);
    if (length == 0) return;
    uint8_t* file = buffer_.data();
    // A file of another kind is left for the system to make sense of.
    if (const auto bytes = CanonicalSampleBytes(file, length)) {
        ScaleSamples(file + kCanonicalWavHeader, *bytes, SoundGainTenths(soundVolume));
    }
    output_.PlayFromMemory(file, length);
}

void SoundPlayer::Release() {
    output_.Stop();
    buffer_.Release();
}

std::size_t SoundPlayer::Load(const std::string& path) {
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file || std::fseek(file.get(), 0, SEEK_END) != 0) return 0;
    const long end = std::ftell(file.get());
    if (end <= 0 || std::fseek(file.get(), 0, SEEK_SET) != 0) return 0;
    const auto length = static_cast<std::size_t>(end);
    if (!buffer_.Reserve(length)) return 0;
    if (std::fread(buffer_.data(), 1, length, file.get()) != length) return 0;
    return length;
}

}  // namespace tesh::monitor
