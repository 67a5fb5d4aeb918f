#include "common/PrivatePulseServer.h"

#include <QDir>
#include <QFile>
#include <QProcessEnvironment>
#include <QThread>
#include <cstdio>

PrivatePulseServer::~PrivatePulseServer()
{
    stop();
}

bool PrivatePulseServer::start(const QString& folder)
{
    const QDir dir(folder);
    const QString socket = dir.filePath(QStringLiteral("native"));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), folder);
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), folder);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("PULSE_RUNTIME_PATH"), dir.filePath(QStringLiteral("runtime")));
    env.insert(QStringLiteral("PULSE_STATE_PATH"), dir.filePath(QStringLiteral("state")));
    env.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
    env.remove(QStringLiteral("PULSE_SERVER"));
    m_process.setProcessEnvironment(env);
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(
        QStringLiteral("pulseaudio"),
        {"-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no", "--no-cpu-limit",
         "--disable-shm=yes", "--log-level=error", "-L",
         QStringLiteral("module-null-sink sink_name=%1 rate=48000 channels=2 format=s16le "
                        "norewinds=1")
             .arg(QLatin1String(kSink)),
         "-L",
         QStringLiteral("module-native-protocol-unix socket=%1 auth-anonymous=1").arg(socket)});
    if (!m_process.waitForStarted(5000)) {
        fprintf(stderr, "pulseaudio did not start (Debian package pulseaudio)\n");
        return false;
    }
    for (int i = 0; i < 200 && !QFile::exists(socket); ++i) {
        if (m_process.state() != QProcess::Running)
            break;
        QThread::msleep(50);
    }
    if (!QFile::exists(socket)) {
        fprintf(stderr, "pulseaudio made no socket at %s\n", qPrintable(socket));
        stop();
        return false;
    }
    m_serverName = "unix:" + QFile::encodeName(socket);
    m_folder = folder;
    return true;
}

void PrivatePulseServer::useFromThisProcess() const
{
    qputenv("PULSE_SERVER", m_serverName);
    qputenv("PULSE_COOKIE", QFile::encodeName(QDir(m_folder).filePath(QStringLiteral("cookie"))));
}

void PrivatePulseServer::stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(5000)) {
        m_process.kill();
        m_process.waitForFinished(2000);
    }
}
