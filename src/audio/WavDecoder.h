#pragma once

#include <QString>
#include <cstdint>
#include <vector>

// Reads a WAV file through libsndfile and converts it to the one format the output plays:
// 48 kHz, stereo, signed 16-bit, interleaved. Every encoding libsndfile reads from a WAV
// (8/16/24/32-bit PCM, float, ADPCM, u-law, A-law) is accepted; mono is duplicated onto both
// sides.
//
// A parent may drop any file into a sound folder, and a damaged header may say anything, so
// what no spoken cue can be is refused before anything is allocated for it: a rate outside
// kMinRate..kMaxRate, more than two channels, or more than kMaxSeconds of sound. A longer
// file is refused rather than cut: a word cut in the middle is no use and ends on a click.
// The memory of one decode is thus bounded by kMaxSeconds of output (about 5.8 MB).
class CWavDecoder
{
public:
    static constexpr int kOutputRate = 48000;
    static constexpr int kOutputChannels = 2;
    static constexpr int kMinRate = 4000;
    static constexpr int kMaxRate = 192000;
    static constexpr int kMaxChannels = 2;
    static constexpr int kMaxSeconds = 30;

    // Decodes path into out (cleared first). Returns false, with out empty, when the path is
    // not a regular file, not a WAV libsndfile can read, outside the limits above, or holds no
    // sound at all; why is logged (category pommelot.audio) for a file that exists. A file
    // whose sound data stops early plays what is there.
    static bool decode(const QString& path, std::vector<int16_t>& out);
};
