#include "app/MainFrame.h"
#include "common/TestApp.h"
#include "lock/KeyHook.h"
#include "lock/LockNotice.h"
#include "lock/LockStatus.h"

#include <QTimer>

// The play session: the frame starts full screen, and leaving full screen ends the program.
class TestPlaySession : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void startsFullScreenAndEndsWhenLeft()
    {
        CPommelotApp* app = AfxGetApp();
        CMainFrame* frame = app->mainFrame();
        QVERIFY(frame);
        QVERIFY(!frame->isFullScreen()); // a normal start stays as it was
        app->startPlaySession();
        QVERIFY(frame->isFullScreen());

        // The parent's gesture leaves full screen: the main loop ends by itself.
        bool failsafe = false;
        QTimer::singleShot(100, frame, [frame] {
            frame->setFullScreen(false);
            Q_EMIT frame->fullScreenLeft();
        });
        QTimer::singleShot(5000, app, [&failsafe] {
            failsafe = true;
            QCoreApplication::exit(3);
        });
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(!failsafe);
    }

    // The play session's compositor has no shortcut inhibitor to offer, and needs none: there
    // is no desktop behind it. The status names the session and what it keeps off, and the
    // notice for a lock that cannot hold stays away.
    void statusNamesTheSessionAndNoNoticeCovers()
    {
        CPommelotApp* app = AfxGetApp();
        CMainFrame* frame = app->mainFrame();
        CLockStatus* status = CLockStatus::instance();
        status->clear();
        // What the kiosk compositor answers to the shortcut inhibitor.
        status->report(QStringLiteral("wayland-shortcuts"),
                       CLockStatus::Entry{CLockStatus::Part::Keyboard,
                                          CLockStatus::State::Unavailable,
                                          QStringLiteral("compositor shortcuts held"),
                                          QStringLiteral("the compositor does not allow "
                                                         "shortcut inhibiting")});
        QVERIFY(status->cannotHold());
        EnableKeyHook(1, frame);
        app->startPlaySession();
        QVERIFY(!status->cannotHold());
        const QString text = KeyLockStatusText();
        QVERIFY2(text.startsWith(QLatin1String("Keyboard lock: on (play session")),
                 qPrintable(text));
        QVERIFY2(text.contains(QLatin1String("console switching off by cage")), qPrintable(text));
        QVERIFY2(!text.contains(QLatin1String("not available")), qPrintable(text));

        CLockNotice::checkOnceAfterStart(frame);
        QTest::qWait(CLockNotice::kCheckDelayMs + 500);
        QVERIFY(!frame->findChild<CLockNotice*>());
        frame->setFullScreen(false);
    }
};

POMMELOT_TEST_MAIN_WINDOW(TestPlaySession)
#include "tst_playsession.moc"
