#pragma once

#include <QString>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

class CAudioEngine;

// One recording from the default capture device: 44.1 kHz, mono, signed 16-bit, for a given
// number of seconds counted in captured frames, or until stop(). It runs on a thread of its
// own. A take that ran its length (or was ended by stop()) has its silence trimmed and its
// level normalised, then is written as a 16-bit PCM WAV to a temporary file beside the target,
// renamed over the target only when complete. A take cut short by cancel(), one that holds
// only silence or faint noise, and a failed recording all leave an old file untouched.
// Only one recording runs in the process at a time.
class CAudioRecorder
{
public:
    static constexpr int kRate = 44100;
    // Longest recording accepted, in seconds.
    static constexpr int kMaxSeconds = 600;

    CAudioRecorder();
    // Stops a recording in progress and waits for it to be written.
    ~CAudioRecorder();
    CAudioRecorder(const CAudioRecorder&) = delete;
    CAudioRecorder& operator=(const CAudioRecorder&) = delete;

    // Starts recording. onFinished runs on the recorder's thread once the file is written or
    // the recording failed; ok() and error() then tell which. Returns false, calling nothing,
    // when another recording runs in the process.
    bool start(int seconds, const QString& path, std::function<void()> onFinished);
    // Ends the recording early; what was captured so far is written if it holds sound.
    void stop();
    // Ends the recording and throws away a take that has not run its length.
    void cancel();
    // Waits for the recording thread to end.
    void wait();

    // Frames captured so far.
    qint64 capturedFrames() const { return m_frames.load(); }
    // The highest level (0..1) captured since the last call.
    float takePeak();

    bool ok() const { return m_ok; }
    // True when cancel() threw the take away.
    bool discarded() const { return m_discarded; }
    // One line for a parent when !ok().
    QString error() const { return m_error; }

    // True while any recorder of the process is recording.
    static bool busy();

private:
    void run();
    void capture(const int16_t* samples, int count);
    bool writeWav(const std::vector<int16_t>& samples);
    static void captureCallback(void* userdata, uint8_t* stream, int len);

    std::shared_ptr<CAudioEngine> m_engine;
    QString m_path;
    qint64 m_target = 0;
    int m_seconds = 0;
    std::function<void()> m_onFinished;
    std::thread m_thread;

    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_stop = false;
    bool m_cancel = false;
    bool m_full = false;
    std::vector<int16_t> m_samples;

    std::atomic<qint64> m_frames{0};
    std::atomic<int> m_peak{0};
    bool m_ok = false;
    bool m_discarded = false;
    QString m_error;
};
