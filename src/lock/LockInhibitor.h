#pragma once

#include "lock/LockStatus.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWindow>

class QWidget;

// Base of the lock's inhibitors: each asks the desktop for one thing (the screen kept on, the
// sleep keys, the compositor's shortcuts) while the lock wants it, gives it back when it is no
// longer wanted, and reports to CLockStatus, under a source name of its own, what the desktop
// answered.
//
// An inhibitor held on the program's window (on Wayland, on its top-level surface) follows that
// window: it is given back before the surface goes, and asked for again when the window is
// shown while it is wanted.
class CLockInhibitor : public QObject
{
    Q_OBJECT
protected:
    // `label` says what is held (e.g. "screen kept on"); marked with QT_TR_NOOP, it is
    // translated in the inhibitor's own class whenever it is reported.
    CLockInhibitor(const QString& source, CLockStatus::Part part, const char* label,
                   QObject* parent);

    // Asks the desktop for what this inhibitor holds; nothing when it is held or asked for.
    virtual void request() = 0;
    // Gives it back; nothing when nothing is held.
    virtual void release() = 0;

    void reportState(CLockStatus::State state, const QString& why = {}) const;

    // Holds what it holds on window's top-level surface from now on: a window other than the
    // one followed so far has what was held for the old one given back first.
    void followWindow(QWidget* window);
    // Gives back what is held and forgets the window.
    void stopFollowing();
    bool eventFilter(QObject* watched, QEvent* event) override;

    // Between the lock's enable and its disable.
    bool m_wanted = false;
    QPointer<QWindow> m_window;

private:
    const QString m_source;
    const CLockStatus::Part m_part;
    const char* const m_label;
};
