#include "components/StarterVoice.h"

#include "components/AudioManager.h"
#include "components/SoundTrim.h"
#include "components/SpeechVoice.h"
#include "components/WavFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <atomic>
#include <chrono>
#include <unistd.h>

namespace {
std::atomic<bool> g_enabled{true};
}

CStarterVoice* CStarterVoice::instance()
{
    // Never deleted: the worker is ended by shutdown() before the application goes.
    static CStarterVoice* voice = new CStarterVoice;
    return voice;
}

CStarterVoice::~CStarterVoice()
{
    shutdown();
}

void CStarterVoice::setEnabled(bool enabled)
{
    g_enabled = enabled;
}

bool CStarterVoice::isEnabled()
{
    return g_enabled.load();
}

bool CStarterVoice::speakIfSilent(const QString& path, const QString& word)
{
    if (!g_enabled || path.isEmpty() || word.trimmed().isEmpty())
        return false;
    if (!CAudioManager::resolvePath(path).isEmpty())
        return false;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_stop)
            return false;
        m_queue.emplace_back(path, word);
        if (!m_thread.joinable())
            m_thread = std::thread([this] { run(); });
    }
    m_changed.notify_all();
    return true;
}

bool CStarterVoice::waitForIdle(int msecs)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    return m_changed.wait_for(lock, std::chrono::milliseconds(msecs),
                              [this] { return m_queue.empty() && !m_busy; });
}

void CStarterVoice::shutdown()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stop = true;
        m_queue.clear();
    }
    m_changed.notify_all();
    if (m_thread.joinable())
        m_thread.join();
}

void CStarterVoice::run()
{
    // The library is set up on first use, on this thread, and used by it alone.
    std::unique_ptr<CSpeechVoice> voice;
    for (;;) {
        std::pair<QString, QString> job;
        {
            std::unique_lock<std::mutex> lock(m_mutex);
            m_busy = false;
            m_changed.notify_all();
            m_changed.wait(lock, [this] { return m_stop || !m_queue.empty(); });
            if (m_stop)
                return;
            job = std::move(m_queue.front());
            m_queue.pop_front();
            m_busy = true;
        }
        if (!voice)
            voice = std::make_unique<CSpeechVoice>();
        if (voice->isAvailable() && writeIfFree(job.first, job.second, *voice))
            Q_EMIT soundMade(job.first);
    }
}

bool CStarterVoice::writeIfFree(const QString& path, const QString& word, CSpeechVoice& voice)
{
    // A recording made while the word waited its turn wins.
    if (!CAudioManager::resolvePath(path).isEmpty())
        return false;
    const QFileInfo target(path);
    const QDir folder = target.absoluteDir();
    if (!folder.exists())
        return false;

    std::vector<int16_t> samples = voice.speak(word);
    SoundTrim::trimSilence(samples, voice.sampleRate());
    if (samples.empty())
        return false;
    SoundTrim::normalise(samples);

    const QString tempPath = WavFile::writeBeside(path, samples, voice.sampleRate());
    if (tempPath.isEmpty())
        return false;
    // link() never replaces a file: a recording that appeared meanwhile is kept. The check
    // for another letter case is repeated just before.
    const bool written =
        CAudioManager::resolvePath(path).isEmpty() &&
        ::link(QFile::encodeName(tempPath).constData(), QFile::encodeName(path).constData()) == 0;
    QFile::remove(tempPath);
    return written;
}
