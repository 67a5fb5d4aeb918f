#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWindow>
#include <memory>

class QWidget;
struct wl_surface;

// The keyboard lock on Wayland: the compositor's keyboard-shortcuts inhibitor
// (zwp_keyboard_shortcuts_inhibit_manager_v1) on the surface of the view's top-level window.
// While it is active the compositor hands every key, its own shortcuts included, to the
// window that has the keyboard focus.
//
// Compositors have been seen not to tell when they lift an inhibitor, so while the lock is
// on the inhibitor is renewed (destroyed, then asked for again) whenever the window is
// activated and at a steady pace. The lock status shows what the compositor last said.
class CWaylandShortcutsInhibitor : public QObject
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
    // Gives the inhibitor back, after kReleaseDelayMs unless enabled again meanwhile.
    void disable();
    // Destroys the inhibitor and asks for a new one.
    void renew();

    bool isRequested() const;
    // Whether the compositor said the inhibitor is active (and has not taken it back).
    bool isActive() const { return m_active; }

    static constexpr int kRenewMs = 5000;
    // How long the inhibitor outlasts a switch-off (see disable()).
    static constexpr int kReleaseDelayMs = 1500;

Q_SIGNALS:
    // The compositor made the inhibitor active or inactive.
    void activeChanged(bool active);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class Manager;
    class Inhibitor;
    explicit CWaylandShortcutsInhibitor(QObject* parent);
    void request();
    void release();
    void setActive(bool active);
    void releaseNow();

    std::unique_ptr<Manager> m_manager;
    std::unique_ptr<Inhibitor> m_inhibitor;
    QPointer<QWindow> m_window;
    QTimer m_renewTimer;
    QTimer m_releaseTimer;
    bool m_wanted = false;
    bool m_active = false;
};
