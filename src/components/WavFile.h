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

} // namespace WavFile
