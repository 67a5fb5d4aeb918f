#include "animation/GDIThread.h"
#include "common/TestApp.h"

#include <QDir>
#include <QWidget>
#include <atomic>
#include <chrono>
#include <memory>
#include <thread>
#include <unistd.h>

using namespace std::chrono_literals;

namespace {

int taskCount()
{
    return QDir(QStringLiteral("/proc/self/task"))
        .entryList(QDir::Dirs | QDir::NoDotAndDotDot)
        .size();
}

// What a counting thread saw; outlives the thread object.
struct Probe
{
    std::atomic<int> steps{0};
    std::atomic<int> stepsDone{0};
    std::atomic<bool> wrongThread{false};
    std::atomic<bool> threadExited{false};
    std::atomic<bool> deleted{false};
    std::atomic<bool> exitedBeforeDelete{false};
    std::atomic<bool> boundsSeen{false};
    CRect lastBounds;
    std::thread::id uiThread = std::this_thread::get_id();
    // When set, the first step waits for the gate before it ends.
    CManualResetEvent* gate = nullptr;
    CManualResetEvent firstStepEntered;
};

// Set at the end of the drawing thread, after its body and its end hook have run.
struct ExitMark
{
    Probe* probe = nullptr;
    ~ExitMark()
    {
        if (probe)
            probe->threadExited = true;
    }
};

class CountingThread : public CGDIThread
{
public:
    CountingThread(Probe& probe, QWidget* view = nullptr)
        : CGDIThread(view, nullptr), m_probe(probe)
    {
    }
    ~CountingThread() override
    {
        stopAndJoin();
        m_probe.exitedBeforeDelete = m_probe.threadExited.load();
        m_probe.deleted = true;
    }
    void Step() override
    {
        static thread_local ExitMark mark;
        mark.probe = &m_probe;
        if (std::this_thread::get_id() == m_probe.uiThread)
            m_probe.wrongThread = true;
        const int n = ++m_probe.steps;
        {
            std::lock_guard<std::mutex> lock(m_csGDILock);
            m_probe.lastBounds = m_rcBounds;
        }
        m_probe.boundsSeen = true;
        if (n == 1 && m_probe.gate) {
            m_probe.firstStepEntered.Set();
            m_probe.gate->Wait();
        }
        ++m_probe.stepsDone;
    }

private:
    Probe& m_probe;
};

CountingThread* startCounting(Probe& probe, QWidget* view = nullptr)
{
    auto* t = new CountingThread(probe, view);
    if (!t->CreateThread()) {
        delete t;
        return nullptr;
    }
    t->SetThreadPriority(CGDIThread::kPriorityNormal);
    t->ResumeThread();
    return t;
}

} // namespace

