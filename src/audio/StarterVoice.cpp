#include "audio/StarterVoice.h"

#include "audio/AudioManager.h"
#include "base/Language.h"
#include "audio/SoundTrim.h"
#include "audio/WavFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <sndfile.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {
std::atomic<bool> g_enabled{true};

// Set by start-up on the UI thread before anything is queued; read by the worker.
std::mutex g_config;
QString g_dataFolder;
QString g_programFolder;
QString g_speaker;

const char* const kFolders[] = {"Shapes", "Colors", "Letters", "Numbers", "Words", "Math", "Bird"};

struct Config
{
    QString data;
    QString program;
    QString speaker;
};

Config config()
{
    std::lock_guard<std::mutex> lock(g_config);
    return Config{g_dataFolder, g_programFolder, g_speaker};
}

// A sound file the player can read, with at least one frame.
bool isPlayable(const QString& path)
{
    SF_INFO info{};
    SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    if (!file)
        return false;
    sf_close(file);
    return info.frames > 0 && info.channels > 0;
}

// The starter recording of folder/file in one of the bases, whatever its letter case, when it
// can be played.
QString existingStarter(const Config& c, const QString& language, const QString& folder,
                        const QString& file)
{
    QStringList bases{c.data};
    if (!c.program.isEmpty() && c.program != c.data)
        bases << c.program;
    for (const QString& base : bases) {
        if (base.isEmpty())
            continue;
        const QString found =
            CAudioManager::resolvePath(base + QStringLiteral("/Starter/") + language +
                                       QLatin1Char('/') + folder + QLatin1Char('/') + file);
        if (!found.isEmpty() && isPlayable(found))
            return found;
    }
    return QString();
}

// Splits <data folder>/<Folder>/<file> into Folder and file; false for any other path.
bool splitCuePath(const Config& c, const QString& path, QString& folder, QString& file)
{
    if (c.data.isEmpty() || path.isEmpty())
        return false;
    const QFileInfo info(path);
    const QString dir = info.path();
    const int slash = dir.lastIndexOf(QLatin1Char('/'));
    if (slash < 0 || dir.left(slash) != c.data)
        return false;
    folder = dir.mid(slash + 1);
    file = info.fileName();
    for (const char* known : kFolders) {
        if (folder == QLatin1String(known))
            return !file.isEmpty();
    }
    return false;
}

QString currentLanguage()
{
    const QString code = CLanguage::instance()->current();
    return code.isEmpty() ? QStringLiteral("en") : code;
}
} // namespace

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

void CStarterVoice::setFolders(const QString& dataFolder, const QString& programFolder)
{
    std::lock_guard<std::mutex> lock(g_config);
    g_dataFolder = dataFolder;
    g_programFolder = programFolder;
}

void CStarterVoice::setSpeaker(const QString& path)
{
    std::lock_guard<std::mutex> lock(g_config);
    g_speaker = path;
}

QString CStarterVoice::starterPath(const QString& base, const QString& language,
                                   const QString& folder, const QString& name)
{
    return base + QStringLiteral("/Starter/") + language + QLatin1Char('/') + folder +
           QLatin1Char('/') + name + QStringLiteral(".wav");
}

QString CStarterVoice::findStarter(const QString& path, const QString& language)
{
    const Config c = config();
    QString folder, file;
    if (!splitCuePath(c, path, folder, file))
        return QString();
    return existingStarter(c, language, folder, file);
}

QString CStarterVoice::find(const QString& path)
{
    const QString parents = CAudioManager::resolvePath(path);
    if (!parents.isEmpty())
        return parents;
    const QString language = currentLanguage();
    QString found = findStarter(path, language);
    if (found.isEmpty() && language != QLatin1String("en"))
        found = findStarter(path, QStringLiteral("en"));
    return found;
}

QStringList CStarterVoice::languageItems(const QString& language)
{
    QStringList items;
    for (char l = 'A'; l <= 'Z'; ++l)
        items << QStringLiteral("Letters|%1|%1").arg(QLatin1Char(l));
    for (int n = 1; n <= 10; ++n)
        items << QStringLiteral("Numbers|%1|%1").arg(n);
    QFile file(QStringLiteral(":/lang/%1/Items.txt").arg(CLanguage::info(language).code));
    if (file.open(QIODevice::ReadOnly)) {
        const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
        for (const QString& line : lines) {
            if (!line.startsWith(QLatin1Char('#')) && line.count(QLatin1Char('|')) == 2)
                items << line.trimmed();
        }
    }
    return items;
}

bool CStarterVoice::queue(const QString& language, const QString& folder, const QString& name,
                          const QString& text)
{
    const Config c = config();
    if (c.data.isEmpty() || name.isEmpty() || text.trimmed().isEmpty() ||
        name.contains(QLatin1Char('/')) || name.startsWith(QLatin1Char('.')))
        return false;
    if (!existingStarter(c, language, folder, name + QStringLiteral(".wav")).isEmpty())
        return false;
    const QString target = starterPath(c.data, language, folder, name);
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_stop)
            return false;
        for (const Job& job : m_queue) {
            if (job.target == target)
                return false;
        }
        m_queue.push_back(Job{language, target, text});
        if (language == m_progress.language)
            ++m_progress.total;
        if (!m_thread.joinable())
            m_thread = std::thread([this] { run(); });
    }
    m_changed.notify_all();
    return true;
}

