#include "app/CommandIds.h"
#include "app/MainFrame.h"
#include "app/PommelotApp.h"
#include "app/PommelotView.h"
#include "base/Language.h"
#include "common/FrameDriver.h"
#include "common/TestApp.h"
#include "fullscreen/LeaveGesture.h"
#include "fullscreen/LeaveRing.h"
#include "lock/KeyHook.h"
#include "settings/ModalHelper.h"

#include <QAction>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public Q_SLOTS:
    void open(const QUrl& url) { urls << url; }
};

// The frame: ten toolbar buttons, no menu bar, no status bar, shortcuts that never count as
// key presses for the play view.
class TestMainFrame : public QObject
{
    Q_OBJECT

    CMainFrame* frame() { return FrameDriver::frame(); }
    CPommelotView* view() { return FrameDriver::view(); }
    void waitIdle() { QVERIFY(FrameDriver::waitIdle()); }
    void switchMode(int id) { QVERIFY(FrameDriver::switchMode(id)); }
    QColor centre()
    {
        const QImage img = view()->grab().toImage();
        return img.pixelColor(img.width() / 2, img.height() / 2);
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(frame());
        QVERIFY(QTest::qWaitForWindowExposed(frame()));
        waitIdle();
    }

    void noMenuBarNoStatusBar()
    {
        QVERIFY(frame()->findChild<QMenuBar*>() == nullptr || !frame()->menuBar()->isVisible());
        QVERIFY(frame()->findChild<QStatusBar*>() == nullptr);
        QCOMPARE(frame()->centralWidget(), static_cast<QWidget*>(view()));
        QCOMPARE(frame()->windowTitle(), QStringLiteral("Untitled - Pommelot"));
    }

    void toolbarHasTenButtonsInOrder()
    {
        QToolBar* bar = frame()->toolBar();
        QVERIFY(bar);
        const QList<QAction*> actions = bar->actions();
        const QList<int> ids = {
            ID_MODE_LETTERS,     ID_MODE_NUMBERS, ID_MODE_SHAPES, ID_MODE_WORDS, ID_MODE_ADDITION,
            ID_MODE_SUBTRACTION, ID_MODE_BIRD,    ID_SETTINGS,    ID_HELP,       ID_CREDITS};
        const QStringList tips = {"Letters",      "Numbers",  "Shapes and Colors",
                                  "Words",        "Addition", "Subtraction",
                                  "Talking Bird", "Settings", "Help"};
        QCOMPARE(actions.size(), ids.size());
        for (int i = 0; i < ids.size(); ++i) {
            QCOMPARE(actions.at(i)->data().toInt(), ids.at(i));
            QVERIFY(!actions.at(i)->icon().isNull());
            QVERIFY(actions.at(i)->isEnabled());
            if (i < tips.size())
                QCOMPARE(actions.at(i)->toolTip(), tips.at(i));
        }
        QVERIFY(!actions.last()->toolTip().isEmpty());
        QCOMPARE(bar->iconSize(), QSize(32, 32));
        QVERIFY(bar->isMovable());
        QVERIFY(bar->isFloatable());
        QCOMPARE(bar->allowedAreas(), Qt::AllToolBarAreas);
    }

    // Another language on the General page: the toolbar's tips follow at once.
    void toolbarTipsFollowTheLanguage()
    {
        const QList<QAction*> actions = frame()->toolBar()->actions();
        CLanguage::instance()->select(QStringLiteral("de"));
        QTRY_COMPARE(actions.at(0)->toolTip(), QStringLiteral("Buchstaben"));
        QTRY_COMPARE(actions.at(7)->toolTip(), QStringLiteral("Einstellungen"));
        CLanguage::instance()->select(QStringLiteral("pl"));
        QTRY_COMPARE(actions.at(6)->toolTip(), QString::fromUtf8("Gadający ptaszek"));
        CLanguage::instance()->select(QStringLiteral("en"));
        QTRY_COMPARE(actions.at(7)->toolTip(), QStringLiteral("Settings"));
    }

    void toolbarDocksOnEverySide()
    {
        QToolBar* bar = frame()->toolBar();
        for (Qt::ToolBarArea area : {Qt::LeftToolBarArea, Qt::BottomToolBarArea,
                                     Qt::RightToolBarArea, Qt::TopToolBarArea}) {
            frame()->addToolBar(area, bar);
            QCOMPARE(frame()->toolBarArea(bar), area);
            QTRY_VERIFY(!view()->geometry().intersects(bar->geometry()));
        }
    }

