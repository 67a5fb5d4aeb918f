#include "lock/x11/X11KeymapWatch.h"

#include <QSocketNotifier>
#include <X11/XKBlib.h>
#include <X11/Xlib.h>

CX11KeymapWatch::CX11KeymapWatch(const QByteArray& displayName, QObject* parent) : QObject(parent)
{
    int major = XkbMajorVersion;
    int minor = XkbMinorVersion;
    int error = 0;
    int reason = 0;
    m_dpy = XkbOpenDisplay(displayName.isEmpty() ? nullptr : displayName.constData(), &m_eventBase,
                           &error, &major, &minor, &reason);
    if (!m_dpy)
        return;
    const unsigned int mask = XkbNewKeyboardNotifyMask | XkbMapNotifyMask;
    if (!XkbSelectEvents(m_dpy, XkbUseCoreKbd, mask, mask)) {
        XCloseDisplay(m_dpy);
        m_dpy = nullptr;
        return;
    }
    XFlush(m_dpy);
    m_notifier = new QSocketNotifier(ConnectionNumber(m_dpy), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &CX11KeymapWatch::onReadable);
}

CX11KeymapWatch::~CX11KeymapWatch()
{
    delete m_notifier;
    if (m_dpy)
        XCloseDisplay(m_dpy);
}

void CX11KeymapWatch::onReadable()
{
    bool changedMap = false;
    bool newKeyboard = false;
    // Reads what the socket holds, then everything Xlib has queued.
    while (XPending(m_dpy) > 0) {
        XEvent event;
        XNextEvent(m_dpy, &event);
        if (event.type != m_eventBase)
            continue;
        const auto* xkb = reinterpret_cast<const XkbAnyEvent*>(&event);
        if (xkb->xkb_type == XkbNewKeyboardNotify)
            newKeyboard = true;
        else if (xkb->xkb_type == XkbMapNotify)
            changedMap = true;
    }
    if (newKeyboard || changedMap)
        Q_EMIT changed(newKeyboard);
}