int CStarterVoice::makeLanguage(const QString& language, const QStringList& items)
{
    if (!g_enabled)
        return 0;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_progress.language != language)
            m_progress = Progress{language, 0, 0, 0};
    }
    int queued = 0;
    for (const QString& item : languageItems(language) + items) {
        const QStringList parts = item.split(QLatin1Char('|'));
        if (parts.size() == 3 && queue(language, parts.at(0), parts.at(1), parts.at(2)))
            ++queued;
    }
    Q_EMIT progressChanged();
    return queued;
}

bool CStarterVoice::speakIfSilent(const QString& path, const QString& word)
{
    if (!g_enabled || path.isEmpty() || word.trimmed().isEmpty())
        return false;
    if (!CAudioManager::resolvePath(path).isEmpty())
        return false;
    QString folder, file;
    if (!splitCuePath(config(), path, folder, file))
        return false;
    return queue(currentLanguage(), folder, QFileInfo(file).completeBaseName(), word);
}

CStarterVoice::Progress CStarterVoice::progress() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_progress;
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
        // The recording being made is abandoned: a slow or stuck speaker must not hold up
        // the end of the program. What it leaves is removed by the worker.
        if (m_speaker > 0)
            ::kill(m_speaker, SIGKILL);
    }
    m_changed.notify_all();
    if (m_thread.joinable())
        m_thread.join();
}

void CStarterVoice::run()
{
    for (;;) {
        Job job;
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
        const bool made = make(job);
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            if (job.language == m_progress.language)
                ++(made ? m_progress.done : m_progress.failed);
        }
        if (made)
            Q_EMIT soundMade(job.target);
        Q_EMIT progressChanged();
    }
}

bool CStarterVoice::runSpeaker(const QString& speaker, const QString& voice, const QString& text,
                               const QString& out)
{
    const QByteArray program = QFile::encodeName(speaker);
    const QByteArray voiceArg = voice.toUtf8();
    const QByteArray textArg = text.toUtf8();
    const QByteArray outArg = QFile::encodeName(out);
    char* argv[] = {const_cast<char*>(program.constData()), const_cast<char*>(voiceArg.constData()),
                    const_cast<char*>(textArg.constData()), const_cast<char*>(outArg.constData()),
                    nullptr};
    pid_t pid = 0;
    {
        // Started and noted under the lock, so that shutdown() either comes first (and
        // nothing starts) or finds the speaker to end.
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_stop || posix_spawn(&pid, program.constData(), nullptr, nullptr, argv, environ) != 0)
            return false;
        m_speaker = pid;
    }
    int status = 0;
    pid_t waited = 0;
    do {
        waited = waitpid(pid, &status, 0);
    } while (waited < 0 && errno == EINTR);
    {
        // Only now may the number go to another process, so shutdown() never signals one
        // that is not ours.
        std::lock_guard<std::mutex> lock(m_mutex);
        m_speaker = 0;
    }
    return waited == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

bool CStarterVoice::make(const Job& job)
{
    const Config c = config();
    const QFileInfo target(job.target);
    if (!QDir().mkpath(target.absolutePath()))
        return false;
    // Made meanwhile (or shipped): nothing to do. A starter file of ours that cannot be
    // played is made again.
    const QString existing = CAudioManager::resolvePath(job.target);
    if (!existing.isEmpty()) {
        if (isPlayable(existing))
            return false;
        QFile::remove(existing);
    }

    QString rawPath;
    {
        QTemporaryFile raw(target.absolutePath() + QStringLiteral("/.speak.XXXXXX.wav"));
        if (!raw.open())
            return false;
        raw.setAutoRemove(false);
        rawPath = raw.fileName();
    }
    const QString speaker = c.speaker.isEmpty() ? QCoreApplication::applicationDirPath() +
                                                      QStringLiteral("/pommelot-speak")
                                                : c.speaker;
    int rate = 0;
    std::vector<int16_t> samples;
    if (runSpeaker(speaker, QLatin1String(CLanguage::info(job.language).voice), job.text, rawPath))
        samples = WavFile::readMono(rawPath, rate);
    QFile::remove(rawPath);
    SoundTrim::trimSilence(samples, rate);
    if (samples.empty() || rate <= 0)
        return false;
    SoundTrim::normalise(samples);

    const QString tempPath = WavFile::writeBeside(job.target, samples, rate);
    if (tempPath.isEmpty())
        return false;
    // link() never replaces a file: a recording that appeared meanwhile is kept.
    const bool written = CAudioManager::resolvePath(job.target).isEmpty() &&
                         ::link(QFile::encodeName(tempPath).constData(),
                                QFile::encodeName(job.target).constData()) == 0;
    QFile::remove(tempPath);
    return written;
}
