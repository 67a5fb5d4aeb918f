// The whole program under a real window manager on X11: what a child's key presses can and
// cannot reach while the play view is locked, and what the server's keymap looks like before,
// during and after the lock (also after the program was killed while locked).
#include "common/TestApp.h"
#include "common/XTestClient.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <xcb/xcb.h>

namespace {
QString run(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    p.waitForFinished(10000);
    return QString::fromLocal8Bit(p.readAllStandardOutput());
}

// The server's keymap as xkbcomp reads it back.
QString keymap()
{
    return run(
        QStringLiteral("xkbcomp"),
        {QStringLiteral("-xkb"), QString::fromLocal8Bit(qgetenv("DISPLAY")), QStringLiteral("-")});
}

// The key blocks of a keymap dump ("key <FK01> { ... };").
QStringList keyBlocks(const QString& dump)
{
    QStringList blocks;
    static const QRegularExpression key(QStringLiteral("key <[^>]+> \\{[^}]*\\};"));
    auto it = key.globalMatch(dump);
    while (it.hasNext())
        blocks << it.next().captured(0);
    return blocks;
}

// How many keys switch VTs or end the server: a key with a VT-switch or Terminate symbol whose
// actions are left to the symbol (no explicit actions) or name the action itself.
int serverKeys(const QString& dump)
{
    int count = 0;
    for (const QString& block : keyBlocks(dump)) {
        const bool symbol = block.contains(QLatin1String("XF86Switch_VT_")) ||
                            block.contains(QLatin1String("Terminate_Server"));
        const bool explicitActions = block.contains(QLatin1String("actions["));
        if ((symbol && !explicitActions) || block.contains(QLatin1String("SwitchScreen(")) ||
            block.contains(QLatin1String("Terminate(")))
            ++count;
    }
    return count;
}

bool key(const QString& keys)
{
    return QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("key"), keys}) == 0;
}

// Asks the program's top-level window to close, as a window manager's close button does.
bool closeWindow(xcb_window_t window)
{
    XTestClient client;
    return client.deleteWindow(window);
}
} // namespace

