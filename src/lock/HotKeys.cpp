#include "lock/HotKeys.h"

#include "lock/x11/X11Connection.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QVector>
#include <X11/keysym.h>
#include <cstdlib>
#include <xcb/xcb_keysyms.h>

namespace {
// Caps Lock and Num Lock change the modifier state the server matches grabs against, so every
// combination is grabbed once for each state of the two.
constexpr uint16_t kLockVariants[] = {0, XCB_MOD_MASK_LOCK, XCB_MOD_MASK_2,
                                      XCB_MOD_MASK_LOCK | XCB_MOD_MASK_2};
constexpr uint16_t kAltMask = XCB_MOD_MASK_1;
constexpr uint16_t kWindowsMask = XCB_MOD_MASK_4;

struct KeyGrab
{
    xcb_keycode_t keycode;
    uint16_t modifiers;
    xcb_void_cookie_t cookie;
};
} // namespace

const std::array<CHotKeys::Combination, CHotKeys::kCount>& CHotKeys::combinations()
{
    static const std::array<Combination, kCount> table = {{
        {100, true, false, XK_Tab, Qt::Key_Tab},
        {101, true, true, XK_Tab, Qt::Key_Tab},
        {102, true, true, XK_Escape, Qt::Key_Escape},
        {103, true, false, XK_Escape, Qt::Key_Escape},
        {104, false, true, XK_Tab, Qt::Key_Tab},
        {105, false, false, XK_F1, Qt::Key_F1},
        {106, true, true, XK_F1, Qt::Key_F1},
    }};
    return table;
}

CHotKeys* CHotKeys::instance()
{
    static QPointer<CHotKeys> hotKeys;
    if (!hotKeys && QCoreApplication::instance())
        hotKeys = new CHotKeys(QCoreApplication::instance());
    return hotKeys;
}

CHotKeys::CHotKeys(QObject* parent) : QObject(parent) {}

int CHotKeys::registerAll(QWidget* window)
{
    if (!x11Connection())
        return 0;
    for (int i = 0; i < kCount; ++i) {
        if (!m_grabbed[i])
            m_grabbed[i] = grabCombination(combinations()[i], window);
    }
    if (grabbedCount() > 0 && !m_filtering) {
        QCoreApplication::instance()->installEventFilter(this);
        m_filtering = true;
    }
    return grabbedCount();
}

bool CHotKeys::grabCombination(const Combination& combination, QWidget* window)
{
    xcb_connection_t* c = x11Connection();
    const xcb_window_t root = x11RootWindow(window);
    if (!c || root == XCB_WINDOW_NONE)
        return false;

    xcb_key_symbols_t* symbols = xcb_key_symbols_alloc(c);
    if (!symbols)
        return false;
    xcb_keycode_t* keycodes = xcb_key_symbols_get_keycode(symbols, combination.keysym);
    const uint16_t modifiers =
        (combination.alt ? kAltMask : 0) | (combination.windows ? kWindowsMask : 0);

    QVector<KeyGrab> grabs;
    for (xcb_keycode_t* k = keycodes; k && *k != XCB_NO_SYMBOL; ++k) {
        for (uint16_t lock : kLockVariants) {
            const auto mods = static_cast<uint16_t>(modifiers | lock);
            // owner_events is false: the key goes to no window of ours either.
            grabs.append({*k, mods,
                          xcb_grab_key_checked(c, 0, root, mods, *k, XCB_GRAB_MODE_ASYNC,
                                               XCB_GRAB_MODE_ASYNC)});
        }
    }
    std::free(keycodes);
    xcb_key_symbols_free(symbols);

    // Every grab is checked: a refused one (BadAccess: another client owns the combination)
    // leaves the combination to its owner.
    bool all = !grabs.isEmpty();
    QVector<KeyGrab> held;
    for (const KeyGrab& g : grabs) {
        if (xcb_generic_error_t* error = xcb_request_check(c, g.cookie)) {
            all = false;
            std::free(error);
        } else {
            held.append(g);
        }
    }
    if (!all && !held.isEmpty()) {
        for (const KeyGrab& g : held)
            xcb_ungrab_key(c, g.keycode, root, g.modifiers);
        xcb_flush(c);
    }
    return all;
}

int CHotKeys::grabbedCount() const
{
    int n = 0;
    for (bool g : m_grabbed)
        n += g ? 1 : 0;
    return n;
}

bool CHotKeys::isGrabbed(int id) const
{
    for (int i = 0; i < kCount; ++i) {
        if (combinations()[i].id == id)
            return m_grabbed[i];
    }
    return false;
}

bool CHotKeys::blocks(int key, Qt::KeyboardModifiers modifiers) const
{
    const Qt::KeyboardModifiers held =
        modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    for (int i = 0; i < kCount; ++i) {
        const Combination& combination = combinations()[i];
        Qt::KeyboardModifiers wanted;
        if (combination.alt)
            wanted |= Qt::AltModifier;
        if (combination.windows)
            wanted |= Qt::MetaModifier;
        if (m_grabbed[i] && combination.key == key && held == wanted)
            return true;
    }
    return false;
}

bool CHotKeys::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (blocks(key->key(), key->modifiers())) {
            // Accepting the override keeps the shortcut map out of it; the key press that
            // follows is dropped here too.
            key->accept();
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
