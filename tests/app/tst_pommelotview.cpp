#include "app/PommelotView.h"
#include "common/TestApp.h"
#include "components/KeyHook.h"

#include <QMouseEvent>
#include <QSignalSpy>

// The play view drives the current mode: one step per accepted key, presses dropped while a
// step is drawn or spoken, cues after the paint, modes switched by command.
class TestPommelotView : public QObject
{
    Q_OBJECT

    std::unique_ptr<CPommelotView> view;

    QColor pixel(int x, int y) { return view->grab().toImage().pixelColor(x, y); }
    void waitIdle() { QTRY_VERIFY_WITH_TIMEOUT(!view->isBusy(), 10000); }
    void press(char c = 'a') { QTest::keyClick(view.get(), c); }

private Q_SLOTS:
    void init()
    {
        CPommelotApp* app = AfxGetApp();
        app->m_bAudioEnabled = true;
        app->m_nSoundDelay = 0;
        app->m_bReverseWordOrder = false;
        app->m_bLockKeyboard = false;
        qputenv("SDL_DISKAUDIOFILE",
                QFile::encodeName(TestApp::programFolder() + QStringLiteral("/out.raw")));
        view = std::make_unique<CPommelotView>();
        view->resize(1000, 400);
        view->show();
        QVERIFY(QTest::qWaitForWindowExposed(view.get()));
        view->activateWindow();
        view->setFocus();
        waitIdle();
    }
    void cleanup() { view.reset(); }

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
        view = std::make_unique<CPommelotView>();
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

    void pressesWhileACueWaitsAreLost()
    {
        AfxGetApp()->m_nSoundDelay = 1;
        QSignalSpy handed(view.get(), &CPommelotView::cuesHandedOver);
        press();
        QTRY_VERIFY(view->isDrawing());
        for (int i = 0; i < 5; ++i)
            press();
        // 1579 is a key press too, and is dropped the same way.
        QCoreApplication::postEvent(view.get(), new QEvent(QEvent::Type(kKeyPressEvent)));
        QTest::qWait(50);
        QVERIFY(view->isDrawing());
        waitIdle();
        QCOMPARE(handed.size(), 1);
        QCOMPARE(pixel(500, 200), QColor(255, 128, 64)); // one step: orange square
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
        AfxGetApp()->m_bAudioEnabled = false;
        QSignalSpy handed(view.get(), &CPommelotView::cuesHandedOver);
        press();
        waitIdle();
        QCOMPARE(handed.size(), 1);
        QCOMPARE(handed.first().at(0).toInt(), 0);
        // Turning it back on takes effect with the next key.
        AfxGetApp()->m_bAudioEnabled = true;
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

        AfxGetApp()->m_bLockKeyboard = true;
        other.activateWindow();
        other.setFocus();
        QTRY_VERIFY(!view->hasFocus());
        QVERIFY(IsKeyHookEnabled());
    }

    void closingWhileACueWaitsIsClean()
    {
        AfxGetApp()->m_nSoundDelay = 3;
        press();
        QTRY_VERIFY(view->isDrawing());
        view.reset();
        QVERIFY(!IsKeyHookEnabled());
        // Nothing fires into the dead view.
        QTest::qWait(100);
    }

    void mousePressesAreSwallowedWhileACueWaits()
    {
        AfxGetApp()->m_nSoundDelay = 1;
        press();
        QTRY_VERIFY(view->isDrawing());
        QTest::mouseClick(view.get(), Qt::LeftButton, {}, QPoint(500, 200));
        QVERIFY(view->isDrawing());
        waitIdle();
    }
};

POMMELOT_TEST_MAIN(TestPommelotView)
#include "tst_pommelotview.moc"
