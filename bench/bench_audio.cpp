// How soon a key is heard, measured from the key to where it is heard. Under an X server (it
// starts itself under xvfb-run -a when there is none), with a private PulseAudio server that
// has a null sink whose monitor it records, it starts the program's own window (application,
// frame, view, activities and their players, on SDL's pulseaudio driver) in a program folder
// of voice files as they are on disk: the colours and numbers as the starter voice makes them
// (22.05 kHz mono 16-bit), the shapes and the sum words as a parent's takes (44.1 kHz mono).
// Each press is a real X key event (XTEST) at a child's pace. Per engine setting it prints:
//   - key to the first non-silent sample at the monitor, p50 / p90 / p99 / max, and the same
//     above the server's floor (a click written straight into the sink);
//   - where the time goes: key to the view's key handler, the view to the Play call, and
//     Play to the first sample at the monitor (and to the device callback carrying it);
//   - silent gaps inside the sound of a press (runs of >= 1 ms of silence), late callbacks;
//   - discontinuities (clicks) at the monitor: at the start and end of a press's sound,
//     inside it, and for words stopped half-way (Stop), where the stream closes on a cut;
//   - processor use of the process (without the recorder's threads) and of the server while
//     idle after the last press.
//
// Usage: bench_audio [--presses N] [--mode M] [--monitor-ms MS] [--designs frames:lingerMs,...]
//   defaults: 200 presses; mode 0 (Shapes and Colors: two words a press; 4 is Addition: four
//   words, then one); the engine's own setting. A design is
//   frames:lingerMs[:targetMs[:output[:refillMs]]]: frames 0 means the engine's default,
//   lingerMs -1 keeps the output open for the whole run, targetMs is the server's latency for
//   the stream (0: the output's own), output "sdl" plays through SDL's device instead of the
//   engine's PulseAudio output, refillMs is that output's refill size (0: the engine's).
//   "0:0:-1:sdl" is the engine as it was before it had its own PulseAudio output. MS, 1 by
//   default, is the monitor recording's fragment in ms, which also caps how far ahead the
//   null sink renders.
// Needs pulseaudio, libpulse-simple, Xvfb (xvfb) and libxcb-xtest.

#include "app/MainFrame.h"
#include "app/PommelotApp.h"
#include "app/PommelotView.h"
#include "audio/AudioEngine.h"
#include "audio/AudioManager.h"
#include "common/MonitorRecorder.h"
#include "common/PrivatePulseServer.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <mutex>
#include <pulse/error.h>
#include <pulse/simple.h>
#include <sndfile.h>
#include <thread>
#include <time.h>
#include <unistd.h>
#include <vector>
#include <xcb/xcb.h>
#include <xcb/xtest.h>

