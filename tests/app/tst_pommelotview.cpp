#include "app/PommelotView.h"
#include "common/TestApp.h"
#include "lock/KeyHook.h"
#include "settings/GeneralPropPg.h"
#include "settings/ModalHelper.h"
#include "settings/SettingsPropSheet.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QVBoxLayout>

namespace {
constexpr int kHalfSecond = 24000; // frames at 48 kHz

// Whether the player has written anything but silence to the disk driver's output yet.
bool somethingHeard(const QString& path)
{
    const QByteArray raw = TestApp::readFile(path);
    const auto* s = reinterpret_cast<const qint16*>(raw.constData());
    for (qsizetype i = 0; i < raw.size() / 2; ++i) {
        if (s[i] != 0)
            return true;
    }
    return false;
}

// A mode of the test's own that counts the clicks it is given and, when drawn with sound,
// asks for one cue after the configured delay.
class ClickCounter : public Activity
{
public:
    ClickCounter() : Activity(AfxGetApp()->m_settings) {}
    int clicks = 0;
    int lastFlags = 0;
    QPoint lastPoint;
    void Reset() override {}
    void Advance() override {}
    void Draw(PlaySurface*, QPainter*, bool playSound) override
    {
        if (playSound)
            PlayCue(TestApp::programFolder() + QStringLiteral("/Colors/Blue.wav"),
                    AfxGetApp()->m_settings.m_nSoundDelay);
    }
    void OnClick(int flags, int x, int y) override
    {
        ++clicks;
        lastFlags = flags;
        lastPoint = QPoint(x, y);
    }
};
} // namespace

// The play view drives the current mode: one step per accepted key, presses dropped while a
// step is drawn or spoken, cues after the paint, modes switched by command.
class TestPommelotView : public QObject
{
    Q_OBJECT

    std::unique_ptr<CPommelotView> view;
    QString outFile() const { return TestApp::programFolder() + QStringLiteral("/out.raw"); }

