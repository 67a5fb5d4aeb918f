#include "components/AudioManager.h"

#include <QCoreApplication>

// Scaffolding: replaced by the SDL2 + libsndfile player and recorder.
struct CAudioManager::Impl
{
};

CAudioManager::CAudioManager(QObject* parent) : QObject(parent), d(std::make_unique<Impl>()) {}
CAudioManager::~CAudioManager() = default;

void CAudioManager::Play(const QString&)
{
    QMetaObject::invokeMethod(this, &CAudioManager::queueDrained, Qt::QueuedConnection);
}
void CAudioManager::Stop() {}
void CAudioManager::Record(int, const QString&, QObject* receiver, void*)
{
    if (receiver)
        QCoreApplication::postEvent(receiver, new RecordDoneEvent(false, QStringLiteral("Recording is not available.")));
}
bool CAudioManager::isPlaying() const
{
    return false;
}
bool CAudioManager::isRecording() const
{
    return false;
}
QString CAudioManager::resolvePath(const QString& path)
{
    return path;
}
