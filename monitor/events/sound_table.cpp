#include "monitor/events/sound_table.h"

#include <iterator>

#include "monitor/events/event_names.h"
#include "settings/file_io.h"

namespace tesh::monitor {

namespace {

struct NamedSound {
    int number;
    const char* file;
};

constexpr NamedSound kSounds[] = {
    {kSoundGo, "go.wav"},
    {1, "1_second.wav"},
    {2, "2_seconds.wav"},
    {3, "3_seconds.wav"},
    {4, "4_seconds.wav"},
    {5, "5_seconds.wav"},
    {kSoundTenSeconds, "10_seconds.wav"},
    {kSoundTimerStopped, "timer_stopped.wav"},
    {kSoundTimerActivated, "timer_activated.wav"},
    {kSoundSensitivityUp, "sens_up.wav"},
    {kSoundSensitivityDown, "sens_down.wav"},
    {kSoundVolumeUp, "volume_up.wav"},
    {kSoundVolumeDown, "volume_down.wav"},
    {kSoundFirstProfile, "profile_one.wav"},
    {kSoundFirstProfile + 1, "profile_two.wav"},
    {kSoundFirstProfile + 2, "profile_three.wav"},
    {kSoundFirstProfile + 3, "profile_four.wav"},
    {kSoundFirstProfile + 4, "profile_five.wav"},
    {kSoundWindowsProfile, "windows_profile.wav"},
    {kSoundTrophy, "Trophy.wav"},
    {kSoundEveryTrophy, "Every_Trophy.wav"},
};

constexpr int kGainTenths[] = {3, 5, 7, 9, 11};
constexpr int kDefaultVolume = 2;

}  // namespace

std::string SoundFileName(int number) {
    for (const NamedSound& sound : kSounds) {
        if (sound.number == number) return sound.file;
    }
    if (number >= kFirstNumberedSound && number <= kLastNumberedSound) {
        return std::to_string(number) + ".wav";
    }
    return "";
}

std::string SoundPath(const std::string& programDirectory, int number) {
    const std::string name = SoundFileName(number);
    if (name.empty()) return "";
    return JoinPath(programDirectory, std::string(kSoundFolder) + "\\" + name);
}

int SoundGainTenths(int soundVolume) {
    if (soundVolume < 0 || soundVolume >= static_cast<int>(std::size(kGainTenths))) {
        soundVolume = kDefaultVolume;
    }
    return kGainTenths[soundVolume];
}

}  // namespace tesh::monitor
