#include "app/SingleInstance.h"

#include "lock/SessionBus.h"

#include <QByteArray>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {
// How long a later copy waits for the running one to take its request: the running copy may
// be busy drawing or in a dialog, and the later copy must end promptly either way.
constexpr int kRequestTimeoutMs = 500;
const char kTokenKey[] = "activation-token";
} // namespace

SingleInstance::SingleInstance(const QString& appId, QObject* parent)
    : QObject(parent), m_appId(appId)
{
}

SingleInstance::~SingleInstance()
{
    if (m_objectRegistered)
        m_bus.unregisterObject(objectPath());
    if (m_claimed && m_backend == Backend::SessionBus && m_bus.isConnected())
        m_bus.unregisterService(m_appId);
    if (m_server) {
        m_server->close();
        delete m_server;
    }
    if (m_lockFd >= 0)
        ::close(m_lockFd); // releases the lock; the file stays for the next copy
}

QString SingleInstance::objectPath() const
{
    // org.example.App -> /org/example/App, as the desktop's application interface expects.
    QString path = QLatin1Char('/') + m_appId;
    path.replace(QLatin1Char('.'), QLatin1Char('/'));
    path.replace(QLatin1Char('-'), QLatin1Char('_'));
    return path;
}

QString SingleInstance::runtimeFolder() const
{
    if (!m_runtimeFolder.isEmpty())
        return m_runtimeFolder;
    const QString env = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!env.isEmpty())
        return env;
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
}

QVariantMap SingleInstance::platformData() const
{
    QVariantMap data;
    const QString token = qEnvironmentVariable("XDG_ACTIVATION_TOKEN");
    if (!token.isEmpty())
        data.insert(QLatin1String(kTokenKey), token);
    return data;
}

bool SingleInstance::claim()
{
    if (!m_busChosen) {
        // Only a bus the session really has.
        if (hasSessionBus(runtimeFolder()))
            m_bus = QDBusConnection::sessionBus();
        m_busChosen = true;
    }
    if (m_bus.isConnected() && m_bus.interface()) {
        m_backend = Backend::SessionBus;
        return claimOnBus();
    }
    m_backend = Backend::LockFile;
    return claimLockFile();
}

bool SingleInstance::claimOnBus()
{
    // Serve the interface first, so that a request arriving right after the name is ours
    // finds it.
    m_objectRegistered = m_bus.registerObject(objectPath(), QLatin1String(kInterface), this,
                                              QDBusConnection::ExportScriptableSlots);
    const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> reply =
        m_bus.interface()->registerService(m_appId, QDBusConnectionInterface::DontQueueService,
                                           QDBusConnectionInterface::DontAllowReplacement);
    if (reply.isValid() && reply.value() == QDBusConnectionInterface::ServiceRegistered) {
        m_claimed = true;
        return true;
    }
    if (m_objectRegistered) {
        m_bus.unregisterObject(objectPath());
        m_objectRegistered = false;
    }
    if (!reply.isValid()) {
        // The bus refused to answer: run rather than leave the parent with nothing.
        m_claimed = true;
        return true;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        m_appId, objectPath(), QLatin1String(kInterface), QStringLiteral("Activate"));
    call << platformData();
    m_bus.call(call, QDBus::Block, kRequestTimeoutMs);
    return false;
}

bool SingleInstance::claimLockFile()
{
    const QString folder = runtimeFolder();
    if (folder.isEmpty()) {
        m_claimed = true; // nowhere to keep a lock: run as before
        return true;
    }
    const QString lockPath = folder + QLatin1Char('/') + m_appId + QStringLiteral(".lock");
    const QString socketPath = folder + QLatin1Char('/') + m_appId + QStringLiteral(".socket");
    const QByteArray lockName = QFile::encodeName(lockPath);
    m_lockFd = ::open(lockName.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (m_lockFd < 0) {
        m_claimed = true; // an unusable runtime folder never keeps the program from starting
        return true;
    }
    if (::flock(m_lockFd, LOCK_EX | LOCK_NB) == 0) {
        m_claimed = true;
        // The lock is ours, so a socket file left by a copy that crashed is stale.
        QLocalServer::removeServer(socketPath);
        m_server = new QLocalServer;
        m_server->setSocketOptions(QLocalServer::UserAccessOption);
        connect(m_server, &QLocalServer::newConnection, this, [this] {
            while (QLocalSocket* socket = m_server->nextPendingConnection()) {
                connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
                connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                    if (!socket->canReadLine())
                        return;
                    const QString token = QString::fromUtf8(socket->readLine(4096)).trimmed();
                    QVariantMap data;
                    if (!token.isEmpty())
                        data.insert(QLatin1String(kTokenKey), token);
                    Activate(data);
                    socket->disconnectFromServer();
                });
            }
        });
        m_server->listen(socketPath);
        return true;
    }
    const int err = errno;
    ::close(m_lockFd);
    m_lockFd = -1;
    if (err != EWOULDBLOCK) {
        m_claimed = true; // the file system has no locks: run rather than refuse
        return true;
    }
    QLocalSocket socket;
    socket.connectToServer(socketPath);
    if (socket.waitForConnected(kRequestTimeoutMs)) {
        socket.write(platformData().value(QLatin1String(kTokenKey)).toString().toUtf8() + '\n');
        socket.waitForBytesWritten(kRequestTimeoutMs);
        socket.waitForDisconnected(kRequestTimeoutMs);
    }
    return false;
}

void SingleInstance::Activate(const QVariantMap& platformData)
{
    Q_EMIT activationRequested(platformData.value(QLatin1String(kTokenKey)).toString());
}

void SingleInstance::Open(const QStringList&, const QVariantMap& platformData)
{
    Activate(platformData);
}

void SingleInstance::ActivateAction(const QString&, const QVariantList&,
                                    const QVariantMap& platformData)
{
    Activate(platformData);
}
