#pragma once

#include <cstdint>
#include <functional>

struct pa_threaded_mainloop;
struct pa_context;
struct pa_stream;
struct pa_time_event;

// A PulseAudio playback stream (48 kHz, stereo, signed 16-bit) that pulls its samples from a
// source, over libpulse's asynchronous API on a thread of its own.
//
// It is opened for a burst of sound and closed after it, and it is written to only when the
// server asks: the first request, for the whole target, is filled from the source before the
// stream starts, so no silence is queued ahead of the first sample and playback begins with
// that first write; after that the server asks for small refills (refillMs) while it keeps
// about targetMs queued in all (the stream's buffer and the device's), which is what rides
// out a refill that comes late on a busy machine. A PULSE_LATENCY_MSEC set by the user
// replaces the target (libpulse applies it when the stream connects). Closing plays out what
// was written, then disconnects, so nothing is cut off. While no stream is open the thread
// sleeps in poll() and costs nothing.
class CPulseOutput
{
public:
    // Fills frames stereo frames at out. Called on the output's thread.
    using Source = std::function<void(int16_t* out, int frames)>;
    // Called on the output's thread when an open stream fails (the server went away or killed
    // it). The stream is still counted as open; close() tidies it up.
    using FailureHandler = std::function<void()>;

    CPulseOutput(Source source, FailureHandler onFailure);
    ~CPulseOutput();
    CPulseOutput(const CPulseOutput&) = delete;
    CPulseOutput& operator=(const CPulseOutput&) = delete;

    // Connects to the sound server the user's settings name (PULSE_SERVER, the user's
    // runtime folder), without starting one; false when none answers.
    bool connect();
    bool isConnected() const;

    // Opens a stream and starts it with the first fill. Reconnects first when the server was
    // lost. False when no stream could be opened.
    bool open(int targetMs, int refillMs);
    // Plays out what was written (waiting at most about twice the target plus half a
    // second), then disconnects the stream.
    void close();
    bool isOpen() const;

    // What the server settled on for the stream now open, in frames.
    struct Buffering
    {
        int targetFrames = 0;
        int refillFrames = 0;
        int prebufFrames = 0;
    };
    Buffering buffering() const;
    // Times a stream of this output has run dry (the server played silence for want of
    // samples), counted over every stream it opened.
    int underflows() const;

private:
    void disconnectContext();
    // With the loop locked: waits for the server until settled() holds or usec have passed.
    void waitForServer(std::uint64_t usec, const std::function<bool()>& settled);
    void writeRequested(size_t bytes);
    static void contextStateChanged(pa_context* context, void* self);
    static void streamStateChanged(pa_stream* stream, void* self);
    static void streamWritable(pa_stream* stream, size_t bytes, void* self);
    static void streamUnderflow(pa_stream* stream, void* self);
    static void drainDone(pa_stream* stream, int success, void* self);
    static void deadlinePassed(struct pa_mainloop_api*, pa_time_event*, const struct timeval*,
                               void* self);

    Source m_source;
    FailureHandler m_onFailure;
    pa_threaded_mainloop* m_loop = nullptr;
    pa_context* m_context = nullptr;
    pa_stream* m_stream = nullptr;
    // Written on the output's thread and read under its lock.
    bool m_started = false;
    bool m_draining = false;
    bool m_drained = false;
    bool m_deadline = false;
    bool m_failed = false;
    int m_underflows = 0;
};
