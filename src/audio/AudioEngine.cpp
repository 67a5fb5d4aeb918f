#include "audio/AudioEngine.h"

#include "audio/StarterVoice.h"
#include "audio/WavDecoder.h"

#include <SDL.h>
#include <algorithm>
#include <atomic>
#include <cstring>

namespace {
constexpr int kMixFrames = 512;

std::mutex g_tuningMutex;
CAudioEngine::Tuning g_tuning;
std::atomic<CAudioEngine::MixObserver> g_observer{nullptr};

qint64 steadyNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// The server target asked of SDL's PulseAudio driver, which reads it from the environment
// when the stream connects, inside the open. The environment is touched only when a target
// is asked for (the benchmark's settings), never by default, and never when the user set one.
// Called under the device mutex.
void setSdlServerTarget(int ms)
{
    static const bool userTarget = qEnvironmentVariableIsSet("PULSE_LATENCY_MSEC");
    static bool ourTarget = false;
    if (!userTarget && ms > 0) {
        qputenv("PULSE_LATENCY_MSEC", QByteArray::number(ms));
        ourTarget = true;
    } else if (ourTarget) {
        qunsetenv("PULSE_LATENCY_MSEC");
        ourTarget = false;
    }
}

// SDL's drivers that write a file or nothing at all run as fast as they are fed: a device of
// theirs must never be kept open waiting.
bool drivesRealDevice()
{
    const char* driver = SDL_GetCurrentAudioDriver();
    return driver && strcmp(driver, "disk") != 0 && strcmp(driver, "dummy") != 0;
}
} // namespace

void CAudioEngine::setTuning(const Tuning& tuning)
{
    std::lock_guard<std::mutex> lock(g_tuningMutex);
    g_tuning = tuning;
}

CAudioEngine::Tuning CAudioEngine::tuning()
{
    std::lock_guard<std::mutex> lock(g_tuningMutex);
    return g_tuning;
}

void CAudioEngine::setMixObserver(MixObserver observer)
{
    g_observer = observer;
}

std::shared_ptr<CAudioEngine> CAudioEngine::instance()
{
    static std::mutex guard;
    static std::weak_ptr<CAudioEngine> shared;
    std::lock_guard<std::mutex> lock(guard);
    std::shared_ptr<CAudioEngine> engine = shared.lock();
    if (!engine) {
        engine.reset(new CAudioEngine);
        shared = engine;
    }
    return engine;
}

std::mutex& CAudioEngine::deviceMutex()
{
    static std::mutex mutex;
    return mutex;
}

CAudioEngine::CAudioEngine()
{
    {
        std::lock_guard<std::mutex> sdl(deviceMutex());
        // Qt owns the process's signals; SDL must not install handlers of its own.
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        m_available = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    }
    // Where SDL plays through PulseAudio, the engine talks to the server itself: SDL's
    // driver queues a buffer of silence ahead of each new stream and refills only once a
    // whole buffer is free, which runs the stream dry whenever a refill comes a little late.
    const char* driver = m_available ? SDL_GetCurrentAudioDriver() : nullptr;
    if (driver && strcmp(driver, "pulseaudio") == 0) {
        auto pulse =
            std::make_unique<CPulseOutput>([this](int16_t* out, int frames) { mix(out, frames); },
                                           [this] {
                                               {
                                                   std::lock_guard<std::mutex> lock(m_mutex);
                                                   m_outputLost = true;
                                                   m_wake = true;
                                               }
                                               m_wakeWorker.notify_all();
                                           });
        if (pulse->connect())
            m_pulse = std::move(pulse);
    }
    m_worker = std::thread([this] { run(); });
}

CAudioEngine::~CAudioEngine()
{
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        // A sound fading out, or still in the server's buffer, plays out first (briefly).
        if (outputOpen()) {
            m_awaitDrain = true;
            m_wakeWorker.wait_for(lock, std::chrono::milliseconds(500), [this] {
                return !outputOpen() || (m_tails.empty() && m_silentFrames >= m_drainFrames);
            });
        }
        m_quit = true;
    }
    m_wakeWorker.notify_all();
    m_worker.join();
    std::unique_lock<std::mutex> lock(m_mutex);
    if (outputOpen())
        closeDevice(lock);
    lock.unlock();
    m_pulse.reset();
    if (m_available) {
        std::lock_guard<std::mutex> sdl(deviceMutex());
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
}

int CAudioEngine::addChannel(QObject* receiver, const char* onDrained)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const int id = m_nextChannel++;
    Channel& channel = m_channels[id];
    channel.receiver = receiver;
    channel.onDrained = onDrained;
    return id;
}

