// The parent's way out of full screen: Ctrl+Alt+Q held, and nothing else, for the whole hold
// time. Any other key, a release of the chord, extra modifiers or a chord whose modifiers
// were let go elsewhere must not get there.
#include "common/TestApp.h"
#include "fullscreen/LeaveGesture.h"

#include <QSignalSpy>

namespace {
constexpr int kHold = 300;
const Qt::KeyboardModifiers kChord = Qt::ControlModifier | Qt::AltModifier;
} // namespace

class TestLeaveGesture : public QObject
{
    Q_OBJECT

    // Holds Q with Ctrl+Alt for `ms`, with keyboard auto-repeat every 30 ms.
    static void holdFor(LeaveGesture& g, int ms)
    {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < ms) {
            QTest::qWait(30);
            g.keyRelease(Qt::Key_Q, kChord, true);
            g.keyPress(Qt::Key_Q, kChord, true);
        }
    }

    static void start(LeaveGesture& g)
    {
        g.keyPress(Qt::Key_Control, Qt::ControlModifier, false);
        g.keyPress(Qt::Key_Alt, kChord, false);
        g.keyPress(Qt::Key_Q, kChord, false);
    }

private Q_SLOTS:
    void holdingTheChordCompletes()
    {
        LeaveGesture g;
        g.setHoldTime(kHold);
        g.setModifierQuery([] { return kChord; });
        QSignalSpy done(&g, &LeaveGesture::completed);
        QSignalSpy progress(&g, &LeaveGesture::progressChanged);
        start(g);
        QVERIFY(g.isHolding());
        holdFor(g, kHold / 2);
        QCOMPARE(done.size(), 0);
        QVERIFY(g.progress() > 0.3 && g.progress() < 0.9);
        QTRY_COMPARE_WITH_TIMEOUT(done.size(), 1, kHold * 2);
        QVERIFY(!g.isHolding());
        // The ring filled up, then went away.
        QVERIFY(progress.size() >= 3);
        double last = 0;
        for (int i = 0; i + 1 < progress.size(); ++i) {
            const double p = progress.at(i).at(0).toDouble();
            QVERIFY(p > 0 && p >= last);
            last = p;
        }
        QCOMPARE(progress.last().at(0).toDouble(), 0.0);
        // Holding on after it has fired does not fire again.
        holdFor(g, kHold + 100);
        QCOMPARE(done.size(), 1);
    }

    void interruptionsStartAgain_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("press");
        QTest::newRow("another letter") << int(Qt::Key_A) << int(kChord) << true;
        QTest::newRow("Shift on top")
            << int(Qt::Key_Shift) << int(kChord | Qt::ShiftModifier) << true;
        QTest::newRow("the Windows key on top")
            << int(Qt::Key_Meta) << int(kChord | Qt::MetaModifier) << true;
        QTest::newRow("Q let go") << int(Qt::Key_Q) << int(kChord) << false;
        QTest::newRow("Ctrl let go") << int(Qt::Key_Control) << int(Qt::AltModifier) << false;
        QTest::newRow("Alt let go") << int(Qt::Key_Alt) << int(Qt::ControlModifier) << false;
        QTest::newRow("Q again without a release") << int(Qt::Key_Q) << int(kChord) << true;
    }
    void interruptionsStartAgain()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(bool, press);
        LeaveGesture g;
        g.setHoldTime(kHold);
        g.setModifierQuery([] { return kChord; });
        QSignalSpy done(&g, &LeaveGesture::completed);
        start(g);
        holdFor(g, kHold * 2 / 3);
        if (press) {
            g.keyPress(key, Qt::KeyboardModifiers(modifiers), false);
        } else {
            g.keyRelease(key, Qt::KeyboardModifiers(modifiers), false);
            // Let go for real: longer than the keyboard's repeat would take.
            QTest::qWait(LeaveGesture::kReleaseGraceMs + 60);
        }
        // The keyboard goes on repeating Q: that alone never starts a hold.
        holdFor(g, kHold * 2 / 3);
        QCOMPARE(done.size(), 0);
        // A second press of Q starts a new hold at once; anything else leaves none.
        QCOMPARE(g.isHolding(), press && key == Qt::Key_Q);
        // A fresh press of the chord starts the full count from zero.
        if (!press && key != Qt::Key_Q)
            g.keyPress(key, kChord, false);
        g.keyRelease(Qt::Key_Q, kChord, false);
        QTest::qWait(LeaveGesture::kReleaseGraceMs + 60);
        g.keyPress(Qt::Key_Q, kChord, false);
        holdFor(g, kHold * 2 / 3);
        QCOMPARE(done.size(), 0);
        holdFor(g, kHold * 2 / 3);
        QCOMPARE(done.size(), 1);
    }

    // The toolkit reports some of the keyboard's repeats as a release and a fresh press; a
    // press right after the release keeps the hold going.
    void repeatSeenAsReleaseAndPressKeepsTheHold()
    {
        LeaveGesture g;
        g.setHoldTime(kHold);
        g.setModifierQuery([] { return kChord; });
        QSignalSpy done(&g, &LeaveGesture::completed);
        start(g);
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < kHold + 150 && done.isEmpty()) {
            QTest::qWait(30);
            g.keyRelease(Qt::Key_Q, kChord, false);
            QTest::qWait(5);
            g.keyPress(Qt::Key_Q, kChord, false);
        }
        QCOMPARE(done.size(), 1);
        // A release with nothing after it ends the hold.
        start(g);
        QTest::qWait(30);
        g.keyRelease(Qt::Key_Q, kChord, false);
        QTRY_VERIFY_WITH_TIMEOUT(!g.isHolding(), LeaveGesture::kReleaseGraceMs * 3);
    }

    void otherChordsNeverStart_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Q alone") << int(Qt::Key_Q) << 0;
        QTest::newRow("Ctrl+Q") << int(Qt::Key_Q) << int(Qt::ControlModifier);
        QTest::newRow("Alt+Q") << int(Qt::Key_Q) << int(Qt::AltModifier);
        QTest::newRow("Ctrl+Alt+Shift+Q") << int(Qt::Key_Q) << int(kChord | Qt::ShiftModifier);
        QTest::newRow("Ctrl+Alt+W") << int(Qt::Key_W) << int(kChord);
    }
    void otherChordsNeverStart()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        LeaveGesture g;
        g.setHoldTime(kHold);
        g.setModifierQuery([] { return kChord; });
        QSignalSpy done(&g, &LeaveGesture::completed);
        const auto mods = Qt::KeyboardModifiers(modifiers);
        g.keyPress(key, mods, false);
        QVERIFY(!g.isHolding());
        for (int i = 0; i < (kHold + 200) / 30; ++i) {
            QTest::qWait(30);
            g.keyRelease(key, mods, true);
            g.keyPress(key, mods, true);
        }
        QCOMPARE(done.size(), 0);
    }

    // The releases of Ctrl and Alt went to another window: what the keyboard holds at the end
    // decides.
    void modifiersLetGoUnseen()
    {
        LeaveGesture g;
        g.setHoldTime(kHold);
        Qt::KeyboardModifiers held = Qt::NoModifier;
        g.setModifierQuery([&held] { return held; });
        QSignalSpy done(&g, &LeaveGesture::completed);
        start(g);
        holdFor(g, kHold + 150);
        QCOMPARE(done.size(), 0);
        QVERIFY(!g.isHolding());
        held = kChord;
        g.keyRelease(Qt::Key_Q, kChord, false);
        start(g);
        QTRY_COMPARE_WITH_TIMEOUT(done.size(), 1, kHold * 3);
    }

    // A chance press of the chord shows nothing: the ring waits for a deliberate hold.
    void briefPressShowsNothing()
    {
        LeaveGesture g;
        g.setModifierQuery([] { return kChord; });
        QCOMPARE(g.holdTime(), 3000);
        QSignalSpy progress(&g, &LeaveGesture::progressChanged);
        start(g);
        QTest::qWait(LeaveGesture::kShowAfterMs / 2);
        g.keyRelease(Qt::Key_Q, kChord, false);
        QTest::qWait(100);
        QCOMPARE(progress.size(), 0);
    }
};

POMMELOT_TEST_MAIN(TestLeaveGesture)
#include "tst_leavegesture.moc"
