// The one line that says what the keyboard lock holds, where a parent sees it (General page,
// About box), and the start-up notice that only a click closes.
#include "app/AboutDlg.h"
#include "common/TestApp.h"
#include "lock/KeyHook.h"
#include "lock/LockNotice.h"
#include "lock/LockStatus.h"
#include "settings/GeneralPropPg.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>

using State = CLockStatus::State;
using Part = CLockStatus::Part;
using Entry = CLockStatus::Entry;
Q_DECLARE_METATYPE(QList<Entry>)

namespace {
Entry grab(State s, const QString& why = {})
{
    return {Part::Keyboard, s, QStringLiteral("keyboard grab"), why};
}
Entry inhibitor(State s, const QString& why = {})
{
    return {Part::Keyboard, s, QStringLiteral("compositor shortcuts held"), why};
}
Entry vt(State s)
{
    return {Part::ServerKeys, s, QStringLiteral("VT switching off"), {}};
}
Entry sleepKeys(State s)
{
    return {Part::SleepKeys, s, QStringLiteral("sleep keys held"), QStringLiteral("no logind")};
}
Entry blanking(State s)
{
    return {Part::Blanking, s, QStringLiteral("screen kept on"), QStringLiteral("no service")};
}
Entry pointer(State s, const QString& why = {})
{
    return {Part::Pointer, s, QStringLiteral("pointer kept in"), why};
}
} // namespace

class TestLockStatus : public QObject
{
    Q_OBJECT
    CLockStatus* status() { return CLockStatus::instance(); }

private Q_SLOTS:
    void init()
    {
        status()->clear();
        status()->setOn(true);
    }

    void text_data()
    {
        QTest::addColumn<QStringList>("sources");
        QTest::addColumn<QList<Entry>>("entries");
        QTest::addColumn<bool>("on");
        QTest::addColumn<QString>("text");

        QTest::newRow("nothing tried")
            << QStringList{} << QList<Entry>{} << true
            << "Keyboard lock: not available on this desktop (no keyboard lock on this platform)";
        QTest::newRow("X11, all held")
            << QStringList{"grab", "vt", "logind", "saver"}
            << QList<Entry>{grab(State::Held), vt(State::Held), sleepKeys(State::Held),
                            blanking(State::Held)}
            << true
            << "Keyboard lock: on (keyboard grab, VT switching off, sleep keys held, screen "
               "kept on)";
        QTest::newRow("X11 without logind: only what was granted")
            << QStringList{"grab", "vt", "logind"}
            << QList<Entry>{grab(State::Held), vt(State::Held), sleepKeys(State::Unavailable)}
            << true << "Keyboard lock: on (keyboard grab, VT switching off)";
        QTest::newRow("paused for Settings")
            << QStringList{"grab", "vt"} << QList<Entry>{grab(State::Held), vt(State::Held)}
            << false << "Keyboard lock: paused (in play: keyboard grab, VT switching off)";
        QTest::newRow("compositor without the protocol")
            << QStringList{"inhibitor", "idle"}
            << QList<Entry>{inhibitor(State::Unavailable, "the compositor does not allow "
                                                          "shortcut inhibiting"),
                            blanking(State::Held)}
            << true
            << "Keyboard lock: not available on this desktop (the compositor does not allow "
               "shortcut inhibiting); screen kept on";
        QTest::newRow("desktop lifted it")
            << QStringList{"inhibitor"}
            << QList<Entry>{inhibitor(State::Refused, "the desktop lifted the shortcut inhibitor")}
            << true << "Keyboard lock: not holding (the desktop lifted the shortcut inhibitor)";
        QTest::newRow("another program has the keyboard")
            << QStringList{"grab"}
            << QList<Entry>{grab(State::Waiting, "another program holds the keyboard")} << true
            << "Keyboard lock: waiting (another program holds the keyboard)";
        // Several sources of one part: the best one counts.
        QTest::newRow("one of two blanking sources granted")
            << QStringList{"grab", "dbus-saver", "x11-saver"}
            << QList<Entry>{grab(State::Held), blanking(State::Unavailable), blanking(State::Held)}
            << true << "Keyboard lock: on (keyboard grab, screen kept on)";
        // Full screen on Wayland: the pointer is listed while confined, and said not to be
        // held where the desktop cannot or will not keep it in.
        QTest::newRow("Wayland full screen, pointer confined")
            << QStringList{"inhibitor", "idle", "pointer"}
            << QList<Entry>{inhibitor(State::Held), blanking(State::Held), pointer(State::Held)}
            << true
            << "Keyboard lock: on (compositor shortcuts held, screen kept on, pointer kept in)";
        QTest::newRow("Wayland full screen, pointer asked, no answer yet")
            << QStringList{"inhibitor", "pointer"}
            << QList<Entry>{inhibitor(State::Held), pointer(State::Waiting, "asked")} << true
            << "Keyboard lock: on (compositor shortcuts held)";
        QTest::newRow("Wayland full screen, no pointer constraints")
            << QStringList{"inhibitor", "pointer"}
            << QList<Entry>{inhibitor(State::Held),
                            pointer(State::Unavailable,
                                    "the compositor cannot keep the pointer in")}
            << false
            << "Keyboard lock: paused (in play: compositor shortcuts held); pointer not held on "
               "this desktop (the compositor cannot keep the pointer in)";
        QTest::newRow("keyboard waiting, pointer let go")
            << QStringList{"inhibitor", "pointer"}
            << QList<Entry>{inhibitor(State::Waiting, "asked"),
                            pointer(State::Refused, "the desktop let the pointer go")}
            << true
            << "Keyboard lock: waiting (asked); pointer not held (the desktop let the pointer go)";
    }
    void text()
    {
        QFETCH(QStringList, sources);
        QFETCH(QList<Entry>, entries);
        QFETCH(bool, on);
        QFETCH(QString, text);
        for (int i = 0; i < sources.size(); ++i)
            status()->report(sources[i], entries[i]);
        status()->setOn(on);
        QCOMPARE(status()->text(), text);
    }

