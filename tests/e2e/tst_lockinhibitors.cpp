// What the keyboard lock takes beside the keyboard, and gives back: the X server's screen saver
// (the real one of the test's Xvfb), and the desktop's screen saver and logind's sleep keys,
// through a stand-in for both services on a private bus.
#include "common/TestApp.h"
#include "lock/KeyHook.h"
#include "lock/SleepKeysInhibitor.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QProcess>
#include <QWidget>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <xcb/screensaver.h>
#include <xcb/xcb.h>

namespace {
pid_t g_busPid = 0;

// A private bus for this test program that stands for both the session and the system bus.
bool startPrivateBus()
{
    FILE* out = popen("dbus-daemon --session --fork --print-address=1 --print-pid=1", "r");
    if (!out)
        return false;
    char address[512] = {};
    char pid[64] = {};
    const bool ok = std::fgets(address, sizeof address, out) && std::fgets(pid, sizeof pid, out);
    pclose(out);
    if (!ok)
        return false;
    QByteArray a(address);
    a = a.trimmed();
    g_busPid = static_cast<pid_t>(std::atoi(pid));
    qputenv("DBUS_SESSION_BUS_ADDRESS", a);
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", a);
    return g_busPid > 0;
}

QVariant askStandIn(const char* method)
{
    const QDBusMessage reply = QDBusConnection::sessionBus().call(QDBusMessage::createMethodCall(
        QStringLiteral("org.pommelot.StandIn"), QStringLiteral("/standin"),
        QStringLiteral("org.pommelot.StandIn"), QString::fromLatin1(method)));
    return reply.arguments().value(0);
}
int screenSaverInhibitors()
{
    return askStandIn("screenSaverInhibitors").toInt();
}
int sleepInhibitors()
{
    return askStandIn("sleepInhibitors").toInt();
}

// The X server's screen saver state: XCB_SCREENSAVER_STATE_ON while it blanks.
int x11SaverState()
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* c = x11->connection();
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    xcb_screensaver_query_info_reply_t* info =
        xcb_screensaver_query_info_reply(c, xcb_screensaver_query_info(c, root), nullptr);
    const int state = info ? info->state : -1;
    std::free(info);
    return state;
}
void setX11SaverTimeout(int16_t seconds)
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* c = x11->connection();
    std::free(
        xcb_request_check(c, xcb_set_screen_saver_checked(c, seconds, 0, XCB_BLANKING_PREFERRED,
                                                          XCB_EXPOSURES_DEFAULT)));
    // Wakes the server's saver up, so that the timeout counts from now.
    std::free(xcb_request_check(c, xcb_force_screen_saver_checked(c, XCB_SCREEN_SAVER_RESET)));
}
} // namespace

class TestLockInhibitors : public QObject
{
    Q_OBJECT
private:
    QProcess m_standIn;
    QWidget* m_view = nullptr;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(g_busPid > 0);
        m_standIn.setProcessChannelMode(QProcess::ForwardedChannels);
        m_standIn.start(QStringLiteral(LOCK_DBUS_STANDIN), {});
        QVERIFY(m_standIn.waitForStarted());
        QTRY_VERIFY(QDBusConnection::sessionBus().interface()->isServiceRegistered(
            QStringLiteral("org.pommelot.StandIn")));
        m_view = new QWidget;
        m_view->resize(200, 100);
        m_view->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_view));
    }
    void cleanupTestCase()
    {
        EnableKeyHook(0, nullptr);
        delete m_view;
        m_standIn.kill();
        m_standIn.waitForFinished();
    }

    void sessionInhibitorsFollowTheLock()
    {
        QCOMPARE(screenSaverInhibitors(), 0);
        QCOMPARE(sleepInhibitors(), 0);
        // Repeated switch-ons take each inhibitor once.
        for (int i = 0; i < 3; ++i)
            EnableKeyHook(1, m_view);
        QTRY_COMPARE(screenSaverInhibitors(), 1);
        QTRY_COMPARE(sleepInhibitors(), 1);
        QCOMPARE(askStandIn("sleepInhibitorKinds").toStringList(),
                 QStringList{QString::fromLatin1(CSleepKeysInhibitor::kWhat) +
                             QStringLiteral("|block")});
        QTRY_VERIFY(KeyLockStatusText().contains(QLatin1String("sleep keys held")));
        QVERIFY(KeyLockStatusText().startsWith(QLatin1String("Keyboard lock: on (keyboard grab")));
        QVERIFY(KeyLockStatusText().contains(QLatin1String("VT switching off")));
        QTest::qWait(200);
        QCOMPARE(screenSaverInhibitors(), 1);
        QCOMPARE(sleepInhibitors(), 1);

        EnableKeyHook(0, m_view);
        QTRY_COMPARE(screenSaverInhibitors(), 0);
        QTRY_COMPARE(sleepInhibitors(), 0);
        QVERIFY(KeyLockStatusText().startsWith(QLatin1String("Keyboard lock: paused")));

        // Again after a release.
        EnableKeyHook(1, m_view);
        QTRY_COMPARE(screenSaverInhibitors(), 1);
        QTRY_COMPARE(sleepInhibitors(), 1);
        EnableKeyHook(0, m_view);
        QTRY_COMPARE(screenSaverInhibitors(), 0);
        QTRY_COMPARE(sleepInhibitors(), 0);
    }

    void answerAfterTheLockWentOffIsGivenBack()
    {
        // Off again before the services could answer: what they grant comes back at once.
        EnableKeyHook(1, m_view);
        EnableKeyHook(0, m_view);
        QTest::qWait(300);
        QTRY_COMPARE(screenSaverInhibitors(), 0);
        QTRY_COMPARE(sleepInhibitors(), 0);
    }

    void x11ScreenSaverWaitsWhileLocked()
    {
        setX11SaverTimeout(1);
        EnableKeyHook(1, m_view);
        QTest::qWait(2500);
        QVERIFY(x11SaverState() != XCB_SCREENSAVER_STATE_ON);
        EnableKeyHook(0, m_view);
        // Without the lock the same timeout blanks the screen: the check above can fail.
        setX11SaverTimeout(1);
        QTRY_COMPARE_WITH_TIMEOUT(x11SaverState(), int(XCB_SCREENSAVER_STATE_ON), 4000);
        setX11SaverTimeout(0);
    }

    void withoutServicesTheLockStillHolds()
    {
        m_standIn.kill();
        m_standIn.waitForFinished();
        QTRY_VERIFY(!QDBusConnection::sessionBus().interface()->isServiceRegistered(
            QStringLiteral("org.freedesktop.login1")));
        EnableKeyHook(1, m_view);
        QTRY_VERIFY(IsKeyboardGrabbed());
        QTest::qWait(300);
        // What was not granted is not claimed.
        QVERIFY(KeyLockStatusText().startsWith(QLatin1String("Keyboard lock: on (keyboard grab")));
        QTRY_VERIFY(!KeyLockStatusText().contains(QLatin1String("sleep keys held")));
        EnableKeyHook(0, m_view);
    }
};

int main(int argc, char** argv)
{
    if (!startPrivateBus()) {
        std::fprintf(stderr, "dbus-daemon did not start\n");
        return 1;
    }
    TestLockInhibitors tc;
    const int rc = runTestObject(argc, argv, &tc, false);
    ::kill(g_busPid, SIGTERM);
    return rc;
}

#include "tst_lockinhibitors.moc"
