#pragma once

#include <QString>
#include <cstdint>
#include <vector>

// Writing a recording without ever leaving half a file where a player looks for it.
namespace WavFile {

// Writes samples as a 16-bit PCM mono WAV to a new, hidden file with a unique name in the
// target's folder (so that a rename or link into place stays within one file system), synced
// to disk and readable by everyone. Returns that file's path, or an empty string when it could
// not be written completely (nothing is left behind then). The caller moves it into place.
QString writeBeside(const QString& target, const std::vector<int16_t>& samples, int rate);

// The samples of a mono sound file as 16-bit values, and its rate; empty for a file that cannot
// be read, is not mono, or holds more than maxFrames frames.
std::vector<int16_t> readMono(const QString& path, int& rate, long long maxFrames = 1LL << 26);

} // namespace WavFile
