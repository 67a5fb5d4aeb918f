#include "app/MainFrame.h"
#include "app/PommelotView.h"
#include "common/FrameDriver.h"
#include "common/TestApp.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <X11/keysym.h>
#include <cstdlib>
#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

// The whole program in a real X11 window: first paint, its sound, real key presses sent with
// XTEST, and the keyboard lock against another X client.
namespace {
constexpr int kCueFrames = 4800; // 0.1 s at 48 kHz
constexpr short kRedValue = 3000;
constexpr short kCircleValue = -3000;

void prepare(const QString& folder)
{
    TestApp::writeWav(folder + QStringLiteral("/Colors/Red.wav"), kCueFrames, kRedValue, 48000);
    TestApp::writeWav(folder + QStringLiteral("/Shapes/Circle.wav"), kCueFrames, kCircleValue,
                      48000);
    qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(folder + QStringLiteral("/out.raw")));
}

// The non-silent stereo frames of the disk driver's output, left channel.
QVector<short> heardSamples(const QString& path)
{
    const QByteArray raw = TestApp::readFile(path);
    QVector<short> out;
    const auto* s = reinterpret_cast<const short*>(raw.constData());
    for (int i = 0; i + 1 < raw.size() / 2; i += 2) {
        if (s[i] != 0)
            out << s[i];
    }
    return out;
}

