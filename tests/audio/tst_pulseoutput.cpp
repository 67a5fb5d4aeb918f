// The sound as a PulseAudio server plays it: a private server with a null sink, whose monitor
// is recorded while the engine plays through its PulseAudio output (SDL's driver is
// pulseaudio here, as on a desktop), checked sample by sample.
#include "common/MonitorRecorder.h"
#include "common/PrivatePulseServer.h"
#include "common/TestApp.h"
#include "audio/AudioEngine.h"
#include "audio/AudioManager.h"
#include "audio/PulseOutput.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <sndfile.h>
#include <thread>
#include <vector>

namespace {
using Samples = std::vector<int16_t>;
constexpr int kRate = 48000;

MonitorRecorder* g_monitor = nullptr;

// A cue's samples: never near silence, different for every cue, so that the recording shows
// where each one starts, whether it is whole and whether anything came between.
Samples cueSamples(int index, int frames)
{
    Samples s(static_cast<size_t>(frames));
    for (int i = 0; i < frames; ++i)
        s[size_t(i)] = int16_t(2000 + 5000 * index + (i % 1000) * 4);
    return s;
}

bool writeMono48k(const QString& path, const Samples& samples)
{
    SF_INFO info{};
    info.samplerate = kRate;
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* f = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
    if (!f)
        return false;
    const bool ok =
        sf_write_short(f, samples.data(), sf_count_t(samples.size())) == sf_count_t(samples.size());
    return sf_close(f) == 0 && ok;
}

// Where the whole of cue starts in rec at or after from; -1 when it is not there whole.
qint64 findWhole(const Samples& rec, size_t from, const Samples& cue)
{
    for (size_t i = from; i + cue.size() <= rec.size(); ++i) {
        if (rec[i] == cue[0] && std::equal(cue.begin(), cue.end(), rec.begin() + qint64(i)))
            return qint64(i);
    }
    return -1;
}

// For a failure message: how the recording differs from cue where its start is heard.
QString describeMismatch(const Samples& rec, size_t from, const Samples& cue)
{
    size_t start = from;
    while (start < rec.size() && rec[start] != cue[0])
        ++start;
    if (start >= rec.size())
        return QStringLiteral("its first sample never came");
    size_t i = 0;
    while (i < cue.size() && start + i < rec.size() && rec[start + i] == cue[i])
        ++i;
    size_t silent = 0;
    while (start + i + silent < rec.size() && std::abs(rec[start + i + silent]) < 50)
        ++silent;
    return QStringLiteral("it differs after %1 of %2 frames (%3 frames of silence there)")
        .arg(i)
        .arg(cue.size())
        .arg(silent);
}

// Holds up the output's thread now and then, as a busy machine does: every Nth time it
// mixes while a sound plays, the next refill comes this much later.
std::atomic<int> g_stallEvery{0};
std::atomic<int> g_stallMs{0};
std::atomic<int> g_mixes{0};
void stallingObserver(qint64, int, int, bool sounding)
{
    const int every = g_stallEvery;
    if (every > 0 && sounding && ++g_mixes % every == 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(int(g_stallMs)));
}

} // namespace

class TestPulseOutput : public QObject
{
    Q_OBJECT

    // Plays a burst and checks it at the monitor; what went wrong, or nothing.
    static QString playBurst(const QStringList& paths, const std::vector<Samples>& sounds,
                             int stallEvery, int stallMs)
    {
        const std::shared_ptr<CAudioEngine> engine = CAudioEngine::instance();
        if (!QTest::qWaitFor([&] { return !engine->isOutputOpen(); }, 20000))
            return QStringLiteral("the output was still open before the burst");
        g_mixes = 0;
        g_stallMs = stallMs;
        g_stallEvery = stallEvery;
        CAudioEngine::setMixObserver(&stallingObserver);
        const qint64 from = g_monitor->frames();
        {
            CAudioManager player;
            QSignalSpy drained(&player, &CAudioManager::queueDrained);
            for (const QString& path : paths)
                player.Play(path);
            if (!drained.wait(20000))
                return QStringLiteral("the player never heard that the burst was over");
            if (drained.count() != 1 || player.isPlaying())
                return QStringLiteral("told %1 times that the burst was over").arg(drained.count());
            if (!QTest::qWaitFor([&] { return !engine->isOutputOpen(); }, 20000))
                return QStringLiteral("the output stayed open after the burst");
        }
        CAudioEngine::setMixObserver(nullptr);
        g_stallEvery = 0;
        if (stallEvery > 0 && g_mixes < stallEvery)
            return QStringLiteral("the output's thread was never held up");
        // What the server played has reached the recording.
        const qint64 until = g_monitor->frames() + kRate / 5;
        if (!QTest::qWaitFor([&] { return g_monitor->frames() >= until; }, 10000))
            return QStringLiteral("the monitor stopped recording");

        const Samples rec = g_monitor->slice(from, g_monitor->frames());
        size_t next = 0;
        for (size_t i = 0; i < sounds.size(); ++i) {
            const qint64 at = findWhole(rec, next, sounds[i]);
            if (at < 0)
                return QStringLiteral("word %1 was not heard whole: %2")
                    .arg(i)
                    .arg(describeMismatch(rec, next, sounds[i]));
            next = size_t(at) + sounds[i].size();
        }
        // Nothing but silence after the last word: no repeated or stray samples.
        for (size_t i = next; i < rec.size(); ++i) {
            if (rec[i] != 0)
                return QStringLiteral("sound %1 frames after the burst").arg(i - next);
        }
        return QString();
    }

