#include "common/XTestClient.h"

#include <QProcess>
#include <QtTest>
#include <cstdlib>
#include <cstring>
#include <xcb/xcb_keysyms.h>
#include <xcb/xtest.h>

XTestClient::XTestClient() : m_c(xcb_connect(nullptr, nullptr))
{
    if (!ok())
        return;
    m_root = xcb_setup_roots_iterator(xcb_get_setup(m_c)).data->root;
    // Asked for now, so that a close request later takes no round trip before it is sent.
    m_wmProtocols = atom("WM_PROTOCOLS");
    m_wmDeleteWindow = atom("WM_DELETE_WINDOW");
}

XTestClient::~XTestClient()
{
    xcb_disconnect(m_c);
}

bool XTestClient::ok() const
{
    return m_c && !xcb_connection_has_error(m_c);
}

xcb_atom_t XTestClient::atom(const char* name)
{
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        m_c, xcb_intern_atom(m_c, 0, uint16_t(std::strlen(name)), name), nullptr);
    const xcb_atom_t a = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return a;
}

xcb_window_t XTestClient::createWindow(const QRect& rect, bool overrideRedirect)
{
    const xcb_window_t w = xcb_generate_id(m_c);
    const uint32_t values[] = {0x00ffffff, overrideRedirect ? 1u : 0u,
                               XCB_EVENT_MASK_BUTTON_PRESS | XCB_EVENT_MASK_BUTTON_RELEASE};
    xcb_create_window(m_c, XCB_COPY_FROM_PARENT, w, m_root, int16_t(rect.x()), int16_t(rect.y()),
                      uint16_t(rect.width()), uint16_t(rect.height()), 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT,
                      XCB_CW_BACK_PIXEL | XCB_CW_OVERRIDE_REDIRECT | XCB_CW_EVENT_MASK, values);
    xcb_map_window(m_c, w);
    sync();
    return w;
}

int XTestClient::takeButtonPresses()
{
    sync();
    int presses = 0;
    while (xcb_generic_event_t* e = xcb_poll_for_event(m_c)) {
        if ((e->response_type & 0x7f) == XCB_BUTTON_PRESS)
            ++presses;
        std::free(e);
    }
    return presses;
}

QPoint XTestClient::pointer()
{
    xcb_query_pointer_reply_t* reply =
        xcb_query_pointer_reply(m_c, xcb_query_pointer(m_c, m_root), nullptr);
    const QPoint p = reply ? QPoint(reply->root_x, reply->root_y) : QPoint(-1, -1);
    std::free(reply);
    return p;
}

bool XTestClient::canGrabPointer()
{
    xcb_grab_pointer_reply_t* reply = xcb_grab_pointer_reply(
        m_c,
        xcb_grab_pointer(m_c, 0, m_root, 0, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC,
                         XCB_WINDOW_NONE, XCB_CURSOR_NONE, XCB_CURRENT_TIME),
        nullptr);
    const bool granted = reply && reply->status == XCB_GRAB_STATUS_SUCCESS;
    std::free(reply);
    if (granted)
        xcb_ungrab_pointer(m_c, XCB_CURRENT_TIME);
    sync();
    return granted;
}

void XTestClient::requestClose(xcb_window_t window)
{
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    event.type = atom("_NET_CLOSE_WINDOW");
    event.data.data32[0] = XCB_CURRENT_TIME;
    event.data.data32[1] = 2; // a pager or a task bar asks
    xcb_send_event(m_c, 0, m_root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&event));
    sync();
}

bool XTestClient::deleteWindow(xcb_window_t window)
{
    if (!ok())
        return false;
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    event.type = m_wmProtocols;
    event.data.data32[0] = m_wmDeleteWindow;
    event.data.data32[1] = XCB_CURRENT_TIME;
    // With an empty mask the event goes to the client that made the window.
    xcb_generic_error_t* error =
        xcb_request_check(m_c, xcb_send_event_checked(m_c, 0, window, XCB_EVENT_MASK_NO_EVENT,
                                                      reinterpret_cast<const char*>(&event)));
    const bool sent = !error && ok();
    std::free(error);
    return sent;
}

