#pragma once

#include "audio/PulseOutput.h"
#include "audio/SoundCache.h"

#include <QObject>
#include <QString>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

// The one output path of the process. Every player owns a channel here; the engine finds the
// files handed to a channel (case-insensitively, CAudioManager::resolvePath) and decodes them
// on its own worker thread, keeping the decoded sounds in a cache (CSoundCache) for the next
// press, mixes the channels into a single output (48 kHz, stereo, signed 16-bit, clamped) and
// tells a channel's owner, on the owner's thread, when the channel has played everything it
// was given. The output starts as soon as the first cue of a burst is ready; the cues behind
// it are decoded while it plays.
//
// The output is a PulseAudio stream of the engine's own (CPulseOutput) wherever SDL would play
// through PulseAudio (SDL_AUDIODRIVER unset or "pulseaudio") and the server answers the
// engine's connection; SDL's audio device everywhere else (its disk driver in the tests, other
// sound systems, no server). Both only pull samples from the one mixer (mix()): fades, cue
// order, drained notifications and when to close are the engine's, whichever plays.
//
// The output is opened only while there is something to play and closed once every channel
// is empty and an owner has said so from the UI thread (releaseIfIdle), so cues handed over
// back to back from one UI call never see it close between them. It closes only once the last
// sound has played out (closing SDL's stream drops what the server still holds; the PulseAudio
// stream is drained before it disconnects, behind a target's worth of silence), and a sound
// cut short by Stop or by its player going away fades out over 3 ms instead of ending on a
// step.
//
// Opening per burst rather than keeping one stream open is deliberate: a running stream has
// silence queued in the sound server, so a cue handed to it waits behind up to a server
// target of it, while a stream opened for the cue starts with it; and an idle program then
// costs nothing (no stream, a sleeping thread). For the same reason the output is not opened
// ahead of the cue when a key is accepted: it would be a kept-open stream by the time the cue
// comes.
//
// Why a PulseAudio stream of our own: SDL's PulseAudio driver asks for a server target of one
// device buffer (512 frames, 10.7 ms) and refills only once a whole buffer is free, so a
// refill that comes a little late on a loaded machine runs the stream dry, heard as a short
// gap; and it writes a buffer of silence before the device is unpaused, which delays a burst
// by up to a buffer. A longer target through SDL makes it write that much silence at the
// open. The engine's stream is filled from the ready cue before it starts, so the first
// sample is the cue's, and keeps a longer target (kPulseTargetMs) refilled in small pieces;
// a longer target costs only a later Stop, never a later start.
//
// The engine lives as long as someone holds it: instance() hands out the shared one, creating
// it (and initialising SDL's audio subsystem) when none exists.
class CAudioEngine
{
public:
    static std::shared_ptr<CAudioEngine> instance();
    // Held around every SDL device open and close in the process (SDL does not guard its
    // device table against concurrent opens).
    static std::mutex& deviceMutex();

    ~CAudioEngine();
    CAudioEngine(const CAudioEngine&) = delete;
    CAudioEngine& operator=(const CAudioEngine&) = delete;

    // True when SDL's audio subsystem started.
    bool available() const { return m_available; }

    // A new channel. The slot named onDrained of receiver is invoked through the receiver's
    // event queue (so never after the receiver is gone) whenever the channel has run empty;
    // it may come more than once. The name is a plain method name, without arguments.
    int addChannel(QObject* receiver, const char* onDrained);
    // Forgets a channel and everything queued on it; nothing is invoked for it afterwards.
    void removeChannel(int channel);
    // Queues a file (found and decoded on the worker) behind what the channel already has;
    // returns its serial number, counting up from 1 on each channel.
    quint64 enqueue(int channel, const QString& path);
    // Drops everything queued or playing on the channel.
    void clear(int channel);
    // The serial of the last cue of the channel that has finished (heard, skipped or
    // cleared); 0 when none has.
    quint64 finishedSerial(int channel) const;
    // Asks the worker to close the output device if every channel is empty.
    void releaseIfIdle();
    // True while the output device is open.
    bool isOutputOpen() const;

    // The decoded-sound cache: its size in bytes, the files it remembers and the files
    // decoded so far. For tests and measurements.
    struct CacheState
    {
        size_t bytes = 0;
        size_t count = 0;
        quint64 decodes = 0;
    };
    CacheState cacheState() const;
    // Caps the cache (bytes of samples); what no longer fits goes at once.
    void setCacheCap(size_t bytes);