    static constexpr int16_t kLongLevel = 8000;

    // Plays a word of frames at kLongLevel, stops it once it is heard and checks its end at
    // the monitor; what went wrong, or nothing.
    static QString stopHalfWay(const QString& path, int frames)
    {
        const std::shared_ptr<CAudioEngine> engine = CAudioEngine::instance();
        if (!QTest::qWaitFor([&] { return !engine->isOutputOpen(); }, 20000))
            return QStringLiteral("the output was still open before the word");
        const qint64 from = g_monitor->frames();
        {
            CAudioManager player;
            player.Play(path);
            const bool heard = QTest::qWaitFor(
                [&] {
                    const Samples s = g_monitor->slice(from, g_monitor->frames());
                    return std::count(s.begin(), s.end(), kLongLevel) > kRate / 10;
                },
                20000);
            if (!heard)
                return QStringLiteral("the word was never heard");
            player.Stop();
            if (player.isPlaying())
                return QStringLiteral("the player still plays after Stop");
            if (!QTest::qWaitFor([&] { return !engine->isOutputOpen(); }, 20000))
                return QStringLiteral("the output stayed open after Stop");
        }
        const qint64 until = g_monitor->frames() + kRate / 5;
        if (!QTest::qWaitFor([&] { return g_monitor->frames() >= until; }, 10000))
            return QStringLiteral("the monitor stopped recording");

        const Samples rec = g_monitor->slice(from, g_monitor->frames());
        size_t first = 0;
        while (first < rec.size() && rec[first] == 0)
            ++first;
        size_t end = rec.size();
        while (end > first && rec[end - 1] == 0)
            --end;
        if (end - first >= size_t(frames - kRate / 10))
            return QStringLiteral("the word was not stopped");
        // The fade goes down by about kLongLevel / kFadeFrames a frame; a cut by kLongLevel at
        // once. The step into the silence after it counts too.
        int steepest = 0;
        for (size_t i = first + 1; i < std::min(end + 1, rec.size()); ++i)
            steepest = std::max(steepest, std::abs(int(rec[i]) - int(rec[i - 1])));
        if (steepest > 2 * kLongLevel / CAudioEngine::kFadeFrames + 2)
            return QStringLiteral("a step of %1 in the stopped word").arg(steepest);
        const qint64 fading = std::count_if(rec.begin() + qint64(first), rec.begin() + qint64(end),
                                            [](int16_t s) { return s < kLongLevel; });
        if (fading < CAudioEngine::kFadeFrames / 2)
            return QStringLiteral("it faded over %1 frames only").arg(fading);
        return QString();
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(CAudioEngine::instance()->usesPulseOutput(),
                 "the engine should play through its own PulseAudio output here");
    }

    void cleanup()
    {
        CAudioEngine::setMixObserver(nullptr);
        g_stallEvery = 0;
        CAudioEngine::setTuning(CAudioEngine::Tuning{});
    }

    // Every cue of a burst is heard whole, in order, with nothing between its samples; the
    // player hears that the burst is over, and the stream closes once the last sound has been
    // played out, not before. With the engine's own target, refills that come late by a few
    // milliseconds leave no gap either: those rows hold up the output's thread on purpose and
    // keep the engine's target, the others have a roomy one. A machine that is busy besides
    // may now and then hold the thread up longer than a target covers, so each row has three
    // tries; a fault of the output (or a target too short for the held-up refills) fails all
    // three.
    void burstPlaysWholeAndInOrder_data()
    {
        QTest::addColumn<int>("cues");
        QTest::addColumn<int>("stallEvery");
        QTest::addColumn<int>("stallMs");
        QTest::newRow("one word") << 1 << 0 << 0;
        QTest::newRow("three words") << 3 << 0 << 0;
        QTest::newRow("three words, late refills") << 3 << 3 << 12;
    }
    void burstPlaysWholeAndInOrder()
    {
        QFETCH(int, cues);
        QFETCH(int, stallEvery);
        QFETCH(int, stallMs);
        std::vector<Samples> sounds;
        QStringList paths;
        for (int i = 0; i < cues; ++i) {
            sounds.push_back(cueSamples(i, kRate / 4 + 2400 * i));
            paths << TestApp::programFolder() + QStringLiteral("/burst%1.wav").arg(i);
            QVERIFY(writeMono48k(paths.last(), sounds.back()));
        }
        CAudioEngine::Tuning tuning;
        if (stallEvery == 0)
            tuning.serverTargetMs = 250;
        CAudioEngine::setTuning(tuning);

        QString fault;
        for (int attempt = 0; attempt < 3; ++attempt) {
            fault = playBurst(paths, sounds, stallEvery, stallMs);
            if (fault.isEmpty())
                break;
            qInfo("try %d: %s", attempt + 1, qPrintable(fault));
        }
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }

