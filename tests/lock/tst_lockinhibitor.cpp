// The common part of the lock's inhibitors: what they report to the lock status, and how an
// inhibitor held on the program's window follows that window (given back before its surface
// goes, asked for again when it is shown while wanted).
#include "lock/LockInhibitor.h"
#include "lock/LockStatus.h"

#include <QTest>
#include <QTranslator>
#include <QWidget>

using State = CLockStatus::State;
using Part = CLockStatus::Part;

namespace {
// Counts what the base asks of it.
class CountingInhibitor : public CLockInhibitor
{
    Q_OBJECT
public:
    explicit CountingInhibitor(const QString& source, Part part = Part::Keyboard)
        : CLockInhibitor(source, part, QT_TR_NOOP("counted thing held"), nullptr)
    {
    }

    using CLockInhibitor::followWindow;
    using CLockInhibitor::m_wanted;
    using CLockInhibitor::m_window;
    using CLockInhibitor::reportState;
    using CLockInhibitor::stopFollowing;

    int requests = 0;
    int releases = 0;

protected:
    void request() override { ++requests; }
    void release() override { ++releases; }
};

// Shows in which context a text was translated.
class ContextTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* sourceText, const char* = nullptr,
                      int = -1) const override
    {
        return QLatin1String(context) + QLatin1Char(':') + QLatin1String(sourceText);
    }
};
} // namespace

class TestLockInhibitor : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { CLockStatus::instance()->clear(); }

    void reportsUnderItsOwnSource_data()
    {
        QTest::addColumn<State>("first");
        QTest::addColumn<State>("second");
        QTest::addColumn<State>("seen");
        // The best of two sources for one part counts.
        QTest::newRow("one held") << State::Held << State::Refused << State::Held;
        QTest::newRow("both waiting") << State::Waiting << State::Waiting << State::Waiting;
        QTest::newRow("refused and none") << State::Refused << State::Unavailable << State::Refused;
    }
    void reportsUnderItsOwnSource()
    {
        QFETCH(State, first);
        QFETCH(State, second);
        QFETCH(State, seen);
        CountingInhibitor a(QStringLiteral("test-a"), Part::SleepKeys);
        CountingInhibitor b(QStringLiteral("test-b"), Part::SleepKeys);
        a.reportState(first, QStringLiteral("why a"));
        b.reportState(second, QStringLiteral("why b"));
        QCOMPARE(CLockStatus::instance()->state(Part::SleepKeys), seen);
        QVERIFY(!CLockStatus::instance()->reported(Part::Blanking));
        // A new report of a source replaces its old one.
        a.reportState(State::Unavailable);
        b.reportState(State::Unavailable);
        QCOMPARE(CLockStatus::instance()->state(Part::SleepKeys), State::Unavailable);
        QVERIFY(CLockStatus::instance()->reported(Part::SleepKeys));
    }

    void labelAndReasonReachTheStatusLine()
    {
        CountingInhibitor keyboard(QStringLiteral("test-keyboard"));
        keyboard.reportState(State::Refused, QStringLiteral("the desktop said no"));
        QCOMPARE(CLockStatus::instance()->text(),
                 QStringLiteral("Keyboard lock: not holding (the desktop said no)"));
        keyboard.reportState(State::Held);
        QCOMPARE(CLockStatus::instance()->text(),
                 QStringLiteral("Keyboard lock: paused (in play: counted thing held)"));
    }

    void labelIsTranslatedInTheInhibitorsOwnClass()
    {
        ContextTranslator translator;
        QVERIFY(QCoreApplication::installTranslator(&translator));
        CountingInhibitor keyboard(QStringLiteral("test-keyboard"));
        keyboard.reportState(State::Held);
        const QString text = CLockStatus::instance()->text();
        QCoreApplication::removeTranslator(&translator);
        QVERIFY2(text.contains(QStringLiteral("CountingInhibitor:counted thing held")),
                 qPrintable(text));
    }

    void followsOneWindowAtATime()
    {
        QWidget first;
        QWidget second;
        first.winId();
        second.winId();
        CountingInhibitor inhibitor(QStringLiteral("test-follow"));
        inhibitor.followWindow(&first);
        QCOMPARE(inhibitor.m_window.data(), first.windowHandle());
        // The same window again keeps what is held.
        const int releases = inhibitor.releases;
        inhibitor.followWindow(&first);
        QCOMPARE(inhibitor.releases, releases);
        // Another window: what was held for the first is given back.
        inhibitor.followWindow(&second);
        QCOMPARE(inhibitor.releases, releases + 1);
        QCOMPARE(inhibitor.m_window.data(), second.windowHandle());
        inhibitor.stopFollowing();
        QCOMPARE(inhibitor.releases, releases + 2);
        QVERIFY(!inhibitor.m_window);
        QCOMPARE(inhibitor.requests, 0);
    }

    // Shown, it is asked for again while wanted; whether wanted or not, it is given back before
    // the surface it holds on goes. A window no longer followed changes nothing.
    void windowEventsReachOnlyTheFollower_data()
    {
        QTest::addColumn<bool>("wanted");
        QTest::addColumn<bool>("forgotten");
        QTest::newRow("wanted") << true << false;
        QTest::newRow("not wanted") << false << false;
        QTest::newRow("no longer followed") << true << true;
    }
    void windowEventsReachOnlyTheFollower()
    {
        QFETCH(bool, wanted);
        QFETCH(bool, forgotten);
        QWidget window;
        window.winId();
        CountingInhibitor inhibitor(QStringLiteral("test-window"));
        inhibitor.m_wanted = wanted;
        inhibitor.followWindow(&window);
        if (forgotten)
            inhibitor.stopFollowing();
        const int releases = inhibitor.releases;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(inhibitor.requests > 0, wanted && !forgotten);
        QCOMPARE(inhibitor.releases, releases);
        window.windowHandle()->destroy();
        QCOMPARE(inhibitor.releases, releases + (forgotten ? 0 : 1));
    }
};

QTEST_MAIN(TestLockInhibitor)
#include "tst_lockinhibitor.moc"
