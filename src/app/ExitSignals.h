#pragma once

#include <QObject>

class QSocketNotifier;

// SIGTERM, SIGINT and SIGHUP (a session manager, `kill`, Ctrl+C in the terminal that started
// the program, that terminal closing) end the program through its event loop, the way a
// normal end does: the main loop leaves with QCoreApplication::exit(), so everything the end
// gives back (the server's VT-switch keys, the keyboard grab, full screen and with it the play
// session) is given back. The handler itself only writes the signal's number into a socket
// that the event loop watches. A second signal of the same kind, while the first is still
// being served, ends the program at once (the record of the server keys mends that at the
// next start).
class CExitSignals : public QObject
{
    Q_OBJECT
public:
    // Installs the handlers; a second call does nothing. Returns whether they are in place.
    static bool install(QObject* parent);
    ~CExitSignals() override;

    // The exit code of a program ended by `signal`, as a shell reports one.
    static int exitCode(int signal) { return 128 + signal; }

Q_SIGNALS:
    // A signal arrived; emitted from the event loop just before the loop is told to end.
    void received(int signal);

private:
    explicit CExitSignals(QObject* parent);
    bool setUp();
    void onReadable();

    QSocketNotifier* m_notifier = nullptr;
};
