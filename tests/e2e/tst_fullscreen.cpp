// Full screen on two monitors under a window manager: the frame fills monitor 1, a grey cover
// fills monitor 2, clicks never reach another program's window, the pointer stays on the
// monitors, close requests are refused, monitors that come and go are covered and uncovered,
// and only the held chord leaves. Runs on a 2560x1200 screen with two 1280x1024 monitors side
// by side (tools/xvfb-run-test.sh with POMMELOT_XVFB_MONITORS=2).
#include "app/CommandIds.h"
#include "app/MainFrame.h"
#include "app/PommelotApp.h"
#include "app/PommelotView.h"
#include "common/FrameDriver.h"
#include "common/TestApp.h"
#include "common/XTestClient.h"
#include "fullscreen/CoverWindow.h"
#include "fullscreen/LeaveRing.h"
#include "settings/GeneralPropPg.h"
#include "settings/SettingsPropSheet.h"

#include <QCheckBox>
#include <QDir>
#include <QImage>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTimer>
#include <QToolBar>
#include <QWindow>

namespace {
const QRect kMonitor1(0, 0, 1280, 1024);
const QRect kMonitor2(1280, 0, 1280, 1024);

xcb_window_t windowOf(QWidget* w)
{
    return static_cast<xcb_window_t>(w->windowHandle()->winId());
}

QImage screenshot(const QString& name)
{
    QByteArray png;
    X11Desktop::run(QStringLiteral("import"),
                    {QStringLiteral("-window"), QStringLiteral("root"), QStringLiteral("png:-")},
                    &png);
    QImage image = QImage::fromData(png, "PNG");
    const QString folder = QStringLiteral(POMMELOT_BINARY_DIR "/screenshots");
    QDir().mkpath(folder);
    image.save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
    return image;
}

int xdotool(const QStringList& args)
{
    return X11Desktop::run(QStringLiteral("xdotool"), args);
}

void clickAt(const QPoint& p)
{
    xdotool({QStringLiteral("mousemove"), QString::number(p.x()), QString::number(p.y()),
             QStringLiteral("click"), QStringLiteral("1")});
}
} // namespace

class FullScreenTest : public QObject
{
    Q_OBJECT

    CMainFrame* frame() { return FrameDriver::frame(); }

    // Counts mouse presses that reach the play view.
    struct PressCounter : QObject
    {
        int presses = 0;
        bool eventFilter(QObject*, QEvent* e) override
        {
            if (e->type() == QEvent::MouseButtonPress)
                ++presses;
            return false;
        }
    };

private Q_SLOTS:
    void initTestCase()
    {
        QTRY_COMPARE_WITH_TIMEOUT(QGuiApplication::screens().size(), 2, 5000);
        QVERIFY(X11Desktop::startWindowManager());
        // Shown again, so that the window manager places and decorates it as at a normal start.
        frame()->hide();
        frame()->show();
        QVERIFY(QTest::qWaitForWindowExposed(frame()));
        QVERIFY(FrameDriver::waitIdle());
        QVERIFY(m_other.ok());
    }

    void cleanupTestCase() { X11Desktop::stopWindowManager(); }

    void normalWindowUntilTheParentChoosesFullScreen()
    {
        QVERIFY(!frame()->isFullScreen());
        QVERIFY(!AfxGetApp()->m_settings.m_bFullScreen);
        QVERIFY(frame()->coverWindows().isEmpty());
        QCOMPARE(frame()->size(), QSize(1024, 720));
        QVERIFY(!(frame()->windowState() & Qt::WindowFullScreen));
        QVERIFY(frame()->action(ID_SETTINGS)->isEnabled());
    }

