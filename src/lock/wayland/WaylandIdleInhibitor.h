#pragma once

#include "lock/LockInhibitor.h"

#include <memory>

class QWidget;
struct wl_surface;

// Keeps a Wayland compositor from blanking the screen or going idle while the lock is on: an
// idle inhibitor (zwp_idle_inhibit_manager_v1) on the view's top-level surface. The protocol
// gives no answer, so the lock status shows it as held once it has been created.
class CWaylandIdleInhibitor : public CLockInhibitor
{
    Q_OBJECT
public:
    // Null when not on Wayland.
    static CWaylandIdleInhibitor* instance();
    ~CWaylandIdleInhibitor() override;

    bool available() const;
    bool enable(QWidget* window);
    void disable();
    bool isHeld() const { return m_inhibitor != nullptr; }

private:
    class Manager;
    class Inhibitor;
    explicit CWaylandIdleInhibitor(QObject* parent);
    void request() override;
    void release() override;

    std::unique_ptr<Manager> m_manager;
    std::unique_ptr<Inhibitor> m_inhibitor;
    wl_surface* m_surface = nullptr;
};