void CAudioEngine::removeChannel(int channel)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    auto it = m_channels.find(channel);
    if (it == m_channels.end())
        return;
    fadeOutHead(it->second);
    for (const auto& cue : it->second.queue)
        cue->state = Cue::Cancelled;
    m_channels.erase(it);
}

void CAudioEngine::fadeOutHead(Channel& channel)
{
    // A cue cut in the middle would end on a step, heard as a click: its next few
    // milliseconds go on, fading to nothing.
    if (!outputOpen() || m_closing || channel.queue.empty())
        return;
    const std::shared_ptr<Cue>& head = channel.queue.front();
    if (head->state == Cue::Ready && head->pos > 0 && head->pos < head->pcm->size())
        m_tails.push_back(Tail{head, kFadeFrames});
}

quint64 CAudioEngine::enqueue(int channel, const QString& path)
{
    quint64 serial = 0;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        auto it = m_channels.find(channel);
        if (it == m_channels.end())
            return 0;
        auto cue = std::make_shared<Cue>();
        cue->serial = serial = ++it->second.lastSerial;
        it->second.queue.push_back(cue);
        m_jobs.push_back(Job{cue, path});
        m_closeWanted = false;
        m_closeAt.reset();
        m_awaitDrain = false;
    }
    m_wakeWorker.notify_all();
    return serial;
}

void CAudioEngine::clear(int channel)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    auto it = m_channels.find(channel);
    if (it == m_channels.end())
        return;
    Channel& ch = it->second;
    fadeOutHead(ch);
    for (const auto& cue : ch.queue)
        cue->state = Cue::Cancelled;
    ch.queue.clear();
    ch.finished = ch.lastSerial;
    ch.notified = ch.finished;
}

quint64 CAudioEngine::finishedSerial(int channel) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    auto it = m_channels.find(channel);
    return it == m_channels.end() ? 0 : it->second.finished;
}

void CAudioEngine::releaseIfIdle()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!outputOpen() || !allChannelsEmpty())
            return;
        m_closeWanted = true;
        m_wake = true;
    }
    m_wakeWorker.notify_all();
}

bool CAudioEngine::isOutputOpen() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return outputOpen();
}

CAudioEngine::CacheState CAudioEngine::cacheState() const
{
    std::lock_guard<std::mutex> lock(m_cacheMutex);
    return CacheState{m_cache.bytes(), m_cache.count(), m_cache.decodes()};
}

void CAudioEngine::setCacheCap(size_t bytes)
{
    std::lock_guard<std::mutex> lock(m_cacheMutex);
    m_cache.setCapBytes(bytes);
}

bool CAudioEngine::allChannelsEmpty() const
{
    for (const auto& entry : m_channels) {
        if (!entry.second.queue.empty())
            return false;
    }
    return true;
}

void CAudioEngine::run()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    const auto ready = [this] { return m_quit || m_wake || !m_jobs.empty(); };
    for (;;) {
        if (m_closeAt)
            m_wakeWorker.wait_until(lock, *m_closeAt, ready);
        else
            m_wakeWorker.wait(lock, ready);
        if (m_quit)
            return;
        m_wake = false;
        if (!m_jobs.empty()) {
            Job job = std::move(m_jobs.front());
            m_jobs.pop_front();
            if (job.cue->state == Cue::Pending) {
                lock.unlock();
                const QString file = CStarterVoice::find(job.path);
                CSoundCache::Sound pcm;
                {
                    std::lock_guard<std::mutex> cache(m_cacheMutex);
                    pcm = m_cache.get(file);
                }
                lock.lock();
                if (job.cue->state == Cue::Pending) {
                    job.cue->pcm = std::move(pcm);
                    job.cue->state = Cue::Ready;
                }
            }
        }
        housekeeping(lock);
    }
}

