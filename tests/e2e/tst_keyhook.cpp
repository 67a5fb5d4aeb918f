#include "common/TestApp.h"
#include "lock/KeyHook.h"

#include <QProcess>
#include <QShortcut>
#include <QWidget>
#include <QWindow>
#include <X11/keysym.h>
#include <cstdlib>
#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

namespace {
// Another program on the same display, talking to the server over its own connection.
class OtherClient
{
public:
    OtherClient() : m_c(xcb_connect(nullptr, nullptr))
    {
        if (ok())
            m_root = xcb_setup_roots_iterator(xcb_get_setup(m_c)).data->root;
    }
    ~OtherClient() { xcb_disconnect(m_c); }
    OtherClient(const OtherClient&) = delete;
    OtherClient& operator=(const OtherClient&) = delete;

    bool ok() const { return m_c && !xcb_connection_has_error(m_c); }

    // XCB_GRAB_STATUS_SUCCESS, XCB_GRAB_STATUS_ALREADY_GRABBED, ...
    int grabKeyboard()
    {
        xcb_grab_keyboard_reply_t* reply =
            xcb_grab_keyboard_reply(m_c,
                                    xcb_grab_keyboard(m_c, 0, m_root, XCB_CURRENT_TIME,
                                                      XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC),
                                    nullptr);
        const int status = reply ? reply->status : -1;
        std::free(reply);
        return status;
    }
    void ungrabKeyboard()
    {
        std::free(xcb_request_check(m_c, xcb_ungrab_keyboard_checked(m_c, XCB_CURRENT_TIME)));
    }
    // Whether this client could take the keyboard (it gives it back at once).
    bool canGrabKeyboard()
    {
        if (grabKeyboard() != XCB_GRAB_STATUS_SUCCESS)
            return false;
        ungrabKeyboard();
        return true;
    }

    // Grabs the key on the root window; returns 0 or the X error code (10 = BadAccess).
    int grabKey(xcb_keysym_t keysym, uint16_t modifiers)
    {
        int result = 0;
        forEachKeycode(keysym, [&](xcb_keycode_t code) {
            xcb_generic_error_t* error = xcb_request_check(
                m_c, xcb_grab_key_checked(m_c, 0, m_root, modifiers, code, XCB_GRAB_MODE_ASYNC,
                                          XCB_GRAB_MODE_ASYNC));
            if (error && result == 0)
                result = error->error_code;
            std::free(error);
        });
        return result;
    }
    void ungrabKey(xcb_keysym_t keysym, uint16_t modifiers)
    {
        forEachKeycode(keysym, [&](xcb_keycode_t code) {
            std::free(xcb_request_check(m_c, xcb_ungrab_key_checked(m_c, code, m_root, modifiers)));
        });
    }

private:
    template <typename F> void forEachKeycode(xcb_keysym_t keysym, F f)
    {
        xcb_key_symbols_t* symbols = xcb_key_symbols_alloc(m_c);
        xcb_keycode_t* codes = xcb_key_symbols_get_keycode(symbols, keysym);
        for (xcb_keycode_t* k = codes; k && *k != XCB_NO_SYMBOL; ++k)
            f(*k);
        std::free(codes);
        xcb_key_symbols_free(symbols);
    }

    xcb_connection_t* m_c;
    xcb_window_t m_root = XCB_WINDOW_NONE;
};

class KeyRecorder : public QWidget
{
public:
    KeyRecorder() { setFocusPolicy(Qt::StrongFocus); }
    QList<int> keys;
    bool received(int key) const { return keys.contains(key); }

protected:
    void keyPressEvent(QKeyEvent* event) override { keys.append(event->key()); }
};

// Types keys through the XTEST extension, as a keyboard would.
bool typeKeys(const QStringList& keys)
{
    QStringList args{QStringLiteral("key")};
    args += keys;
    return QProcess::execute(QStringLiteral("xdotool"), args) == 0;
}

// Waits until the server has handled everything the program sent so far.
void syncProgramConnection()
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* c = x11->connection();
    std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
}

constexpr uint16_t kAlt = XCB_MOD_MASK_1;
constexpr uint16_t kWin = XCB_MOD_MASK_4;
constexpr uint16_t kLockVariants[] = {0, XCB_MOD_MASK_LOCK, XCB_MOD_MASK_2,
                                      XCB_MOD_MASK_LOCK | XCB_MOD_MASK_2};
constexpr int kBadAccess = 10;
} // namespace

class TestKeyHook : public QObject
{
    Q_OBJECT
private:
    KeyRecorder* m_view = nullptr;

    void showView()
    {
        m_view->show();
        m_view->activateWindow();
        QVERIFY(QTest::qWaitForWindowExposed(m_view));
        m_view->setFocus();
    }

private Q_SLOTS:
    void initTestCase()
    {
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
        m_view = new KeyRecorder;
        m_view->resize(300, 200);
        showView();
    }
    void cleanupTestCase()
    {
        EnableKeyHook(0, nullptr);
        delete m_view;
    }

