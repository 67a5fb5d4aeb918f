#pragma once

#include <QString>
#include <cstdint>
#include <vector>

// Reads a WAV file through libsndfile and converts it to the one format the output plays:
// 48 kHz, stereo, signed 16-bit, interleaved. Every encoding libsndfile reads from a WAV
// (8/16/24/32-bit PCM, float, ADPCM, u-law, A-law) at any rate is accepted; mono is duplicated
// onto both sides, and of more than two channels the first two are kept.
class CWavDecoder
{
public:
    static constexpr int kOutputRate = 48000;
    static constexpr int kOutputChannels = 2;
    // A sound longer than this (in seconds) is cut there, so a stray huge file cannot take all
    // memory.
    static constexpr int kMaxSeconds = 600;

    // Decodes path into out (cleared first). Returns false, with out empty, when the path is
    // not a regular file, not a WAV libsndfile can read, or holds no sound at all. A file whose
    // sound data stops early plays what is there.
    static bool decode(const QString& path, std::vector<int16_t>& out);
};
