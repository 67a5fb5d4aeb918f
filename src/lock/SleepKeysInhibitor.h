#pragma once

#include "lock/LockInhibitor.h"

#include <QDBusUnixFileDescriptor>

// Pauses systemd-logind's handling of the power, suspend and hibernate keys and of the lid
// switch while the lock is on: a "block" inhibitor taken over the system bus, held as long as
// its file descriptor is open. Where there is no logind it is silently skipped. The call does
// not wait; an answer that comes after the lock went off is given back at once.
class CSleepKeysInhibitor : public CLockInhibitor
{
    Q_OBJECT
public:
    static CSleepKeysInhibitor* instance();

    void enable();
    void disable();

    static const char* const kWhat;

private:
    explicit CSleepKeysInhibitor(QObject* parent);
    void request() override;
    void release() override;

    QDBusUnixFileDescriptor m_fd;
    bool m_pending = false;
};
