#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <QVariantMap>

class QLocalServer;

// One running copy per user. The first copy claims a well-known name on the session bus (the
// desktop file's id) and serves the desktop's application interface on it; without a session
// bus it holds a lock on a file in the user's runtime folder and listens on a socket beside it.
// A later copy finds the name (or the lock) taken, asks the running copy to come to the front
// (passing on the launcher's activation token) and reports that it must end. The bus releases
// the name, and the kernel the lock, when a copy ends in any way, so a crash never blocks the
// next start.
class SingleInstance : public QObject
{
    Q_OBJECT
public:
    enum class Backend
    {
        SessionBus,
        LockFile
    };

    // `appId` names the bus name, its object path and the lock and socket files.
    explicit SingleInstance(const QString& appId, QObject* parent = nullptr);
    ~SingleInstance() override;

    // Tests only: use this bus connection (or none: the lock file) and this runtime folder.
    void setBus(const QDBusConnection& bus)
    {
        m_bus = bus;
        m_busChosen = true;
    }
    void setNoBus()
    {
        m_bus = QDBusConnection(QString());
        m_busChosen = true;
    }
    void setRuntimeFolder(const QString& folder) { m_runtimeFolder = folder; }

    // True: this is the one running copy; keep the object alive for as long as the program
    // runs. False: another copy runs and was asked to come to the front; end at once. Creates
    // nothing but the lock and socket files of the runtime folder (and only as the first copy,
    // or when the lock file is missing).
    bool claim();
    Backend backend() const { return m_backend; }

    // The object path and interface served on the bus name.
    QString objectPath() const;
    static constexpr const char* kInterface = "org.freedesktop.Application";

public Q_SLOTS:
    // The desktop's application interface, served on the bus: bring the window to the front.
    // `platformData` may carry the launcher's "activation-token".
    Q_SCRIPTABLE void Activate(const QVariantMap& platformData);
    // Open files and run actions: this program opens nothing, so both only come to the front.
    Q_SCRIPTABLE void Open(const QStringList& uris, const QVariantMap& platformData);
    Q_SCRIPTABLE void ActivateAction(const QString& actionName, const QVariantList& parameter,
                                     const QVariantMap& platformData);

Q_SIGNALS:
    // Another start asked this copy to come to the front; `activationToken` is the Wayland
    // activation token the launcher gave it (empty when there was none).
    void activationRequested(const QString& activationToken);

private:
    bool claimOnBus();
    bool claimLockFile();
    QVariantMap platformData() const;
    QString runtimeFolder() const;

    QString m_appId;
    QDBusConnection m_bus{QString()};
    bool m_busChosen = false;
    QString m_runtimeFolder;
    Backend m_backend = Backend::SessionBus;
    bool m_claimed = false;
    bool m_objectRegistered = false;
    int m_lockFd = -1;
    QLocalServer* m_server = nullptr;
};
