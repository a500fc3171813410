// The spoken sounds: their numbers and files in the program directory's Wave\Volume
// folder, and the gain of each volume step.
#pragma once

#include <string>

namespace tesh::monitor {

constexpr char kSoundFolder[] = "Wave\\Volume";
// Numbers in this range name the file "<number>.wav" (the CPI values).
constexpr int kFirstNumberedSound = 200;
constexpr int kLastNumberedSound = 8200;

// The file name of a sound number; empty for a number without a sound.
std::string SoundFileName(int number);
// The full path of a sound number's file; empty for a number without a sound.
// `programDirectory` ends with a separator.
std::string SoundPath(const std::string& programDirectory, int number);

// The gain of a volume step 0..4 in tenths (3, 5, 7, 9, 11); a step out of range
// counts as 2.
int SoundGainTenths(int soundVolume);

}  // namespace tesh::monitor
