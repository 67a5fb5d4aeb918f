#include "app/ExitSignals.h"

#include <QCoreApplication>
#include <QPointer>
#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
// [0] is written by the handler, [1] read by the event loop.
int g_sockets[2] = {-1, -1};
QPointer<CExitSignals> g_instance;
constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

extern "C" void onExitSignal(int signal)
{
    const int saved = errno;
    // Served once through the loop; the next one of the kind ends the program as it would
    // have without a handler.
    struct sigaction fallback = {};
    fallback.sa_handler = SIG_DFL;
    sigemptyset(&fallback.sa_mask);
    ::sigaction(signal, &fallback, nullptr);
    const auto byte = static_cast<unsigned char>(signal);
    [[maybe_unused]] const ssize_t written = ::write(g_sockets[0], &byte, 1);
    errno = saved;
}
} // namespace

bool CExitSignals::install(QObject* parent)
{
    if (g_instance)
        return true;
    auto* handler = new CExitSignals(parent);
    if (!handler->setUp()) {
        delete handler;
        return false;
    }
    g_instance = handler;
    return true;
}

CExitSignals::CExitSignals(QObject* parent) : QObject(parent) {}

CExitSignals::~CExitSignals()
{
    if (g_instance != this && g_instance)
        return;
    for (int s : kSignals)
        std::signal(s, SIG_DFL);
}

bool CExitSignals::setUp()
{
    if (g_sockets[0] < 0) {
        if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_sockets) != 0)
            return false;
        // A handler never waits for the loop: a full socket drops the byte, and the loop has
        // one to read already.
        ::fcntl(g_sockets[0], F_SETFL, ::fcntl(g_sockets[0], F_GETFL) | O_NONBLOCK);
        ::fcntl(g_sockets[1], F_SETFL, ::fcntl(g_sockets[1], F_GETFL) | O_NONBLOCK);
    }
    m_notifier = new QSocketNotifier(g_sockets[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &CExitSignals::onReadable);
    struct sigaction action = {};
    action.sa_handler = onExitSignal;
    sigemptyset(&action.sa_mask);
    // Interrupted system calls carry on: the loop, not the call, deals with the signal.
    action.sa_flags = SA_RESTART;
    for (int s : kSignals) {
        if (::sigaction(s, &action, nullptr) != 0)
            return false;
    }
    return true;
}

void CExitSignals::onReadable()
{
    unsigned char byte = 0;
    int last = 0;
    while (::read(g_sockets[1], &byte, 1) == 1)
        last = byte;
    if (last == 0)
        return;
    Q_EMIT received(last);
    // exit(), not quit(): in full screen the windows refuse to close, and quit() asks them
    // first. exit() also leaves a modal dialog's loop that may be running.
    QCoreApplication::exit(exitCode(last));
}
