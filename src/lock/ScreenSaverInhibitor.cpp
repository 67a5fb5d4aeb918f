#include "lock/ScreenSaverInhibitor.h"

#include "lock/SessionBus.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QPointer>

namespace {
const QString kService = QStringLiteral("org.freedesktop.ScreenSaver");
const QString kPath = QStringLiteral("/org/freedesktop/ScreenSaver");

QDBusMessage call(const QString& method)
{
    return QDBusMessage::createMethodCall(kService, kPath, kService, method);
}
} // namespace

CScreenSaverInhibitor* CScreenSaverInhibitor::instance()
{
    static QPointer<CScreenSaverInhibitor> inhibitor;
    if (!inhibitor && qApp)
        inhibitor = new CScreenSaverInhibitor(qApp);
    return inhibitor;
}

CScreenSaverInhibitor::CScreenSaverInhibitor(QObject* parent)
    : CLockInhibitor(QStringLiteral("dbus-screen-saver"), CLockStatus::Part::Blanking,
                     QT_TR_NOOP("screen kept on"), parent)
{
    connect(qApp, &QCoreApplication::aboutToQuit, this, &CScreenSaverInhibitor::disable);
}

void CScreenSaverInhibitor::enable()
{
    m_wanted = true;
    request();
}

void CScreenSaverInhibitor::disable()
{
    m_wanted = false;
    release();
}

void CScreenSaverInhibitor::request()
{
    if (m_cookie || m_pending)
        return;
    // A session without a bus has no screen-saver service either.
    if (!hasSessionBus(qEnvironmentVariable("XDG_RUNTIME_DIR")))
        return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    QDBusMessage message = call(QStringLiteral("Inhibit"));
    message << QCoreApplication::applicationName() << tr("A child is playing");
    m_pending = true;
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(message), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
        w->deleteLater();
        m_pending = false;
        const QDBusPendingReply<unsigned> reply = *w;
        if (reply.isError()) {
            reportState(CLockStatus::State::Unavailable,
                        tr("no screen saver service on the session bus"));
        } else if (!m_wanted) {
            unInhibit(reply.value());
        } else {
            m_cookie = reply.value();
            reportState(CLockStatus::State::Held);
        }
    });
}

void CScreenSaverInhibitor::release()
{
    if (!m_cookie)
        return;
    unInhibit(m_cookie);
    m_cookie = 0;
}

void CScreenSaverInhibitor::unInhibit(unsigned cookie)
{
    QDBusMessage message = call(QStringLiteral("UnInhibit"));
    message << cookie;
    // Nothing waits for the answer.
    QDBusConnection::sessionBus().send(message);
}
