#pragma once

#include <QtGlobal>
#include <atomic>
#include <cstdint>
#include <mutex>
#include <sys/types.h>
#include <thread>
#include <vector>

struct pa_simple;

// Records a PulseAudio server's source (a sink's monitor) (48 kHz, stereo, signed 16-bit) on a
// thread of its own, keeping the left channel and, for each read of 1 ms, when it arrived.
class MonitorRecorder
{
public:
    static constexpr int kRate = 48000;

    MonitorRecorder() = default;
    ~MonitorRecorder();
    MonitorRecorder(const MonitorRecorder&) = delete;
    MonitorRecorder& operator=(const MonitorRecorder&) = delete;

    // Starts recording a source of the server (a libpulse server string). The fragment size
    // is also a latency request: a null sink renders no further ahead than its smallest
    // request.
    bool start(const char* server, const char* source, int fragmentMs);
    void stop();
    // The recording thread's id (its processor time is the measurement's, not the program's).
    pid_t tid() const { return m_tid; }
    // Frames recorded so far.
    qint64 frames() const;
    // The steady-clock time (ns) at which frame i was at the monitor: the earliest arrival of
    // any read near it, less the frames that arrived after i in that read. The null sink's
    // clock is the monotonic clock, so the two do not drift; the least delayed read sets the
    // offset.
    double frameTimeNs(qint64 i) const;
    // The frame at the monitor at a steady-clock time (ns).
    qint64 frameAt(qint64 ns) const;
    // The left channel's samples of frames [from, to), clamped to what was recorded.
    std::vector<int16_t> slice(qint64 from, qint64 to) const;

private:
    struct Read
    {
        qint64 endFrame;
        qint64 arrivalNs;
    };
    void run();

    pa_simple* m_pa = nullptr;
    std::thread m_thread;
    std::atomic<bool> m_quit{false};
    std::atomic<pid_t> m_tid{0};
    mutable std::mutex m_mutex;
    std::vector<int16_t> m_left;
    std::vector<Read> m_reads;
};
