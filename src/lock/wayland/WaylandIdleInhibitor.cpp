#include "lock/wayland/WaylandIdleInhibitor.h"

#include "lock/LockStatus.h"
#include "lock/wayland/WaylandGlobal.h"
#include "lock/wayland/WaylandSurface.h"

#include "qwayland-idle-inhibit-unstable-v1.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPlatformSurfaceEvent>
#include <QWidget>

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

namespace {
void reportState(CLockStatus::State state, const QString& why = {})
{
    CLockStatus::instance()->report(
        QStringLiteral("wayland-idle"),
        CLockStatus::Entry{CLockStatus::Part::Blanking, state,
                           QCoreApplication::translate("CWaylandIdleInhibitor", "screen kept on"),
                           why});
}
} // namespace

CWaylandIdleInhibitor* CWaylandIdleInhibitor::instance()
{
    static QPointer<CWaylandIdleInhibitor> inhibitor;
    if (!inhibitor && qApp && onWayland())
        inhibitor = new CWaylandIdleInhibitor(qApp);
    return inhibitor;
}

CWaylandIdleInhibitor::CWaylandIdleInhibitor(QObject* parent)
    : QObject(parent), m_manager(std::make_unique<Manager>())
{
}

CWaylandIdleInhibitor::~CWaylandIdleInhibitor()
{
    release();
}

bool CWaylandIdleInhibitor::available() const
{
    return m_manager && m_manager->isActive() && m_manager->isInitialized();
}

bool CWaylandIdleInhibitor::enable(QWidget* window)
{
    m_wanted = true;
    if (!available()) {
        reportState(CLockStatus::State::Unavailable, tr("the compositor has no idle inhibiting"));
        return false;
    }
    QWindow* handle = window ? window->window()->windowHandle() : nullptr;
    if (handle != m_window) {
        if (m_window)
            m_window->removeEventFilter(this);
        release();
        m_window = handle;
        if (handle)
            handle->installEventFilter(this);
    }
    request();
    return isHeld();
}

void CWaylandIdleInhibitor::disable()
{
    m_wanted = false;
    if (m_window)
        m_window->removeEventFilter(this);
    m_window = nullptr;
    release();
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

bool CWaylandIdleInhibitor::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_window && m_wanted) {
        if (event->type() == QEvent::PlatformSurface &&
            static_cast<QPlatformSurfaceEvent*>(event)->surfaceEventType() ==
                QPlatformSurfaceEvent::SurfaceAboutToBeDestroyed)
            release();
        else if (event->type() == QEvent::Expose || event->type() == QEvent::Show)
            request();
    }
    return QObject::eventFilter(watched, event);
}
