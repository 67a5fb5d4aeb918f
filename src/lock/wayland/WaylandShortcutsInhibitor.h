#pragma once

#include "lock/LockInhibitor.h"
#include "lock/ShortcutsInhibitorPolicy.h"

#include <QElapsedTimer>
#include <QTimer>
#include <memory>

class QWidget;
struct wl_surface;

// The keyboard lock on Wayland: the compositor's keyboard-shortcuts inhibitor
// (zwp_keyboard_shortcuts_inhibit_manager_v1) on the surface of the view's top-level window.
// While it is active the compositor hands every key, its own shortcuts included, to the
// window that has the keyboard focus.
//
// The inhibitor is kept for the window's whole life while the lock is wanted, and asked for
// again when the compositor lifts it or never answered (see CShortcutsInhibitorPolicy). The
// lock status shows what the compositor last said.
class CWaylandShortcutsInhibitor : public CLockInhibitor
{
    Q_OBJECT
public:
    // Null when not on Wayland.
    static CWaylandShortcutsInhibitor* instance();
    ~CWaylandShortcutsInhibitor() override;

    // Whether the compositor offers the protocol at all.
    bool available() const;
    // Asks for the inhibitor on window's top-level surface; returns whether it was asked for.
    bool enable(QWidget* window);
    // Switches the lock off. The inhibitor is given back when the window is in front (the
    // program itself switches the lock off) or gone (null); when the focus has gone elsewhere
    // it is kept, and acts again as soon as the window has the focus.
    void disable(QWidget* window);
    // Destroys the inhibitor and asks for a new one.
    void renew();

    // Whether the compositor said the inhibitor is active (and has not taken it back).
    bool isActive() const { return m_active; }

    // How often an inhibitor that is not active is looked at.
    static constexpr int kRenewMs = CShortcutsInhibitorPolicy::kRenewMs;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class Manager;
    class Inhibitor;
    explicit CWaylandShortcutsInhibitor(QObject* parent);
    void request() override;
    void release() override;
    void setActive(bool active);
    void onRenewTimer();
    void askAgainIn(int delayMs);
    bool inFront() const;

    std::unique_ptr<Manager> m_manager;
    std::unique_ptr<Inhibitor> m_inhibitor;
    QTimer m_renewTimer;
    QTimer m_reaskTimer;
    QElapsedTimer m_clock;
    CShortcutsInhibitorPolicy m_policy;
    bool m_active = false;
};
