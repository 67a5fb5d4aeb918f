#include "lock/KeyboardLock.h"

#include "lock/x11/X11Connection.h"
#include "lock/LockStatus.h"

#include <QApplication>
#include <QEvent>
#include <QWindow>
#include <cstdlib>

CKeyboardLock* CKeyboardLock::instance()
{
    static QPointer<CKeyboardLock> lock;
    if (!lock && qApp)
        lock = new CKeyboardLock(qApp);
    return lock;
}

CKeyboardLock::CKeyboardLock(QObject* parent) : QObject(parent)
{
    connect(&m_timer, &QTimer::timeout, this, &CKeyboardLock::onTimer);
}

bool CKeyboardLock::enable(QWidget* window)
{
    m_wanted = true;
    if (!x11Connection())
        return true;
    if (!window) {
        // Nothing to grab for: stay switched on and wait for a window.
        unwatch();
        ungrab();
        scheduleRetry();
        return false;
    }
    QWidget* topLevel = window->window();
    if (topLevel != m_topLevel) {
        unwatch();
        watch(topLevel);
    }
    if (grab()) {
        m_timer.start(kRenewMs);
        return true;
    }
    scheduleRetry();
    return false;
}

void CKeyboardLock::disable()
{
    m_wanted = false;
    m_timer.stop();
    unwatch();
    ungrab();
}

void CKeyboardLock::watch(QWidget* topLevel)
{
    m_topLevel = topLevel;
    topLevel->installEventFilter(this);
    if (QWindow* handle = topLevel->windowHandle()) {
        m_windowHandle = handle;
        handle->installEventFilter(this);
    }
}

void CKeyboardLock::unwatch()
{
    if (m_topLevel)
        m_topLevel->removeEventFilter(this);
    if (m_windowHandle)
        m_windowHandle->removeEventFilter(this);
    m_topLevel = nullptr;
    m_windowHandle = nullptr;
}

bool CKeyboardLock::grab()
{
    m_grabbed = false;
    xcb_connection_t* c = x11Connection();
    if (!c || !m_topLevel || !m_topLevel->isVisible())
        return false;
    QWindow* handle = m_topLevel->windowHandle();
    if (!handle)
        return false;
    if (handle != m_windowHandle) {
        if (m_windowHandle)
            m_windowHandle->removeEventFilter(this);
        m_windowHandle = handle;
        handle->installEventFilter(this);
    }
    // owner_events is false: every key press is reported to this window, whichever window
    // has the input focus; Qt hands it on to the window's focused widget.
    const auto window = static_cast<xcb_window_t>(handle->winId());
    xcb_generic_error_t* error = nullptr;
    xcb_grab_keyboard_reply_t* reply = xcb_grab_keyboard_reply(
        c,
        xcb_grab_keyboard(c, 0, window, XCB_CURRENT_TIME, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC),
        &error);
    m_grabbed = reply && reply->status == XCB_GRAB_STATUS_SUCCESS;
    const bool taken = reply && reply->status == XCB_GRAB_STATUS_ALREADY_GRABBED;
    std::free(reply);
    std::free(error);
    reportGrab(taken ? tr("another program holds the keyboard")
                     : tr("the window cannot take the keyboard yet"));
    return m_grabbed;
}

void CKeyboardLock::reportGrab(const QString& why)
{
    // A grab that held once stays the status while the lock retries after losing it for a
    // moment; the status says what the lock last saw granted.
    if (!m_grabbed &&
        CLockStatus::instance()->state(CLockStatus::Part::Keyboard) == CLockStatus::State::Held)
        return;
    CLockStatus::instance()->report(
        QStringLiteral("x11-grab"),
        CLockStatus::Entry{CLockStatus::Part::Keyboard,
                           m_grabbed ? CLockStatus::State::Held : CLockStatus::State::Waiting,
                           tr("keyboard grab"), m_grabbed ? QString() : why});
}

void CKeyboardLock::ungrab()
{
    m_grabbed = false;
    xcb_connection_t* c = x11Connection();
    if (!c)
        return;
    // An open popup has taken the grab over for itself and gives it up when it closes.
    if (QApplication::activePopupWidget())
        return;
    // Checked, so that the server has let go of the keyboard before this returns: another
    // program may grab it at once.
    xcb_generic_error_t* error =
        xcb_request_check(c, xcb_ungrab_keyboard_checked(c, XCB_CURRENT_TIME));
    std::free(error);
}

void CKeyboardLock::scheduleRetry()
{
    if (m_timer.interval() != kRetryMs || !m_timer.isActive())
        m_timer.start(kRetryMs);
}

void CKeyboardLock::onTimer()
{
    if (!m_wanted) {
        m_timer.stop();
        return;
    }
    // A popup menu of our own holds the keyboard for itself while it is open.
    if (QApplication::activePopupWidget())
        return;
    if (grab()) {
        if (m_timer.interval() != kRenewMs)
            m_timer.start(kRenewMs);
    } else {
        scheduleRetry();
    }
}

bool CKeyboardLock::eventFilter(QObject* watched, QEvent* event)
{
    if (m_wanted && (watched == m_topLevel || watched == m_windowHandle)) {
        switch (event->type()) {
        case QEvent::Expose:
            if (m_grabbed)
                break;
            [[fallthrough]];
        case QEvent::Show:
        case QEvent::WindowActivate:
            if (!QApplication::activePopupWidget() && !grab())
                scheduleRetry();
            break;
        case QEvent::Hide:
            // The server drops the grab of a window that is no longer viewable.
            m_grabbed = false;
            scheduleRetry();
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}
