#include "app/MainFrame.h"
#include "common/TestApp.h"

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
};

POMMELOT_TEST_MAIN_WINDOW(TestPlaySession)
#include "tst_playsession.moc"
