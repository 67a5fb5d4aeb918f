#include "audio/AudioRecorder.h"

#include "audio/AudioEngine.h"
#include "audio/SoundTrim.h"
#include "audio/WavFile.h"

#include <QFile>
#include <QFileInfo>
#include <SDL.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {
std::atomic<bool> g_recording{false};

constexpr int kDeviceSamples = 1024;
// A device that stops delivering is given this much time beyond the recording's length.
constexpr int kGraceSeconds = 5;

const char* const kNoMicrophone = "No microphone was found.";
const char* const kNotSaved = "The recording could not be saved.";
const char* const kNothingRecorded = "No sound came from the microphone.";
const char* const kTooQuiet = "Only silence was heard.";
const char* const kCancelled = "The recording was stopped before its end.";
} // namespace

CAudioRecorder::CAudioRecorder() = default;

CAudioRecorder::~CAudioRecorder()
{
    stop();
    wait();
}

bool CAudioRecorder::busy()
{
    return g_recording.load();
}

bool CAudioRecorder::start(int seconds, const QString& path, std::function<void()> onFinished)
{
    if (m_thread.joinable())
        return false;
    bool expected = false;
    if (!g_recording.compare_exchange_strong(expected, true))
        return false;
    m_engine = CAudioEngine::instance();
    m_seconds = std::clamp(seconds, 1, kMaxSeconds);
    m_target = qint64(m_seconds) * kRate;
    m_path = path;
    m_onFinished = std::move(onFinished);
    m_samples.clear();
    m_samples.reserve(size_t(std::min<qint64>(m_target, qint64(kRate) * 10)));
    m_stop = false;
    m_cancel = false;
    m_full = false;
    m_frames = 0;
    m_peak = 0;
    m_ok = false;
    m_discarded = false;
    m_error.clear();
    m_thread = std::thread([this] { run(); });
    return true;
}

void CAudioRecorder::stop()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stop = true;
    }
    m_changed.notify_all();
}

void CAudioRecorder::cancel()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_cancel = true;
        m_stop = true;
    }
    m_changed.notify_all();
}

void CAudioRecorder::wait()
{
    if (m_thread.joinable())
        m_thread.join();
}

float CAudioRecorder::takePeak()
{
    return float(m_peak.exchange(0)) / 32768.0f;
}

void CAudioRecorder::captureCallback(void* userdata, uint8_t* stream, int len)
{
    static_cast<CAudioRecorder*>(userdata)->capture(reinterpret_cast<const int16_t*>(stream),
                                                    len / int(sizeof(int16_t)));
}

void CAudioRecorder::capture(const int16_t* samples, int count)
{
    int peak = 0;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_stop || m_full)
            return;
        const qint64 room = m_target - qint64(m_samples.size());
        const int take = int(std::min<qint64>(room, count));
        m_samples.insert(m_samples.end(), samples, samples + take);
        for (int i = 0; i < take; ++i)
            peak = std::max(peak, std::abs(int(samples[i])));
        m_frames = qint64(m_samples.size());
        m_full = qint64(m_samples.size()) >= m_target;
    }
    int old = m_peak.load();
    while (peak > old && !m_peak.compare_exchange_weak(old, peak)) {
    }
    m_changed.notify_all();
}

void CAudioRecorder::run()
{
    SDL_AudioDeviceID device = 0;
    if (m_engine->available()) {
        SDL_AudioSpec want{};
        want.freq = kRate;
        want.format = AUDIO_S16SYS;
        want.channels = 1;
        want.samples = kDeviceSamples;
        want.callback = &CAudioRecorder::captureCallback;
        want.userdata = this;
        SDL_AudioSpec have{};
        std::lock_guard<std::mutex> sdl(CAudioEngine::deviceMutex());
        device = SDL_OpenAudioDevice(nullptr, 1, &want, &have, 0);
    }

    if (!device) {
        m_error = QString::fromLatin1(kNoMicrophone);
    } else {
        SDL_PauseAudioDevice(device, 0);
        {
            std::unique_lock<std::mutex> lock(m_mutex);
            m_changed.wait_for(lock, std::chrono::seconds(m_seconds + kGraceSeconds),
                               [this] { return m_stop || m_full; });
            m_stop = true; // the callback keeps nothing more
        }
        {
            std::lock_guard<std::mutex> sdl(CAudioEngine::deviceMutex());
            SDL_CloseAudioDevice(device);
        }
        // The capture thread has ended: the samples are ours alone now. A take that ran its
        // length is kept even when the cancel came after its last sample.
        bool cancelled;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            cancelled = m_cancel && !m_full;
        }
        if (cancelled) {
            m_discarded = true;
            m_error = QString::fromLatin1(kCancelled);
        } else if (m_samples.empty())
            m_error = QString::fromLatin1(kNothingRecorded);
        else if (!SoundTrim::finishTake(m_samples, kRate))
            m_error = QString::fromLatin1(kTooQuiet);
        else if (!writeWav(m_samples))
            m_error = QString::fromLatin1(kNotSaved);
        else
            m_ok = true;
    }

    g_recording = false;
    if (m_onFinished)
        m_onFinished();
}

bool CAudioRecorder::writeWav(const std::vector<int16_t>& samples)
{
    const QString tempPath = WavFile::writeBeside(m_path, samples, kRate);
    if (tempPath.isEmpty())
        return false;
    // A replaced recording keeps the permissions the old file had.
    if (QFileInfo::exists(m_path))
        QFile::setPermissions(tempPath, QFile::permissions(m_path));
    // rename() replaces the old file in one step.
    if (std::rename(QFile::encodeName(tempPath).constData(),
                    QFile::encodeName(m_path).constData()) == 0)
        return true;
    QFile::remove(tempPath);
    return false;
}
