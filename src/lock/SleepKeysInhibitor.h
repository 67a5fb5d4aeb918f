#pragma once

#include <QDBusUnixFileDescriptor>
#include <QObject>

// Pauses systemd-logind's handling of the power, suspend and hibernate keys and of the lid
// switch while the lock is on: a "block" inhibitor taken over the system bus, held as long as
// its file descriptor is open. Where there is no logind it is silently skipped. The call does
// not wait; an answer that comes after the lock went off is given back at once.
class CSleepKeysInhibitor : public QObject
{
    Q_OBJECT
public:
    static CSleepKeysInhibitor* instance();

    void enable();
    void disable();
    bool isHeld() const { return m_fd.isValid(); }

    static const char* const kWhat;

Q_SIGNALS:
    // logind answered an Inhibit call.
    void answered();

private:
    explicit CSleepKeysInhibitor(QObject* parent);

    QDBusUnixFileDescriptor m_fd;
    bool m_wanted = false;
    bool m_pending = false;
};
