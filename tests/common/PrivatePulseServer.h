#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>

// A PulseAudio server of our own: its own runtime and state folders below a given folder, no
// configuration script, no session bus, one null sink (48 kHz, stereo, signed 16-bit) that
// renders no further ahead than its clients ask (no rewinds), and a native socket that
// anyone may use. It runs as whoever runs us, root included (it warns and goes on).
class PrivatePulseServer
{
public:
    PrivatePulseServer() = default;
    ~PrivatePulseServer();
    PrivatePulseServer(const PrivatePulseServer&) = delete;
    PrivatePulseServer& operator=(const PrivatePulseServer&) = delete;

    // Starts the server with its files below folder and waits (up to 10 s) until its socket
    // exists. False, with a message on stderr, when it did not come up.
    bool start(const QString& folder);
    void stop();
    // Points this process's libpulse clients at the server (PULSE_SERVER), with their cookie
    // file in the server's folder rather than the user's home.
    void useFromThisProcess() const;
    // The null sink, and its monitor: the source to record what the server played.
    static constexpr const char* kSink = "null";
    static constexpr const char* kMonitor = "null.monitor";
    // The libpulse server string ("unix:<socket>"), for PULSE_SERVER.
    QByteArray serverName() const { return m_serverName; }
    qint64 processId() const { return m_process.processId(); }
    bool isRunning() const { return m_process.state() == QProcess::Running; }
    QString errorString() const { return m_process.errorString(); }

private:
    QProcess m_process;
    QByteArray m_serverName;
    QString m_folder;
};