    // How the output is driven; the benchmark compares settings with it.
    struct Tuning
    {
        // Frames per device buffer (SDL's samples); with SDL's PulseAudio driver this is also
        // the stream's target length, so it bounds how much is queued ahead of a new cue.
        int deviceFrames = 512;
        // How long the output stays open after the last cue, so that the next press finds
        // it running. Never with SDL's file-writing drivers, which would write at full speed.
        int lingerMs = 0;
        // The sound server's whole latency for the stream, in ms (PulseAudio's target); 0
        // means the output's own: kPulseTargetMs for the PulseAudio output, one device buffer
        // for SDL's. A PULSE_LATENCY_MSEC set by the user wins.
        int serverTargetMs = 0;
        // The PulseAudio output's refill size in ms; 0 means kPulseRefillMs.
        int refillMs = 0;
        // Use SDL's device even where the PulseAudio output would be used.
        bool sdlOutput = false;
    };
    // The buffer size applies from the next device open on, the linger from the next release.
    static void setTuning(const Tuning& tuning);
    static Tuning tuning();

    // Called from the device callback with its start time (steady clock, nanoseconds), the
    // number of frames it fills, the frame at which a cue's first sample went out in it (-1
    // when none did) and whether it carries any sound. For measurements only.
    using MixObserver = void (*)(qint64 startNs, int frames, int cueStartFrame, bool sounding);
    static void setMixObserver(MixObserver observer);

    // Frames over which a sound cut short (Stop, a player going away) fades out.
    static constexpr int kFadeFrames = 144;
    // The PulseAudio output's whole latency and refill size. The server gives about half the
    // target to the device and keeps the rest queued in the stream, so a refill may come that
    // much late before the stream runs dry. It costs no time at the start (the stream starts
    // with the cue), only a later Stop. On the two-core development machine, busy with other
    // builds and tests, bench_audio heard gaps in 5 of 200 presses at 40 ms (load average
    // 5.4), in 2 of 200 at 80 ms (load 5.5) and none in 100 at 80 ms (load 1 to 4); SDL's
    // output, in 22 of 200 (load 3 to 6). Stalls longer than the target, at loads of 7 and
    // more, still run it dry.
    static constexpr int kPulseTargetMs = 80;
    static constexpr int kPulseRefillMs = 5;

    // Times the PulseAudio output's streams have run dry (0 with SDL's device). For
    // measurements.
    int outputUnderflows() const { return m_pulse ? m_pulse->underflows() : 0; }
    // True while the PulseAudio output is used (SDL's driver is pulseaudio and the server
    // answered our own connection); the SDL device otherwise.
    bool usesPulseOutput() const { return m_pulse != nullptr; }

private:
    struct Cue
    {
        enum State
        {
            Pending,
            Ready,
            Cancelled
        };
        quint64 serial = 0;
        State state = Pending;
        CSoundCache::Sound pcm;
        size_t pos = 0;
    };
    struct Channel
    {
        QObject* receiver = nullptr;
        const char* onDrained = nullptr;
        std::deque<std::shared_ptr<Cue>> queue;
        quint64 lastSerial = 0;
        quint64 finished = 0;
        quint64 notified = 0;
    };
    struct Job
    {
        std::shared_ptr<Cue> cue;
        QString path;
    };
    // The rest of a cue that was cut short, fading out.
    struct Tail
    {
        std::shared_ptr<Cue> cue;
        int left = 0;
    };

    CAudioEngine();
    void run();
    void housekeeping(std::unique_lock<std::mutex>& lock);
    bool openDevice(std::unique_lock<std::mutex>& lock);
    bool openPulse(std::unique_lock<std::mutex>& lock, const Tuning& tuned);
    void closeDevice(std::unique_lock<std::mutex>& lock);
    bool allChannelsEmpty() const;
    bool outputOpen() const { return m_device != 0 || m_pulseOpen; }
    void fadeOutHead(Channel& channel);
    void mix(int16_t* out, int frames);
    static void deviceCallback(void* userdata, uint8_t* stream, int len);

    bool m_available = false;
    mutable std::mutex m_mutex;
    std::condition_variable m_wakeWorker;
    std::map<int, Channel> m_channels;
    int m_nextChannel = 1;
    std::deque<Job> m_jobs;
    std::vector<Tail> m_tails;
    std::optional<std::chrono::steady_clock::time_point> m_closeAt;
    bool m_keepable = false;   // the device now open may be kept open while idle
    bool m_awaitDrain = false; // close once the last sound has played out
    int m_silentFrames = 0;    // output since the last sound
    int m_drainFrames = 0;
    uint32_t m_device = 0;     // the SDL device now open
    bool m_pulseOpen = false;  // the PulseAudio output's stream is open
    bool m_outputLost = false; // it failed while open
    bool m_closing = false;    // the callback must leave the channels alone
    bool m_closeWanted = false;
    bool m_wake = false;
    bool m_quit = false;
    // Used on the worker only, but for cacheState and setCacheCap under m_cacheMutex.
    mutable std::mutex m_cacheMutex;
    CSoundCache m_cache;
    // Made before the worker starts and gone after it ends.
    std::unique_ptr<CPulseOutput> m_pulse;
    std::thread m_worker;
};