class TestX11Lock : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QProcess m_wm;
    QString m_before;

    QString marker(const QString& name) const
    {
        return m_dir.filePath(QStringLiteral("marker-") + name);
    }
    bool anyMarker() const
    {
        return !QDir(m_dir.path()).entryList({QStringLiteral("marker-*")}, QDir::Files).isEmpty();
    }
    void clearMarkers()
    {
        for (const QString& f :
             QDir(m_dir.path()).entryList({QStringLiteral("marker-*")}, QDir::Files))
            QFile::remove(m_dir.filePath(f));
    }

    void startProgram(QProcess& program, const QStringList& args = {})
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), m_dir.filePath(QStringLiteral("home")));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_dir.filePath(QStringLiteral("runtime")));
        env.insert(QStringLiteral("SDL_DISKAUDIOFILE"), m_dir.filePath(QStringLiteral("out.raw")));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        program.setProcessEnvironment(env);
        program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        program.start(QString::fromLocal8Bit(qgetenv("POMMELOT_PROGRAM")), args);
        QVERIFY(program.waitForStarted());
    }
    // The program's mapped windows titled as its main window.
    QList<xcb_window_t> programWindows()
    {
        QList<xcb_window_t> windows;
        const QStringList ids = run(QStringLiteral("xdotool"),
                                    {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                     QStringLiteral("--name"), QStringLiteral("Pommelot$")})
                                    .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        for (const QString& id : ids)
            windows << id.toUInt();
        return windows;
    }
    xcb_window_t programWindow()
    {
        const QList<xcb_window_t> windows = programWindows();
        return windows.isEmpty() ? xcb_window_t(XCB_WINDOW_NONE) : windows.first();
    }
    // Closes the program as a window manager's close button does; it must end normally.
    bool quitProgram(QProcess& program)
    {
        for (int i = 0; i < 15 && program.state() != QProcess::NotRunning; ++i) {
            for (xcb_window_t window : programWindows())
                closeWindow(window);
            program.waitForFinished(1000);
        }
        return program.state() == QProcess::NotRunning &&
               program.exitStatus() == QProcess::NormalExit && program.exitCode() == 0;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(QDir().mkpath(m_dir.filePath(QStringLiteral("home"))));
        QVERIFY(QDir().mkpath(m_dir.filePath(QStringLiteral("runtime"))));
        QFile::setPermissions(m_dir.filePath(QStringLiteral("runtime")),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                  QFileDevice::ExeOwner);
        // A window manager with shortcuts of its own that leave a mark when they run.
        QFile rc(m_dir.filePath(QStringLiteral("rc.xml")));
        QVERIFY(rc.open(QIODevice::WriteOnly));
        QString binds;
        const QList<QPair<QString, QString>> keys = {
            {QStringLiteral("W-Return"), QStringLiteral("super-return")},
            {QStringLiteral("C-A-t"), QStringLiteral("ctrl-alt-t")},
            {QStringLiteral("A-F2"), QStringLiteral("alt-f2")},
            {QStringLiteral("A-F4"), QStringLiteral("alt-f4")}};
        for (const auto& k : keys)
            binds += QStringLiteral("<keybind key=\"%1\"><action name=\"Execute\"><command>touch "
                                    "%2</command></action></keybind>\n")
                         .arg(k.first, marker(k.second));
        rc.write(
            QStringLiteral(
                "<?xml version=\"1.0\"?>\n<openbox_config xmlns=\"http://openbox.org/3.4/rc\">\n"
                "<keyboard>\n%1</keyboard>\n<focus><focusNew>yes</focusNew></focus>\n</"
                "openbox_config>\n")
                .arg(binds)
                .toUtf8());
        rc.close();
        m_wm.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_wm.start(QStringLiteral("openbox"), {QStringLiteral("--config-file"), rc.fileName()});
        QVERIFY(m_wm.waitForStarted());
        // Once the window manager listens, its shortcut works: the marks below can appear.
        QTRY_VERIFY_WITH_TIMEOUT((key(QStringLiteral("super+Return")), QTest::qWait(100),
                                  QFile::exists(marker(QStringLiteral("super-return")))),
                                 10000);
        clearMarkers();
        m_before = keymap();
        QVERIFY2(serverKeys(m_before) >= 12, "the server's keymap has VT-switch keys to take");
    }
    void cleanupTestCase()
    {
        m_wm.kill();
        m_wm.waitForFinished();
    }

    void lockHoldsAndLetsGo()
    {
        QProcess program;
        startProgram(program);
        QTRY_VERIFY_WITH_TIMEOUT(serverKeys(keymap()) == 0, 10000);
        QTRY_VERIFY(programWindow() != XCB_WINDOW_NONE);
        QTest::qWait(300);

        QVERIFY(key(QStringLiteral("super+Return")));
        QVERIFY(key(QStringLiteral("ctrl+alt+t")));
        QVERIFY(key(QStringLiteral("alt+F2")));
        QVERIFY(key(QStringLiteral("alt+F4")));
        QTest::qWait(1000);
        QVERIFY2(!anyMarker(), "a window-manager shortcut ran while the view was locked");
        QCOMPARE(program.state(), QProcess::Running);

        // The Settings button (the eighth on the toolbar) lifts the lock while the sheet is open.
        const QString geometry =
            run(QStringLiteral("xdotool"),
                {QStringLiteral("getwindowgeometry"), QString::number(programWindow())});
        const QRegularExpressionMatch at =
            QRegularExpression(QStringLiteral("Position: (\\d+),(\\d+)")).match(geometry);
        QVERIFY(at.hasMatch());
        const int x = at.captured(1).toInt() + 320;
        const int y = at.captured(2).toInt() + 22;
        QCOMPARE(
            QProcess::execute(QStringLiteral("xdotool"),
                              {QStringLiteral("mousemove"), QString::number(x), QString::number(y),
                               QStringLiteral("click"), QStringLiteral("1")}),
            0);
        QTRY_COMPARE_WITH_TIMEOUT(keymap(), m_before, 10000);
        QTRY_VERIFY_WITH_TIMEOUT((key(QStringLiteral("ctrl+alt+t")), QTest::qWait(100),
                                  QFile::exists(marker(QStringLiteral("ctrl-alt-t")))),
                                 5000);
        clearMarkers();

        // Closing the sheet puts the lock back on.
        QVERIFY(key(QStringLiteral("Escape")));
        QTRY_VERIFY_WITH_TIMEOUT(serverKeys(keymap()) == 0, 10000);
        QTest::qWait(300);
        QVERIFY(key(QStringLiteral("super+Return")));
        QTest::qWait(500);
        QVERIFY(!anyMarker());

        // A normal end gives back exactly what was there.
        QVERIFY(quitProgram(program));
        QCOMPARE(keymap(), m_before);
        QVERIFY(key(QStringLiteral("super+Return")));
        QTRY_VERIFY(QFile::exists(marker(QStringLiteral("super-return"))));
        clearMarkers();
    }

    void killedWhileLockedIsMendedAtTheNextStart()
    {
        {
            QProcess program;
            startProgram(program);
            QTRY_VERIFY_WITH_TIMEOUT(serverKeys(keymap()) == 0, 10000);
            program.kill();
            QVERIFY(program.waitForFinished());
        }
        // Left behind without VT switching...
        QCOMPARE(serverKeys(keymap()), 0);
        // ...until the program starts again; it locks, and gives the old keys back at its end.
        QProcess again;
        startProgram(again);
        QTRY_VERIFY_WITH_TIMEOUT(programWindow() != XCB_WINDOW_NONE, 10000);
        QTRY_VERIFY_WITH_TIMEOUT(serverKeys(keymap()) == 0, 10000);
        QVERIFY(quitProgram(again));
        QCOMPARE(keymap(), m_before);
    }

    // Ended by a signal while locked (a session manager, `kill`, Ctrl+C or the closing of the
    // terminal that started it), the program ends as a normal end does: the server's keys are
    // back at once, not only at the next start, and a play session in full screen ends too.
    void signalEndsLikeANormalEnd_data()
    {
        QTest::addColumn<int>("signal");
        QTest::addColumn<bool>("playSession");
        QTest::newRow("SIGTERM") << int(SIGTERM) << false;
        QTest::newRow("SIGINT") << int(SIGINT) << false;
        QTest::newRow("SIGHUP") << int(SIGHUP) << false;
        QTest::newRow("SIGTERM, play session") << int(SIGTERM) << true;
        QTest::newRow("SIGHUP, play session") << int(SIGHUP) << true;
    }
    void signalEndsLikeANormalEnd()
    {
        QFETCH(int, signal);
        QFETCH(bool, playSession);
        QProcess program;
        startProgram(program,
                     playSession ? QStringList{QStringLiteral("--play-session")} : QStringList{});
        QTRY_VERIFY_WITH_TIMEOUT(programWindow() != XCB_WINDOW_NONE, 10000);
        QTRY_VERIFY_WITH_TIMEOUT(serverKeys(keymap()) == 0, 10000);
        QTest::qWait(300);
        QCOMPARE(::kill(static_cast<pid_t>(program.processId()), signal), 0);
        QVERIFY2(program.waitForFinished(10000), "the program did not end on the signal");
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 128 + signal);
        // Every VT-switch and Terminate action is back where it was, straight away.
        QCOMPARE(serverKeys(keymap()), serverKeys(m_before));
        QCOMPARE(keymap(), m_before);
        QVERIFY(key(QStringLiteral("super+Return")));
        QTRY_VERIFY(QFile::exists(marker(QStringLiteral("super-return"))));
        clearMarkers();
    }

    // A keymap loaded while the view is locked brings server keys of its own: they are
    // turned off again at once and stay off until the lock is, and the end gives back what
    // the new keymap had.
    void newKeymapWhileLockedStaysOff()
    {
        const QStringList layout = {QStringLiteral("-layout"), QStringLiteral("us"),
                                    QStringLiteral("-variant"), QStringLiteral("intl")};
        QCOMPARE(QProcess::execute(QStringLiteral("setxkbmap"), layout), 0);
        const QString loaded = keymap();
        QVERIFY2(serverKeys(loaded) >= 12, "the loaded keymap has VT-switch keys to take");

        QProcess program;
        startProgram(program);
        QTRY_VERIFY_WITH_TIMEOUT(programWindow() != XCB_WINDOW_NONE, 10000);
        QTRY_VERIFY_WITH_TIMEOUT(serverKeys(keymap()) == 0, 10000);
        QTest::qWait(300);
        for (int i = 0; i < 2; ++i) {
            QCOMPARE(QProcess::execute(QStringLiteral("setxkbmap"), layout), 0);
            QTRY_COMPARE_WITH_TIMEOUT(serverKeys(keymap()), 0, 2000);
            // It stays off, not only for a moment.
            QTest::qWait(700);
            QCOMPARE(serverKeys(keymap()), 0);
        }
        // The end gives back what the keymaps loaded meanwhile had.
        QVERIFY(quitProgram(program));
        QCOMPARE(serverKeys(keymap()), serverKeys(loaded));
        // The test display goes back to the keymap it started with.
        QCOMPARE(QProcess::execute(QStringLiteral("setxkbmap"),
                                   {QStringLiteral("-layout"), QStringLiteral("us")}),
                 0);
    }
};

POMMELOT_TEST_MAIN(TestX11Lock)
#include "tst_x11lock.moc"
