// A child's mashing in full screen: 20,000 random key events (every key code, random chords
// of modifiers, held keys, auto-repeat) and 2,000 random clicks on both monitors, sent through
// XTEST like a real keyboard and mouse. Full screen must never be left, no click may reach
// another program, the program's memory must stay put, and every accepted press must give
// exactly one paint of the play view. Runs on two monitors under openbox
// (tools/xvfb-run-test.sh with POMMELOT_XVFB_MONITORS=2).
// What is counted does not depend on the machine's speed: the test waits until the program has
// read and handled every event the X server produced for the input (a mark put into its event
// stream after the last one), and compares the key presses at the play view with those that
// reached the program's window.
#include "app/MainFrame.h"
#include "app/PommelotApp.h"
#include "app/PommelotView.h"
#include "common/FrameDriver.h"
#include "common/TestApp.h"
#include "common/XTestClient.h"
#include "fullscreen/CoverWindow.h"

#include <QAbstractNativeEventFilter>
#include <QFile>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QToolBar>
#include <X11/keysym.h>
#include <atomic>
#include <chrono>
#include <random>
#include <set>
#include <thread>
#include <xcb/xcb.h>

namespace {
constexpr int kKeyEvents = 20000;
constexpr int kClicks = 2000;

long residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}

// Counts, on the play view, the key presses it accepts (a character key that arrives while the
// view is idle), the paints that serve an accepted press (a press is pending when the paint
// starts), and the other paints (the window system asking for a redraw, which shows the same
// item again without a step); and the key presses that reach the frame's window, which hands
// them to its focused widget.
struct ViewWatcher : QObject
{
    CPommelotView* view = nullptr;
    QWindow* window = nullptr;
    int accepted = 0;
    int keyPresses = 0;
    int windowKeyPresses = 0;
    int pressPaints = 0;
    int otherPaints = 0;
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (watched == window) {
            if (e->type() == QEvent::KeyPress)
                ++windowKeyPresses;
            return false;
        }
        if (watched != view)
            return false;
        if (e->type() == QEvent::Paint) {
            if (view->isKeyPending())
                ++pressPaints;
            else
                ++otherPaints;
        } else if (e->type() == QEvent::KeyPress) {
            ++keyPresses;
            if (CPommelotView::isCharacterKey(static_cast<QKeyEvent*>(e)) && !view->isBusy())
                ++accepted;
        }
        return false;
    }
};

// Watches the program's X connection: the key presses the server delivers to any of its
// windows (the frame's while the keyboard lock holds the keys, else the focused one), and the
// mark on the frame's window that says every event before it has been handled.
struct XEventWatcher : QAbstractNativeEventFilter
{
    xcb_window_t window = XCB_WINDOW_NONE;
    xcb_atom_t mark = XCB_ATOM_NONE;
    int keyPresses = 0;
    bool marked = false;
    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override
    {
        if (type != "xcb_generic_event_t")
            return false;
        const auto* e = static_cast<const xcb_generic_event_t*>(message);
        const uint8_t kind = e->response_type & 0x7f;
        if (kind == XCB_KEY_PRESS) {
            ++keyPresses;
        } else if (kind == XCB_PROPERTY_NOTIFY && mark != XCB_ATOM_NONE) {
            const auto* p = reinterpret_cast<const xcb_property_notify_event_t*>(e);
            if (p->window == window && p->atom == mark)
                marked = true;
        }
        return false;
    }
};

// Sends the random input from its own thread and connection, paced so that the program is
// mashed hard but its event queue does not grow without end.
class Masher
{
public:
    Masher(unsigned seed, QList<QRect> areas) : m_random(seed), m_areas(std::move(areas)) {}

