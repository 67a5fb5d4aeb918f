#pragma once

struct wl_display;
struct wl_seat;
struct wl_surface;
class QWindow;

// Whether the program runs on Qt's native Wayland platform.
bool onWayland();
// The Wayland objects behind Qt's windows, or null where there are none (not on Wayland, a
// window without a surface yet).
wl_display* waylandDisplay();
wl_seat* waylandSeat();
wl_surface* waylandSurface(QWindow* window);
// Sends what is queued for the compositor now, instead of at the next turn of the event loop.
void waylandFlush();
