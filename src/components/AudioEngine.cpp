#include "components/AudioEngine.h"

#include "components/WavDecoder.h"

#include <SDL.h>
#include <algorithm>
#include <cstring>

namespace {
constexpr int kMixFrames = 512;
constexpr int kDeviceSamples = 1024;
} // namespace

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
    m_worker = std::thread([this] { run(); });
}

CAudioEngine::~CAudioEngine()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_quit = true;
    }
    m_wakeWorker.notify_all();
    m_worker.join();
    std::unique_lock<std::mutex> lock(m_mutex);
    if (m_device)
        closeDevice(lock);
    lock.unlock();
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
    for (const auto& cue : it->second.queue)
        cue->state = Cue::Cancelled;
    m_channels.erase(it);
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
        if (!m_device || !allChannelsEmpty())
            return;
        m_closeWanted = true;
        m_wake = true;
    }
    m_wakeWorker.notify_all();
}

bool CAudioEngine::isOutputOpen() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_device != 0;
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
    for (;;) {
        m_wakeWorker.wait(lock, [this] { return m_quit || m_wake || !m_jobs.empty(); });
        if (m_quit)
            return;
        m_wake = false;
        if (!m_jobs.empty()) {
            Job job = std::move(m_jobs.front());
            m_jobs.pop_front();
            if (job.cue->state == Cue::Pending) {
                lock.unlock();
                std::vector<int16_t> pcm;
                CWavDecoder::decode(job.path, pcm);
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
    // Start the device once everything handed over so far is decoded and something is ready
    // to be heard; if it cannot be opened, the ready cues are silent.
    bool wantDevice = false;
    for (auto& entry : m_channels) {
        const auto& queue = entry.second.queue;
        if (!queue.empty() && queue.front()->state == Cue::Ready && !queue.front()->pcm.empty())
            wantDevice = true;
    }
    bool deviceFailed = false;
    if (wantDevice && !m_device && m_jobs.empty()) {
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
               (ch.queue.front()->pcm.empty() || deviceFailed)) {
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

    if (m_closeWanted && m_device && allChannelsEmpty()) {
        closeDevice(lock);
        // Cues may have come while the device closed.
        m_wake = true;
    }
    m_closeWanted = false;
}

bool CAudioEngine::openDevice(std::unique_lock<std::mutex>& lock)
{
    if (!m_available)
        return false;
    lock.unlock();
    SDL_AudioSpec want{};
    want.freq = CWavDecoder::kOutputRate;
    want.format = AUDIO_S16SYS;
    want.channels = CWavDecoder::kOutputChannels;
    want.samples = kDeviceSamples;
    want.callback = &CAudioEngine::deviceCallback;
    want.userdata = this;
    SDL_AudioSpec have{};
    SDL_AudioDeviceID device = 0;
    {
        std::lock_guard<std::mutex> sdl(deviceMutex());
        // No allowed changes: SDL converts to whatever the hardware wants.
        device = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
    }
    // Unpaused without our lock: SDL takes the device's own lock, which it also holds
    // around the callback, and the callback takes ours.
    if (device)
        SDL_PauseAudioDevice(device, 0);
    lock.lock();
    if (!device)
        return false;
    m_device = device;
    return true;
}

void CAudioEngine::closeDevice(std::unique_lock<std::mutex>& lock)
{
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
}

void CAudioEngine::deviceCallback(void* userdata, uint8_t* stream, int len)
{
    static_cast<CAudioEngine*>(userdata)->mix(reinterpret_cast<int16_t*>(stream),
                                              len / int(sizeof(int16_t) * 2));
}

void CAudioEngine::mix(int16_t* out, int frames)
{
    bool emptied = false;
    int32_t sum[kMixFrames * 2];
    std::unique_lock<std::mutex> lock(m_mutex);
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
                    const size_t left = (cue.pcm.size() - cue.pos) / 2;
                    const int take = int(std::min<size_t>(left, size_t(n - done)));
                    const int16_t* src = cue.pcm.data() + cue.pos;
                    for (int i = 0; i < take * 2; ++i)
                        sum[done * 2 + i] += src[i];
                    cue.pos += size_t(take) * 2;
                    done += take;
                    if (cue.pos >= cue.pcm.size()) {
                        ch.finished = cue.serial;
                        ch.queue.pop_front();
                        emptied = emptied || ch.queue.empty();
                    }
                }
            }
        }
        for (int i = 0; i < n * 2; ++i)
            out[i] = int16_t(std::clamp<int32_t>(sum[i], -32768, 32767));
        out += n * 2;
        frames -= n;
    }
    if (emptied)
        m_wake = true;
    lock.unlock();
    if (emptied)
        m_wakeWorker.notify_all();
}
