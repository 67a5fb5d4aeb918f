#include "lock/x11/X11Connection.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>
#include <cstdlib>

xcb_connection_t* x11Connection()
{
    if (!qGuiApp || QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

xcb_window_t x11RootWindow(QWidget* window)
{
    xcb_connection_t* c = x11Connection();
    if (!c)
        return XCB_WINDOW_NONE;
    if (window && window->window()->windowHandle()) {
        const auto win = static_cast<xcb_window_t>(window->window()->windowHandle()->winId());
        xcb_generic_error_t* error = nullptr;
        xcb_get_geometry_reply_t* geometry =
            xcb_get_geometry_reply(c, xcb_get_geometry(c, win), &error);
        std::free(error);
        if (geometry) {
            const xcb_window_t root = geometry->root;
            std::free(geometry);
            return root;
        }
    }
    const xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(c));
    if (screens.rem <= 0)
        return XCB_WINDOW_NONE;
    return screens.data->root;
}
