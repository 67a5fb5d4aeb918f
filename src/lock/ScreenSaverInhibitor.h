#pragma once

#include <QObject>

// Asks the desktop's screen saver not to start while the lock is on, over the session bus
// (org.freedesktop.ScreenSaver Inhibit, given back with UnInhibit). Where the desktop offers
// no such service nothing happens. Calls do not wait: an answer that comes after the lock went
// off is given back at once.
class CScreenSaverInhibitor : public QObject
{
    Q_OBJECT
public:
    static CScreenSaverInhibitor* instance();

    void enable();
    void disable();
    bool isHeld() const { return m_cookie != 0; }

Q_SIGNALS:
    // The service answered an Inhibit or UnInhibit (for tests and the status).
    void answered();

private:
    explicit CScreenSaverInhibitor(QObject* parent);
    void unInhibit(unsigned cookie);

    unsigned m_cookie = 0;
    bool m_wanted = false;
    bool m_pending = false;
};