void CAudioEngine::housekeeping(std::unique_lock<std::mutex>& lock)
{
    // A stream the server dropped is closed; the sound it had not played yet starts again
    // from where the mixer was in a new one, or is skipped when none opens.
    if (m_outputLost) {
        m_outputLost = false;
        if (m_pulseOpen)
            closeDevice(lock);
    }
    // Start the device as soon as a cue at the head of a channel is ready to be heard: the
    // cues behind it are decoded while it plays (a cached sound takes microseconds, a new
    // one a few milliseconds, far less than a word lasts). If it cannot be opened, the ready
    // cues are silent.
    bool wantDevice = false;
    for (auto& entry : m_channels) {
        const auto& queue = entry.second.queue;
        if (!queue.empty() && queue.front()->state == Cue::Ready && !queue.front()->pcm->empty())
            wantDevice = true;
    }
    bool deviceFailed = false;
    if (wantDevice && !outputOpen()) {
        deviceFailed = !openDevice(lock);
        // A player stopped or went away while the device opened: its release found no
        // device, so close it here.
        if (!deviceFailed && allChannelsEmpty())
            m_closeWanted = true;
    }

    // Without a device nothing is heard: ready cues at the head of a channel finish at once,
    // as do cues with nothing to play in any case.
    for (auto& entry : m_channels) {
        Channel& ch = entry.second;
        while (!ch.queue.empty() && ch.queue.front()->state == Cue::Ready &&
               (ch.queue.front()->pcm->empty() || deviceFailed)) {
            ch.finished = ch.queue.front()->serial;
            ch.queue.pop_front();
        }
    }

    for (auto& entry : m_channels) {
        Channel& ch = entry.second;
        if (ch.queue.empty() && ch.finished != ch.notified) {
            ch.notified = ch.finished;
            // Posted under the lock: removeChannel takes it too, so the receiver is alive.
            // Invoked by name, so nothing of ours travels through Qt's queue.
            QMetaObject::invokeMethod(ch.receiver, ch.onDrained, Qt::QueuedConnection);
        }
    }

    // A release waits for sounds cut short to fade out; the mixer wakes us when they have.
    if (m_closeWanted && outputOpen() && allChannelsEmpty() && m_tails.empty()) {
        m_closeWanted = false;
        const auto now = std::chrono::steady_clock::now();
        const int linger = m_keepable ? std::max(0, tuning().lingerMs) : 0;
        if (!m_closeAt)
            m_closeAt = now + std::chrono::milliseconds(linger);
    } else if (!outputOpen() || !allChannelsEmpty()) {
        m_closeWanted = false;
        m_closeAt.reset();
        m_awaitDrain = false;
    }
    if (m_closeAt && std::chrono::steady_clock::now() >= *m_closeAt) {
        m_closeAt.reset();
        m_awaitDrain = outputOpen() && allChannelsEmpty() && m_tails.empty() && m_jobs.empty();
    }
    // Closing the stream throws away what the sound server has not played yet, so the last
    // sound must be out first: the mixer wakes us once enough silence has followed it.
    if (m_awaitDrain && m_silentFrames >= m_drainFrames) {
        m_awaitDrain = false;
        closeDevice(lock);
        // Cues may have come while the device closed.
        m_wake = true;
    }
}

bool CAudioEngine::openDevice(std::unique_lock<std::mutex>& lock)
{
    if (!m_available)
        return false;
    const Tuning tuned = tuning();
    if (m_pulse && !tuned.sdlOutput && openPulse(lock, tuned))
        return true;
    lock.unlock();
    SDL_AudioSpec want{};
    want.freq = CWavDecoder::kOutputRate;
    want.format = AUDIO_S16SYS;
    want.channels = CWavDecoder::kOutputChannels;
    want.samples = Uint16(std::clamp(tuned.deviceFrames, 64, 8192));
    want.callback = &CAudioEngine::deviceCallback;
    want.userdata = this;
    SDL_AudioSpec have{};
    SDL_AudioDeviceID device = 0;
    {
        std::lock_guard<std::mutex> sdl(deviceMutex());
        setSdlServerTarget(tuned.serverTargetMs);
        // No allowed changes: SDL converts to whatever the hardware wants.
        device = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
    }
    // Unpaused without our lock: SDL takes the device's own lock, which it also holds
    // around the callback, and the callback takes ours.
    if (device)
        SDL_PauseAudioDevice(device, 0);
    const bool keepable = device && drivesRealDevice();
    lock.lock();
    if (!device)
        return false;
    m_device = device;
    m_keepable = keepable;
    // The server queues about one device buffer and plays it out through its own latency:
    // three buffers and 50 ms of silence after the last sound cover both.
    m_drainFrames = 3 * int(have.samples) + CWavDecoder::kOutputRate / 20;
    m_silentFrames = 0;
    m_awaitDrain = false;
    return true;
}

bool CAudioEngine::openPulse(std::unique_lock<std::mutex>& lock, const Tuning& tuned)
{
    const int targetMs = tuned.serverTargetMs > 0 ? tuned.serverTargetMs : kPulseTargetMs;
    const int refillMs = tuned.refillMs > 0 ? tuned.refillMs : kPulseRefillMs;
    lock.unlock();
    int userMs = 0;
    {
        // A target the benchmark set for SDL's stream must not reach ours; the user's does
        // (libpulse applies it when the stream connects).
        std::lock_guard<std::mutex> sdl(deviceMutex());
        setSdlServerTarget(0);
        userMs = qEnvironmentVariableIntValue("PULSE_LATENCY_MSEC");
    }
    // The first fill is mixed while the stream connects, before this returns.
    const bool opened = m_pulse->open(targetMs, refillMs);
    lock.lock();
    if (!opened)
        return false;
    m_pulseOpen = true;
    m_keepable = true;
    // The close plays out what the server holds; the silence mixed behind the last sound
    // before it covers what the server already handed to the device, up to the whole
    // latency, so that the stream ends on silence and nothing is cut when it goes.
    m_drainFrames = std::max({targetMs, userMs, 10}) * (CWavDecoder::kOutputRate / 1000);
    m_silentFrames = 0;
    m_awaitDrain = false;
    return true;
}