    void fullScreenCoversBothMonitors()
    {
        // Another program's windows: one managed, one in the strip no monitor shows.
        m_under = m_other.createWindow(QRect(100, 100, 2000, 800));
        m_strip = m_other.createWindow(QRect(0, 1030, 2560, 170), true);
        QTest::qWait(300);

        // The parent ticks Full Screen on the General page and closes Settings with OK.
        bool ticked = false;
        QTimer::singleShot(300, this, [&] {
            auto* sheet = qobject_cast<CSettingsPropSheet*>(QApplication::activeModalWidget());
            if (!sheet)
                return;
            auto* box = sheet->m_pGeneralPage->control<QCheckBox>(CGeneralPropPg::IDC_FULL_SCREEN);
            box->setChecked(true);
            QTest::qWait(200);
            screenshot(QStringLiteral("settings-general-page"));
            ticked = true;
            sheet->button(1)->click();
        });
        frame()->OnCommand(ID_SETTINGS);
        QVERIFY(ticked);
        QVERIFY(frame()->isFullScreen());
        QVERIFY(AfxGetApp()->m_settings.m_bFullScreen);
        QTRY_COMPARE_WITH_TIMEOUT(m_other.geometry(windowOf(frame())), kMonitor1, 3000);
        QTRY_COMPARE(frame()->coverWindows().size(), 1);
        CCoverWindow* cover = frame()->coverWindows().first();
        QTRY_COMPARE_WITH_TIMEOUT(m_other.geometry(windowOf(cover)), kMonitor2, 3000);
        QVERIFY(!frame()->action(ID_SETTINGS)->isEnabled());
        QVERIFY(!frame()->action(ID_HELP)->isEnabled());
        QVERIFY(!frame()->action(ID_CREDITS)->isEnabled());
        QVERIFY(frame()->action(ID_MODE_LETTERS)->isEnabled());
        QVERIFY(frame()->toolBar()->isVisible());
        QVERIFY(FrameDriver::waitIdle());
        QTest::qWait(500);

        const QImage shot = screenshot(QStringLiteral("fullscreen-two-monitors"));
        QVERIFY(!shot.isNull());
        QCOMPARE(shot.size(), QSize(2560, 1200));
        // Monitor 2 is plain grey; the other program's white window shows nowhere on either
        // monitor; the toolbar sits at the top of monitor 1.
        for (const QPoint p : {QPoint(1300, 20), QPoint(1920, 512), QPoint(2540, 1000)})
            QCOMPARE(shot.pixelColor(p), QColor(192, 192, 192));
        for (const QPoint p : {QPoint(300, 300), QPoint(1200, 900), QPoint(1500, 200)})
            QVERIFY2(shot.pixelColor(p) != QColor(Qt::white), qPrintable(QString::number(p.x())));
        const QPoint toolbarOnScreen = frame()->toolBar()->mapToGlobal(QPoint(0, 0));
        QVERIFY(kMonitor1.contains(toolbarOnScreen));
        QCOMPARE(toolbarOnScreen.y(), 0);
    }