namespace {
constexpr int kRate = 48000;
constexpr int kGapFrames = 48;   // 1 ms of silence inside a word is a gap
constexpr int kSilentLevel = 50; // below this a sample counts as silent in a gap
constexpr int kClickStep = 1500; // the word's own steps stay below 700

qint64 nowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

double percentile(std::vector<double> v, double p)
{
    if (v.empty())
        return NAN;
    std::sort(v.begin(), v.end());
    const size_t i = std::min(v.size() - 1, size_t(p * double(v.size() - 1) + 0.5));
    return v[i];
}

// A word: a tone that never falls silent for a millisecond, starting and ending on a small
// but non-zero level, so its steps are bounded and its first sample is audible.
std::vector<int16_t> makeWord(int rate, double hz, int frames)
{
    std::vector<int16_t> w(size_t(frames), 0);
    const int ramp = rate / 500;
    for (int i = 0; i < frames; ++i) {
        const int edge = std::min(i, frames - 1 - i);
        const double g = edge >= ramp ? 1.0 : 0.02 + 0.98 * edge / ramp;
        w[size_t(i)] = int16_t(std::lround(12000.0 * g * std::cos(2 * M_PI * hz * i / rate)));
    }
    return w;
}

bool writeWav(const QString& path, const std::vector<int16_t>& mono, int rate)
{
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* f = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
    if (!f)
        return false;
    sf_write_short(f, mono.data(), sf_count_t(mono.size()));
    return sf_close(f) == 0;
}

// What the device callback reports.
struct CallbackLog
{
    std::mutex mutex;
    qint64 armedAfterNs = 0;
    qint64 cueStartNs = 0; // first callback after armedAfterNs carrying a cue start
    qint64 lastNs = 0;
    int lastFrames = 0;
    bool lastSounding = false;
    int late = 0;
} g_log;

void observe(qint64 startNs, int frames, int cueStartFrame, bool sounding)
{
    std::lock_guard<std::mutex> lock(g_log.mutex);
    if (cueStartFrame >= 0 && g_log.cueStartNs == 0 && startNs >= g_log.armedAfterNs)
        g_log.cueStartNs = startNs;
    // While a word plays, a callback that comes more than 5 ms after the previous buffer's
    // worth of time risks running the server dry.
    if (g_log.lastSounding && sounding && g_log.lastNs > 0) {
        const qint64 due = g_log.lastNs + qint64(g_log.lastFrames) * 1000000000 / kRate;
        if (startNs > due + 5000000)
            ++g_log.late;
    }
    g_log.lastNs = startNs;
    g_log.lastFrames = frames;
    g_log.lastSounding = sounding;
}

QStringList threadsOf(const QString& pid)
{
    return QDir(QStringLiteral("/proc/%1/task").arg(pid))
        .entryList(QDir::Dirs | QDir::NoDotAndDotDot);
}

// Processor time of this process in nanoseconds, threads that have ended included, less the
// listed threads' own.
qint64 selfCpuNs(const QStringList& less)
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    qint64 sum = qint64(ts.tv_sec) * 1000000000 + ts.tv_nsec;
    for (const QString& tid : less) {
        QFile f(QStringLiteral("/proc/self/task/%1/schedstat").arg(tid));
        if (f.open(QIODevice::ReadOnly))
            sum -= f.readAll().split(' ').value(0).toLongLong();
    }
    return sum;
}

// Processor time in nanoseconds of the threads of a process, but those listed.
qint64 cpuNs(const QString& pid, const QStringList& skip = {})
{
    qint64 sum = 0;
    for (const QString& tid : threadsOf(pid)) {
        if (skip.contains(tid))
            continue;
        QFile f(QStringLiteral("/proc/%1/task/%2/schedstat").arg(pid, tid));
        if (f.open(QIODevice::ReadOnly))
            sum += f.readAll().split(' ').value(0).toLongLong();
    }
    return sum;
}

