#include "activities/TalkingBirdActivity.h"
#include "animation/BitmapThread.h"
#include "animation/ClientSurface.h"
#include "app/PommelotView.h"
#include "common/TestApp.h"
#include "wordlist/WordList.h"

#include <QDir>
#include <QSet>
#include <QSignalSpy>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <thread>

namespace {

QSet<QString> tasks()
{
    const QStringList ids =
        QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    return QSet<QString>(ids.begin(), ids.end());
}

WordList* birdList()
{
    return AfxGetApp()->m_pBirdWordList;
}

// The bird's rectangle, read under the lock its thread moves it under.
CRect birdPosition(const CBitmapThread* bird)
{
    std::lock_guard<std::mutex> lock(CGDIThread::m_csGDILock);
    return bird->position();
}

int greenPixels(const QImage& image)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c(image.pixel(x, y));
            if (c.green() > c.red() + 40 && c.green() > c.blue() + 40)
                ++n;
        }
    return n;
}

} // namespace

class TestTalkingBird : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<CPommelotView> m_view;

    TalkingBirdActivity* bird() const
    {
        return static_cast<TalkingBirdActivity*>(m_view->activity(MODE_BIRD));
    }
    void setWords(const QStringList& words)
    {
        while (birdList()->GetCount() > 0)
            birdList()->RemoveWord(0);
        for (const QString& w : words)
            birdList()->AddWord(w);
    }

