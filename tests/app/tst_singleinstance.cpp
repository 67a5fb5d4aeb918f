#include "app/SingleInstance.h"
#include "common/TestApp.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>

// One copy per user: who runs, who gives way, what the running copy hears, and that a copy
// that is gone (its lock file closed, its bus connection dropped) blocks nobody. Both copies
// live in this process here; each has its own lock-file descriptor or bus connection, exactly
// as two processes would.
class TestSingleInstance : public QObject
{
    Q_OBJECT
    QProcess m_busDaemon;
    QString m_busAddress;

    static QString appId() { return QStringLiteral("org.quorvex.PommelotTest"); }

private Q_SLOTS:
    void initTestCase()
    {
        // A private session bus for the bus cases.
        m_busDaemon.start(QStringLiteral("dbus-daemon"),
                          {QStringLiteral("--session"), QStringLiteral("--nofork"),
                           QStringLiteral("--print-address=1")});
        QVERIFY2(m_busDaemon.waitForStarted(5000), "dbus-daemon is needed");
        QVERIFY(m_busDaemon.waitForReadyRead(5000));
        m_busAddress = QString::fromUtf8(m_busDaemon.readLine()).trimmed();
        QVERIFY(!m_busAddress.isEmpty());
    }

    void cleanupTestCase()
    {
        m_busDaemon.kill();
        m_busDaemon.waitForFinished(3000);
    }

    void objectPathFollowsTheId()
    {
        SingleInstance s(QStringLiteral("org.quorvex.Pommelot"));
        QCOMPARE(s.objectPath(), QStringLiteral("/org/quorvex/Pommelot"));
    }

    void lockFileLetsOneCopyRunAndPassesTheToken()
    {
        QTemporaryDir runtime;
        SingleInstance first(appId());
        first.setNoBus();
        first.setRuntimeFolder(runtime.path());
        QVERIFY(first.claim());
        QCOMPARE(first.backend(), SingleInstance::Backend::LockFile);
        QSignalSpy asked(&first, &SingleInstance::activationRequested);

        qputenv("XDG_ACTIVATION_TOKEN", "token-42");
        {
            SingleInstance second(appId());
            second.setNoBus();
            second.setRuntimeFolder(runtime.path());
            QVERIFY(!second.claim());
        }
        qunsetenv("XDG_ACTIVATION_TOKEN");
        QVERIFY(asked.wait(3000));
        QCOMPARE(asked.count(), 1);
        QCOMPARE(asked.at(0).at(0).toString(), QStringLiteral("token-42"));

        // Without a token the request still arrives, with an empty one.
        {
            SingleInstance third(appId());
            third.setNoBus();
            third.setRuntimeFolder(runtime.path());
            QVERIFY(!third.claim());
        }
        QVERIFY(asked.wait(3000));
        QCOMPARE(asked.at(1).at(0).toString(), QString());
    }

    void lockFileOfAGoneCopyBlocksNobody()
    {
        QTemporaryDir runtime;
        auto* first = new SingleInstance(appId());
        first->setNoBus();
        first->setRuntimeFolder(runtime.path());
        QVERIFY(first->claim());
        delete first; // its descriptor closes, as at any process end; the lock file stays
        QVERIFY(QFileInfo::exists(runtime.filePath(appId() + QStringLiteral(".lock"))));
        // A killed copy also leaves its socket file behind.
        QFile leftover(runtime.filePath(appId() + QStringLiteral(".socket")));
        QVERIFY(leftover.open(QIODevice::WriteOnly));
        leftover.close();

        SingleInstance next(appId());
        next.setNoBus();
        next.setRuntimeFolder(runtime.path());
        QVERIFY(next.claim());
        // The socket left behind was replaced: the next copy hears later starts.
        QSignalSpy asked(&next, &SingleInstance::activationRequested);
        {
            SingleInstance later(appId());
            later.setNoBus();
            later.setRuntimeFolder(runtime.path());
            QVERIFY(!later.claim());
        }
        QVERIFY(asked.wait(3000));
    }

    void sessionBusNameLetsOneCopyRunAndPassesTheToken()
    {
        QDBusConnection busA = QDBusConnection::connectToBus(m_busAddress, QStringLiteral("a"));
        QDBusConnection busB = QDBusConnection::connectToBus(m_busAddress, QStringLiteral("b"));
        QVERIFY(busA.isConnected() && busB.isConnected());
        QTemporaryDir runtime;

        SingleInstance first(appId());
        first.setBus(busA);
        first.setRuntimeFolder(runtime.path());
        QVERIFY(first.claim());
        QCOMPARE(first.backend(), SingleInstance::Backend::SessionBus);
        QCOMPARE(busB.interface()->serviceOwner(appId()).value(), busA.baseService());
        QSignalSpy asked(&first, &SingleInstance::activationRequested);

        qputenv("XDG_ACTIVATION_TOKEN", "bus-token");
        {
            SingleInstance second(appId());
            second.setBus(busB);
            second.setRuntimeFolder(runtime.path());
            QVERIFY(!second.claim());
        }
        qunsetenv("XDG_ACTIVATION_TOKEN");
        QVERIFY(asked.wait(3000));
        QCOMPARE(asked.at(0).at(0).toString(), QStringLiteral("bus-token"));
        // The bus is used, not the lock file.
        QVERIFY(!QFileInfo::exists(runtime.filePath(appId() + QStringLiteral(".lock"))));
        QDBusConnection::disconnectFromBus(QStringLiteral("b"));
        QDBusConnection::disconnectFromBus(QStringLiteral("a"));
    }

    void busNameOfAGoneCopyBlocksNobody()
    {
        auto* first = new SingleInstance(appId());
        {
            QDBusConnection busA = QDBusConnection::connectToBus(m_busAddress, QStringLiteral("c"));
            first->setBus(busA);
            QVERIFY(first->claim());
        }
        // The connection drops, as when the process dies: nobody gives the name back.
        first->setNoBus();
        QDBusConnection::disconnectFromBus(QStringLiteral("c"));

        QDBusConnection busB = QDBusConnection::connectToBus(m_busAddress, QStringLiteral("d"));
        QTRY_VERIFY(!busB.interface()->isServiceRegistered(appId()).value());
        SingleInstance next(appId());
        next.setBus(busB);
        QVERIFY(next.claim());
        delete first;
        QDBusConnection::disconnectFromBus(QStringLiteral("d"));
    }

    void runsWhereThereIsNoRuntimeFolderToLock()
    {
        SingleInstance s(appId());
        s.setNoBus();
        s.setRuntimeFolder(QStringLiteral("/nonexistent/runtime"));
        QVERIFY(s.claim());
    }
};

POMMELOT_TEST_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