void pump(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

bool waitDrained(CAudioManager& player, int ms)
{
    if (!player.isPlaying())
        return true;
    QEventLoop loop;
    QObject::connect(&player, &CAudioManager::queueDrained, &loop, &QEventLoop::quit);
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
    return !player.isPlaying();
}

struct Heard
{
    bool found = false;
    double firstNs = 0; // the first non-silent sample at the monitor
    int gaps = 0;
    int startClicks = 0, innerClicks = 0, endClicks = 0;
};

// Finds the sound that a press at pressNs started, in the monitor recording.
Heard analyse(const MonitorRecorder& rec, qint64 pressNs)
{
    Heard h;
    const qint64 p = rec.frameAt(pressNs);
    const qint64 from = p - kRate / 100;
    const std::vector<int16_t> s = rec.slice(from, p + 3 * kRate);
    size_t first = 0;
    while (first < s.size() && s[first] == 0)
        ++first;
    if (first >= s.size())
        return h;
    h.found = true;
    h.firstNs = rec.frameTimeNs(from + qint64(first));
    // The end: the last sound before 100 ms of silence.
    size_t end = first, quiet = 0;
    for (size_t i = first; i < s.size() && quiet < size_t(kRate / 10); ++i) {
        if (std::abs(s[i]) >= kSilentLevel) {
            end = i + 1;
            quiet = 0;
        } else {
            ++quiet;
        }
    }
    for (size_t i = first, run = 0; i < end; ++i) {
        run = std::abs(s[i]) < kSilentLevel ? run + 1 : 0;
        if (run == size_t(kGapFrames))
            ++h.gaps;
    }
    if (qEnvironmentVariableIsSet("BENCH_AUDIO_DUMP")) {
        static int n = 0;
        QFile f(QStringLiteral("%1/press%2.raw")
                    .arg(qEnvironmentVariable("BENCH_AUDIO_DUMP"))
                    .arg(n++));
        if (f.open(QIODevice::WriteOnly))
            f.write(reinterpret_cast<const char*>(s.data() + first), qint64(end - first) * 2);
    }
    const size_t lo = first > 0 ? first - 1 : 0;
    for (size_t i = lo + 1; i < std::min(s.size(), end + 480); ++i) {
        if (std::abs(int(s[i]) - int(s[i - 1])) > kClickStep) {
            if (i < first + 240)
                ++h.startClicks;
            else if (i + 240 > end)
                ++h.endClicks;
            else
                ++h.innerClicks;
        }
    }
    return h;
}

struct Design
{
    int frames = 0;    // 0: the engine's default setting
    int lingerMs = 0;  // -1: open for the whole run
    int targetMs = -1; // the server's latency for the stream; -1: the engine's default
    bool sdl = false;  // SDL's device even where the engine would use its PulseAudio output
    int refillMs = 0;  // the PulseAudio output's refill size; 0: the engine's default
    CAudioEngine::Tuning tuning() const
    {
        CAudioEngine::Tuning t;
        if (frames > 0) {
            t.deviceFrames = frames;
            t.lingerMs = lingerMs < 0 ? 24 * 3600 * 1000 : lingerMs;
        }
        if (targetMs >= 0)
            t.serverTargetMs = targetMs;
        t.sdlOutput = sdl;
        t.refillMs = refillMs;
        return t;
    }
    QString name(bool pulseOutput) const
    {
        const CAudioEngine::Tuning t = tuning();
        QString s = frames <= 0 ? QStringLiteral("the engine's default setting: ") : QString();
        if (lingerMs < 0)
            s += QStringLiteral("kept open");
        else if (t.lingerMs == 0)
            s += QStringLiteral("opened per burst");
        else
            s += QStringLiteral("per burst, kept %1 ms").arg(t.lingerMs);
        if (pulseOutput && !sdl) {
            s += QStringLiteral(", the engine's PulseAudio output, target %1 ms, refills of %2 ms")
                     .arg(t.serverTargetMs > 0 ? t.serverTargetMs : CAudioEngine::kPulseTargetMs)
                     .arg(t.refillMs > 0 ? t.refillMs : CAudioEngine::kPulseRefillMs);
            if (qEnvironmentVariableIsSet("PULSE_LATENCY_MSEC"))
                s += QStringLiteral(" (PULSE_LATENCY_MSEC=%1 wins)")
                         .arg(qEnvironmentVariable("PULSE_LATENCY_MSEC"));
            return s;
        }
        s += QStringLiteral(", SDL's device, %1-frame buffer, server target ").arg(t.deviceFrames);
        s += t.serverTargetMs > 0 ? QStringLiteral("%1 ms").arg(t.serverTargetMs)
                                  : QStringLiteral("SDL's");
        return s;
    }
};

// Clicks written straight into the sink through a stream that waits (prebuffers) for the
// whole click: the server's own time from a write to the monitor.
std::vector<double> measureFloor(const char* server, MonitorRecorder& rec, int count)
{
    std::vector<double> out;
    pa_sample_spec format{PA_SAMPLE_S16LE, kRate, 2};
    const int clickFrames = 240;
    pa_buffer_attr attr{};
    attr.maxlength = uint32_t(-1);
    attr.tlength = clickFrames * 4;
    attr.prebuf = clickFrames * 4;
    attr.minreq = uint32_t(-1);
    int error = 0;
    pa_simple* pa = pa_simple_new(server, "bench", PA_STREAM_PLAYBACK, PrivatePulseServer::kSink,
                                  "floor", &format, nullptr, &attr, &error);
    if (!pa) {
        fprintf(stderr, "floor stream: %s\n", pa_strerror(error));
        return out;
    }
    std::vector<int16_t> click(size_t(clickFrames) * 2, 8000);
    auto* rng = QRandomGenerator::global();
    for (int i = 0; i < count; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(80 + rng->bounded(60)));
        const qint64 t = nowNs();
        pa_simple_write(pa, click.data(), click.size() * 2, &error);
        std::this_thread::sleep_for(std::chrono::milliseconds(60));
        const qint64 p = rec.frameAt(t);
        const std::vector<int16_t> s = rec.slice(p - kRate / 100, p + kRate / 10);
        for (size_t k = 0; k < s.size(); ++k) {
            if (s[k] != 0) {
                out.push_back((rec.frameTimeNs(p - kRate / 100 + qint64(k)) - double(t)) / 1e6);
                break;
            }
        }
    }
    pa_simple_free(pa);
    return out;
}

