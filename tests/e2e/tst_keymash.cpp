#include "common/TestApp.h"
#include "common/XTestClient.h"

#include <QDirIterator>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <random>
#include <sys/stat.h>
#include <xcb/xcb.h>

// The real program, staged in a folder of its own with a fresh home, under a window manager
// (openbox), mashed from the keyboard through XTEST as a toddler would: thousands of letters,
// digits, modifiers, chords and function keys, Ctrl+S and Ctrl+O among them. It must stay
// alive and locked, create, change or delete no file in its folder or the home folder, and
// not grow in memory. Then it is closed as a window manager closes it, and its semaphore's
// name goes with it.
namespace {
constexpr int kPresses = 6000;
constexpr int kDelayMs = 2; // with xdotool's own time per key, about 150-200 a second
constexpr qint64 kMaxRssGrowthKb = 5 * 1024;
constexpr unsigned kSeed = 20261209;
const char kSemaphoreFile[] = "/dev/shm/sem.QVXLogSem";

QString run(const QString& program, const QStringList& args, int* rc = nullptr)
{
    QProcess p;
    p.start(program, args);
    p.waitForFinished(120000);
    if (rc)
        *rc = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    return QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
}

// Every entry below a folder: path -> type, size, modification time, inode.
QMap<QString, QString> snapshot(const QString& folder)
{
    QMap<QString, QString> entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        struct stat st = {};
        if (::lstat(QFile::encodeName(path).constData(), &st) != 0)
            continue;
        entries.insert(path.mid(folder.size()),
                       QStringLiteral("mode %1 size %2 mtime %3.%4 inode %5")
                           .arg(st.st_mode, 0, 8)
                           .arg(st.st_size)
                           .arg(st.st_mtim.tv_sec)
                           .arg(st.st_mtim.tv_nsec)
                           .arg(st.st_ino));
    }
    return entries;
}

QString differences(const QMap<QString, QString>& before, const QMap<QString, QString>& after)
{
    QStringList out;
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        if (!after.contains(it.key()))
            out << QStringLiteral("deleted ") + it.key();
        else if (after.value(it.key()) != it.value())
            out << QStringLiteral("changed ") + it.key() + QLatin1Char(' ') + it.value() +
                       QStringLiteral(" -> ") + after.value(it.key());
    }
    for (auto it = after.cbegin(); it != after.cend(); ++it) {
        if (!before.contains(it.key()))
            out << QStringLiteral("created ") + it.key() + QLatin1Char(' ') + it.value();
    }
    return out.join(QLatin1Char('\n'));
}

qint64 rssKb(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

// Whether the process has the file of /dev/shm with this inode mapped. (A process that made
// the semaphore maps it under the temporary name the C library made it with.)
bool mapsShmInode(qint64 pid, quint64 inode)
{
    QFile maps(QStringLiteral("/proc/%1/maps").arg(pid));
    if (!maps.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray& line : maps.readAll().split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.value(5).startsWith("/dev/shm/") && fields.value(4).toULongLong() == inode)
            return true;
    }
    return false;
}

// The keys a child can reach: xdotool key names, alone or as chords. Ctrl+Alt+BackSpace is
// left out: it ends the X server itself where the server allows it, which is no concern of
// the program's.
QStringList mashKeys(int count)
{
    std::mt19937 rng(kSeed);
    const QStringList singles = {
        "space",     "Return",   "BackSpace", "Tab",       "Escape",    "Delete",     "Insert",
        "Home",      "End",      "Prior",     "Next",      "Up",        "Down",       "Left",
        "Right",     "Menu",     "Super_L",   "Alt_L",     "Control_L", "Shift_L",    "Shift_R",
        "Caps_Lock", "Num_Lock", "KP_Enter",  "KP_Delete", "KP_5",      "Print",      "Pause",
        "comma",     "period",   "slash",     "minus",     "equal",     "bracketleft"};
    const QStringList modifiers = {"ctrl",       "alt",      "shift",     "super",
                                   "ctrl+shift", "ctrl+alt", "alt+shift", "super+shift"};
    auto pick = [&rng](int n) { return int(rng() % unsigned(n)); };
    auto letterOrDigit = [&]() -> QString {
        const int i = pick(36);
        return i < 26 ? QString(QChar('a' + i)) : QString(QChar('0' + i - 26));
    };
    auto functionKey = [&]() { return QStringLiteral("F%1").arg(1 + pick(12)); };
    QStringList keys;
    for (int i = 0; i < count; ++i) {
        // The shortcuts that open the document dialogs and help mode come up often.
        if (i % 97 == 10) {
            keys << QStringLiteral("ctrl+s");
            continue;
        }
        if (i % 97 == 60) {
            keys << QStringLiteral("ctrl+o");
            continue;
        }
        if (i % 211 == 30) {
            keys << QStringLiteral("shift+F1");
            continue;
        }
        const int kind = pick(100);
        QString key;
        if (kind < 45)
            key = letterOrDigit();
        else if (kind < 65)
            key = singles.at(pick(singles.size()));
        else if (kind < 72)
            key = functionKey();
        else
            key = modifiers.at(pick(modifiers.size())) + QLatin1Char('+') +
                  (pick(4) == 0
                       ? functionKey()
                       : (pick(3) == 0 ? singles.at(pick(singles.size())) : letterOrDigit()));
        if (key == QLatin1String("ctrl+alt+BackSpace"))
            key = QStringLiteral("BackSpace");
        keys << key;
    }
    return keys;
}
} // namespace