    void run()
    {
        XTestClient x;
        if (!x.ok())
            return;
        m_modifiers = {x.keycode(XK_Shift_L),   x.keycode(XK_Shift_R),
                       x.keycode(XK_Control_L), x.keycode(XK_Control_R),
                       x.keycode(XK_Alt_L),     x.keycode(XK_Alt_R),
                       x.keycode(XK_Super_L),   x.keycode(XK_ISO_Level3_Shift)};
        const int minKey = x.minKeycode();
        const int maxKey = x.maxKeycode();
        auto anyKey = [&] { return xcb_keycode_t(pick(minKey, maxKey)); };
        int sinceClick = 0;
        int batch = 0;
        auto send = [&](xcb_keycode_t code, bool press) {
            x.key(code, press);
            if (press)
                m_held.insert(code);
            else
                m_held.erase(code);
            ++m_keyEvents;
            if (++batch >= 12) {
                batch = 0;
                x.flush();
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
            }
        };
        const int clickEvery = kKeyEvents / kClicks;
        while (m_keyEvents < kKeyEvents) {
            const int what = pick(0, 99);
            if (what < 50) { // a tap
                const xcb_keycode_t k = anyKey();
                send(k, true);
                send(k, false);
            } else if (what < 70) { // a chord: modifiers, then a key
                std::vector<xcb_keycode_t> mods;
                for (int i = pick(1, 3); i > 0; --i)
                    mods.push_back(m_modifiers[size_t(pick(0, int(m_modifiers.size()) - 1))]);
                for (xcb_keycode_t m : mods)
                    send(m, true);
                const xcb_keycode_t k = anyKey();
                send(k, true);
                send(k, false);
                for (xcb_keycode_t m : mods)
                    send(m, false);
            } else if (what < 80) { // a key held down: the keyboard repeats it
                const xcb_keycode_t k = anyKey();
                send(k, true);
                for (int i = pick(3, 30); i > 0; --i)
                    send(k, true);
                send(k, false);
            } else if (what < 92) { // pressed now, let go later
                send(anyKey(), true);
                if (m_held.size() > 4)
                    send(*m_held.begin(), false);
            } else if (!m_held.empty()) {
                send(*m_held.begin(), false);
            }
            if (++sinceClick >= clickEvery / 3 && m_clicks < kClicks) {
                sinceClick = 0;
                const QRect area = m_areas[pick(0, int(m_areas.size()) - 1)];
                x.moveTo(QPoint(pick(area.left(), area.right()), pick(area.top(), area.bottom())));
                const int button = pick(0, 9) < 7 ? 1 : pick(2, 5);
                x.button(button, true);
                x.button(button, false);
                ++m_clicks;
            }
        }
        while (m_clicks < kClicks) {
            const QRect area = m_areas[pick(0, int(m_areas.size()) - 1)];
            x.moveTo(QPoint(pick(area.left(), area.right()), pick(area.top(), area.bottom())));
            x.button(1, true);
            x.button(1, false);
            if (++m_clicks % 20 == 0) {
                x.flush();
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
            }
        }
        // Nothing stays held.
        for (int k = minKey; k <= maxKey; ++k)
            x.key(xcb_keycode_t(k), false);
        x.sync();
        m_done = true;
    }

    bool done() const { return m_done; }
    int keyEvents() const { return m_keyEvents; }
    int clicks() const { return m_clicks; }

private:
    int pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(m_random); }

    std::mt19937 m_random;
    QList<QRect> m_areas;
    std::vector<xcb_keycode_t> m_modifiers;
    std::set<xcb_keycode_t> m_held;
    std::atomic<int> m_keyEvents{0};
    std::atomic<int> m_clicks{0};
    std::atomic<bool> m_done{false};
};
} // namespace

class RandomInputTest : public QObject
{
    Q_OBJECT

    CMainFrame* frame() { return FrameDriver::frame(); }

private Q_SLOTS:
    void initTestCase()
    {
        QTRY_COMPARE_WITH_TIMEOUT(QGuiApplication::screens().size(), 2, 5000);
        QVERIFY(X11Desktop::startWindowManager());
        QVERIFY(QTest::qWaitForWindowExposed(frame()));
        frame()->setFullScreen(true);
        QTRY_COMPARE(frame()->coverWindows().size(), 1);
        QTRY_COMPARE_WITH_TIMEOUT(frame()->geometry(), QRect(0, 0, 1280, 1024), 3000);
        QTRY_VERIFY(frame()->isActiveWindow());
        QVERIFY(FrameDriver::waitIdle());
        QTest::qWait(500);
    }

    void cleanupTestCase() { X11Desktop::stopWindowManager(); }