// Sends keys as the X server's own keyboard would (XTEST), on a connection of its own.
class KeySender
{
public:
    bool open()
    {
        m_c = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(m_c))
            return false;
        const xcb_query_extension_reply_t* ext = xcb_get_extension_data(m_c, &xcb_test_id);
        return ext && ext->present;
    }
    ~KeySender()
    {
        if (m_c)
            xcb_disconnect(m_c);
    }
    void moveTo(int x, int y)
    {
        const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(m_c)).data;
        xcb_test_fake_input(m_c, XCB_MOTION_NOTIFY, 0, XCB_CURRENT_TIME, screen->root, int16_t(x),
                            int16_t(y), 0);
        xcb_flush(m_c);
    }
    // A tap of the key "a" (key code 38 in the server's default map).
    void tap()
    {
        xcb_test_fake_input(m_c, XCB_KEY_PRESS, 38, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
        xcb_test_fake_input(m_c, XCB_KEY_RELEASE, 38, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
        xcb_flush(m_c);
    }

private:
    xcb_connection_t* m_c = nullptr;
};

// When each step of the press under way happened (steady clock, ns; 0: not yet).
struct Stamps
{
    qint64 key = 0;   // the key was sent
    qint64 view = 0;  // the view's key handler got it
    qint64 paint = 0; // the view's paint began
    qint64 play = 0;  // the cues were handed to the player
} g_stamps;

class StampFilter : public QObject
{
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (g_stamps.key) {
            if (event->type() == QEvent::KeyPress && !g_stamps.view)
                g_stamps.view = nowNs();
            if (event->type() == QEvent::Paint && g_stamps.view && !g_stamps.paint)
                g_stamps.paint = nowNs();
        }
        return QObject::eventFilter(watched, event);
    }
};

bool waitIdle(CPommelotView* view, int ms)
{
    if (!view->isBusy())
        return true;
    QEventLoop loop;
    QObject::connect(view, &CPommelotView::becameIdle, &loop, &QEventLoop::quit);
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
    return !view->isBusy();
}

// The voice files the program plays, as they are on disk: the starter voice's 22.05 kHz
// mono for colours and numbers, a parent's 44.1 kHz mono takes for shapes and sum words.
// Every word a different pitch, 0.3 to 0.45 s long.
bool makeProgramFolder(const QString& folder)
{
    struct Set
    {
        const char* folder;
        QStringList names;
        int rate;
    };
    QStringList numbers;
    for (int i = 0; i <= 20; ++i)
        numbers << QString::number(i);
    const std::vector<Set> sets = {
        {"Colors",
         {"Red", "Orange", "Yellow", "Green", "Blue", "Indigo", "Violet", "White", "Black"},
         22050},
        {"Shapes",
         {"Circle", "Square", "Triangle", "Rectangle", "Diamond", "Pentagon", "Hexagon", "Octagon",
          "Star", "Trapezoid"},
         44100},
        {"Numbers", numbers, 22050},
        {"Math", {"plus", "minus", "equals"}, 44100},
    };
    int n = 0;
    for (const Set& set : sets) {
        const QString dir = folder + QLatin1Char('/') + QLatin1String(set.folder);
        if (!QDir().mkpath(dir))
            return false;
        for (const QString& name : set.names) {
            const int frames = set.rate * (300 + 50 * (n % 4)) / 1000;
            const std::vector<int16_t> word = makeWord(set.rate, 300.0 + 13.0 * n, frames);
            if (!writeWav(dir + QLatin1Char('/') + name + QStringLiteral(".wav"), word, set.rate))
                return false;
            ++n;
        }
    }
    return true;
}