class TestKeyMash : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_program; // the staged program folder
    QString m_home;
    QProcess m_wm;
    QProcess m_app;
    QString m_window;    // the program's top-level window id
    QByteArray m_output; // the end of what the program printed
    bool m_failed = false;

    qint64 pid() const { return m_app.processId(); }

    // What the server shows at the middle of the program's play view.
    QColor viewCentre()
    {
        const QStringList geometry =
            run(QStringLiteral("xdotool"),
                {QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), m_window})
                .split(QLatin1Char('\n'));
        QMap<QString, int> g;
        for (const QString& line : geometry)
            g.insert(line.section(QLatin1Char('='), 0, 0),
                     line.section(QLatin1Char('='), 1).toInt());
        const QImage shot = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
        // The toolbar takes the top 40 pixels or so; the item is drawn in the middle below.
        return shot.pixelColor(g.value("X") + g.value("WIDTH") / 2,
                               g.value("Y") + 20 + g.value("HEIGHT") / 2);
    }

    bool keyboardHeldByProgram()
    {
        xcb_connection_t* c = xcb_connect(nullptr, nullptr);
        if (!c || xcb_connection_has_error(c))
            return false;
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
        xcb_grab_keyboard_reply_t* r =
            xcb_grab_keyboard_reply(c,
                                    xcb_grab_keyboard(c, 0, root, XCB_CURRENT_TIME,
                                                      XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC),
                                    nullptr);
        const bool held = r && r->status == XCB_GRAB_STATUS_ALREADY_GRABBED;
        std::free(r);
        xcb_disconnect(c);
        return held;
    }

    // Closes the window as a window manager's close button does (WM_DELETE_WINDOW).
    bool requestClose()
    {
        XTestClient client;
        return client.deleteWindow(m_window.toUInt());
    }

    void sendKeys(const QStringList& keys, int delayMs)
    {
        int rc = -1;
        run(QStringLiteral("xdotool"),
            QStringList{QStringLiteral("key"), QStringLiteral("--delay"),
                        QString::number(delayMs)} +
                keys,
            &rc);
        QCOMPARE(rc, 0);
    }

    // Starts the staged program and waits until its window is in front and locked.
    void startProgram()
    {
        m_app.start(m_program + QStringLiteral("/pommelot"), {});
        QVERIFY(m_app.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(
            !(m_window = run(QStringLiteral("xdotool"),
                             {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                              QStringLiteral("--pid"), QString::number(pid()),
                              QStringLiteral("--name"), QStringLiteral("Pommelot")})
                             .section(QLatin1Char('\n'), 0, 0))
                 .isEmpty(),
            20000);
        QTRY_VERIFY_WITH_TIMEOUT(keyboardHeldByProgram(), 10000);
        QTRY_COMPARE_WITH_TIMEOUT(viewCentre(), QColor(255, 0, 0), 10000);
    }

private Q_SLOTS:
    void initTestCase()
    {
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
        QVERIFY(m_dir.isValid());
        const QString source = qEnvironmentVariable("POMMELOT_PROGRAM");
        QVERIFY2(QFileInfo(source).isExecutable(), "POMMELOT_PROGRAM names no program");

        // The program folder: the program, its Default list and a short recording per colour
        // and shape, so that every key press is heard (through SDL's disk driver, whose output
        // goes outside the watched folders).
        m_program = m_dir.filePath(QStringLiteral("program"));
        m_home = m_dir.filePath(QStringLiteral("home"));
        const QString wmHome = m_dir.filePath(QStringLiteral("wm-home"));
        const QString runtime = m_dir.filePath(QStringLiteral("runtime"));
        for (const QString& f : {m_program, m_home, wmHome, runtime})
            QVERIFY(QDir().mkpath(f));
        QVERIFY(
            QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QVERIFY(QFile::copy(source, m_program + QStringLiteral("/pommelot")));
        QVERIFY(TestApp::writeFile(m_program + QStringLiteral("/Default.wdl"),
                                   QByteArray::fromHex("03636174 03646f67")));
        for (const char* colour :
             {"Red", "Orange", "Yellow", "Green", "Blue", "Indigo", "Violet", "White", "Black"})
            QVERIFY(TestApp::writeWav(
                QStringLiteral("%1/Colors/%2.wav").arg(m_program, QLatin1String(colour)), 1000));
        for (const char* shape : {"Circle", "Square", "Triangle", "Rectangle", "Diamond",
                                  "Pentagon", "Hexagon", "Octagon", "Star", "Trapezoid"})
            QVERIFY(TestApp::writeWav(
                QStringLiteral("%1/Shapes/%2.wav").arg(m_program, QLatin1String(shape)), 1000));

        // A window manager with its key bindings, in a home of its own.
        QProcessEnvironment wmEnv = QProcessEnvironment::systemEnvironment();
        wmEnv.insert(QStringLiteral("HOME"), wmHome);
        m_wm.setProcessEnvironment(wmEnv);
        m_wm.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_wm.start(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
        QVERIFY(m_wm.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(
            run(QStringLiteral("xprop"),
                {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")})
                .contains(QStringLiteral("window id")),
            10000);

        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), m_home);
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
        for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME",
                                 "XDG_STATE_HOME", "QT_QPA_PLATFORMTHEME"})
            env.remove(QLatin1String(name));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        env.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("disk"));
        env.insert(QStringLiteral("SDL_DISKAUDIODELAY"), QStringLiteral("0"));
        env.insert(QStringLiteral("SDL_DISKAUDIOFILE"), m_dir.filePath(QStringLiteral("out.raw")));
        // Under AddressSanitizer freed memory waits in a quarantine of up to 256 MB before it
        // is reused, which the resident size would count as growth; without the quarantine the
        // figure is the program's own.
        const QString asan = env.value(QStringLiteral("ASAN_OPTIONS"));
        env.insert(QStringLiteral("ASAN_OPTIONS"),
                   (asan.isEmpty() ? QString() : asan + QLatin1Char(':')) +
                       QStringLiteral("quarantine_size_mb=0:thread_local_quarantine_size_kb=0"));
        m_app.setProcessEnvironment(env);
        // Started from its own folder, so the file dialogs show that folder.
        m_app.setWorkingDirectory(m_program);
        m_app.setProcessChannelMode(QProcess::MergedChannels);
        connect(&m_app, &QProcess::readyRead, this,
                [this] { m_output = (m_output + m_app.readAll()).right(8192); });
        startProgram();
    }

    void cleanup() { m_failed = m_failed || QTest::currentTestFailed(); }
    void cleanupTestCase()
    {
        if (m_failed)
            qInfo("The program's last output:\n%s", m_output.constData());
        if (m_app.state() != QProcess::NotRunning) {
            m_app.kill();
            m_app.waitForFinished();
        }
        m_wm.terminate();
        if (!m_wm.waitForFinished(3000))
            m_wm.kill();
    }

    // Keys that make a character advance the play mode, whichever character it is; Delete,
    // arrows, function keys and the other editing keys make none and do nothing.
    void onlyCharacterKeysAdvance()
    {
        const QStringList silent = {"Delete", "KP_Delete", "Insert", "Home",    "End",
                                    "Prior",  "Next",      "Up",     "Left",    "F5",
                                    "F12",    "Pause",     "Menu",   "Shift_L", "alt+a"};
        // Shapes and Colors: each step shows the next colour.
        const QList<std::pair<QString, QColor>> advancing = {
            {"Return", QColor(255, 128, 64)}, {"BackSpace", QColor(255, 255, 0)},
            {"Tab", QColor(0, 255, 0)},       {"Escape", QColor(0, 0, 255)},
            {"ctrl+b", QColor(0, 255, 255)},  {"KP_Enter", QColor(255, 0, 255)}};
        QColor expected(255, 0, 0);
        for (const auto& [key, colour] : advancing) {
            for (const QString& k : silent) {
                sendKeys({k}, 1);
                QTest::qWait(60);
                QVERIFY2(viewCentre() == expected, qPrintable(k));
            }
            sendKeys({key}, 1);
            QTRY_VERIFY2_WITH_TIMEOUT(viewCentre() == colour, qPrintable(key), 5000);
            expected = colour;
            // Until its cue has played, further keys would be dropped anyway.
            QTest::qWait(150);
        }
    }

    void mashingChangesNoFileAndGrowsNoMemory()
    {
        QVERIFY(m_app.state() == QProcess::Running);
        QTRY_VERIFY(keyboardHeldByProgram());
        // The first opening of each document dialog loads, once, the code, fonts and icons a
        // file dialog needs (about 9 MB, mostly pages of shared libraries): that is no growth
        // from use, so the memory baseline is taken after it. What is watched is whether
        // thousands of keys, and dozens of openings, make the program grow.
        const qint64 rssStart = rssKb(pid());
        sendKeys({"ctrl+s"}, 1);
        QTest::qWait(1500);
        sendKeys({"Escape", "ctrl+o"}, 200);
        QTest::qWait(1500);
        sendKeys({"Escape"}, 1);
        QTRY_VERIFY_WITH_TIMEOUT(keyboardHeldByProgram(), 10000);
        QTest::qWait(500);
        const auto programBefore = snapshot(m_program);
        const auto homeBefore = snapshot(m_home);
        const qint64 rssBefore = rssKb(pid());
        QVERIFY(rssBefore > 0);
        qInfo("RSS %lld kB at start, %lld kB once each dialog was opened", rssStart, rssBefore);

        const QStringList keys = mashKeys(kPresses);
        QElapsedTimer clock;
        clock.start();
        // In batches, so the program's memory can be watched on the way.
        qint64 rssPeak = rssBefore;
        constexpr int kBatch = 500;
        for (int i = 0; i < keys.size(); i += kBatch) {
            sendKeys(keys.mid(i, kBatch), kDelayMs);
            QVERIFY2(m_app.state() == QProcess::Running, qPrintable(QString::number(i)));
            rssPeak = qMax(rssPeak, rssKb(pid()));
        }
        const qint64 elapsed = clock.elapsed();
        qInfo("%d key presses in %lld ms; RSS %lld kB before, %lld kB peak", kPresses, elapsed,
              rssBefore, rssPeak);

        // Whatever is open (a dialog, a message box, help mode) goes with Escape; the view
        // then holds the keyboard again.
        sendKeys({"Escape", "Escape", "Escape", "Escape"}, 100);
        const bool heldAgain = QTest::qWaitFor([this] { return keyboardHeldByProgram(); }, 10000);
        QVERIFY(m_app.state() == QProcess::Running);
        const QString programChanges = differences(programBefore, snapshot(m_program));
        QVERIFY2(programChanges.isEmpty(), qPrintable(programChanges));
        const QString homeChanges = differences(homeBefore, snapshot(m_home));
        QVERIFY2(homeChanges.isEmpty(), qPrintable(homeChanges));

        const qint64 rssAfter = rssKb(pid());
        qInfo("RSS after: %lld kB", rssAfter);
        QVERIFY2(rssAfter - rssBefore < kMaxRssGrowthKb,
                 qPrintable(QStringLiteral("grew %1 kB").arg(rssAfter - rssBefore)));

        // Still locked, with the window in front.
        QVERIFY(heldAgain);
        QCOMPARE(run(QStringLiteral("xdotool"), {QStringLiteral("getactivewindow")}), m_window);
    }

    // The mashed program ends when asked to close, as a window manager asks, right after the
    // last key.
    void mashedProgramClosesWhenAsked()
    {
        QVERIFY(m_app.state() == QProcess::Running);
        QElapsedTimer clock;
        clock.start();
        QVERIFY(requestClose());
        const bool closed = m_app.waitForFinished(15000);
        if (!closed) {
            m_app.kill();
            m_app.waitForFinished();
        }
        QVERIFY2(closed, "the mashed program did not close when asked");
        qInfo("closed %lld ms after the request", clock.elapsed());
        QCOMPARE(m_app.exitStatus(), QProcess::NormalExit);
        QCOMPARE(m_app.exitCode(), 0);
    }

    // Closed normally, the copy that ran removes its semaphore's name (another process may
    // have made the name anew meanwhile: then it is another file).
    void closingRemovesTheSemaphoreName()
    {
        if (m_app.state() != QProcess::NotRunning) {
            m_app.kill();
            m_app.waitForFinished();
        }
        // A fresh start, closed normally.
        startProgram();
        const auto programBefore = snapshot(m_program);
        const auto homeBefore = snapshot(m_home);
        struct stat held = {};
        QCOMPARE(::stat(kSemaphoreFile, &held), 0);
        const quint64 inode = held.st_ino;
        QVERIFY(mapsShmInode(pid(), inode));
        // Asked at once, while the copy is just up.
        QElapsedTimer clock;
        clock.start();
        QVERIFY(requestClose());
        QVERIFY(m_app.waitForFinished(15000));
        qInfo("closed %lld ms after the request", clock.elapsed());
        QCOMPARE(m_app.exitStatus(), QProcess::NormalExit);
        QCOMPARE(m_app.exitCode(), 0);
        struct stat st = {};
        const bool present = ::stat(kSemaphoreFile, &st) == 0;
        QVERIFY2(!present || st.st_ino != inode, "the semaphore's name outlived the program");
        // Nothing was written on the way out either.
        QCOMPARE(differences(programBefore, snapshot(m_program)), QString());
        QCOMPARE(differences(homeBefore, snapshot(m_home)), QString());
    }
};

POMMELOT_TEST_MAIN(TestKeyMash)
#include "tst_keymash.moc"
