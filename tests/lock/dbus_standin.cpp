// Stands in for the desktop's screen saver (org.freedesktop.ScreenSaver) and for
// systemd-logind's inhibitors (org.freedesktop.login1) on a private bus, so that tests can see
// what the program takes and gives back. Both services live on the bus it is started on
// (DBUS_SESSION_BUS_ADDRESS). It also answers the tests' questions on org.pommelot.StandIn.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusUnixFileDescriptor>
#include <QMap>
#include <QObject>
#include <QStringList>
#include <poll.h>
#include <unistd.h>

class ScreenSaver : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.ScreenSaver")
public:
    QMap<uint, QString> held;
    uint next = 1;
public Q_SLOTS:
    Q_SCRIPTABLE uint Inhibit(const QString& application, const QString& /*reason*/)
    {
        held.insert(next, application);
        return next++;
    }
    Q_SCRIPTABLE void UnInhibit(uint cookie) { held.remove(cookie); }
};

class Login : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.login1.Manager")
public:
    struct Held
    {
        int readEnd;
        QString what;
        QString mode;
    };
    QList<Held> held;

    // Inhibitors whose every copy of the descriptor is closed are over, as for logind.
    void dropReleased()
    {
        for (int i = held.size() - 1; i >= 0; --i) {
            pollfd p{held[i].readEnd, POLLIN, 0};
            if (::poll(&p, 1, 0) > 0 && (p.revents & (POLLHUP | POLLERR))) {
                ::close(held[i].readEnd);
                held.removeAt(i);
            }
        }
    }
public Q_SLOTS:
    Q_SCRIPTABLE QDBusUnixFileDescriptor Inhibit(const QString& what, const QString& /*who*/,
                                                 const QString& /*why*/, const QString& mode)
    {
        int fds[2];
        if (::pipe(fds) != 0)
            return {};
        held.append(Held{fds[0], what, mode});
        QDBusUnixFileDescriptor fd(fds[1]); // a copy travels to the caller
        ::close(fds[1]);
        return fd;
    }
};

class StandIn : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.pommelot.StandIn")
public:
    ScreenSaver* saver = nullptr;
    Login* login = nullptr;
public Q_SLOTS:
    Q_SCRIPTABLE int screenSaverInhibitors() { return int(saver->held.size()); }
    Q_SCRIPTABLE int sleepInhibitors()
    {
        login->dropReleased();
        return int(login->held.size());
    }
    // "what|mode" of every sleep inhibitor held.
    Q_SCRIPTABLE QStringList sleepInhibitorKinds()
    {
        login->dropReleased();
        QStringList kinds;
        for (const auto& h : login->held)
            kinds << h.what + QLatin1Char('|') + h.mode;
        return kinds;
    }
};

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QDBusConnection bus = QDBusConnection::sessionBus();
    ScreenSaver saver;
    Login login;
    StandIn standIn;
    standIn.saver = &saver;
    standIn.login = &login;
    const auto mode = QDBusConnection::ExportScriptableSlots;
    if (!bus.registerObject(QStringLiteral("/org/freedesktop/ScreenSaver"), &saver, mode) ||
        !bus.registerObject(QStringLiteral("/org/freedesktop/login1"), &login, mode) ||
        !bus.registerObject(QStringLiteral("/standin"), &standIn, mode))
        return 1;
    // The test waits for the last name.
    if (!bus.registerService(QStringLiteral("org.freedesktop.ScreenSaver")) ||
        !bus.registerService(QStringLiteral("org.freedesktop.login1")) ||
        !bus.registerService(QStringLiteral("org.pommelot.StandIn")))
        return 1;
    return app.exec();
}

#include "dbus_standin.moc"