private Q_SLOTS:
    void init()
    {
        AfxGetApp()->m_settings.m_bAudioEnabled = true;
        AfxGetApp()->m_settings.m_nSoundDelay = 0;
        AfxGetApp()->m_settings.m_bRandomizeWords = false;
        setWords({QStringLiteral("sun"), QStringLiteral("moon"), QStringLiteral("star")});
        m_view = std::make_unique<CPommelotView>(AfxGetApp()->m_settings, AfxGetApp()->m_pWordList,
                                                 AfxGetApp()->m_pBirdWordList);
        m_view->resize(480, 360);
    }

    void cleanup()
    {
        m_view.reset();
        CGDIThread::failThreadCreationForTests(false);
    }

    void enteringSaysWordZeroAtOnce()
    {
        AfxGetApp()->m_settings.m_nSoundDelay = 3;
        m_view->SwitchMode(MODE_BIRD);
        QVERIFY(bird()->birdThread());
        QVERIFY(bird()->clientSurface());
        QCOMPARE(bird()->currentWord(), 0);
        // The drawing that follows the switch, with the view's sound flag.
        bird()->Draw(m_view.get(), nullptr, true);
        const std::vector<Activity::Cue> cues = bird()->takeRequestedCues();
        QCOMPARE(cues.size(), size_t(1));
        QCOMPARE(cues[0].path, birdList()->GetSoundPath(0));
        QVERIFY(cues[0].path.endsWith(QStringLiteral("/Bird/sun.wav")));
        QCOMPARE(cues[0].delaySeconds, 0);
        QVERIFY(bird()->birdThread()->talkSteps() > 0);
    }

    void theBirdStartsAtItsDrawnPlaceAndFliesAtItsPace()
    {
        AfxGetApp()->m_settings.m_bAudioEnabled = false;
        // Room for many steps of (2, 3) before any bounce.
        m_view->resize(800, 600);
        // The start comes from two draws of rand() % 200: the first gives the top, the second
        // the left. A seed whose two draws lie far apart tells the order, and one whose raw draws
        // land in the upper half of 0..199 and whose remainders by 400 reach past 199 tells the
        // range: a start taken from 0..99 or from 0..399 lands elsewhere.
        const auto tellsTheRange = [](int raw) { return raw % 200 >= 100 && raw % 400 >= 200; };
        unsigned seed = 1;
        int first = 0;
        int second = 0;
        for (;; ++seed) {
            std::srand(seed);
            const int rawFirst = std::rand();
            const int rawSecond = std::rand();
            first = rawFirst % 200;
            second = rawSecond % 200;
            if (qAbs(first - second) > 60 && tellsTheRange(rawFirst) && tellsTheRange(rawSecond))
                break;
        }
        std::srand(seed);
        m_view->SwitchMode(MODE_BIRD);
        const CBitmapThread* flying = bird()->birdThread();
        QVERIFY(flying);
        const CRect start = birdPosition(flying);
        const auto startTime = std::chrono::steady_clock::now();
        QCOMPARE(start.Width(), 85);
        QCOMPARE(start.Height(), 85);
        // It may have taken a few steps of (2, 3) already.
        const int taken = (start.left - second) / 2;
        QVERIFY2(taken >= 0 && taken < 20 && start.left == second + 2 * taken &&
                     start.top == first + 3 * taken,
                 qPrintable(QStringLiteral("at %1,%2; draws %3 then %4")
                                .arg(start.left)
                                .arg(start.top)
                                .arg(first)
                                .arg(second)));

        // A step about every 75 ms: never faster, and not much slower on an idle machine (a
        // busy one gets three tries).
        using Ms = std::chrono::duration<double, std::milli>;
        QString last;
        for (int attempt = 0; attempt < 3; ++attempt) {
            std::this_thread::sleep_for(std::chrono::milliseconds(750));
            const CRect now = birdPosition(flying);
            const double elapsed = Ms(std::chrono::steady_clock::now() - startTime).count();
            const int steps = (now.left - start.left) / 2;
            QCOMPARE(now.left - start.left, 2 * steps);
            QCOMPARE(now.top - start.top, 3 * steps);
            last = QStringLiteral("%1 steps in %2 ms").arg(steps).arg(elapsed, 0, 'f', 0);
            QVERIFY2(steps <= elapsed / 74.0 + 1, qPrintable(last));
            if (steps >= elapsed / 110.0 - 1)
                return;
            qWarning("slow: %s", qPrintable(last));
        }
        QFAIL(qPrintable(last));
    }

    void withoutSoundTheBirdOnlyTalks()
    {
        m_view->SwitchMode(MODE_BIRD);
        bird()->Draw(m_view.get(), nullptr, false);
        QVERIFY(bird()->takeRequestedCues().empty());
        QVERIFY(bird()->birdThread()->talkSteps() > 0);
    }

    void keysSayTheNextWordsInOrder()
    {
        m_view->SwitchMode(MODE_BIRD);
        bird()->Draw(m_view.get(), nullptr, true);
        bird()->takeRequestedCues();
        const int expected[] = {1, 2, 0, 1, 2};
        for (int word : expected) {
            bird()->Advance();
            bird()->Draw(m_view.get(), nullptr, true);
            QCOMPARE(bird()->currentWord(), word);
            const std::vector<Activity::Cue> cues = bird()->takeRequestedCues();
            QCOMPARE(cues.size(), size_t(1));
            QCOMPARE(cues[0].path, birdList()->GetSoundPath(word));
            QCOMPARE(cues[0].delaySeconds, 0);
        }
        // A click changes nothing.
        m_view->OnLButtonDown(1, QPoint(20, 20));
        QCOMPARE(bird()->currentWord(), 2);
        QVERIFY(bird()->birdThread());
    }

    void aKeyPressEndsItsOwnPendingStateAndSpeaksAtOnce()
    {
        AfxGetApp()->m_settings.m_nSoundDelay = 3;
        m_view->SwitchMode(MODE_BIRD);
        QSignalSpy handed(m_view.get(), &CPommelotView::cuesHandedOver);
        m_view->OnChar();
        QCOMPARE(bird()->currentWord(), 1);
        QVERIFY(!m_view->isKeyPending());
        // The cue has no delay: it is handed over on the next turn of the event loop.
        QVERIFY(handed.wait(2000));
        QCOMPARE(handed.first().first().toInt(), 1);
    }

    void leavingTheModeEndsTheThread()
    {
        AfxGetApp()->m_settings.m_bAudioEnabled = false;
        const QSet<QString> before = tasks();
        m_view->SwitchMode(MODE_BIRD);
        const QSet<QString> flying = tasks() - before;
        QCOMPARE(flying.size(), 1);
        m_view->SwitchMode(MODE_LETTERS);
        QVERIFY(!bird()->birdThread());
        QVERIFY(!bird()->clientSurface());
        QTRY_VERIFY_WITH_TIMEOUT(!tasks().contains(*flying.begin()), 5000);
    }

    void choosingTheModeAgainStartsANewBird()
    {
        AfxGetApp()->m_settings.m_bAudioEnabled = false;
        const QSet<QString> before = tasks();
        m_view->SwitchMode(MODE_BIRD);
        const QSet<QString> first = tasks() - before;
        QCOMPARE(first.size(), 1);
        bird()->Advance();
        m_view->SwitchMode(MODE_BIRD);
        QCOMPARE(bird()->currentWord(), 0);
        QTRY_VERIFY_WITH_TIMEOUT(!tasks().contains(*first.begin()), 5000);
        const QSet<QString> second = tasks() - before;
        QCOMPARE(second.size(), 1);
        QVERIFY(second != first);
    }

    void emptyListTalksSilently()
    {
        setWords({});
        m_view->SwitchMode(MODE_BIRD);
        for (int i = 0; i < 3; ++i)
            bird()->Advance();
        QCOMPARE(bird()->currentWord(), 0);
        bird()->Draw(m_view.get(), nullptr, true);
        const std::vector<Activity::Cue> cues = bird()->takeRequestedCues();
        QCOMPARE(cues.size(), size_t(1));
        QVERIFY(cues[0].path.isEmpty());
        // The player is handed the empty path and stays silent.
        bird()->runCue(cues[0]);
        QTRY_VERIFY_WITH_TIMEOUT(!bird()->m_audio.isPlaying(), 5000);
        QVERIFY(bird()->birdThread()->talkSteps() > 0);
    }

    void failedThreadLeavesTheModeUsable()
    {
        CGDIThread::failThreadCreationForTests(true);
        const QSet<QString> before = tasks();
        m_view->SwitchMode(MODE_BIRD);
        QVERIFY(!bird()->birdThread());
        QVERIFY(bird()->clientSurface());
        QCOMPARE(tasks() - before, QSet<QString>());
        QSignalSpy handed(m_view.get(), &CPommelotView::cuesHandedOver);
        m_view->OnChar();
        QCOMPARE(bird()->currentWord(), 1);
        QCOMPARE(handed.size(), 1);
        QCOMPARE(handed.first().first().toInt(), 0);
        // Keys are still taken.
        QVERIFY(!m_view->isBusy());
        m_view->OnChar();
        QCOMPARE(bird()->currentWord(), 2);
        m_view->resize(300, 200);
        m_view->SwitchMode(MODE_SHAPES);
        QVERIFY(!bird()->clientSurface());
    }

    void closingTheViewWhileTheBirdFliesStopsIt()
    {
        AfxGetApp()->m_settings.m_bAudioEnabled = false;
        const QSet<QString> before = tasks();
        m_view->SwitchMode(MODE_BIRD);
        const QSet<QString> flying = tasks() - before;
        QCOMPARE(flying.size(), 1);
        m_view.reset();
        QTRY_VERIFY_WITH_TIMEOUT(!tasks().contains(*flying.begin()), 5000);
    }

    void theViewShowsTheBirdAndFollowsItsSize()
    {
        AfxGetApp()->m_settings.m_bAudioEnabled = false;
        m_view->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_view.get()));
        m_view->SwitchMode(MODE_BIRD);
        QTRY_VERIFY_WITH_TIMEOUT(greenPixels(m_view->grab().toImage()) > 800, 10000);

        m_view->resize(520, 400);
        QTRY_COMPARE_WITH_TIMEOUT(bird()->clientSurface()->size(), QSize(520, 400), 5000);
        QCOMPARE(bird()->birdThread()->bounds(), CRect(0, 0, 520, 400));
        // Only the bird square is ever drawn: the rest of the surface stays grey.
        QTest::qWait(300);
        const QImage surface = bird()->clientSurface()->image();
        QVERIFY(greenPixels(surface) > 800);
        QVERIFY(greenPixels(surface) < 127 * 127);
    }
};

POMMELOT_TEST_MAIN(TestTalkingBird)
#include "tst_talkingbird.moc"