// Tries to grab a key combination on the root window from another client; returns 0 when that
// worked (the grab is given back at once) or the X error code (10: BadAccess, held already).
int otherClientGrabs(xcb_keysym_t keysym, uint16_t modifiers)
{
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (!c || xcb_connection_has_error(c))
        return -1;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    xcb_key_symbols_t* symbols = xcb_key_symbols_alloc(c);
    xcb_keycode_t* codes = xcb_key_symbols_get_keycode(symbols, keysym);
    int result = codes && *codes != XCB_NO_SYMBOL ? 0 : -1;
    for (xcb_keycode_t* k = codes; k && *k != XCB_NO_SYMBOL; ++k) {
        xcb_generic_error_t* error =
            xcb_request_check(c, xcb_grab_key_checked(c, 0, root, modifiers, *k,
                                                      XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
        if (error && result == 0)
            result = error->error_code;
        std::free(error);
    }
    std::free(codes);
    xcb_key_symbols_free(symbols);
    xcb_disconnect(c); // gives back whatever this client took
    return result;
}

bool runXdotool(const QStringList& args)
{
    return QProcess::execute(QStringLiteral("xdotool"), args) == 0;
}
} // namespace

class TestProgram : public QObject
{
    Q_OBJECT

    CMainFrame* frame() { return FrameDriver::frame(); }
    CPommelotView* view() { return FrameDriver::view(); }
    void waitIdle() { QVERIFY(FrameDriver::waitIdle()); }
    void switchMode(int id) { QVERIFY(FrameDriver::switchMode(id)); }
    // What the X server shows at the view's centre (a real screenshot, not a widget grab).
    QColor screenCentre()
    {
        const QPoint c = view()->mapToGlobal(view()->rect().center());
        const QImage shot = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
        return shot.pixelColor(c);
    }
    void sendKeys(const QStringList& keys)
    {
        QVERIFY(runXdotool(
            QStringList{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("1")} +
            keys));
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(frame());
        QVERIFY(QTest::qWaitForWindowActive(frame()));
        QTRY_VERIFY(view()->hasFocus());
        waitIdle();
    }

    // From its first showing on, the view holds the seven system combinations: no other
    // client can take them, while a combination outside the seven stays free.
    void systemCombinationsAreHeldFromTheStart_data()
    {
        QTest::addColumn<uint>("keysym");
        QTest::addColumn<int>("modifiers");
        const int alt = XCB_MOD_MASK_1;
        const int win = XCB_MOD_MASK_4;
        QTest::newRow("Alt+Tab") << uint(XK_Tab) << alt;
        QTest::newRow("Alt+Win+Tab") << uint(XK_Tab) << (alt | win);
        QTest::newRow("Alt+Win+Escape") << uint(XK_Escape) << (alt | win);
        QTest::newRow("Alt+Escape") << uint(XK_Escape) << alt;
        QTest::newRow("Win+Tab") << uint(XK_Tab) << win;
        QTest::newRow("F1") << uint(XK_F1) << 0;
        QTest::newRow("Alt+Win+F1") << uint(XK_F1) << (alt | win);
    }
    void systemCombinationsAreHeldFromTheStart()
    {
        QFETCH(uint, keysym);
        QFETCH(int, modifiers);
        QCOMPARE(otherClientGrabs(keysym, uint16_t(modifiers)), 10);
        QCOMPARE(otherClientGrabs(keysym, uint16_t(modifiers | XCB_MOD_MASK_CONTROL)), 0);
    }

    void firstPaintIsARedCircleOnGrey()
    {
        QCOMPARE(screenCentre(), QColor(255, 0, 0));
        const QPoint corner = view()->mapToGlobal(QPoint(3, 3));
        const QImage shot = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
        QCOMPARE(shot.pixelColor(corner), QColor(192, 192, 192));
    }

    void firstPaintSaysRedThenCircleInFull()
    {
        const QString out = TestApp::programFolder() + QStringLiteral("/out.raw");
        QTRY_VERIFY_WITH_TIMEOUT(heardSamples(out).size() >= 2 * kCueFrames, 10000);
        const QVector<short> heard = heardSamples(out);
        QCOMPARE(heard.size(), 2 * kCueFrames);
        for (int i = 0; i < kCueFrames; ++i) {
            QCOMPARE(heard.at(i), kRedValue);
            QCOMPARE(heard.at(kCueFrames + i), kCircleValue);
        }
    }

    void keysSentWithXtestStepOnePerPress()
    {
        const QList<QColor> colours = {
            QColor(255, 128, 64),  QColor(255, 255, 0), QColor(0, 255, 0),
            QColor(0, 0, 255),     QColor(0, 255, 255), QColor(255, 0, 255),
            QColor(255, 255, 255), QColor(0, 0, 0),     QColor(255, 0, 0)};
        for (const QColor& c : colours) {
            sendKeys({QStringLiteral("a")});
            QTRY_COMPARE(screenCentre(), c);
            waitIdle();
        }
        switchMode(ID_MODE_SHAPES);
    }

    void pressesDuringTheDelayAreLost()
    {
        AfxGetApp()->m_settings.m_nSoundDelay = 1;
        sendKeys({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"),
                  QStringLiteral("Return"), QStringLiteral("space")});
        QTRY_VERIFY(view()->isDrawing());
        waitIdle();
        QCOMPARE(screenCentre(), QColor(255, 128, 64));
        AfxGetApp()->m_settings.m_nSoundDelay = 0;
        switchMode(ID_MODE_SHAPES);
    }

    // The program file's own folder is the program folder: a copy of the program started
    // from another folder creates the seven sound folders there, beside itself, and no Help
    // folder; a folder that exists already keeps what it holds.
    void aCopyOfTheProgramWorksInItsOwnFolder()
    {
        const QString program = qEnvironmentVariable("POMMELOT_PROGRAM");
        QVERIFY2(QFileInfo(program).isExecutable(), "POMMELOT_PROGRAM names no program");
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString folder = dir.path() + QStringLiteral("/toys/play");
        QVERIFY(QDir().mkpath(folder + QStringLiteral("/Colors")));
        QVERIFY(QFile::copy(program, folder + QStringLiteral("/pommelot")));
        QVERIFY(TestApp::writeFile(folder + QStringLiteral("/Colors/Red.wav"), "RIFF kept"));

        QProcess run;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        // Offscreen, so that its window and keyboard lock stay out of this test's display.
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("dummy"));
        env.insert(QStringLiteral("HOME"), dir.path() + QStringLiteral("/home"));
        // A runtime folder of its own, so that no other copy running on this machine (another
        // test's, a parent's) makes this one hand over to it and end at once.
        QTemporaryDir runtime;
        QVERIFY(runtime.isValid());
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        run.setProcessEnvironment(env);
        run.setWorkingDirectory(dir.path());
        run.start(folder + QStringLiteral("/pommelot"), QStringList());
        QVERIFY(run.waitForStarted());
        const QStringList names = {"Shapes", "Colors", "Letters", "Numbers",
                                   "Words",  "Math",   "Bird"};
        const auto allThere = [&] {
            for (const QString& n : names) {
                if (!QFileInfo(folder + QLatin1Char('/') + n).isDir())
                    return false;
            }
            return true;
        };
        QTRY_VERIFY_WITH_TIMEOUT(allThere() || run.state() == QProcess::NotRunning, 30000);
        QVERIFY2(allThere(), run.readAllStandardError().constData());
        QTest::qWait(200);
        QCOMPARE(run.state(), QProcess::Running);
        run.kill();
        run.waitForFinished();
        QVERIFY(!QFileInfo::exists(folder + QStringLiteral("/Help")));
        QCOMPARE(TestApp::readFile(folder + QStringLiteral("/Colors/Red.wav")),
                 QByteArray("RIFF kept"));
        // Nothing went to the folder it was started from, or above its own.
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("toys")});
        QCOMPARE(QDir(dir.path() + QStringLiteral("/toys"))
                     .entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("play")});
    }

    void anotherClientCannotGrabTheKeyboard()
    {
        xcb_connection_t* c = xcb_connect(nullptr, nullptr);
        QVERIFY(c && !xcb_connection_has_error(c));
        xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
        auto tryGrab = [&]() {
            xcb_grab_keyboard_reply_t* r =
                xcb_grab_keyboard_reply(c,
                                        xcb_grab_keyboard(c, 0, root, XCB_CURRENT_TIME,
                                                          XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC),
                                        nullptr);
            const int status = r ? r->status : -1;
            free(r);
            if (status == XCB_GRAB_STATUS_SUCCESS) {
                xcb_ungrab_keyboard(c, XCB_CURRENT_TIME);
                xcb_flush(c);
            }
            return status;
        };
        QTRY_COMPARE(tryGrab(), int(XCB_GRAB_STATUS_ALREADY_GRABBED));
        xcb_disconnect(c);
    }
};

POMMELOT_TEST_MAIN_WINDOW_PREPARED(TestProgram, prepare)
#include "tst_program.moc"
