#pragma once

#include <xcb/xcb.h>

class QWidget;

// The X server connection the program's windows live on, or null when the program does not
// run on X11 (offscreen, Wayland) or there is no application object yet.
xcb_connection_t* x11Connection();

// The root window of the screen that `window` is on (the first screen when window is null or
// has no native window yet). XCB_WINDOW_NONE without an X connection.
xcb_window_t x11RootWindow(QWidget* window);