    // Commands that would open a window of their own wait until full screen is left, and a
    // close request is refused.
    void windowCommandsWaitAndCloseIsRefused()
    {
        QVERIFY(frame()->isFullScreen());
        int dialogs = 0;
        QTimer watchdog;
        connect(&watchdog, &QTimer::timeout, this, [&] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                ++dialogs;
                modal->close();
            }
        });
        watchdog.start(100);
        for (int id : {ID_SETTINGS, ID_CREDITS, ID_FILE_OPEN, ID_FILE_SAVE, ID_CONTEXT_HELP})
            frame()->OnCommand(id);
        QTest::qWait(300);
        QCOMPARE(dialogs, 0);
        QCOMPARE(QApplication::overrideCursor(), nullptr);
        QVERIFY(!frame()->close());
        QVERIFY(frame()->isVisible());
    }

    void clicksStayInTheProgram()
    {
        QVERIFY(frame()->isFullScreen());
        m_other.takeButtonPresses();
        PressCounter viewPresses;
        FrameDriver::view()->installEventFilter(&viewPresses);
        QSignalSpy coverClicks(frame()->coverWindows().first(), &CCoverWindow::coverClicked);
        const int mode = FrameDriver::view()->currentMode();

        clickAt(QPoint(640, 600));  // the view
        clickAt(QPoint(1920, 500)); // the cover
        clickAt(QPoint(300, 1100)); // the strip below the monitors
        clickAt(QPoint(2500, 1190));
        // The Settings button is greyed: a click opens nothing.
        QAction* settings = frame()->action(ID_SETTINGS);
        const QWidget* button = frame()->toolBar()->widgetForAction(settings);
        clickAt(button->mapToGlobal(button->rect().center()));
        QTest::qWait(500);
        FrameDriver::view()->removeEventFilter(&viewPresses);

        QCOMPARE(m_other.takeButtonPresses(), 0);
        QVERIFY(viewPresses.presses >= 1);
        QVERIFY(coverClicks.size() >= 1);
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(FrameDriver::view()->currentMode(), mode);
        QVERIFY(frame()->isFullScreen());
        // A click on a cover leaves the keys with the play view.
        QTRY_VERIFY(FrameDriver::view()->hasFocus());
    }

    void pointerCannotLeaveTheMonitors()
    {
        for (const QPoint target : {QPoint(600, 1150), QPoint(2000, 1199), QPoint(0, 1199)}) {
            xdotool({QStringLiteral("mousemove"), QString::number(target.x()),
                     QString::number(target.y())});
            const QPoint at = m_other.pointer();
            QVERIFY2(at.y() < 1024, qPrintable(QStringLiteral("%1,%2").arg(at.x()).arg(at.y())));
        }
        // Another program cannot take the pointer either. (Asking comes last: the server
        // forgets the confinement when another client merely asks, until the program renews
        // its grab.)
        QVERIFY(!m_other.canGrabPointer());
    }

    void closeRequestsAreRefused()
    {
        m_other.requestClose(windowOf(frame()));
        xdotool({QStringLiteral("key"), QStringLiteral("alt+F4")});
        QTest::qWait(700);
        QVERIFY(frame()->isVisible());
        QVERIFY(frame()->isFullScreen());
        QCOMPARE(m_other.geometry(windowOf(frame())), kMonitor1);
    }

    void monitorsThatComeAndGoAreUncoveredAndCovered()
    {
        QCOMPARE(X11Desktop::run(QStringLiteral("xrandr"),
                                 {QStringLiteral("--delmonitor"), QStringLiteral("M2")}),
                 0);
        // The program reacts within a fraction of a second; the margin is for a busy machine.
        QTRY_COMPARE_WITH_TIMEOUT(frame()->coverWindows().size(), 0, 2000);
        // The pointer is now kept on monitor 1.
        QTest::qWait(200);
        xdotool({QStringLiteral("mousemove"), QStringLiteral("2000"), QStringLiteral("500")});
        QVERIFY(m_other.pointer().x() < 1280);

        QCOMPARE(
            X11Desktop::run(QStringLiteral("xrandr"),
                            {QStringLiteral("--setmonitor"), QStringLiteral("M2"),
                             QStringLiteral("1280/338x1024/270+1280+0"), QStringLiteral("none")}),
            0);
        QTRY_COMPARE_WITH_TIMEOUT(frame()->coverWindows().size(), 1, 2000);
        CCoverWindow* cover = frame()->coverWindows().first();
        QTRY_COMPARE_WITH_TIMEOUT(m_other.geometry(windowOf(cover)), kMonitor2, 2000);
        QTest::qWait(300);
        xdotool({QStringLiteral("mousemove"), QStringLiteral("2000"), QStringLiteral("500")});
        QCOMPARE(m_other.pointer(), QPoint(2000, 500));
    }

    void chordHeldTooShortOrWithOtherKeysDoesNothing()
    {
        QSignalSpy left(frame(), &CMainFrame::fullScreenLeft);
        FrameDriver::view()->setFocus();
        // Interrupted by another key half-way: the count starts again.
        xdotool({QStringLiteral("keydown"), QStringLiteral("ctrl+alt+q")});
        QTest::qWait(1800);
        xdotool({QStringLiteral("key"), QStringLiteral("a")});
        QTest::qWait(1800);
        xdotool({QStringLiteral("keyup"), QStringLiteral("ctrl+alt+q")});
        // With Shift as well it is not the chord.
        xdotool({QStringLiteral("keydown"), QStringLiteral("ctrl+alt+shift+q")});
        QTest::qWait(3300);
        xdotool({QStringLiteral("keyup"), QStringLiteral("ctrl+alt+shift+q")});
        QTest::qWait(200);
        QCOMPARE(left.size(), 0);
        QVERIFY(frame()->isFullScreen());
    }

    void holdingTheChordLeavesFullScreen()
    {
        QSignalSpy left(frame(), &CMainFrame::fullScreenLeft);
        auto* ring = frame()->findChild<CLeaveRing*>();
        QVERIFY(ring);
        xdotool({QStringLiteral("keydown"), QStringLiteral("ctrl+alt+q")});
        QTRY_VERIFY_WITH_TIMEOUT(ring->isVisible() && ring->progress() > 0.4, 2500);
        QVERIFY(frame()->isFullScreen());
        const QImage shot = screenshot(QStringLiteral("fullscreen-leave-ring"));
        QVERIFY(kMonitor1.contains(ring->geometry()));
        QTRY_COMPARE_WITH_TIMEOUT(left.size(), 1, 5000);
        xdotool({QStringLiteral("keyup"), QStringLiteral("ctrl+alt+q")});

        QVERIFY(!frame()->isFullScreen());
        QVERIFY(!AfxGetApp()->m_settings.m_bFullScreen);
        QVERIFY(!ring->isVisible());
        QVERIFY(frame()->coverWindows().isEmpty());
        QTRY_VERIFY(m_other.canGrabPointer());
        QTRY_COMPARE(frame()->size(), QSize(1024, 720));
        QVERIFY(!(frame()->windowState() & Qt::WindowFullScreen));
        // A normal window again, with the window manager's title bar on the screen.
        QTRY_VERIFY(frame()->geometry().top() > frame()->frameGeometry().top());
        QVERIFY(frame()->frameGeometry().top() >= 0);
        QVERIFY(frame()->action(ID_SETTINGS)->isEnabled());
        QVERIFY(frame()->toolBar()->isMovable());
        screenshot(QStringLiteral("fullscreen-left"));
    }

private:
    XTestClient m_other;
    xcb_window_t m_under = XCB_WINDOW_NONE;
    xcb_window_t m_strip = XCB_WINDOW_NONE;
};

POMMELOT_TEST_MAIN_WINDOW(FullScreenTest)
#include "tst_fullscreen.moc"
