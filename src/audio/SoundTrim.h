#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

// Clean-up shared by a parent's takes and the starter voice: the silence before and after the
// sound is cut off and the level is brought to just under full scale, so that every recording
// starts at once and all play at a similar loudness.
//
// Silence is found as the starter voice's tools find it: a sample counts as sound when the
// level (RMS) of the 20 ms window ending on it lies above the threshold, and the sound starts
// with the first run of 10 ms of such samples. The end is found the same way from the back.
namespace SoundTrim {

// The threshold of silence: 0.5 % of full scale.
constexpr double kSilenceLevel = 0.005;
// A take whose loudest sample stays under this share of full scale holds no word: about
// -34 dBFS, above the noise of a quiet room and far under speech at arm's length.
constexpr double kQuietestPeak = 0.02;
// The level a recording is brought to: -1 dBFS.
constexpr double kTargetPeakDb = -1.0;

// [begin, end) of the sounding part; begin == end when nothing sounds.
std::pair<size_t, size_t> soundingRange(const std::vector<int16_t>& samples, int rate,
                                        double threshold = kSilenceLevel);
// Keeps only the sounding part.
void trimSilence(std::vector<int16_t>& samples, int rate, double threshold = kSilenceLevel);
// The largest magnitude, 0..32768.
int peak(const std::vector<int16_t>& samples);
// Scales so that the largest magnitude lies at peakDb dBFS. Silence stays silence.
void normalise(std::vector<int16_t>& samples, double peakDb = kTargetPeakDb);

// Trims and normalises a take. False, leaving the samples as they were, when the take holds
// only silence or noise under kQuietestPeak.
bool finishTake(std::vector<int16_t>& samples, int rate);

} // namespace SoundTrim