    // A word stopped half-way fades out over a few milliseconds instead of ending on a step,
    // and the stream closes behind it. Three tries, as above: a delay longer than even the
    // roomy target would put a step into one of them, while a Stop that cuts fails them all.
    void stopFadesOut()
    {
        CAudioEngine::Tuning tuning;
        tuning.serverTargetMs = 250;
        CAudioEngine::setTuning(tuning);
        const QString path = TestApp::programFolder() + QStringLiteral("/long.wav");
        QVERIFY(writeMono48k(path, Samples(size_t(2 * kRate), kLongLevel)));
        QString fault;
        for (int attempt = 0; attempt < 3; ++attempt) {
            fault = stopHalfWay(path, 2 * kRate);
            if (fault.isEmpty())
                break;
            qInfo("try %d: %s", attempt + 1, qPrintable(fault));
        }
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }

    // The output on its own: the stream starts with the source's first samples, filling the
    // whole target before open() returns (no silence queued ahead of them).
    void firstFillIsTheSource()
    {
        std::atomic<qint64> pulled{0};
        std::atomic<int> calls{0};
        std::atomic<int> firstCall{0};
        CPulseOutput output(
            [&](int16_t* out, int frames) {
                if (calls++ == 0)
                    firstCall = frames;
                std::fill(out, out + frames * 2, int16_t(1000));
                pulled += frames;
            },
            [] {});
        QVERIFY(output.connect());
        QVERIFY(output.open(40, 5));
        const qint64 atOpen = pulled;
        const CPulseOutput::Buffering buffering = output.buffering();
        QVERIFY(buffering.targetFrames > 0);
        QVERIFY2(atOpen >= buffering.targetFrames,
                 qPrintable(QStringLiteral("%1 frames of the source written of a target of %2")
                                .arg(atOpen)
                                .arg(buffering.targetFrames)));
        QCOMPARE(firstCall.load(), buffering.targetFrames);
        // Refills are small and playback may restart as soon as one is there.
        QVERIFY(buffering.refillFrames <= 10 * kRate / 1000);
        QVERIFY(buffering.prebufFrames <= buffering.refillFrames);
        output.close();
        QVERIFY(!output.isOpen());
    }

    // A latency the user set wins over the output's own target.
    void userLatencyWins()
    {
        const auto targetWith = [](const char* latency) {
            if (latency)
                qputenv("PULSE_LATENCY_MSEC", latency);
            CPulseOutput output(
                [](int16_t* out, int frames) { std::fill(out, out + frames * 2, 0); }, [] {});
            const bool opened = output.connect() && output.open(40, 5);
            const int frames = opened ? output.buffering().targetFrames : -1;
            qunsetenv("PULSE_LATENCY_MSEC");
            return frames;
        };
        const int own = targetWith(nullptr);
        const int user = targetWith("200");
        QVERIFY(own > 0);
        QVERIFY2(user > 2 * own, qPrintable(QStringLiteral("target %1 frames with 200 ms, %2 "
                                                           "without")
                                                .arg(user)
                                                .arg(own)));
    }

    // Where no server answers, the output says so at once and opens nothing.
    void noServer()
    {
        const QByteArray server = qgetenv("PULSE_SERVER");
        qputenv("PULSE_SERVER", "unix:/nonexistent/pommelot-no-server");
        CPulseOutput output([](int16_t*, int) {}, [] {});
        QVERIFY(!output.connect());
        QVERIFY(!output.open(40, 5));
        QVERIFY(!output.isOpen());
        qputenv("PULSE_SERVER", server);
    }
};

int main(int argc, char** argv)
{
    // Our own server, before the engine (and SDL's audio) starts.
    QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/pulse-test-XXXXXX"));
    PrivatePulseServer server;
    if (!folder.isValid() || !server.start(folder.path()))
        return 1;
    server.useFromThisProcess();
    qputenv("SDL_AUDIODRIVER", "pulseaudio");
    qunsetenv("PULSE_LATENCY_MSEC");
    MonitorRecorder monitor;
    if (!monitor.start(server.serverName().constData(), PrivatePulseServer::kMonitor, 1)) {
        fprintf(stderr, "could not record the null sink's monitor\n");
        return 1;
    }
    g_monitor = &monitor;
    TestPulseOutput tc;
    const int result = runTestObject(argc, argv, &tc, false);
    g_monitor = nullptr;
    monitor.stop();
    return result;
}

#include "tst_pulseoutput.moc"
