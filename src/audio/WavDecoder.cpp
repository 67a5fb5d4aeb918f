#include "audio/WavDecoder.h"

#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <SDL.h>
#include <algorithm>
#include <cmath>
#include <memory>
#include <sndfile.h>

Q_LOGGING_CATEGORY(lcAudio, "pommelot.audio", QtWarningMsg)

namespace {
constexpr int kBlockFrames = 4096;

bool refuse(const QString& path, const QString& why)
{
    qCWarning(lcAudio, "Not playing %s: %s", qUtf8Printable(path), qUtf8Printable(why));
    return false;
}

struct SndFileCloser
{
    void operator()(SNDFILE* f) const { sf_close(f); }
};

struct StreamFreer
{
    void operator()(SDL_AudioStream* s) const { SDL_FreeAudioStream(s); }
};

int16_t toSample(float value)
{
    if (!(value > -1.0f)) // also NaN
        return value < 0.0f ? int16_t(-32768) : int16_t(0);
    if (value >= 32767.0f / 32768.0f)
        return 32767;
    return int16_t(std::lrint(value * 32768.0f));
}

bool put(SDL_AudioStream* stream, const int16_t* samples, size_t count)
{
    return SDL_AudioStreamPut(stream, samples, int(count * sizeof(int16_t))) == 0;
}

// Moves everything the resampler has ready to the end of out.
bool drainStream(SDL_AudioStream* stream, std::vector<int16_t>& out, size_t maxSamples)
{
    for (;;) {
        const int available = SDL_AudioStreamAvailable(stream);
        if (available <= 0)
            return true;
        const size_t samples = size_t(available) / sizeof(int16_t);
        const size_t old = out.size();
        out.resize(old + samples);
        const int got = SDL_AudioStreamGet(stream, out.data() + old, available);
        if (got < 0) {
            out.resize(old);
            return false;
        }
        out.resize(old + size_t(got) / sizeof(int16_t));
        if (out.size() >= maxSamples) {
            out.resize(maxSamples);
            return true;
        }
        if (got == 0)
            return true;
    }
}
} // namespace

bool CWavDecoder::decode(const QString& path, std::vector<int16_t>& out)
{
    out.clear();
    if (path.isEmpty())
        return false;
    // Only regular files: a directory has nothing to play and a pipe could block for ever.
    const QFileInfo info(path);
    if (!info.isFile() || info.size() <= 0)
        return false;

    SF_INFO sfInfo{};
    std::unique_ptr<SNDFILE, SndFileCloser> file(
        sf_open(QFile::encodeName(path).constData(), SFM_READ, &sfInfo));
    if (!file)
        return refuse(path, QString::fromUtf8(sf_strerror(nullptr)));
    const int major = sfInfo.format & SF_FORMAT_TYPEMASK;
    if (major != SF_FORMAT_WAV && major != SF_FORMAT_WAVEX && major != SF_FORMAT_RF64)
        return refuse(path, QStringLiteral("not a WAV file"));
    const int channels = sfInfo.channels;
    const int rate = sfInfo.samplerate;
    // Checked before anything depends on the rate: the resampler's buffers and the silence
    // pushed after the sound grow with the ratio of the two rates.
    if (rate < kMinRate || rate > kMaxRate)
        return refuse(path, QStringLiteral("a rate of %1 Hz, outside %2 to %3 Hz")
                                .arg(rate)
                                .arg(kMinRate)
                                .arg(kMaxRate));
    if (channels < 1 || channels > kMaxChannels)
        return refuse(path, QStringLiteral("%1 channels; a voice has one or two").arg(channels));
    const sf_count_t maxSourceFrames = sf_count_t(kMaxSeconds) * rate;
    // libsndfile counts the frames from what the file really holds, so a header promising
    // more than is there does not land here; what still does is read no further than the cap.
    if (sfInfo.frames > maxSourceFrames)
        return refuse(path, QStringLiteral("longer than %1 s").arg(kMaxSeconds));
    std::unique_ptr<SDL_AudioStream, StreamFreer> stream;
    if (rate != kOutputRate) {
        stream.reset(SDL_NewAudioStream(AUDIO_S16SYS, kOutputChannels, rate, AUDIO_S16SYS,
                                        kOutputChannels, kOutputRate));
        if (!stream)
            return refuse(path, QString::fromUtf8(SDL_GetError()));
    }

    const size_t maxSamples = size_t(kMaxSeconds) * kOutputRate * kOutputChannels;
    // Read as float (libsndfile scales every integer width to -1..1) and rounded to 16 bits
    // here, so 16-bit data comes through unchanged and float data clips instead of wrapping.
    std::vector<float> in(size_t(kBlockFrames) * size_t(channels));
    std::vector<int16_t> stereo(size_t(kBlockFrames) * kOutputChannels);
    sf_count_t total = 0;
    for (;;) {
        const sf_count_t got = sf_readf_float(file.get(), in.data(), kBlockFrames);
        if (got <= 0)
            break;
        total += got;
        if (total > maxSourceFrames) {
            out.clear();
            return refuse(path, QStringLiteral("longer than %1 s").arg(kMaxSeconds));
        }
        for (sf_count_t i = 0; i < got; ++i) {
            const float* frame = in.data() + i * channels;
            stereo[size_t(i) * 2] = toSample(frame[0]);
            stereo[size_t(i) * 2 + 1] = toSample(channels > 1 ? frame[1] : frame[0]);
        }
        const size_t samples = size_t(got) * kOutputChannels;
        if (!stream) {
            out.insert(out.end(), stereo.begin(), stereo.begin() + std::ptrdiff_t(samples));
            continue;
        }
        if (!put(stream.get(), stereo.data(), samples) ||
            !drainStream(stream.get(), out, maxSamples)) {
            out.clear();
            return false;
        }
    }
    if (stream && total > 0) {
        // The resampler holds back the last few hundred frames until more input comes, and
        // its flush does not always release them: push silence after the sound, then cut
        // the result at the sound's own length. With the rate bounded above, this is at most
        // 1.1 s of output (at 4 kHz) and 94 KB of input (at 192 kHz).
        const size_t tailFrames = size_t(rate / 10 + kBlockFrames);
        std::vector<int16_t> silence(tailFrames * kOutputChannels, 0);
        if (!put(stream.get(), silence.data(), silence.size()) ||
            SDL_AudioStreamFlush(stream.get()) != 0 ||
            !drainStream(stream.get(), out, maxSamples)) {
            out.clear();
            return false;
        }
        const size_t frames = size_t((total * kOutputRate + rate - 1) / rate);
        out.resize(std::min(out.size(), frames * kOutputChannels));
    }
    if (out.size() > maxSamples)
        out.resize(maxSamples);
    // Keep whole frames only.
    out.resize(out.size() - out.size() % kOutputChannels);
    if (out.empty())
        return refuse(path, QStringLiteral("no sound in it"));
    return true;
}