    QColor pixel(int x, int y) { return view->grab().toImage().pixelColor(x, y); }
    void waitIdle() { QTRY_VERIFY_WITH_TIMEOUT(!view->isBusy(), 10000); }
    void press(char c = 'a') { QTest::keyClick(view.get(), c); }

private Q_SLOTS:
    void initTestCase()
    {
        // The disk driver plays at the pace of a real device, so a cue takes its time. The
        // tests' folder has no recordings but those a test writes, so no other test waits.
        qunsetenv("SDL_DISKAUDIODELAY");
    }
    void init()
    {
        CPommelotApp* app = AfxGetApp();
        app->m_settings.m_bAudioEnabled = true;
        app->m_settings.m_nSoundDelay = 0;
        app->m_settings.m_bReverseWordOrder = false;
        app->m_settings.m_bLockKeyboard = false;
        QFile::remove(outFile());
        qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(outFile()));
        view = std::make_unique<CPommelotView>(AfxGetApp()->m_settings, AfxGetApp()->m_pWordList,
                                               AfxGetApp()->m_pBirdWordList);
        view->resize(1000, 400);
        view->show();
        QVERIFY(QTest::qWaitForWindowExposed(view.get()));
        view->activateWindow();
        view->setFocus();
        waitIdle();
    }
    void cleanup()
    {
        view.reset();
        QFile::remove(TestApp::programFolder() + QStringLiteral("/Colors/Orange.wav"));
        QFile::remove(TestApp::programFolder() + QStringLiteral("/Shapes/Square.wav"));
        QFile::remove(TestApp::programFolder() + QStringLiteral("/Colors/Blue.wav"));
    }

    void startsWithRedCircleOnGrey()
    {
        QCOMPARE(view->currentMode(), int(MODE_SHAPES));
        QCOMPARE(pixel(500, 200), QColor(255, 0, 0));
        QCOMPARE(pixel(5, 5), QColor(192, 192, 192));
        // Inside the circle's square but outside the circle.
        QCOMPARE(pixel(345, 45), QColor(192, 192, 192));
    }

    void firstPaintHandsOverColourThenShape()
    {
        view.reset();
        view = std::make_unique<CPommelotView>(AfxGetApp()->m_settings, AfxGetApp()->m_pWordList,
                                               AfxGetApp()->m_pBirdWordList);
        QSignalSpy handed2(view.get(), &CPommelotView::cuesHandedOver);
        view->resize(1000, 400);
        view->show();
        QVERIFY(QTest::qWaitForWindowExposed(view.get()));
        QTRY_VERIFY(!handed2.isEmpty());
        QCOMPARE(handed2.first().at(0).toInt(), 2);
    }

    void eachKeyMovesExactlyOneStep_data()
    {
        QTest::addColumn<int>("presses");
        QTest::addColumn<QColor>("centre");
        QTest::addColumn<QColor>("corner");
        // corner = a point of the centred square outside the circle, top left.
        QTest::newRow("orange square") << 1 << QColor(255, 128, 64) << QColor(255, 128, 64);
        QTest::newRow("yellow triangle") << 2 << QColor(255, 255, 0) << QColor(192, 192, 192);
        QTest::newRow("black star") << 8 << QColor(0, 0, 0) << QColor(192, 192, 192);
        QTest::newRow("red trapezoid") << 9 << QColor(255, 0, 0) << QColor(192, 192, 192);
        QTest::newRow("orange circle") << 10 << QColor(255, 128, 64) << QColor(192, 192, 192);
    }
    void eachKeyMovesExactlyOneStep()
    {
        QFETCH(int, presses);
        QFETCH(QColor, centre);
        QFETCH(QColor, corner);
        for (int i = 0; i < presses; ++i) {
            press();
            waitIdle();
        }
        QCOMPARE(pixel(500, 200), centre);
        QCOMPARE(pixel(345, 45), corner);
    }

    // Tab and Shift+Tab make characters like any other key: one step each, never a move of the
    // focus to another control of the window (as the frame has).
    void tabCountsAsAKeyPress()
    {
        view.reset();
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto* other = new QPushButton(QStringLiteral("other"), &window);
        other->setFocusPolicy(Qt::StrongFocus);
        auto* v = new CPommelotView(AfxGetApp()->m_settings, AfxGetApp()->m_pWordList,
                                    AfxGetApp()->m_pBirdWordList, &window);
        layout->addWidget(other);
        layout->addWidget(v, 1);
        window.resize(1000, 460);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.activateWindow();
        v->setFocus();
        QTRY_VERIFY_WITH_TIMEOUT(!v->isBusy(), 10000);
        QSignalSpy handed(v, &CPommelotView::cuesHandedOver);
        QTest::keyClick(v, Qt::Key_Tab);
        QTRY_VERIFY_WITH_TIMEOUT(!v->isBusy(), 10000);
        QTest::keyClick(v, Qt::Key_Backtab, Qt::ShiftModifier);
        QTRY_VERIFY_WITH_TIMEOUT(!v->isBusy(), 10000);
        QCOMPARE(handed.size(), 2);
        QVERIFY(v->hasFocus());
    }

    // With a delay of 1 s and two cues of 0.5 s: the cues start no earlier than 1 s after the
    // key, the view takes no key until both have been heard, and every press in between, while
    // the cue waits and while it is spoken, is lost.
    void pressesWhileACueWaitsOrIsSpokenAreLost()
    {
        const QString folder = TestApp::programFolder();
        QVERIFY(TestApp::writeWav(folder + QStringLiteral("/Colors/Orange.wav"), kHalfSecond, 2000,
                                  48000));
        QVERIFY(TestApp::writeWav(folder + QStringLiteral("/Shapes/Square.wav"), kHalfSecond, -2000,
                                  48000));
        AfxGetApp()->m_settings.m_nSoundDelay = 1;
        QSignalSpy handed(view.get(), &CPommelotView::cuesHandedOver);
        QElapsedTimer clock;
        clock.start();
        press();
        QTRY_VERIFY(view->isDrawing());
        for (int i = 0; i < 5; ++i)
            press();
        // 1579 is a key press too, and is dropped the same way.
        QCoreApplication::postEvent(view.get(), new QEvent(QEvent::Type(kKeyPressEvent)));

        qint64 soundAt = -1;
        while (clock.elapsed() < 5000 && (handed.isEmpty() || soundAt < 0)) {
            QTest::qWait(5);
            if (soundAt < 0 && somethingHeard(outFile()))
                soundAt = clock.elapsed();
        }
        QCOMPARE(handed.size(), 1);
        QCOMPARE(handed.first().at(0).toInt(), 2);
        QVERIFY2(soundAt >= 950, qPrintable(QStringLiteral("heard after %1 ms").arg(soundAt)));

        // Speaking: no longer drawing, but keys are still dropped.
        QVERIFY(!view->isDrawing());
        QVERIFY(view->isBusy());
        for (int i = 0; i < 5; ++i) {
            press();
            QCoreApplication::postEvent(view.get(), new QEvent(QEvent::Type(kKeyPressEvent)));
            QTest::qWait(20);
        }
        QVERIFY(view->isBusy());
        QSignalSpy idle(view.get(), &CPommelotView::becameIdle);
        QVERIFY(idle.wait(5000));
        // Both cues were heard out before keys count again.
        QVERIFY2(
            clock.elapsed() - soundAt >= 800,
            qPrintable(
                QStringLiteral("idle %1 ms after the sound began").arg(clock.elapsed() - soundAt)));
        QCOMPARE(handed.size(), 1);
        QCOMPARE(pixel(500, 200), QColor(255, 128, 64)); // one step: orange square
        // The next key is taken.
        press();
        waitIdle();
        QCOMPARE(pixel(500, 200), QColor(255, 255, 0));
    }

    void privateEventCountsAsKey()
    {
        QCoreApplication::postEvent(view.get(), new QEvent(QEvent::Type(kKeyPressEvent)));
        QTRY_COMPARE(pixel(500, 200), QColor(255, 128, 64));
    }

    void keysThatMakeNoCharacterDoNothing_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("advances");
        QTest::newRow("letter") << int(Qt::Key_A) << 0 << true;
        QTest::newRow("space") << int(Qt::Key_Space) << 0 << true;
        QTest::newRow("enter") << int(Qt::Key_Return) << 0 << true;
        QTest::newRow("escape") << int(Qt::Key_Escape) << 0 << true;
        QTest::newRow("ctrl+letter") << int(Qt::Key_B) << int(Qt::ControlModifier) << true;
        QTest::newRow("alt+letter") << int(Qt::Key_A) << int(Qt::AltModifier) << false;
        QTest::newRow("arrow") << int(Qt::Key_Left) << 0 << false;
        QTest::newRow("function key") << int(Qt::Key_F5) << 0 << false;
        QTest::newRow("shift alone") << int(Qt::Key_Shift) << 0 << false;
        // Control characters that are characters: Backspace, Tab.
        QTest::newRow("backspace") << int(Qt::Key_Backspace) << 0 << true;
        QTest::newRow("tab") << int(Qt::Key_Tab) << 0 << true;
        // X11 gives Delete the text U+007F, but it makes no character.
        QTest::newRow("delete") << int(Qt::Key_Delete) << 0 << false;
    }
    void keysThatMakeNoCharacterDoNothing()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(bool, advances);
        QString text;
        if (key == Qt::Key_A || key == Qt::Key_B)
            text = modifiers & Qt::ControlModifier ? QString(QChar(key - Qt::Key_A + 1))
                                                   : QString(QChar(key).toLower());
        else if (key == Qt::Key_Space)
            text = QStringLiteral(" ");
        else if (key == Qt::Key_Return)
            text = QStringLiteral("\r");
        else if (key == Qt::Key_Escape)
            text = QString(QChar(27));
        else if (key == Qt::Key_Backspace)
            text = QString(QChar(8));
        else if (key == Qt::Key_Tab)
            text = QString(QChar(9));
        else if (key == Qt::Key_Delete)
            text = QString(QChar(127));
        QKeyEvent ev(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), text);
        QCoreApplication::sendEvent(view.get(), &ev);
        waitIdle();
        QCOMPARE(pixel(500, 200), advances ? QColor(255, 128, 64) : QColor(255, 0, 0));
    }

    void repaintWithoutKeyIsSilent()
    {
        QSignalSpy handed(view.get(), &CPommelotView::cuesHandedOver);
        view->repaint();
        QCOMPARE(handed.size(), 1);
        QCOMPARE(handed.first().at(0).toInt(), 0);
        QCOMPARE(pixel(500, 200), QColor(255, 0, 0));
    }

    void soundOffDrawsSilently()
    {
        AfxGetApp()->m_settings.m_bAudioEnabled = false;
        QSignalSpy handed(view.get(), &CPommelotView::cuesHandedOver);
        press();
        waitIdle();
        QCOMPARE(handed.size(), 1);
        QCOMPARE(handed.first().at(0).toInt(), 0);
        // Turning it back on takes effect with the next key.
        AfxGetApp()->m_settings.m_bAudioEnabled = true;
        press();
        waitIdle();
        QCOMPARE(handed.size(), 2);
        QCOMPARE(handed.at(1).at(0).toInt(), 2);
    }

    void clicksChangeNothing()
    {
        QTest::mouseClick(view.get(), Qt::LeftButton, {}, QPoint(500, 200));
        QTest::mouseClick(view.get(), Qt::LeftButton, {}, QPoint(10, 10));
        waitIdle();
        QCOMPARE(pixel(500, 200), QColor(255, 0, 0));
    }

    void switchModeResetsEvenTheCurrentMode()
    {
        press();
        waitIdle();
        press();
        waitIdle();
        QCOMPARE(pixel(500, 200), QColor(255, 255, 0));
        QSignalSpy handed(view.get(), &CPommelotView::cuesHandedOver);
        view->SwitchMode(MODE_SHAPES);
        QTRY_VERIFY(!handed.isEmpty());
        QCOMPARE(handed.first().at(0).toInt(), 2);
        waitIdle();
        QCOMPARE(pixel(500, 200), QColor(255, 0, 0));
    }

    void switchModeShowsTheNewModesFirstItem()
    {
        view->SwitchMode(MODE_NUMBERS);
        waitIdle();
        QCOMPARE(view->currentMode(), int(MODE_NUMBERS));
        const QImage img = view->grab().toImage();
        // A green "1" somewhere in the view, nothing red any more.
        bool green = false, red = false;
        for (int y = 0; y < img.height(); y += 3) {
            for (int x = 0; x < img.width(); x += 3) {
                const QColor c = img.pixelColor(x, y);
                green |= c == QColor(0, 255, 0);
                red |= c == QColor(255, 0, 0);
            }
        }
        QVERIFY(green);
        QVERIFY(!red);
    }

    void lockFollowsFocusUnlessLockSettingIsOn()
    {
        QVERIFY(view->hasFocus());
        view->OnInitialUpdate();
        QVERIFY(IsKeyHookEnabled());
        QWidget other;
        other.show();
        QVERIFY(QTest::qWaitForWindowExposed(&other));
        other.activateWindow();
        other.setFocus();
        QTRY_VERIFY(!view->hasFocus());
        QVERIFY(!IsKeyHookEnabled());

        view->activateWindow();
        view->setFocus();
        QTRY_VERIFY(view->hasFocus());
        QVERIFY(IsKeyHookEnabled());

        AfxGetApp()->m_settings.m_bLockKeyboard = true;
        other.activateWindow();
        other.setFocus();
        QTRY_VERIFY(!view->hasFocus());
        QVERIFY(IsKeyHookEnabled());
    }

    void closingWhileACueWaitsIsClean()
    {
        QVERIFY(TestApp::writeWav(TestApp::programFolder() + QStringLiteral("/Colors/Orange.wav"),
                                  kHalfSecond, 2000, 48000));
        AfxGetApp()->m_settings.m_nSoundDelay = 1;
        press();
        QTRY_VERIFY(view->isDrawing());
        view.reset();
        QVERIFY(!IsKeyHookEnabled());
        // The cue's delay runs out with the view gone: nothing is played.
        QTest::qWait(1300);
        QVERIFY(!somethingHeard(outFile()));
    }

    // A click goes to the current mode, except while a drawing or a cue's delay runs: then it
    // is swallowed, and the mode never hears of it.
    void mousePressesAreSwallowedWhileACueWaits()
    {
        auto* counter = new ClickCounter;
        view->replaceActivityForTests(MODE_LETTERS, counter);
        view->SwitchMode(MODE_LETTERS);
        waitIdle();
        QTest::mouseClick(view.get(), Qt::LeftButton, Qt::ShiftModifier, QPoint(30, 40));
        QCOMPARE(counter->clicks, 1);
        QCOMPARE(counter->lastPoint, QPoint(30, 40));
        QCOMPARE(counter->lastFlags, 0x0001 | 0x0004);

        AfxGetApp()->m_settings.m_nSoundDelay = 1;
        press();
        QTRY_VERIFY(view->isDrawing());
        QTest::mouseClick(view.get(), Qt::LeftButton, {}, QPoint(500, 200));
        QTest::mouseClick(view.get(), Qt::LeftButton, {}, QPoint(10, 10));
        QVERIFY(view->isDrawing());
        QCOMPARE(counter->clicks, 1);
        waitIdle();
        QTest::mouseClick(view.get(), Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(counter->clicks, 2);
    }

    // The Settings command: the keyboard lock is off while the sheet runs and on again after
    // it, whether Lock Keyboard was ticked and however the sheet was closed; then the current
    // item is drawn again, silently.
    void settingsRunsUnlockedThenRepaintsSilently_data()
    {
        QTest::addColumn<bool>("tick");
        QTest::addColumn<bool>("ok");
        QTest::newRow("Lock Keyboard ticked, OK") << true << true;
        QTest::newRow("not ticked, OK") << false << true;
        QTest::newRow("ticked, Cancel") << true << false;
    }
    void settingsRunsUnlockedThenRepaintsSilently()
    {
        QFETCH(bool, tick);
        QFETCH(bool, ok);
        press();
        waitIdle();
        // Another window is in front before and after the sheet, so nothing but the command
        // itself repaints the view, and only the command turns the lock on again.
        QWidget other;
        other.show();
        QVERIFY(QTest::qWaitForWindowExposed(&other));
        other.activateWindow();
        QTRY_VERIFY(other.isActiveWindow());
        QTRY_VERIFY(!view->hasFocus());
        QCoreApplication::processEvents();
        view->OnInitialUpdate();
        QVERIFY(IsKeyHookEnabled());
        bool sawSheet = false;
        bool lockedInside = true;
        whenModal([&](QWidget* w) {
            auto* sheet = qobject_cast<CSettingsPropSheet*>(w);
            sawSheet = sheet != nullptr;
            lockedInside = IsKeyHookEnabled();
            if (!sheet) {
                static_cast<QDialog*>(w)->reject();
                return;
            }
            sheet->m_pGeneralPage->control<QCheckBox>(CGeneralPropPg::IDC_LOCK_KEYBOARD)
                ->setChecked(tick);
            if (ok)
                sheet->button(1)->click();
            else
                sheet->button(2)->click();
        });
        QSignalSpy handed(view.get(), &CPommelotView::cuesHandedOver);
        view->OnSettings();
        QVERIFY(sawSheet);
        QVERIFY(!lockedInside);
        QVERIFY(IsKeyHookEnabled());
        QCOMPARE(AfxGetApp()->m_settings.m_bLockKeyboard, tick && ok);
        // Drawn again, without its cue.
        QTRY_VERIFY(!handed.isEmpty());
        QCOMPARE(handed.first().at(0).toInt(), 0);
        QCOMPARE(pixel(500, 200), QColor(255, 128, 64));
        AfxGetApp()->m_settings.m_bLockKeyboard = false;
    }
};

POMMELOT_TEST_MAIN(TestPommelotView)
#include "tst_pommelotview.moc"
