#include "lock/wayland/WaylandSurface.h"

#include <QGuiApplication>
#include <QWindow>
#include <qpa/qplatformnativeinterface.h>
#include <wayland-client.h>

bool onWayland()
{
    return qGuiApp && QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

namespace {
QPlatformNativeInterface* native()
{
    return onWayland() ? QGuiApplication::platformNativeInterface() : nullptr;
}
} // namespace

wl_display* waylandDisplay()
{
    QPlatformNativeInterface* n = native();
    return n ? static_cast<wl_display*>(n->nativeResourceForIntegration("wl_display")) : nullptr;
}

wl_seat* waylandSeat()
{
    QPlatformNativeInterface* n = native();
    return n ? static_cast<wl_seat*>(n->nativeResourceForIntegration("wl_seat")) : nullptr;
}

wl_surface* waylandSurface(QWindow* window)
{
    QPlatformNativeInterface* n = native();
    if (!n || !window || !window->handle())
        return nullptr;
    return static_cast<wl_surface*>(n->nativeResourceForWindow("surface", window));
}

void waylandFlush()
{
    if (wl_display* d = waylandDisplay())
        wl_display_flush(d);
}