    void modeButtonsSwitchModes_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("mode");
        QTest::newRow("letters") << int(ID_MODE_LETTERS) << int(MODE_LETTERS);
        QTest::newRow("numbers") << int(ID_MODE_NUMBERS) << int(MODE_NUMBERS);
        QTest::newRow("words") << int(ID_MODE_WORDS) << int(MODE_WORDS);
        QTest::newRow("addition") << int(ID_MODE_ADDITION) << int(MODE_ADDITION);
        QTest::newRow("subtraction") << int(ID_MODE_SUBTRACTION) << int(MODE_SUBTRACTION);
        QTest::newRow("bird") << int(ID_MODE_BIRD) << int(MODE_BIRD);
        QTest::newRow("shapes") << int(ID_MODE_SHAPES) << int(MODE_SHAPES);
    }
    void modeButtonsSwitchModes()
    {
        QFETCH(int, id);
        QFETCH(int, mode);
        QToolButton* button =
            qobject_cast<QToolButton*>(frame()->toolBar()->widgetForAction(frame()->action(id)));
        QVERIFY(button);
        QSignalSpy drawn(view(), &CPommelotView::cuesHandedOver);
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(view()->currentMode(), mode);
        QTRY_VERIFY(!drawn.isEmpty());
        waitIdle();
    }

    void toolbarClicksAreSwallowedWhileACueWaits()
    {
        switchMode(ID_MODE_SHAPES);
        AfxGetApp()->m_settings.m_nSoundDelay = 1;
        QTest::keyClick(view(), 'x');
        QTRY_VERIFY(view()->isDrawing());
        QToolButton* letters = qobject_cast<QToolButton*>(
            frame()->toolBar()->widgetForAction(frame()->action(ID_MODE_LETTERS)));
        QTest::mouseClick(letters, Qt::LeftButton);
        QCOMPARE(view()->currentMode(), int(MODE_SHAPES));
        waitIdle();
        AfxGetApp()->m_settings.m_nSoundDelay = 0;
        QTest::mouseClick(letters, Qt::LeftButton);
        QCOMPARE(view()->currentMode(), int(MODE_LETTERS));
        switchMode(ID_MODE_SHAPES);
    }

    void shortcutsNeverCountAsKeyPresses_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("ctrl+n") << int(Qt::Key_N) << int(Qt::ControlModifier);
        QTest::newRow("ctrl+z") << int(Qt::Key_Z) << int(Qt::ControlModifier);
        QTest::newRow("ctrl+c") << int(Qt::Key_C) << int(Qt::ControlModifier);
        QTest::newRow("ctrl+v") << int(Qt::Key_V) << int(Qt::ControlModifier);
        QTest::newRow("ctrl+x") << int(Qt::Key_X) << int(Qt::ControlModifier);
        QTest::newRow("shift+insert") << int(Qt::Key_Insert) << int(Qt::ShiftModifier);
    }
    void shortcutsNeverCountAsKeyPresses()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        switchMode(ID_MODE_SHAPES);
        QCOMPARE(centre(), QColor(255, 0, 0));
        frame()->activateWindow();
        view()->setFocus();
        QTest::keyClick(view(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        waitIdle();
        QCOMPARE(centre(), QColor(255, 0, 0));
        QCOMPARE(view()->currentMode(), int(MODE_SHAPES));
    }

    void newDocumentKeepsModeAndItem()
    {
        switchMode(ID_MODE_SHAPES);
        QTest::keyClick(view(), 'q');
        waitIdle();
        QCOMPARE(centre(), QColor(255, 128, 64));
        frame()->OnCommand(ID_FILE_NEW);
        QTest::qWait(50);
        waitIdle();
        QCOMPARE(view()->currentMode(), int(MODE_SHAPES));
        QCOMPARE(centre(), QColor(255, 128, 64));
    }

    void helpOpensTheOneHelpPage()
    {
        UrlCatcher handler;
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &handler, "open");
        frame()->OnCommand(ID_HELP);
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        QCOMPARE(handler.urls.size(), 1);
        QCOMPARE(handler.urls.first().toLocalFile(),
                 TestApp::programFolder() + QStringLiteral("/Help/Pommelot.htm"));
    }

    // The page in the language in use where the program folder has it, else the English one.
    void helpFollowsTheLanguage()
    {
        const QString help = TestApp::programFolder() + QStringLiteral("/Help/");
        QVERIFY(QDir().mkpath(help));
        const QString german = help + QStringLiteral("Pommelot.de.htm");
        {
            QFile page(german);
            QVERIFY(page.open(QIODevice::WriteOnly));
            page.write("<html lang=\"de\"></html>");
        }
        const auto opened = [this]() {
            UrlCatcher handler;
            QDesktopServices::setUrlHandler(QStringLiteral("file"), &handler, "open");
            frame()->OnCommand(ID_HELP);
            QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
            return handler.urls.size() == 1 ? handler.urls.first().toLocalFile() : QString();
        };
        CLanguage* language = CLanguage::instance();
        const QString before = language->current();
        language->select(QStringLiteral("de"));
        const QString withPage = opened();
        QVERIFY(QFile::remove(german));
        const QString withoutPage = opened();
        language->select(before);
        QCOMPARE(withPage, german);
        QCOMPARE(withoutPage, help + QStringLiteral("Pommelot.htm"));
    }

    void helpModeEndsWithOneClickOrEscape()
    {
        UrlCatcher handler;
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &handler, "open");
        view()->setFocus();
        // Pressed twice, the help mode still ends with one click, and takes its cursor along.
        QTest::keyClick(view(), Qt::Key_F1, Qt::ShiftModifier);
        QTest::keyClick(view(), Qt::Key_F1, Qt::ShiftModifier);
        QVERIFY(frame()->isInContextHelp());
        QVERIFY(QApplication::overrideCursor());
        QTest::mouseClick(view(), Qt::LeftButton);
        QVERIFY(!frame()->isInContextHelp());
        QVERIFY(!QApplication::overrideCursor());
        QCOMPARE(handler.urls.size(), 1);

        // Escape leaves the mode: the next click opens nothing, and Escape is no key press.
        switchMode(ID_MODE_SHAPES);
        QTest::keyClick(view(), Qt::Key_F1, Qt::ShiftModifier);
        QVERIFY(QApplication::overrideCursor());
        QTest::keyClick(view(), Qt::Key_Escape);
        QVERIFY(!frame()->isInContextHelp());
        QVERIFY(!QApplication::overrideCursor());
        QTest::mouseClick(view(), Qt::LeftButton);
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        QCOMPARE(handler.urls.size(), 1);
        waitIdle();
        QCOMPARE(centre(), QColor(255, 0, 0));
    }

    void documentDialogsKeepTheLock_data()
    {
        QTest::addColumn<bool>("lockSetting");
        QTest::addColumn<int>("command");
        QTest::newRow("open, lock ticked") << true << int(ID_FILE_OPEN);
        QTest::newRow("save, lock ticked") << true << int(ID_FILE_SAVE);
        QTest::newRow("open, lock not ticked") << false << int(ID_FILE_OPEN);
        QTest::newRow("save, lock not ticked") << false << int(ID_FILE_SAVE);
    }
    void documentDialogsKeepTheLock()
    {
        QFETCH(bool, lockSetting);
        QFETCH(int, command);
        AfxGetApp()->m_settings.m_bLockKeyboard = lockSetting;
        frame()->activateWindow();
        view()->setFocus();
        QVERIFY(IsKeyHookEnabled());
        bool seen = false;
        bool lockedMeanwhile = false;
        whenModal([&](QWidget* w) {
            seen = qobject_cast<QFileDialog*>(w) != nullptr;
            lockedMeanwhile = IsKeyHookEnabled();
            static_cast<QDialog*>(w)->reject();
        });
        frame()->OnCommand(command);
        AfxGetApp()->m_settings.m_bLockKeyboard = false;
        QVERIFY(seen);
        // Opened from the keyboard, where a child may be: the lock holds either way.
        QVERIFY(lockedMeanwhile);
        QVERIFY(IsKeyHookEnabled());
        QCOMPARE(frame()->windowTitle(), QStringLiteral("Untitled - Pommelot"));
    }

    // Open a file that holds data, then save: the file keeps its bytes.
    void saveAfterOpenLeavesTheFilesData()
    {
        const QString path = TestApp::programFolder() + QStringLiteral("/sixteen.txt");
        const QByteArray data("sixteen bytes!!\n");
        QVERIFY(TestApp::writeFile(path, data));
        whenModal([&](QWidget* w) {
            auto* dialog = qobject_cast<QFileDialog*>(w);
            QVERIFY(dialog);
            dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(path);
            auto* box = dialog->findChild<QDialogButtonBox*>();
            for (QAbstractButton* b : box->buttons()) {
                if (box->buttonRole(b) == QDialogButtonBox::AcceptRole)
                    QTest::mouseClick(b, Qt::LeftButton);
            }
        });
        frame()->OnCommand(ID_FILE_OPEN);
        QCOMPARE(frame()->windowTitle(), QStringLiteral("sixteen.txt - Pommelot"));

        // Ctrl+S saves to that path at once (no dialog); the file is refused, and says so.
        QString said;
        whenModal([&](QWidget* w) {
            if (auto* box = qobject_cast<QMessageBox*>(w))
                said = box->text();
            w->close();
        });
        frame()->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(frame()));
        view()->setFocus();
        QTest::keyClick(view(), Qt::Key_S, Qt::ControlModifier);
        QTRY_VERIFY(!said.isEmpty());
        QVERIFY2(said.contains(QStringLiteral("sixteen.txt")), qPrintable(said));
        QCOMPARE(TestApp::readFile(path), data);
        QCOMPARE(frame()->windowTitle(), QStringLiteral("sixteen.txt - Pommelot"));

        frame()->OnCommand(ID_FILE_NEW);
        QCOMPARE(frame()->windowTitle(), QStringLiteral("Untitled - Pommelot"));
        waitIdle();
    }

    // The General page tells the parent how to leave full screen.
    void settingsTellHowToLeaveFullScreen()
    {
        QString hint;
        whenModal([&](QWidget* w) {
            if (auto* label = w->findChild<QLabel*>(QStringLiteral("fullScreenHint")))
                hint = label->text();
            static_cast<QDialog*>(w)->reject();
        });
        frame()->OnCommand(ID_SETTINGS);
        QCOMPARE(hint, QStringLiteral("Covers every screen. To leave, hold Ctrl+Alt+Q for three "
                                      "seconds."));
        QVERIFY(!frame()->isFullScreen());
    }

    // Full screen keeps the toolbar where the parent finds it and greys the commands that open
    // windows of their own; close requests are refused. Leaving gives everything back.
    void fullScreenFixesTheToolbarAndRefusesCloses()
    {
        QToolBar* bar = frame()->toolBar();
        QVERIFY(bar->isMovable());
        frame()->setFullScreen(true);
        QVERIFY(frame()->isFullScreen());
        QVERIFY(AfxGetApp()->m_settings.m_bFullScreen);
        QTRY_VERIFY(frame()->windowState() & Qt::WindowFullScreen);
        QVERIFY(!bar->isMovable());
        for (int id : {ID_SETTINGS, ID_HELP, ID_CREDITS})
            QVERIFY(!frame()->action(id)->isEnabled());
        QVERIFY(frame()->action(ID_MODE_LETTERS)->isEnabled());
        QVERIFY(!frame()->close());
        QVERIFY(frame()->isVisible());

        frame()->setFullScreen(false);
        QVERIFY(!frame()->isFullScreen());
        QVERIFY(!AfxGetApp()->m_settings.m_bFullScreen);
        QTRY_VERIFY(!(frame()->windowState() & Qt::WindowFullScreen));
        QVERIFY(bar->isMovable());
        for (int id : {ID_SETTINGS, ID_HELP, ID_CREDITS})
            QVERIFY(frame()->action(id)->isEnabled());
        QVERIFY(frame()->isVisible());
    }

    // The chord held at the play view leaves full screen and says so, with the ring showing
    // meanwhile. A hold is forgotten when another window takes the keys.
    void theHeldChordLeavesFullScreen()
    {
        constexpr Qt::KeyboardModifiers chord = Qt::ControlModifier | Qt::AltModifier;
        LeaveGesture* gesture = frame()->leaveGesture();
        QVERIFY(gesture);
        const int holdTime = gesture->holdTime();
        gesture->setHoldTime(800);
        gesture->setModifierQuery([chord] { return chord; });
        QSignalSpy left(frame(), &CMainFrame::fullScreenLeft);
        frame()->setFullScreen(true);
        frame()->activateWindow();
        QTRY_VERIFY(frame()->isActiveWindow());
        view()->setFocus();

        QTest::keyPress(view(), Qt::Key_Q, chord);
        QVERIFY(gesture->isHolding());
        {
            QWidget other;
            other.show();
            QVERIFY(QTest::qWaitForWindowExposed(&other));
            other.activateWindow();
            QTRY_VERIFY(other.isActiveWindow());
            QVERIFY(!gesture->isHolding());
            QTest::qWait(1000);
        }
        QCOMPARE(left.size(), 0);
        QVERIFY(frame()->isFullScreen());

        frame()->activateWindow();
        QTRY_VERIFY(frame()->isActiveWindow());
        view()->setFocus();
        auto* ring = frame()->findChild<CLeaveRing*>();
        QVERIFY(ring);
        QTest::keyPress(view(), Qt::Key_Q, chord);
        QVERIFY(gesture->isHolding());
        QTRY_VERIFY(ring->isVisible() && ring->progress() > 0.3);
        QVERIFY(frame()->isFullScreen());
        QTRY_COMPARE_WITH_TIMEOUT(left.size(), 1, 3000);
        QTest::keyRelease(view(), Qt::Key_Q, chord);
        QVERIFY(!frame()->isFullScreen());
        QVERIFY(!AfxGetApp()->m_settings.m_bFullScreen);
        QVERIFY(!ring->isVisible());
        QTRY_VERIFY(!(frame()->windowState() & Qt::WindowFullScreen));
        gesture->setHoldTime(holdTime);
        waitIdle();
    }
};

POMMELOT_TEST_MAIN_WINDOW(TestMainFrame)
#include "tst_mainframe.moc"
