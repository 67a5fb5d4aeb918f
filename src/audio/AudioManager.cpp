#include "audio/AudioManager.h"

#include "base/CaseFold.h"
#include "audio/AudioEngine.h"
#include "audio/AudioRecorder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QTimer>

namespace {
constexpr int kProgressIntervalMs = 50;

void postDone(QObject* receiver, bool ok, const QString& error)
{
    if (receiver)
        QCoreApplication::postEvent(receiver, new RecordDoneEvent(ok, error));
}
} // namespace

struct CAudioManager::Impl
{
    std::shared_ptr<CAudioEngine> engine;
    int channel = 0;
    // Serial of the last cue handed over, and of the last one queueDrained was emitted for.
    quint64 lastQueued = 0;
    quint64 drainedUpTo = 0;

    std::unique_ptr<CAudioRecorder> recorder;
    // Counts recordings, so that the end of a cancelled one cannot finish the next.
    quint64 recordSerial = 0;
    QPointer<QObject> recordReceiver;
    QTimer progressTimer;
};

CAudioManager::CAudioManager(QObject* parent) : QObject(parent), d(std::make_unique<Impl>())
{
    d->engine = CAudioEngine::instance();
    d->channel = d->engine->addChannel(this, "onEngineDrained");
    d->progressTimer.setInterval(kProgressIntervalMs);
    connect(&d->progressTimer, &QTimer::timeout, this, &CAudioManager::reportProgress);
}

CAudioManager::~CAudioManager()
{
    if (d->recorder) {
        // An unfinished take is thrown away; a receiver that still exists hears of it.
        d->recorder->cancel();
        d->recorder->wait();
        postDone(d->recordReceiver, d->recorder->ok(), d->recorder->error());
        d->recorder.reset();
    }
    d->engine->removeChannel(d->channel);
    d->engine->releaseIfIdle();
}

void CAudioManager::Play(const QString& path)
{
    // Skipped files still take their turn, so queueDrained always comes, and never from
    // inside Play. The file (the parent's recording, else the language's starter recording,
    // else the English one) is looked for on the engine's worker, not here.
    d->lastQueued = d->engine->enqueue(d->channel, path);
}

void CAudioManager::Stop()
{
    if (d->recorder)
        d->recorder->stop();
    d->engine->clear(d->channel);
    const std::shared_ptr<CAudioEngine> engine = d->engine;
    if (d->drainedUpTo != d->lastQueued) {
        d->drainedUpTo = d->lastQueued;
        QPointer<CAudioManager> self(this);
        Q_EMIT queueDrained();
        if (!self)
            return;
    }
    engine->releaseIfIdle();
}

void CAudioManager::onEngineDrained()
{
    const std::shared_ptr<CAudioEngine> engine = d->engine;
    if (d->drainedUpTo != d->lastQueued && engine->finishedSerial(d->channel) == d->lastQueued) {
        d->drainedUpTo = d->lastQueued;
        QPointer<CAudioManager> self(this);
        Q_EMIT queueDrained();
        if (!self)
            return;
    }
    engine->releaseIfIdle();
}

void CAudioManager::Record(int seconds, const QString& path, QObject* receiver, void* callback)
{
    Q_UNUSED(callback);
    if (d->recorder || CAudioRecorder::busy()) {
        postDone(receiver, false, tr("Another recording is already running."));
        return;
    }
    const QFileInfo target(path);
    if (path.isEmpty() || target.isDir() || !target.absoluteDir().exists()) {
        postDone(receiver, false, tr("The recording could not be saved."));
        return;
    }
    if (seconds <= 0) {
        postDone(receiver, false, tr("No sound came from the microphone."));
        return;
    }
    auto recorder = std::make_unique<CAudioRecorder>();
    const quint64 serial = ++d->recordSerial;
    // Runs on the recorder's thread; the destructor waits for that thread, so this object is
    // alive when the call is queued, and Qt drops the call if it is deleted before delivery.
    const bool started = recorder->start(seconds, path, [this, serial] {
        QMetaObject::invokeMethod(this, "finishRecording", Qt::QueuedConnection,
                                  Q_ARG(quint64, serial));
    });
    if (!started) {
        postDone(receiver, false, tr("Another recording is already running."));
        return;
    }
    d->recorder = std::move(recorder);
    d->recordReceiver = receiver;
    d->progressTimer.start();
}

void CAudioManager::reportProgress()
{
    if (!d->recorder)
        return;
    const qint64 frames = d->recorder->capturedFrames();
    Q_EMIT recordProgress(int(frames * 1000 / CAudioRecorder::kRate), d->recorder->takePeak());
}

bool CAudioManager::cancelRecording()
{
    if (!d->recorder)
        return false;
    std::unique_ptr<CAudioRecorder> recorder = std::move(d->recorder);
    d->recordReceiver.clear();
    d->progressTimer.stop();
    recorder->cancel();
    recorder->wait();
    return recorder->discarded();
}

void CAudioManager::finishRecording(quint64 serial)
{
    if (!d->recorder || serial != d->recordSerial)
        return;
    d->recorder->wait();
    std::unique_ptr<CAudioRecorder> recorder = std::move(d->recorder);
    QPointer<QObject> receiver = d->recordReceiver;
    d->recordReceiver.clear();
    d->progressTimer.stop();

    if (recorder->ok()) {
        const qint64 frames = recorder->capturedFrames();
        Q_EMIT recordProgress(int(frames * 1000 / CAudioRecorder::kRate), recorder->takePeak());
    }
    // A slot may have deleted this object: only locals from here on.
    postDone(receiver, recorder->ok(), recorder->error());
}

bool CAudioManager::isPlaying() const
{
    return d->drainedUpTo != d->lastQueued;
}

bool CAudioManager::isRecording() const
{
    return d->recorder != nullptr;
}

QString CAudioManager::resolvePath(const QString& path)
{
    if (path.isEmpty())
        return QString();
    const QFileInfo exact(path);
    if (exact.isFile())
        return path;
    const QDir folder = exact.absoluteDir();
    if (!folder.exists())
        return QString();
    const QString name = CaseFold::fold(exact.fileName());
    // Sorted by name, so the same file wins every time when several differ only in case.
    const QStringList entries =
        folder.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QString& entry : entries) {
        if (CaseFold::fold(entry) == name)
            return folder.filePath(entry);
    }
    return QString();
}
