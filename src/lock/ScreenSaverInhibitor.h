#pragma once

#include "lock/LockInhibitor.h"

// Asks the desktop's screen saver not to start while the lock is on, over the session bus
// (org.freedesktop.ScreenSaver Inhibit, given back with UnInhibit). Where the desktop offers
// no such service nothing happens. Calls do not wait: an answer that comes after the lock went
// off is given back at once.
class CScreenSaverInhibitor : public CLockInhibitor
{
    Q_OBJECT
public:
    static CScreenSaverInhibitor* instance();

    void enable();
    void disable();

private:
    explicit CScreenSaverInhibitor(QObject* parent);
    void request() override;
    void release() override;
    void unInhibit(unsigned cookie);

    unsigned m_cookie = 0;
    bool m_pending = false;
};