class TestGDIThread : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void stepsFollowEachOtherAtTheFramePace()
    {
        Probe probe;
        CountingThread* t = startCounting(probe);
        QVERIFY(t);
        std::this_thread::sleep_for(800ms);
        const int seen = probe.steps.load();
        t->StopAndDestroy();
        // A frame every 75 ms at most: about ten in 800 ms, fewer on a busy machine.
        QVERIFY2(seen >= 3 && seen <= 12, qPrintable(QString::number(seen)));
        QVERIFY(!probe.wrongThread);
    }

    void noStepAfterStopAndDestroy()
    {
        Probe probe;
        CountingThread* t = startCounting(probe);
        QVERIFY(t);
        QTRY_VERIFY_WITH_TIMEOUT(probe.steps.load() >= 2, 10000);
        t->StopAndDestroy();
        QVERIFY(probe.deleted);
        const int atStop = probe.steps.load();
        std::this_thread::sleep_for(300ms);
        QCOMPARE(probe.steps.load(), atStop);
        QCOMPARE(probe.stepsDone.load(), atStop);
    }

    void stopBeforeTheFirstFrameDrawsNothing()
    {
        Probe probe;
        auto* t = new CountingThread(probe);
        QVERIFY(t->CreateThread());
        // Still suspended: the stop comes before the thread has ever waited.
        t->StopAndDestroy();
        QVERIFY(probe.deleted);
        QCOMPARE(probe.steps.load(), 0);
    }

    void stopDuringAStepLetsItFinishAndRunsNoOther()
    {
        Probe probe;
        CManualResetEvent gate;
        probe.gate = &gate;
        CountingThread* t = startCounting(probe);
        QVERIFY(t);
        QVERIFY(probe.firstStepEntered.WaitFor(10s));
        std::thread owner([t] { t->StopAndDestroy(); });
        QTRY_VERIFY_WITH_TIMEOUT(t->stopRequested(), 10000);
        QVERIFY(!probe.deleted);
        gate.Set();
        owner.join();
        QVERIFY(probe.deleted);
        QCOMPARE(probe.steps.load(), 1);
        QCOMPARE(probe.stepsDone.load(), 1);
    }

    void stopAndDestroyReturnsOnlyAfterTheThreadHasEnded()
    {
        Probe probe;
        CountingThread* t = startCounting(probe);
        QVERIFY(t);
        QTRY_VERIFY_WITH_TIMEOUT(probe.steps.load() >= 1, 10000);
        t->StopAndDestroy();
        QVERIFY(probe.deleted);
        QVERIFY(probe.threadExited);
        QVERIFY(probe.exitedBeforeDelete);
    }

    void failedCreationLeavesNoThread()
    {
        const int before = taskCount();
        Probe probe;
        CGDIThread::failThreadCreationForTests(true);
        CountingThread* t = startCounting(probe);
        CGDIThread::failThreadCreationForTests(false);
        QVERIFY(!t);
        QVERIFY(probe.deleted);
        QCOMPARE(taskCount(), before);
        std::this_thread::sleep_for(200ms);
        QCOMPARE(probe.steps.load(), 0);
    }

    void oneThreadWhileRunningNoneAfter()
    {
        const int before = taskCount();
        Probe probe;
        CountingThread* t = startCounting(probe);
        QVERIFY(t);
        QCOMPARE(taskCount(), before + 1);
        t->StopAndDestroy();
        QTRY_COMPARE_WITH_TIMEOUT(taskCount(), before, 5000);
    }

    void boundsFollowTheViewOnUpdate()
    {
        QWidget view;
        view.resize(300, 200);
        Probe probe;
        auto* t = new CountingThread(probe, &view);
        QCOMPARE(t->bounds(), CRect(0, 0, 300, 200));
        view.resize(500, 120);
        QCOMPARE(t->bounds(), CRect(0, 0, 300, 200));
        t->UpdateBounds();
        QCOMPARE(t->bounds(), CRect(0, 0, 500, 120));
        // The next step of a running thread sees the new rectangle.
        QVERIFY(t->CreateThread());
        t->ResumeThread();
        QTRY_VERIFY_WITH_TIMEOUT(probe.boundsSeen.load(), 10000);
        for (int i = 0; i < 20; ++i) {
            view.resize(400 + i, 300 + i);
            t->UpdateBounds();
            std::this_thread::sleep_for(10ms);
        }
        const int seen = probe.steps.load();
        QTRY_VERIFY_WITH_TIMEOUT(probe.steps.load() >= seen + 2, 10000);
        {
            std::lock_guard<std::mutex> lock(CGDIThread::m_csGDILock);
            QCOMPARE(probe.lastBounds, CRect(0, 0, 419, 319));
        }
        t->StopAndDestroy();
    }

    void talkDoesNothingInTheBase()
    {
        Probe probe;
        CountingThread t(probe);
        t.Talk();
        QCOMPARE(probe.steps.load(), 0);
        // Deleting an object whose thread was never created is fine.
    }

    void deletingARunningObjectStopsItsThread()
    {
        Probe probe;
        CountingThread* t = startCounting(probe);
        QVERIFY(t);
        QTRY_VERIFY_WITH_TIMEOUT(probe.steps.load() >= 1, 10000);
        delete t;
        QVERIFY(probe.exitedBeforeDelete);
    }
};

POMMELOT_TEST_MAIN(TestGDIThread)
#include "tst_gdithread.moc"
