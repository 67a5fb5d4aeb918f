#include "fullscreen/PointerConfinement.h"

#include "fullscreen/WaylandPointerConfinement.h"
#include "lock/wayland/WaylandSurface.h"
#include "lock/x11/X11Connection.h"

#include <QWidget>
#include <QWindow>
#include <cstdlib>

CPointerConfinement::CPointerConfinement()
{
    m_renew.setInterval(kRenewMs);
    QObject::connect(&m_renew, &QTimer::timeout, [this] { grab(); });
}

CPointerConfinement::~CPointerConfinement()
{
    release();
}

bool CPointerConfinement::isHeld() const
{
    return m_wayland ? m_wayland->isConfined() : m_bHeld;
}

void CPointerConfinement::confine(QWidget* window, const QRect& area)
{
    xcb_connection_t* c = x11Connection();
    m_window = window;
    if (!c && window && onWayland()) {
        // The compositor confines to the surface, which spans the frame's own screen.
        if (!m_wayland)
            m_wayland = std::make_unique<CWaylandPointerConfinement>();
        m_wayland->confine(window->window()->windowHandle());
        return;
    }
    if (!c || !window)
        return;
    const qreal ratio = window->devicePixelRatioF();
    const QRect native(QPoint(qRound(area.x() * ratio), qRound(area.y() * ratio)),
                       QSize(qRound(area.width() * ratio), qRound(area.height() * ratio)));
    const xcb_window_t root = x11RootWindow(window);
    if (m_confineWindow == XCB_WINDOW_NONE) {
        // An input-only window at the bottom of the stack: it is never on top of anything, so
        // it takes no input itself; it only gives the grab its bounds.
        m_confineWindow = xcb_generate_id(c);
        const uint32_t values[] = {1};
        xcb_create_window(c, 0, m_confineWindow, root, 0, 0, 1, 1, 0, XCB_WINDOW_CLASS_INPUT_ONLY,
                          XCB_COPY_FROM_PARENT, XCB_CW_OVERRIDE_REDIRECT, values);
    }
    const uint32_t geometry[] = {uint32_t(native.x()), uint32_t(native.y()),
                                 uint32_t(qMax(1, native.width())),
                                 uint32_t(qMax(1, native.height())), XCB_STACK_MODE_BELOW};
    xcb_configure_window(c, m_confineWindow,
                         XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y | XCB_CONFIG_WINDOW_WIDTH |
                             XCB_CONFIG_WINDOW_HEIGHT | XCB_CONFIG_WINDOW_STACK_MODE,
                         geometry);
    xcb_map_window(c, m_confineWindow);
    xcb_flush(c);
    grab();
    m_renew.start();
}

void CPointerConfinement::renewSoon()
{
    if (!m_window || (m_sinceRenew.isValid() && m_sinceRenew.elapsed() < 20))
        return;
    grab();
}

bool CPointerConfinement::grab()
{
    m_sinceRenew.start();
    xcb_connection_t* c = x11Connection();
    if (!c || !m_window || !m_window->window()->windowHandle()) {
        m_bHeld = false;
        return false;
    }
    const auto grabWindow = static_cast<xcb_window_t>(m_window->window()->windowHandle()->winId());
    // No event mask: with owner events, the program's windows get their events through their
    // own selections, and events outside them are discarded.
    xcb_grab_pointer_reply_t* reply = xcb_grab_pointer_reply(
        c,
        xcb_grab_pointer(c, 1, grabWindow, 0, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC,
                         m_confineWindow, XCB_CURSOR_NONE, XCB_CURRENT_TIME),
        nullptr);
    m_bHeld = reply && reply->status == XCB_GRAB_STATUS_SUCCESS;
    std::free(reply);
    return m_bHeld;
}

void CPointerConfinement::release()
{
    m_renew.stop();
    if (m_wayland)
        m_wayland->release();
    xcb_connection_t* c = x11Connection();
    if (c) {
        if (m_bHeld)
            xcb_ungrab_pointer(c, XCB_CURRENT_TIME);
        if (m_confineWindow != XCB_WINDOW_NONE)
            xcb_destroy_window(c, m_confineWindow);
        xcb_flush(c);
    }
    m_confineWindow = XCB_WINDOW_NONE;
    m_bHeld = false;
    m_window = nullptr;
}
