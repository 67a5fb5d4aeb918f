// The other X client the end-to-end tests drive the program with: a close request it sends
// reaches the window's owner even when its connection goes away at once, while the server is
// too busy to have read it yet (a server grab stands in for a loaded machine: the server reads
// no other client's requests until it ends, and drops what a client that hung up meanwhile had
// sent).
#include "common/XTestClient.h"

#include <QtTest>
#include <atomic>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <thread>
#include <xcb/xcb.h>

namespace {
xcb_atom_t internAtom(xcb_connection_t* c, const char* name)
{
    xcb_intern_atom_reply_t* r =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(std::strlen(name)), name), nullptr);
    const xcb_atom_t a = r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(r);
    return a;
}

void roundTrip(xcb_connection_t* c)
{
    std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
}

// The close requests among the events the owner has received so far.
int closeRequests(xcb_connection_t* c, xcb_window_t window)
{
    const xcb_atom_t protocols = internAtom(c, "WM_PROTOCOLS");
    const xcb_atom_t deleteWindow = internAtom(c, "WM_DELETE_WINDOW");
    roundTrip(c);
    int count = 0;
    while (xcb_generic_event_t* e = xcb_poll_for_event(c)) {
        if ((e->response_type & 0x7f) == XCB_CLIENT_MESSAGE) {
            const auto* m = reinterpret_cast<xcb_client_message_event_t*>(e);
            if (m->window == window && m->type == protocols && m->data.data32[0] == deleteWindow)
                ++count;
        }
        std::free(e);
    }
    return count;
}
} // namespace

class TestXTestClient : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void closeRequestOutlivesItsConnection()
    {
        // The window's owner.
        xcb_connection_t* owner = xcb_connect(nullptr, nullptr);
        QVERIFY(owner && !xcb_connection_has_error(owner));
        const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(owner)).data;
        const xcb_window_t window = xcb_generate_id(owner);
        xcb_create_window(owner, XCB_COPY_FROM_PARENT, window, screen->root, 0, 0, 100, 100, 0,
                          XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT, 0, nullptr);
        roundTrip(owner);
        QCOMPARE(closeRequests(owner, window), 0);

        // The other client, connected before the server stops listening to it.
        auto sender = std::make_unique<XTestClient>();
        QVERIFY(sender->ok());
        xcb_grab_server(owner);
        roundTrip(owner);

        // It asks for the close and goes away; it cannot be told that the request was carried
        // out before the grab ends.
        std::atomic<bool> finished{false};
        bool sent = false;
        std::thread asking([&] {
            sent = sender->deleteWindow(window);
            sender.reset();
            finished = true;
        });
        const bool leftEarly = QTest::qWaitFor([&] { return finished.load(); }, 1000);
        xcb_ungrab_server(owner);
        xcb_flush(owner);
        asking.join();

        QVERIFY2(!leftEarly, "the request was left before the server had read it");
        QVERIFY(sent);
        QCOMPARE(closeRequests(owner, window), 1);
        xcb_destroy_window(owner, window);
        xcb_disconnect(owner);
    }

    // A window that is gone is reported, not taken for closed.
    void closeRequestForAMissingWindowFails()
    {
        XTestClient client;
        QVERIFY(client.ok());
        const xcb_window_t window = client.createWindow(QRect(0, 0, 50, 50), true);
        xcb_connection_t* c = xcb_connect(nullptr, nullptr);
        QVERIFY(c && !xcb_connection_has_error(c));
        xcb_destroy_window(c, window);
        roundTrip(c);
        xcb_disconnect(c);
        QVERIFY(!client.deleteWindow(window));
    }
};

QTEST_GUILESS_MAIN(TestXTestClient)
#include "tst_xtestclient.moc"
