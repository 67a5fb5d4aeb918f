#include "lock/wayland/WaylandIdleInhibitor.h"

#include "lock/wayland/WaylandGlobal.h"
#include "lock/wayland/WaylandSurface.h"

#include "qwayland-idle-inhibit-unstable-v1.h"

#include <QCoreApplication>

class CWaylandIdleInhibitor::Manager : public CWaylandGlobal<QtWayland::zwp_idle_inhibit_manager_v1>
{
};

class CWaylandIdleInhibitor::Inhibitor : public QtWayland::zwp_idle_inhibitor_v1
{
public:
    explicit Inhibitor(::zwp_idle_inhibitor_v1* object) : QtWayland::zwp_idle_inhibitor_v1(object)
    {
    }
    ~Inhibitor() override
    {
        if (isInitialized())
            destroy();
    }
    Inhibitor(const Inhibitor&) = delete;
    Inhibitor& operator=(const Inhibitor&) = delete;
};

CWaylandIdleInhibitor* CWaylandIdleInhibitor::instance()
{
    static QPointer<CWaylandIdleInhibitor> inhibitor;
    if (!inhibitor && qApp && onWayland())
        inhibitor = new CWaylandIdleInhibitor(qApp);
    return inhibitor;
}

CWaylandIdleInhibitor::CWaylandIdleInhibitor(QObject* parent)
    : CLockInhibitor(QStringLiteral("wayland-idle"), CLockStatus::Part::Blanking,
                     QT_TR_NOOP("screen kept on"), parent),
      m_manager(std::make_unique<Manager>())
{
}

CWaylandIdleInhibitor::~CWaylandIdleInhibitor()
{
    release();
}

bool CWaylandIdleInhibitor::available() const
{
    return m_manager && m_manager->isBound();
}

bool CWaylandIdleInhibitor::enable(QWidget* window)
{
    m_wanted = true;
    if (!available()) {
        reportState(CLockStatus::State::Unavailable, tr("the compositor has no idle inhibiting"));
        return false;
    }
    followWindow(window);
    request();
    return isHeld();
}

void CWaylandIdleInhibitor::disable()
{
    m_wanted = false;
    stopFollowing();
}

void CWaylandIdleInhibitor::request()
{
    wl_surface* surface = waylandSurface(m_window);
    if (m_inhibitor && m_surface == surface)
        return;
    release();
    if (!surface)
        return;
    m_inhibitor = std::make_unique<Inhibitor>(m_manager->create_inhibitor(surface));
    m_surface = surface;
    reportState(CLockStatus::State::Held);
    waylandFlush();
}

void CWaylandIdleInhibitor::release()
{
    if (!m_inhibitor)
        return;
    m_inhibitor.reset();
    m_surface = nullptr;
    waylandFlush();
}
