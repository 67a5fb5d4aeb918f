#include "lock/wayland/WaylandShortcutsInhibitor.h"

#include "lock/wayland/WaylandGlobal.h"
#include "lock/wayland/WaylandSurface.h"

#include "qwayland-keyboard-shortcuts-inhibit-unstable-v1.h"

#include <QCoreApplication>
#include <QEvent>
#include <functional>

class CWaylandShortcutsInhibitor::Manager
    : public CWaylandGlobal<QtWayland::zwp_keyboard_shortcuts_inhibit_manager_v1>
{
};

class CWaylandShortcutsInhibitor::Inhibitor : public QtWayland::zwp_keyboard_shortcuts_inhibitor_v1
{
public:
    Inhibitor(::zwp_keyboard_shortcuts_inhibitor_v1* object, std::function<void(bool)> onActive)
        : QtWayland::zwp_keyboard_shortcuts_inhibitor_v1(object), m_onActive(std::move(onActive))
    {
    }
    ~Inhibitor() override
    {
        if (isInitialized())
            destroy();
    }
    Inhibitor(const Inhibitor&) = delete;
    Inhibitor& operator=(const Inhibitor&) = delete;
    wl_surface* surface = nullptr;

protected:
    void zwp_keyboard_shortcuts_inhibitor_v1_active() override { m_onActive(true); }
    void zwp_keyboard_shortcuts_inhibitor_v1_inactive() override { m_onActive(false); }

private:
    std::function<void(bool)> m_onActive;
};

CWaylandShortcutsInhibitor* CWaylandShortcutsInhibitor::instance()
{
    static QPointer<CWaylandShortcutsInhibitor> inhibitor;
    if (!inhibitor && qApp && onWayland())
        inhibitor = new CWaylandShortcutsInhibitor(qApp);
    return inhibitor;
}

CWaylandShortcutsInhibitor::CWaylandShortcutsInhibitor(QObject* parent)
    : CLockInhibitor(QStringLiteral("wayland-shortcuts"), CLockStatus::Part::Keyboard,
                     QT_TR_NOOP("compositor shortcuts held"), parent),
      m_manager(std::make_unique<Manager>())
{
    m_clock.start();
    connect(&m_renewTimer, &QTimer::timeout, this, &CWaylandShortcutsInhibitor::onRenewTimer);
    m_reaskTimer.setSingleShot(true);
    connect(&m_reaskTimer, &QTimer::timeout, this, &CWaylandShortcutsInhibitor::renew);
}

CWaylandShortcutsInhibitor::~CWaylandShortcutsInhibitor()
{
    release();
}

bool CWaylandShortcutsInhibitor::available() const
{
    return m_manager && m_manager->isBound();
}

bool CWaylandShortcutsInhibitor::inFront() const
{
    return m_window && m_window->isActive();
}

bool CWaylandShortcutsInhibitor::enable(QWidget* window)
{
    m_wanted = true;
    if (!available()) {
        reportState(CLockStatus::State::Unavailable,
                    tr("the compositor does not allow shortcut inhibiting"));
        return false;
    }
    followWindow(window);
    if (!m_renewTimer.isActive())
        m_renewTimer.start(kRenewMs);
    // A live inhibitor stays as it is: renewing it would open a gap. One the desktop lifted
    // while the window was away is asked for again now.
    if (m_inhibitor && m_inhibitor->surface == waylandSurface(m_window)) {
        if (inFront() && !m_reaskTimer.isActive())
            askAgainIn(m_policy.cameToFront(m_clock.elapsed()));
    } else {
        request();
    }
    return m_inhibitor != nullptr;
}

void CWaylandShortcutsInhibitor::disable(QWidget* window)
{
    m_wanted = false;
    m_renewTimer.stop();
    m_reaskTimer.stop();
    const bool gone = !window || !m_window;
    if (CShortcutsInhibitorPolicy::releaseOnSwitchOff(gone, inFront()))
        stopFollowing();
}

void CWaylandShortcutsInhibitor::request()
{
    wl_surface* surface = waylandSurface(m_window);
    wl_seat* seat = waylandSeat();
    if (m_inhibitor && m_inhibitor->surface == surface)
        return;
    release();
    if (!surface || !seat || !available()) {
        if (!CLockStatus::instance()->reported(CLockStatus::Part::Keyboard) ||
            CLockStatus::instance()->state(CLockStatus::Part::Keyboard) != CLockStatus::State::Held)
            reportState(CLockStatus::State::Waiting, tr("the window is not shown yet"));
        return;
    }
    QPointer<CWaylandShortcutsInhibitor> self(this);
    m_inhibitor = std::make_unique<Inhibitor>(m_manager->inhibit_shortcuts(surface, seat),
                                              [self](bool active) {
                                                  if (self)
                                                      self->setActive(active);
                                              });
    m_inhibitor->surface = surface;
    m_policy.requested(m_clock.elapsed());
    if (!CLockStatus::instance()->reported(CLockStatus::Part::Keyboard))
        reportState(CLockStatus::State::Waiting, tr("asked the compositor, no answer yet"));
    waylandFlush();
}

void CWaylandShortcutsInhibitor::release()
{
    if (!m_inhibitor)
        return;
    m_inhibitor.reset();
    m_policy.released();
    m_active = false;
    waylandFlush();
}

void CWaylandShortcutsInhibitor::renew()
{
    if (!m_wanted)
        return;
    release();
    request();
}

void CWaylandShortcutsInhibitor::askAgainIn(int delayMs)
{
    if (delayMs == CShortcutsInhibitorPolicy::kNever)
        return;
    // Even "at once" goes through the loop: the compositor's events are still being read.
    m_reaskTimer.start(delayMs);
}

void CWaylandShortcutsInhibitor::onRenewTimer()
{
    if (!m_wanted)
        return;
    if (!m_inhibitor) {
        request();
        return;
    }
    if (!m_reaskTimer.isActive() && m_policy.renewDue(m_clock.elapsed(), inFront()))
        renew();
}

void CWaylandShortcutsInhibitor::setActive(bool active)
{
    m_active = active;
    if (active) {
        m_policy.activated();
        reportState(CLockStatus::State::Held);
    } else {
        reportState(CLockStatus::State::Refused, tr("the desktop lifted the shortcut inhibitor"));
        // GNOME's Super+Escape lifts it: while the view is in front and the lock wanted, ask
        // again straight away.
        const int delay = m_policy.inactivated(m_clock.elapsed(), m_wanted && inFront());
        if (m_wanted && !m_reaskTimer.isActive())
            askAgainIn(delay);
    }
}

bool CWaylandShortcutsInhibitor::eventFilter(QObject* watched, QEvent* event)
{
    // Never a new one for a live inhibitor; one the desktop lifted meanwhile is asked for
    // again.
    if (watched == m_window && event->type() == QEvent::FocusIn && m_wanted && m_inhibitor &&
        !m_reaskTimer.isActive())
        askAgainIn(m_policy.cameToFront(m_clock.elapsed()));
    return CLockInhibitor::eventFilter(watched, event);
}
