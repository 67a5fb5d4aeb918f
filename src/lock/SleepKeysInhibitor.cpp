#include "lock/SleepKeysInhibitor.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QPointer>

const char* const CSleepKeysInhibitor::kWhat =
    "handle-power-key:handle-suspend-key:handle-hibernate-key:handle-lid-switch";

CSleepKeysInhibitor* CSleepKeysInhibitor::instance()
{
    static QPointer<CSleepKeysInhibitor> inhibitor;
    if (!inhibitor && qApp)
        inhibitor = new CSleepKeysInhibitor(qApp);
    return inhibitor;
}

CSleepKeysInhibitor::CSleepKeysInhibitor(QObject* parent)
    : CLockInhibitor(QStringLiteral("logind"), CLockStatus::Part::SleepKeys,
                     QT_TR_NOOP("sleep keys held"), parent)
{
    connect(qApp, &QCoreApplication::aboutToQuit, this, &CSleepKeysInhibitor::disable);
}

void CSleepKeysInhibitor::enable()
{
    m_wanted = true;
    request();
}

void CSleepKeysInhibitor::disable()
{
    m_wanted = false;
    release();
}

void CSleepKeysInhibitor::request()
{
    if (m_fd.isValid() || m_pending)
        return;
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected())
        return;
    QDBusMessage message = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
        QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("Inhibit"));
    message << QString::fromLatin1(kWhat) << QCoreApplication::applicationName()
            << tr("A child is playing") << QStringLiteral("block");
    m_pending = true;
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(message), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
        w->deleteLater();
        m_pending = false;
        const QDBusPendingReply<QDBusUnixFileDescriptor> reply = *w;
        if (reply.isError()) {
            reportState(CLockStatus::State::Unavailable, tr("no logind"));
        } else if (m_wanted) {
            // Dropping the descriptor unused (lock already off) closes it, which is
            // what gives the inhibitor back.
            m_fd = reply.value();
            if (m_fd.isValid())
                reportState(CLockStatus::State::Held);
            else
                reportState(CLockStatus::State::Refused, tr("logind gave no inhibitor"));
        }
    });
}

void CSleepKeysInhibitor::release()
{
    // Closing our copy of the descriptor releases the inhibitor.
    m_fd = QDBusUnixFileDescriptor();
}
