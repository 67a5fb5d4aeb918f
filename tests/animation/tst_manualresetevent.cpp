#include "animation/ManualResetEvent.h"
#include "common/TestApp.h"

#include <atomic>
#include <thread>

using namespace std::chrono_literals;

class TestManualResetEvent : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void startsUnset()
    {
        CManualResetEvent event;
        QVERIFY(!event.IsSet());
        QVERIFY(!event.WaitFor(1ms));
    }

    void staysSetForEveryWaiter()
    {
        CManualResetEvent event;
        event.Set();
        QVERIFY(event.IsSet());
        QVERIFY(event.WaitFor(0ms));
        QVERIFY(event.WaitFor(1ms));
        event.Wait(); // returns at once
        QVERIFY(event.IsSet());
        event.Reset();
        QVERIFY(!event.IsSet());
        QVERIFY(!event.WaitFor(1ms));
    }

    void wakesAllWaitingThreads()
    {
        CManualResetEvent event;
        std::atomic<int> woken{0};
        std::vector<std::thread> waiters;
        for (int i = 0; i < 4; ++i)
            waiters.emplace_back([&] {
                event.Wait();
                ++woken;
            });
        std::thread timed([&] {
            if (event.WaitFor(std::chrono::hours(1)))
                ++woken;
        });
        event.Set();
        for (std::thread& t : waiters)
            t.join();
        timed.join();
        QCOMPARE(woken.load(), 5);
    }
};

POMMELOT_TEST_MAIN(TestManualResetEvent)
#include "tst_manualresetevent.moc"
