#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>

// The keyboard grab behind EnableKeyHook. While switched on, the top-level window of the
// widget it was given holds an X11 keyboard grab: every key press goes to that window (and so,
// through Qt, to its focused widget) and to no other program, and the window manager cannot
// switch away with the keyboard.
//
// X refuses the grab while the window is not viewable yet (EnableKeyHook comes right after
// show()) or while another client holds one, and drops it when the window is unmapped or when
// one of our own popups ends its grab. So the lock remembers that it is wanted and grabs again
// when the window is shown, exposed or activated, and on a timer: quickly until it holds,
// slowly afterwards to pick up a grab lost without notice.
//
// Without an X connection the lock only records whether it is switched on.
class CKeyboardLock : public QObject
{
    Q_OBJECT
public:
    static CKeyboardLock* instance();

    // Switches the lock on for window's top-level window. Returns whether the grab holds now;
    // when it does not, it keeps trying until it does or the lock is switched off.
    bool enable(QWidget* window);
    // Switches the lock off and releases the grab.
    void disable();

    bool isEnabled() const { return m_wanted; }
    bool isGrabbed() const { return m_grabbed; }

    // How often the lock tries again while the grab does not hold, and how often it renews a
    // grab that holds.
    static constexpr int kRetryMs = 100;
    static constexpr int kRenewMs = 1000;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit CKeyboardLock(QObject* parent);
    void watch(QWidget* topLevel);
    void unwatch();
    bool grab();
    void ungrab();
    void reportGrab(const QString& why);
    void onTimer();
    void scheduleRetry();

    QPointer<QWidget> m_topLevel;
    QPointer<QWindow> m_windowHandle;
    QTimer m_timer;
    bool m_wanted = false;
    bool m_grabbed = false;
};
