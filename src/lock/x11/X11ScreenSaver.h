#pragma once

#include <QObject>

// Keeps the X server's screen saver (blanking, and the power saving that follows it) from
// starting while the lock is on, through the MIT-SCREEN-SAVER extension's suspend request on
// the program's own connection. The server ends the suspension by itself when the program's
// connection closes, so a killed program leaves nothing behind.
class CX11ScreenSaver : public QObject
{
    Q_OBJECT
public:
    // Null without an X11 display.
    static CX11ScreenSaver* instance();

    bool suspend();
    void resume();

private:
    explicit CX11ScreenSaver(QObject* parent);
    bool m_suspended = false;
};