QRect XTestClient::geometry(xcb_window_t window)
{
    xcb_get_geometry_reply_t* g =
        xcb_get_geometry_reply(m_c, xcb_get_geometry(m_c, window), nullptr);
    if (!g)
        return {};
    xcb_translate_coordinates_reply_t* t = xcb_translate_coordinates_reply(
        m_c, xcb_translate_coordinates(m_c, window, m_root, 0, 0), nullptr);
    QRect r;
    if (t)
        r = QRect(t->dst_x, t->dst_y, g->width, g->height);
    std::free(t);
    std::free(g);
    return r;
}

xcb_atom_t XTestClient::markWindow(xcb_window_t window, const char* name)
{
    const xcb_atom_t a = atom(name);
    const uint32_t value = ++m_marks;
    xcb_change_property(m_c, XCB_PROP_MODE_REPLACE, window, a, XCB_ATOM_CARDINAL, 32, 1, &value);
    sync();
    return a;
}

void XTestClient::key(xcb_keycode_t code, bool press)
{
    xcb_test_fake_input(m_c, press ? XCB_KEY_PRESS : XCB_KEY_RELEASE, code, XCB_CURRENT_TIME,
                        XCB_WINDOW_NONE, 0, 0, 0);
}

void XTestClient::button(int button, bool press)
{
    xcb_test_fake_input(m_c, press ? XCB_BUTTON_PRESS : XCB_BUTTON_RELEASE, uint8_t(button),
                        XCB_CURRENT_TIME, XCB_WINDOW_NONE, 0, 0, 0);
}

void XTestClient::moveTo(const QPoint& pos)
{
    xcb_test_fake_input(m_c, XCB_MOTION_NOTIFY, 0, XCB_CURRENT_TIME, m_root, int16_t(pos.x()),
                        int16_t(pos.y()), 0);
}

void XTestClient::flush()
{
    xcb_flush(m_c);
}

void XTestClient::sync()
{
    std::free(xcb_get_input_focus_reply(m_c, xcb_get_input_focus(m_c), nullptr));
}

xcb_keycode_t XTestClient::keycode(uint32_t keysym)
{
    xcb_key_symbols_t* symbols = xcb_key_symbols_alloc(m_c);
    xcb_keycode_t* codes = xcb_key_symbols_get_keycode(symbols, keysym);
    const xcb_keycode_t code = codes ? codes[0] : 0;
    std::free(codes);
    xcb_key_symbols_free(symbols);
    return code;
}

xcb_keycode_t XTestClient::minKeycode() const
{
    return xcb_get_setup(m_c)->min_keycode;
}

xcb_keycode_t XTestClient::maxKeycode() const
{
    return xcb_get_setup(m_c)->max_keycode;
}

namespace {
QProcess* g_windowManager = nullptr;

bool windowManagerRunning()
{
    XTestClient client;
    if (!client.ok())
        return false;
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    const char* name = "_NET_SUPPORTING_WM_CHECK";
    xcb_intern_atom_reply_t* a =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(std::strlen(name)), name), nullptr);
    bool running = false;
    if (a) {
        xcb_get_property_reply_t* p = xcb_get_property_reply(
            c, xcb_get_property(c, 0, client.root(), a->atom, XCB_ATOM_WINDOW, 0, 1), nullptr);
        running = p && xcb_get_property_value_length(p) == 4;
        std::free(p);
        std::free(a);
    }
    xcb_disconnect(c);
    return running;
}
} // namespace

bool X11Desktop::startWindowManager()
{
    if (!g_windowManager) {
        g_windowManager = new QProcess;
        g_windowManager->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        g_windowManager->start(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
        if (!g_windowManager->waitForStarted(5000))
            return false;
    }
    return QTest::qWaitFor(windowManagerRunning, 10000);
}

void X11Desktop::stopWindowManager()
{
    if (!g_windowManager)
        return;
    g_windowManager->terminate();
    if (!g_windowManager->waitForFinished(3000))
        g_windowManager->kill();
    g_windowManager->waitForFinished(1000);
    delete g_windowManager;
    g_windowManager = nullptr;
}

int X11Desktop::run(const QString& program, const QStringList& arguments, QByteArray* output)
{
    QProcess p;
    p.start(program, arguments);
    if (!p.waitForStarted(5000))
        return -1;
    // The program under test keeps serving its windows while the command runs.
    if (!QTest::qWaitFor([&] { return p.state() == QProcess::NotRunning; }, 60000))
        return -1;
    if (output)
        *output = p.readAllStandardOutput();
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}