    void lockKeepsOtherProgramsOut()
    {
        OtherClient other;
        QVERIFY(other.ok());
        QVERIFY(other.canGrabKeyboard());

        EnableKeyHook(1, m_view);
        QVERIFY(IsKeyHookEnabled());
        QTRY_VERIFY(IsKeyboardGrabbed());
        QCOMPARE(other.grabKeyboard(), int(XCB_GRAB_STATUS_ALREADY_GRABBED));

        // Key presses go to the focused widget as ordinary key events.
        m_view->keys.clear();
        QVERIFY(typeKeys({QStringLiteral("a"), QStringLiteral("F1")}));
        QTRY_VERIFY(m_view->received(Qt::Key_F1));
        QVERIFY(m_view->received(Qt::Key_A));

        EnableKeyHook(0, m_view);
        QVERIFY(!IsKeyHookEnabled());
        QVERIFY(!IsKeyboardGrabbed());
        QVERIFY(other.canGrabKeyboard());
    }

    void repeatedCallsAreHarmless()
    {
        OtherClient other;
        for (int i = 0; i < 3; ++i) {
            EnableKeyHook(1, m_view);
            QTRY_VERIFY(IsKeyboardGrabbed());
        }
        QVERIFY(EnableKeyHook(1, m_view));
        QVERIFY(!other.canGrabKeyboard());

        // One disable ends the lock, however many enables came before.
        QVERIFY(EnableKeyHook(0, m_view));
        QVERIFY(other.canGrabKeyboard());
        QVERIFY(EnableKeyHook(0, m_view));
        QVERIFY(EnableKeyHook(0, nullptr));
        QVERIFY(other.canGrabKeyboard());
        QVERIFY(!IsKeyHookEnabled());

        // Typing works as before without the lock.
        m_view->keys.clear();
        QVERIFY(typeKeys({QStringLiteral("b")}));
        QTRY_VERIFY(m_view->received(Qt::Key_B));
    }

    void nullWindowReleasesTheLock()
    {
        OtherClient other;
        EnableKeyHook(1, m_view);
        QTRY_VERIFY(!other.canGrabKeyboard());
        // What the view does on its way out: its window is already gone.
        EnableKeyHook(0, nullptr);
        QVERIFY(other.canGrabKeyboard());
    }

    void lockTakesHoldOnceTheWindowIsShown()
    {
        OtherClient other;
        KeyRecorder late;
        late.resize(200, 100);
        // Not mapped yet: X refuses the grab for now.
        QVERIFY(!EnableKeyHook(1, &late));
        QVERIFY(IsKeyHookEnabled());
        QVERIFY(other.canGrabKeyboard());

        late.show();
        QVERIFY(QTest::qWaitForWindowExposed(&late));
        QTRY_VERIFY(IsKeyboardGrabbed());
        QVERIFY(!other.canGrabKeyboard());

        // Hidden, the window loses the grab; shown again, the lock takes it back.
        late.hide();
        QTRY_VERIFY(other.canGrabKeyboard());
        late.show();
        QTRY_VERIFY(!other.canGrabKeyboard());

        EnableKeyHook(0, &late);
        QVERIFY(other.canGrabKeyboard());
    }

    void lockWaitsForAnotherProgramsGrab()
    {
        OtherClient other;
        QCOMPARE(other.grabKeyboard(), int(XCB_GRAB_STATUS_SUCCESS));
        QVERIFY(!EnableKeyHook(1, m_view));
        QVERIFY(!IsKeyboardGrabbed());
        other.ungrabKeyboard();
        QTRY_VERIFY(IsKeyboardGrabbed());

        OtherClient third;
        QCOMPARE(third.grabKeyboard(), int(XCB_GRAB_STATUS_ALREADY_GRABBED));

        // Switched off while still waiting, it stops trying.
        EnableKeyHook(0, m_view);
        QCOMPARE(other.grabKeyboard(), int(XCB_GRAB_STATUS_SUCCESS));
        EnableKeyHook(1, m_view);
        EnableKeyHook(0, m_view);
        other.ungrabKeyboard();
        QTest::qWait(3 * 100);
        QVERIFY(!IsKeyboardGrabbed());
        QVERIFY(third.canGrabKeyboard());
    }

