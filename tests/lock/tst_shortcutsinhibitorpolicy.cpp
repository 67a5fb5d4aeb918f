// When the Wayland shortcut inhibitor is asked for again, without a compositor: the answers
// the compositor gives, in time, and what the lock does next.
#include "lock/ShortcutsInhibitorPolicy.h"

#include <QtTest>

using Policy = CShortcutsInhibitorPolicy;

class TestShortcutsInhibitorPolicy : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // GNOME's restore key lifts a granted inhibitor: with the view in front it is asked for
    // again at once; away, on coming back to the front.
    void liftedIsAskedForAgain()
    {
        Policy p;
        p.requested(0);
        p.activated();
        QCOMPARE(p.inactivated(1000, true), 0);
        QCOMPARE(p.answer(), Policy::Answer::Lifted);

        Policy away;
        away.requested(0);
        away.activated();
        QCOMPARE(away.inactivated(1000, false), Policy::kNever);
        QCOMPARE(away.cameToFront(1500), 0);
    }

    // A desktop that lifts the inhibitor again each time it is granted is asked less and less
    // often, and answered at once again after a quiet spell.
    void repeatedLiftsBackOff_data()
    {
        QTest::addColumn<QList<int>>("gaps");   // from each re-ask to the next lift
        QTest::addColumn<QList<int>>("delays"); // the delay answered to each lift
        QTest::newRow("a loop") << QList<int>{10, 10, 10, 10, 10, 10, 10, 10}
                                << QList<int>{0, 250, 500, 1000, 2000, 4000, 5000, 5000};
        QTest::newRow("a child pressing the key now and then")
            << QList<int>{3000, 2500, 10000, 2000} << QList<int>{0, 0, 0, 0};
        QTest::newRow("a burst, then quiet")
            << QList<int>{10, 10, 10, 2500, 10} << QList<int>{0, 250, 500, 0, 250};
    }
    void repeatedLiftsBackOff()
    {
        QFETCH(QList<int>, gaps);
        QFETCH(QList<int>, delays);
        Policy p;
        qint64 now = 0;
        QList<int> answered;
        for (int gap : gaps) {
            p.requested(now);
            p.activated();
            now += gap;
            const int delay = p.inactivated(now, true);
            answered << delay;
            now += delay;
        }
        QCOMPARE(answered, delays);
    }

    // A live inhibitor is never renewed, however long it has lived or however often the view
    // comes back to the front; no new request opens a gap.
    void liveInhibitorStays()
    {
        Policy p;
        p.requested(0);
        p.activated();
        QVERIFY(!p.renewDue(Policy::kRenewMs, true));
        QVERIFY(!p.renewDue(100 * Policy::kRenewMs, true));
        QCOMPARE(p.cameToFront(60000), Policy::kNever);
        QCOMPARE(p.answer(), Policy::Answer::Active);
    }

    // No answer, or a refusal (a compositor that will not, a parent's Deny): asked again only
    // at the steady pace and only in front, never in a loop.
    void unansweredAtTheSteadyPace_data()
    {
        QTest::addColumn<bool>("refused");
        QTest::newRow("no answer") << false;
        QTest::newRow("refused") << true;
    }
    void unansweredAtTheSteadyPace()
    {
        QFETCH(bool, refused);
        Policy p;
        p.requested(1000);
        if (refused) {
            QCOMPARE(p.inactivated(1010, true), Policy::kNever);
            QCOMPARE(p.answer(), Policy::Answer::Refused);
        }
        QCOMPARE(p.cameToFront(1020), Policy::kNever);
        QVERIFY(!p.renewDue(1000 + Policy::kRenewMs - 1, true));
        QVERIFY(p.renewDue(1000 + Policy::kRenewMs, true));
        QVERIFY(!p.renewDue(1000 + Policy::kRenewMs, false));
        // The renewal is a new request: the pace starts over.
        p.requested(1000 + Policy::kRenewMs);
        QVERIFY(!p.renewDue(1000 + 2 * Policy::kRenewMs - 1, true));
    }

    // Without an inhibitor, coming to the front asks for one at once; events for one that is
    // gone change nothing.
    void nothingRequested()
    {
        Policy p;
        QCOMPARE(p.cameToFront(0), 0);
        QCOMPARE(p.inactivated(10, true), Policy::kNever);
        QVERIFY(!p.renewDue(Policy::kRenewMs, true));
        p.requested(0);
        p.activated();
        p.released();
        QVERIFY(!p.isRequested());
        QCOMPARE(p.answer(), Policy::Answer::None);
    }

    // Switching the lock off gives the inhibitor up only when the program does it itself (its
    // window in front: Settings, About) or the window is gone; a focus gone elsewhere keeps it.
    void switchOff_data()
    {
        QTest::addColumn<bool>("gone");
        QTest::addColumn<bool>("inFront");
        QTest::addColumn<bool>("released");
        QTest::newRow("Settings or About opens") << false << true << true;
        QTest::newRow("the end") << true << false << true;
        QTest::newRow("focus elsewhere, or a keyboard coming back") << false << false << false;
    }
    void switchOff()
    {
        QFETCH(bool, gone);
        QFETCH(bool, inFront);
        QFETCH(bool, released);
        QCOMPARE(Policy::releaseOnSwitchOff(gone, inFront), released);
    }
};

QTEST_APPLESS_MAIN(TestShortcutsInhibitorPolicy)
#include "tst_shortcutsinhibitorpolicy.moc"