    void cannotHold()
    {
        QVERIFY(!status()->cannotHold());
        status()->report("k", grab(State::Waiting, "x"));
        QVERIFY(!status()->cannotHold());
        status()->report("k", inhibitor(State::Refused, "x"));
        QVERIFY(status()->cannotHold());
        status()->report("k", inhibitor(State::Unavailable, "x"));
        QVERIFY(status()->cannotHold());
        status()->report("k", inhibitor(State::Held));
        QVERIFY(!status()->cannotHold());
        // Other parts missing never make the lock unable to hold.
        status()->report("s", sleepKeys(State::Unavailable));
        QVERIFY(!status()->cannotHold());
    }

    // Full screen ends: the pointer's entry goes, and with it its words in the line.
    void forgetTakesTheEntryOut()
    {
        status()->report("k", inhibitor(State::Held));
        status()->report("p", pointer(State::Unavailable, "the desktop has no pointer"));
        QVERIFY(status()->text().contains("pointer not held"));
        QSignalSpy spy(status(), &CLockStatus::changed);
        status()->forget("p");
        QCOMPARE(spy.count(), 1);
        QVERIFY(!status()->reported(Part::Pointer));
        QCOMPARE(status()->text(), QString("Keyboard lock: on (compositor shortcuts held)"));
        status()->forget("p");
        QCOMPARE(spy.count(), 1);
        QVERIFY(status()->reported(Part::Keyboard));
    }

    void changedOnlyOnChange()
    {
        QSignalSpy spy(status(), &CLockStatus::changed);
        status()->report("k", grab(State::Held));
        status()->report("k", grab(State::Held));
        QCOMPARE(spy.count(), 1);
        status()->report("k", grab(State::Waiting, "x"));
        QCOMPARE(spy.count(), 2);
        status()->setOn(true);
        QCOMPARE(spy.count(), 2);
        status()->setOn(false);
        QCOMPARE(spy.count(), 3);
        // The program's one entry switches the status on and off (offscreen, nothing else).
        EnableKeyHook(1, nullptr);
        QVERIFY(status()->isOn());
        EnableKeyHook(0, nullptr);
        QVERIFY(!status()->isOn());
    }

    void generalPageAndAboutBoxShowTheLine()
    {
        status()->report("k", grab(State::Held));
        status()->report("v", vt(State::Held));
        CGeneralPropPg page;
        auto* line = page.findChild<QLabel*>("lockStatus");
        QVERIFY(line);
        QCOMPARE(line->text(), QString("Keyboard lock: on (keyboard grab, VT switching off)"));
        // Kept up to date while the page is open.
        status()->report("s", sleepKeys(State::Held));
        QCOMPARE(line->text(),
                 QString("Keyboard lock: on (keyboard grab, VT switching off, sleep keys held)"));

        CAboutDlg about;
        auto* aboutLine = about.findChild<QLabel*>("lockStatus");
        QVERIFY(aboutLine);
        QCOMPARE(aboutLine->text(), status()->text());
    }

    void noticeOnlyAMouseClickCloses()
    {
        QWidget top;
        top.resize(800, 600);
        top.show();
        QVERIFY(QTest::qWaitForWindowExposed(&top));

        // At start the lock cannot hold: after a moment the parent is told.
        status()->report("k", inhibitor(State::Unavailable, "the compositor does not allow "
                                                            "shortcut inhibiting"));
        CLockNotice::checkOnceAfterStart(&top);
        QVERIFY(!top.findChild<CLockNotice*>());
        QTRY_VERIFY_WITH_TIMEOUT(top.findChild<CLockNotice*>(), CLockNotice::kCheckDelayMs + 3000);
        CLockNotice* notice = top.findChild<CLockNotice*>();
        QVERIFY(notice->isVisible());
        QVERIFY(notice->text().contains("not available on this desktop"));
        auto* close = notice->findChild<QPushButton*>("lockNoticeClose");
        QVERIFY(close);
        QPointer<CLockNotice> guard(notice);
        // A child's mashing, delivered as the window system delivers keys (to whatever has
        // the focus, Tab moving it along): none of it closes the notice.
        for (int round = 0; round < 2; ++round) {
            for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space, Qt::Key_Escape,
                                Qt::Key_Tab, Qt::Key_C, Qt::Key_F4})
                QTest::keyClick(top.windowHandle(), key);
            QTest::keyClick(top.windowHandle(), Qt::Key_F4, Qt::AltModifier);
        }
        QTest::qWait(200); // a close would have deleted it by now
        QVERIFY(guard);
        QVERIFY(notice->isVisible());
        QTest::mouseClick(close, Qt::LeftButton);
        QTRY_VERIFY(!guard);

        // Said once: a second start-up check shows nothing.
        CLockNotice::checkOnceAfterStart(&top);
        QTest::qWait(CLockNotice::kCheckDelayMs + 300);
        QVERIFY(!top.findChild<CLockNotice*>());
    }
};

POMMELOT_TEST_MAIN(TestLockStatus)
#include "tst_lockstatus.moc"