void CAudioEngine::closeDevice(std::unique_lock<std::mutex>& lock)
{
    if (m_pulseOpen) {
        m_closing = true;
        lock.unlock();
        m_pulse->close();
        lock.lock();
        m_pulseOpen = false;
        m_closing = false;
        m_tails.clear();
        return;
    }
    const SDL_AudioDeviceID device = m_device;
    m_closing = true;
    lock.unlock();
    {
        std::lock_guard<std::mutex> sdl(deviceMutex());
        SDL_CloseAudioDevice(device);
    }
    lock.lock();
    m_device = 0;
    m_closing = false;
    m_tails.clear();
}

void CAudioEngine::deviceCallback(void* userdata, uint8_t* stream, int len)
{
    static_cast<CAudioEngine*>(userdata)->mix(reinterpret_cast<int16_t*>(stream),
                                              len / int(sizeof(int16_t) * 2));
}

void CAudioEngine::mix(int16_t* out, int frames)
{
    const MixObserver observer = g_observer;
    const qint64 startNs = observer ? steadyNs() : 0;
    const int total = frames;
    int cueStart = -1;
    bool sounding = false;
    bool emptied = false;
    int32_t sum[kMixFrames * 2];
    std::unique_lock<std::mutex> lock(m_mutex);
    int base = 0;
    while (frames > 0) {
        const int n = std::min(frames, kMixFrames);
        std::fill(sum, sum + n * 2, 0);
        if (!m_closing) {
            for (auto& entry : m_channels) {
                Channel& ch = entry.second;
                int done = 0;
                while (done < n && !ch.queue.empty()) {
                    Cue& cue = *ch.queue.front();
                    if (cue.state != Cue::Ready)
                        break; // still decoding: this channel waits
                    const size_t left = (cue.pcm->size() - cue.pos) / 2;
                    const int take = int(std::min<size_t>(left, size_t(n - done)));
                    if (cue.pos == 0 && take > 0 && cueStart < 0)
                        cueStart = base + done;
                    const int16_t* src = cue.pcm->data() + cue.pos;
                    for (int i = 0; i < take * 2; ++i)
                        sum[done * 2 + i] += src[i];
                    sounding = sounding || take > 0;
                    cue.pos += size_t(take) * 2;
                    done += take;
                    if (cue.pos >= cue.pcm->size()) {
                        ch.finished = cue.serial;
                        ch.queue.pop_front();
                        emptied = emptied || ch.queue.empty();
                    }
                }
            }
            for (Tail& tail : m_tails) {
                Cue& cue = *tail.cue;
                const size_t left = (cue.pcm->size() - cue.pos) / 2;
                const int take = int(std::min<size_t>({left, size_t(n), size_t(tail.left)}));
                const int16_t* src = cue.pcm->data() + cue.pos;
                for (int i = 0; i < take; ++i) {
                    const int32_t gain = tail.left - i - 1; // out of kFadeFrames
                    sum[i * 2] += src[i * 2] * gain / kFadeFrames;
                    sum[i * 2 + 1] += src[i * 2 + 1] * gain / kFadeFrames;
                }
                cue.pos += size_t(take) * 2;
                tail.left = cue.pos >= cue.pcm->size() ? 0 : tail.left - take;
                sounding = sounding || take > 0;
            }
            const size_t before = m_tails.size();
            m_tails.erase(std::remove_if(m_tails.begin(), m_tails.end(),
                                         [](const Tail& t) { return t.left <= 0; }),
                          m_tails.end());
            emptied = emptied || (before > 0 && m_tails.empty());
        }
        for (int i = 0; i < n * 2; ++i)
            out[i] = int16_t(std::clamp<int32_t>(sum[i], -32768, 32767));
        out += n * 2;
        frames -= n;
        base += n;
    }
    if (sounding) {
        m_silentFrames = 0;
    } else {
        const bool crossed =
            m_silentFrames < m_drainFrames && m_silentFrames + total >= m_drainFrames;
        m_silentFrames = std::min(m_silentFrames + total, 1 << 30);
        emptied = emptied || (crossed && m_awaitDrain);
    }
    if (emptied)
        m_wake = true;
    lock.unlock();
    if (emptied)
        m_wakeWorker.notify_all();
    if (observer)
        observer(startNs, total, cueStart, sounding);
}