    void lockComesBackAfterItIsLost()
    {
        OtherClient other;
        EnableKeyHook(1, m_view);
        QTRY_VERIFY(IsKeyboardGrabbed());
        // A popup of the program's own ends its grab with an ungrab on the program's
        // connection, which ends the lock's grab too.
        m_view->windowHandle()->setKeyboardGrabEnabled(false);
        syncProgramConnection();
        QVERIFY(other.canGrabKeyboard());
        QTRY_VERIFY(!other.canGrabKeyboard());

        QWidget popup(nullptr, Qt::Popup);
        popup.resize(50, 50);
        popup.show();
        QVERIFY(QTest::qWaitForWindowExposed(&popup));
        popup.close();
        QTRY_VERIFY(!other.canGrabKeyboard());

        EnableKeyHook(0, m_view);
        QVERIFY(other.canGrabKeyboard());
        showView();
    }

    void refusedHotKeyStaysFree()
    {
        OtherClient owner;
        // Another program owns Alt+Win+Escape (without lock modifiers) first.
        QCOMPARE(owner.grabKey(XK_Escape, kAlt | kWin), 0);

        QCOMPARE(RegisterHotKeys(m_view), 6);

        OtherClient third;
        QCOMPARE(third.grabKey(XK_Tab, kAlt), kBadAccess);
        // None of the refused combination's lock variants was kept: it stays wholly free.
        for (uint16_t lock : kLockVariants) {
            if (lock == 0)
                continue;
            QCOMPARE(third.grabKey(XK_Escape, kAlt | kWin | lock), 0);
            third.ungrabKey(XK_Escape, kAlt | kWin | lock);
        }
        // The owner gives it up; registering again takes it and keeps the others.
        owner.ungrabKey(XK_Escape, kAlt | kWin);
        QCOMPARE(RegisterHotKeys(m_view), 7);
        QCOMPARE(RegisterHotKeys(m_view), 7);
    }

    void hotKeysAreHeld_data()
    {
        QTest::addColumn<uint>("keysym");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Alt+Tab") << uint(XK_Tab) << int(kAlt);
        QTest::newRow("Alt+Win+Tab") << uint(XK_Tab) << int(kAlt | kWin);
        QTest::newRow("Alt+Win+Escape") << uint(XK_Escape) << int(kAlt | kWin);
        QTest::newRow("Alt+Escape") << uint(XK_Escape) << int(kAlt);
        QTest::newRow("Win+Tab") << uint(XK_Tab) << int(kWin);
        QTest::newRow("F1") << uint(XK_F1) << 0;
        QTest::newRow("Alt+Win+F1") << uint(XK_F1) << int(kAlt | kWin);
    }
    void hotKeysAreHeld()
    {
        QFETCH(uint, keysym);
        QFETCH(int, modifiers);
        QCOMPARE(RegisterHotKeys(m_view), 7);
        OtherClient other;
        for (uint16_t lock : kLockVariants) {
            const auto mods = static_cast<uint16_t>(modifiers | lock);
            QVERIFY2(other.grabKey(keysym, mods) == kBadAccess,
                     qPrintable(QStringLiteral("lock modifiers %1").arg(lock)));
        }
        // Combinations outside the seven stay free.
        QCOMPARE(other.grabKey(keysym, kAlt | XCB_MOD_MASK_CONTROL), 0);
        other.ungrabKey(keysym, kAlt | XCB_MOD_MASK_CONTROL);
    }

    void hotKeysReachNeitherProgramNorShortcuts()
    {
        QCOMPARE(RegisterHotKeys(m_view), 7);
        int helpShortcut = 0;
        QShortcut help(QKeySequence(Qt::Key_F1), m_view);
        connect(&help, &QShortcut::activated, this, [&helpShortcut] { ++helpShortcut; });

        for (int lock : {1, 0}) {
            EnableKeyHook(lock, m_view);
            if (lock)
                QTRY_VERIFY(IsKeyboardGrabbed());
            m_view->keys.clear();
            QVERIFY(typeKeys({QStringLiteral("F1"), QStringLiteral("alt+Tab"),
                              QStringLiteral("super+Tab"), QStringLiteral("alt+Escape"),
                              QStringLiteral("c")}));
            // Keys arrive in order: once c is in, the ones before it have been dealt with.
            QTRY_VERIFY(m_view->received(Qt::Key_C));
            QVERIFY2(!m_view->received(Qt::Key_F1), lock ? "locked" : "unlocked");
            QVERIFY(!m_view->received(Qt::Key_Tab));
            QVERIFY(!m_view->received(Qt::Key_Escape));
            QCOMPARE(helpShortcut, 0);

            // Other keys with the same modifiers are not held back.
            m_view->keys.clear();
            QVERIFY(typeKeys({QStringLiteral("shift+F1"), QStringLiteral("Escape")}));
            QTRY_VERIFY(m_view->received(Qt::Key_Escape));
            QVERIFY(m_view->received(Qt::Key_F1));
        }
        EnableKeyHook(0, m_view);
    }
};

POMMELOT_TEST_MAIN(TestKeyHook)
#include "tst_keyhook.moc"
