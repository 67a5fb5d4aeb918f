#pragma once

#include <QPoint>
#include <QRect>
#include <QString>
#include <xcb/xcb.h>

// Another program on the same X display, with its own connection: it places windows of its
// own, counts the clicks they receive, reads the pointer, asks the window manager to close a
// window, and sends XTEST input as a person's keyboard and mouse would.
class XTestClient
{
public:
    XTestClient();
    ~XTestClient();
    XTestClient(const XTestClient&) = delete;
    XTestClient& operator=(const XTestClient&) = delete;

    bool ok() const;
    xcb_window_t root() const { return m_root; }

    // A plain white window of this client that counts button presses. A managed one is placed
    // by the window manager; an override-redirect one stays exactly where it is put.
    xcb_window_t createWindow(const QRect& rect, bool overrideRedirect = false);
    // Button presses received by this client's windows since the last call.
    int takeButtonPresses();
    QPoint pointer();
    // Whether this client could take the pointer now (it gives it back at once).
    bool canGrabPointer();
    // Asks the window manager to close a window (_NET_CLOSE_WINDOW), as a close box does.
    void requestClose(xcb_window_t window);
    // Asks the window's owner to close it (WM_DELETE_WINDOW), as a window manager does when
    // its close box is clicked. Returns once the server has handed the request on: a request
    // still unread when its client hangs up is dropped by the server, so one sent just before
    // closing the connection would often go unheard on a busy machine.
    bool deleteWindow(xcb_window_t window);
    // The window's rectangle in root coordinates.
    QRect geometry(xcb_window_t window);
    // Sets property NAME of a window (another client's, too) to a new number and returns the
    // property's atom. The window's owner sees the PropertyNotify after every event the server
    // sent it before: a mark in its event stream.
    xcb_atom_t markWindow(xcb_window_t window, const char* name);

    // XTEST input; flush() sends what is queued.
    void key(xcb_keycode_t code, bool press);
    void button(int button, bool press);
    void moveTo(const QPoint& pos);
    void flush();
    void sync();
    xcb_keycode_t keycode(uint32_t keysym);
    xcb_keycode_t minKeycode() const;
    xcb_keycode_t maxKeycode() const;

private:
    xcb_atom_t atom(const char* name);

    xcb_connection_t* m_c = nullptr;
    xcb_window_t m_root = XCB_WINDOW_NONE;
    xcb_atom_t m_wmProtocols = XCB_ATOM_NONE;
    xcb_atom_t m_wmDeleteWindow = XCB_ATOM_NONE;
    uint32_t m_marks = 0;
};

namespace X11Desktop {
// Starts openbox on the display and waits until it manages windows; false if it could not.
bool startWindowManager();
void stopWindowManager();
// Runs a command (xdotool, xrandr, import) and waits for it; its exit code, -1 if it fails.
int run(const QString& program, const QStringList& arguments, QByteArray* output = nullptr);
} // namespace X11Desktop