struct Figures
{
    std::vector<double> atMonitor, keyToView, viewToPlay, playToSample, playToCallback, keyToPaint;
    int gaps = 0, pressesWithGaps = 0, missing = 0, startClicks = 0, innerClicks = 0, endClicks = 0;
};

void printSpread(const char* what, const std::vector<double>& v)
{
    printf("  %s: p50 %.2f, p90 %.2f, p99 %.2f, max %.2f ms\n", what, percentile(v, 0.5),
           percentile(v, 0.9), percentile(v, 0.99), percentile(v, 1.0));
}

void printLoad()
{
    QFile f(QStringLiteral("/proc/loadavg"));
    if (f.open(QIODevice::ReadOnly))
        printf("load average: %s", f.readAll().constData());
}
} // namespace

int main(int argc, char** argv)
{
    // A real X server for real key events: our own, when there is none.
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        std::vector<char*> args = {const_cast<char*>("xvfb-run"), const_cast<char*>("-a"),
                                   const_cast<char*>("-s"),
                                   const_cast<char*>("-screen 0 1280x800x24")};
        for (int i = 0; i < argc; ++i)
            args.push_back(argv[i]);
        args.push_back(nullptr);
        execvp("xvfb-run", args.data());
        fprintf(stderr, "no X server and no xvfb-run (Debian package xvfb)\n");
        return 1;
    }
    qputenv("QT_QPA_PLATFORM", "xcb");
    qputenv("SDL_AUDIODRIVER", "pulseaudio");

    QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/bench-audio-XXXXXX"));
    QFile::setPermissions(dir.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    const QString programFolder = dir.filePath(QStringLiteral("program"));
    if (!makeProgramFolder(programFolder)) {
        fprintf(stderr, "could not write the voice files\n");
        return 1;
    }
    CPommelotApp::setTestProgramFolder(programFolder, true);
    CPommelotApp app(argc, argv);

    int presses = 200;
    int monitorMs = 1;
    int mode = MODE_SHAPES;
    std::vector<Design> designs = {Design{}};
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); ++i) {
        if (args[i] == QLatin1String("--presses"))
            presses = std::max(10, args[i + 1].toInt());
        if (args[i] == QLatin1String("--mode"))
            mode = std::clamp(args[i + 1].toInt(), 0, 5);
        if (args[i] == QLatin1String("--monitor-ms"))
            monitorMs = std::clamp(args[i + 1].toInt(), 1, 100);
        if (args[i] == QLatin1String("--designs")) {
            designs.clear();
            for (const QString& d : args[i + 1].split(',')) {
                const QStringList parts = d.split(':');
                designs.push_back({parts.value(0).toInt(), parts.value(1).toInt(),
                                   parts.value(2, QStringLiteral("-1")).toInt(),
                                   parts.value(3) == QLatin1String("sdl"), parts.value(4).toInt()});
            }
        }
    }

    // A private server: its own runtime folder, no configuration script, a null sink.
    PrivatePulseServer server;
    if (!server.start(dir.path()))
        return 1;
    const QByteArray serverName = server.serverName();
    server.useFromThisProcess();

    // The recorder's threads are the measurement's, not the program's.
    const QStringList threadsBefore = threadsOf(QStringLiteral("self"));
    MonitorRecorder rec;
    if (!rec.start(serverName.constData(), PrivatePulseServer::kMonitor, monitorMs)) {
        fprintf(stderr, "could not record the null sink's monitor\n");
        return 1;
    }
    QStringList recorderThreads = threadsOf(QStringLiteral("self"));
    for (const QString& t : threadsBefore)
        recorderThreads.removeAll(t);
    const QString serverPid = QString::number(server.processId());
    QThread::msleep(500);

    // The server's idle cost with only the recorder attached, to set against the program's.
    const qint64 s0 = cpuNs(serverPid);
    QThread::msleep(3000);
    const double serverIdleBase = double(cpuNs(serverPid) - s0) / 3e9 * 100;

    const std::vector<double> floor = measureFloor(serverName.constData(), rec, 60);
    const double floorP50 = percentile(floor, 0.5);
    printLoad();
    printf("server floor (click straight into the sink), %zu clicks: p50 %.2f ms, p90 %.2f ms, "
           "p99 %.2f ms\n",
           floor.size(), floorP50, percentile(floor, 0.9), percentile(floor, 0.99));
    printf("server processor use with only the recorder attached: %.3f %% of a core\n\n",
           serverIdleBase);
    fflush(stdout);

    KeySender keys;
    if (!keys.open()) {
        fprintf(stderr, "no XTEST on the X server\n");
        return 1;
    }
    if (!app.InitInstance()) {
        fprintf(stderr, "the program did not start\n");
        return 1;
    }
    CMainFrame* frame = app.mainFrame();
    CPommelotView* view = frame->view();
    frame->move(0, 0);
    frame->resize(1024, 700);
    frame->activateWindow();
    view->setFocus();
    StampFilter stamps;
    view->installEventFilter(&stamps);
    QObject::connect(view, &CPommelotView::cuesHandedOver, [](int count) {
        if (count > 0 && g_stamps.key && !g_stamps.play)
            g_stamps.play = nowNs();
    });
    pump(500);
    keys.moveTo(500, 400);
    for (int i = 0; i < 50 && !view->hasFocus(); ++i)
        pump(100);
    if (!view->hasFocus()) {
        fprintf(stderr, "the view did not get the keyboard focus\n");
        return 1;
    }

    CAudioEngine::setMixObserver(&observe);
    const std::shared_ptr<CAudioEngine> engine = CAudioEngine::instance();
    auto* rng = QRandomGenerator::global();
    const CAudioEngine::Tuning defaults = CAudioEngine::tuning();

    for (const Design& design : designs) {
        const CAudioEngine::Tuning tuning = design.tuning();
        CAudioEngine::setTuning(tuning);
        view->SwitchMode(mode);
        waitIdle(view, 10000);
        Figures fig;
        {
            std::lock_guard<std::mutex> lock(g_log.mutex);
            g_log.late = 0;
        }
        const int underflowsBefore = engine->outputUnderflows();
        for (int i = 0; i < presses; ++i) {
            // A child's pace: the view takes the next press once the words are over.
            pump(150 + int(rng->bounded(450)));
            waitIdle(view, 10000);
            g_stamps = Stamps{};
            const qint64 t = nowNs();
            {
                std::lock_guard<std::mutex> lock(g_log.mutex);
                g_log.armedAfterNs = t;
                g_log.cueStartNs = 0;
            }
            g_stamps.key = t;
            keys.tap();
            // The view is busy from the key until the last word has been heard.
            for (int w = 0; w < 100 && !g_stamps.view; ++w)
                pump(5);
            waitIdle(view, 10000);
            const Stamps st = g_stamps;
            g_stamps.key = 0;
            qint64 callbackNs = 0;
            {
                std::lock_guard<std::mutex> lock(g_log.mutex);
                callbackNs = g_log.cueStartNs;
            }
            pump(120);
            if (!st.view || !st.play) {
                ++fig.missing;
                continue;
            }
            const Heard h = analyse(rec, t);
            if (!h.found) {
                ++fig.missing;
                continue;
            }
            fig.atMonitor.push_back((h.firstNs - double(t)) / 1e6);
            fig.keyToView.push_back(double(st.view - t) / 1e6);
            if (st.paint)
                fig.keyToPaint.push_back(double(st.paint - t) / 1e6);
            fig.viewToPlay.push_back(double(st.play - st.view) / 1e6);
            fig.playToSample.push_back((h.firstNs - double(st.play)) / 1e6);
            if (callbackNs)
                fig.playToCallback.push_back(double(callbackNs - st.play) / 1e6);
            fig.gaps += h.gaps;
            fig.pressesWithGaps += h.gaps > 0 ? 1 : 0;
            fig.startClicks += h.startClicks;
            fig.innerClicks += h.innerClicks;
            fig.endClicks += h.endClicks;
        }
        int late = 0;
        {
            std::lock_guard<std::mutex> lock(g_log.mutex);
            late = g_log.late;
        }
        const int underflows = engine->outputUnderflows() - underflowsBefore;

        // Words stopped half-way: the sound is cut and the stream closes behind it.
        const QString longWord = programFolder + QStringLiteral("/Colors/Red.wav");
        int stopClicks = 0, stopped = 0;
        {
            CAudioManager player;
            for (int i = 0; i < 20; ++i) {
                pump(200);
                const qint64 t = nowNs();
                player.Play(longWord);
                pump(100);
                player.Stop();
                pump(250);
                const qint64 p = rec.frameAt(t);
                const std::vector<int16_t> s = rec.slice(p, p + kRate / 2);
                bool any = false;
                for (size_t k = 1; k < s.size(); ++k) {
                    any = any || s[k] != 0;
                    if (std::abs(int(s[k]) - int(s[k - 1])) > kClickStep) {
                        ++stopClicks;
                        break;
                    }
                }
                stopped += any ? 1 : 0;
            }
        }

        // Idle: from half a second after the last press, ten seconds.
        pump(500);
        const qint64 c0 = selfCpuNs(recorderThreads);
        const qint64 sv0 = cpuNs(serverPid);
        pump(10000);
        const double idleCpu = double(selfCpuNs(recorderThreads) - c0) / 1e10 * 100;
        const double serverCpu = double(cpuNs(serverPid) - sv0) / 1e10 * 100 - serverIdleBase;
        const bool openAfter = engine->isOutputOpen();
        if (!server.isRunning())
            printf("  (the sound server ended during this run: %s)\n",
                   qPrintable(server.errorString()));

        printf("%s, mode %d\n", qPrintable(design.name(engine->usesPulseOutput())), mode);
        printLoad();
        printf("  %zu presses heard, %d not\n", fig.atMonitor.size(), fig.missing);
        printSpread("key to first sample at the monitor", fig.atMonitor);
        printf("    above the server's floor: p50 %.2f, p90 %.2f, p99 %.2f ms\n",
               percentile(fig.atMonitor, 0.5) - floorP50, percentile(fig.atMonitor, 0.9) - floorP50,
               percentile(fig.atMonitor, 0.99) - floorP50);
        printSpread("key to the view's key handler", fig.keyToView);
        printSpread("key to the paint", fig.keyToPaint);
        printSpread("view's key handler to Play", fig.viewToPlay);
        printSpread("Play to first sample at the monitor", fig.playToSample);
        printSpread("Play to the callback carrying it", fig.playToCallback);
        printf("  silent gaps inside a press's sound: %d in %d presses; late callbacks: %d; "
               "the engine's stream ran dry %d times\n",
               fig.gaps, fig.pressesWithGaps, late, underflows);
        printf("  clicks at start / inside / at end: %d / %d / %d; words stopped half-way "
               "with a click: %d of %d\n",
               fig.startClicks, fig.innerClicks, fig.endClicks, stopClicks, stopped);
        printf("  idle processor use over 10 s: process %.3f %% of a core, server %+.3f %% "
               "(device %s afterwards)\n\n",
               idleCpu, serverCpu, openAfter ? "still open" : "closed");
        fflush(stdout);
        // Close a kept-open device before the next setting.
        CAudioEngine::setTuning(defaults);
        {
            CAudioManager player;
            player.Play(longWord);
            waitDrained(player, 5000);
        }
        for (int i = 0; i < 50 && engine->isOutputOpen(); ++i)
            pump(100);
    }
    CAudioEngine::setMixObserver(nullptr);
    app.ExitInstance();
    rec.stop();
    server.stop();
    return 0;
}