    void mashingNeverLeavesFullScreen()
    {
        XTestClient other;
        QVERIFY(other.ok());
        other.createWindow(QRect(0, 1030, 2560, 170), true);
        other.takeButtonPresses();

        QSignalSpy left(frame(), &CMainFrame::fullScreenLeft);
        ViewWatcher watcher;
        watcher.view = FrameDriver::view();
        watcher.window = frame()->windowHandle();
        watcher.view->installEventFilter(&watcher);
        watcher.window->installEventFilter(&watcher);
        XEventWatcher xEvents;
        xEvents.window = xcb_window_t(frame()->winId());
        qApp->installNativeEventFilter(&xEvents);

        // The view below the toolbar and the cover. (The strip below the monitors, which the
        // pointer cannot reach, is the full-screen test's business.)
        const int top = frame()->toolBar()->geometry().bottom() + 4;
        const QList<QRect> areas = {QRect(0, top, 1280, 1024 - top), QRect(1280, 0, 1280, 1024)};
        const unsigned seed = unsigned(std::random_device{}());
        qInfo("seed %u", seed);
        Masher masher(seed, areas);

        long rssStart = -1;
        std::thread sender([&] { masher.run(); });
        const bool finished = QTest::qWaitFor(
            [&] {
                if (rssStart < 0 && masher.keyEvents() > 6000)
                    rssStart = residentKiB();
                return masher.done();
            },
            150000);
        sender.join();
        QVERIFY(finished);
        // The server has made every event of the input (the masher waited for it); a slow
        // build may still have many of them to read. The mark comes after the last one.
        xEvents.mark = other.markWindow(xEvents.window, "_POMMELOT_TEST_MARK");
        QVERIFY2(QTest::qWaitFor([&] { return xEvents.marked; }, 150000),
                 "the program did not read all of the input");
        // Events made from the last ones are handed on, and the view comes to rest.
        QCoreApplication::processEvents();
        QVERIFY(FrameDriver::waitIdle(30000));
        QTest::qWait(100);
        QVERIFY(FrameDriver::waitIdle(30000));
        const long rssEnd = residentKiB();
        qInfo("key events %d, clicks %d, key presses at the program (X) %d, at the window (Qt) %d, "
              "at the view %d, accepted %d, paints for a press %d, other paints %d, RSS %ld -> "
              "%ld KiB",
              masher.keyEvents(), masher.clicks(), xEvents.keyPresses, watcher.windowKeyPresses,
              watcher.keyPresses, watcher.accepted, watcher.pressPaints, watcher.otherPaints,
              rssStart, rssEnd);
        QCOMPARE(left.size(), 0);
        QVERIFY(frame()->isFullScreen());
        QVERIFY(frame()->isVisible());
        QVERIFY(frame()->windowState() & Qt::WindowFullScreen);
        QCOMPARE(frame()->coverWindows().size(), 1);
        QCOMPARE(other.takeButtonPresses(), 0);
        // The keys reached the program, and every key press that reached the frame's window
        // (where the play view is in front) went on to the play view. (Keys that come while
        // a click on the cover has taken the focus from the frame go to the cover, which
        // ignores them; a slow build sees more of those.)
        QVERIFY(xEvents.keyPresses > 1000);
        QVERIFY(watcher.windowKeyPresses > 1000);
        QCOMPARE(watcher.keyPresses, watcher.windowKeyPresses);
        // Each accepted press was painted once. (How many a mash finds the view idle for
        // depends on the machine's speed; paced presses below must all be taken.)
        QVERIFY(watcher.accepted > 0);
        QCOMPARE(watcher.pressPaints, watcher.accepted);
        // Redraws the window system asks for are rare (none to a few); a storm of them, one
        // for each click or key, would show here.
        QVERIFY2(watcher.otherPaints <= 10,
                 qPrintable(QStringLiteral("%1 redraws").arg(watcher.otherPaints)));
        QVERIFY(rssStart > 0 && rssEnd > 0);
        QVERIFY2(rssEnd - rssStart < 5 * 1024,
                 qPrintable(QStringLiteral("RSS grew by %1 KiB").arg(rssEnd - rssStart)));

        // After the mashing, letters typed one at a time, each once the view is at rest, are
        // each taken and painted once.
        const int acceptedBefore = watcher.accepted;
        const int otherPaintsBefore = watcher.otherPaints;
        constexpr int kPaced = 26;
        for (int i = 0; i < kPaced; ++i) {
            QVERIFY(FrameDriver::waitIdle(30000));
            const xcb_keycode_t code = other.keycode(XK_a + uint32_t(i));
            QVERIFY(code != 0);
            other.key(code, true);
            other.key(code, false);
            other.sync();
            QVERIFY2(
                QTest::qWaitFor([&] { return watcher.accepted == acceptedBefore + i + 1; }, 30000),
                qPrintable(QStringLiteral("letter %1 was not taken").arg(i + 1)));
        }
        QVERIFY(FrameDriver::waitIdle(30000));
        qApp->removeNativeEventFilter(&xEvents);
        watcher.window->removeEventFilter(&watcher);
        watcher.view->removeEventFilter(&watcher);
        QCOMPARE(watcher.accepted - acceptedBefore, kPaced);
        QCOMPARE(watcher.pressPaints, watcher.accepted);
        QCOMPARE(watcher.otherPaints, otherPaintsBefore);
        QCOMPARE(left.size(), 0);
        QVERIFY(frame()->isFullScreen());
    }
};

POMMELOT_TEST_MAIN_WINDOW(RandomInputTest)
#include "tst_randominput.moc"
