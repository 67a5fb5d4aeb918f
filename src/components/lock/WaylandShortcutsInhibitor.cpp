#include "components/lock/WaylandShortcutsInhibitor.h"

#include "components/lock/LockStatus.h"
#include "components/lock/WaylandGlobal.h"
#include "components/lock/WaylandSurface.h"

#include "qwayland-keyboard-shortcuts-inhibit-unstable-v1.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPlatformSurfaceEvent>
#include <QWidget>
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

namespace {
QString tr(const char* text)
{
    return QCoreApplication::translate("CWaylandShortcutsInhibitor", text);
}

void reportState(CLockStatus::State state, const QString& why = {})
{
    CLockStatus::instance()->report(QStringLiteral("wayland-shortcuts"),
                                    CLockStatus::Entry{CLockStatus::Part::Keyboard, state,
                                                       tr("compositor shortcuts held"), why});
}
} // namespace

CWaylandShortcutsInhibitor* CWaylandShortcutsInhibitor::instance()
{
    static QPointer<CWaylandShortcutsInhibitor> inhibitor;
    if (!inhibitor && qApp && onWayland())
        inhibitor = new CWaylandShortcutsInhibitor(qApp);
    return inhibitor;
}

CWaylandShortcutsInhibitor::CWaylandShortcutsInhibitor(QObject* parent)
    : QObject(parent), m_manager(std::make_unique<Manager>())
{
    connect(&m_renewTimer, &QTimer::timeout, this, &CWaylandShortcutsInhibitor::renew);
    m_releaseTimer.setSingleShot(true);
    connect(&m_releaseTimer, &QTimer::timeout, this, &CWaylandShortcutsInhibitor::releaseNow);
}

CWaylandShortcutsInhibitor::~CWaylandShortcutsInhibitor()
{
    release();
}

bool CWaylandShortcutsInhibitor::available() const
{
    return m_manager && m_manager->isActive() && m_manager->isInitialized();
}

bool CWaylandShortcutsInhibitor::isRequested() const
{
    return m_inhibitor != nullptr;
}

bool CWaylandShortcutsInhibitor::enable(QWidget* window)
{
    m_wanted = true;
    m_releaseTimer.stop();
    if (!available()) {
        reportState(CLockStatus::State::Unavailable,
                    tr("the compositor does not allow shortcut inhibiting"));
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
    if (!m_renewTimer.isActive())
        m_renewTimer.start(kRenewMs);
    // Coming back to the view after another window had the focus: ask afresh, the compositor
    // may have lifted the old inhibitor without a word.
    if (m_inhibitor && handle && handle->isActive() &&
        m_inhibitor->surface == waylandSurface(handle))
        renew();
    else
        request();
    return m_inhibitor != nullptr;
}

void CWaylandShortcutsInhibitor::disable()
{
    m_wanted = false;
    m_renewTimer.stop();
    // A compositor takes the keyboard focus away and gives it back whenever the seat's
    // keyboards change (plugged, unplugged, a virtual keyboard come and gone), and handles the
    // first keys after the focus came back before the program can ask again. So the inhibitor
    // stays a moment after a switch-off: back on within that time, nothing was given away. It
    // only acts while the window has the focus in any case.
    if (m_inhibitor)
        m_releaseTimer.start(kReleaseDelayMs);
    else
        releaseNow();
}

void CWaylandShortcutsInhibitor::releaseNow()
{
    if (m_wanted)
        return;
    if (m_window)
        m_window->removeEventFilter(this);
    m_window = nullptr;
    release();
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
    if (!CLockStatus::instance()->reported(CLockStatus::Part::Keyboard))
        reportState(CLockStatus::State::Waiting, tr("asked the compositor, no answer yet"));
    waylandFlush();
}

void CWaylandShortcutsInhibitor::release()
{
    if (!m_inhibitor)
        return;
    m_inhibitor.reset();
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

void CWaylandShortcutsInhibitor::setActive(bool active)
{
    m_active = active;
    if (active)
        reportState(CLockStatus::State::Held);
    else
        reportState(CLockStatus::State::Refused, tr("the desktop lifted the shortcut inhibitor"));
    Q_EMIT activeChanged(active);
}

bool CWaylandShortcutsInhibitor::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_window && m_wanted) {
        switch (event->type()) {
        case QEvent::PlatformSurface:
            // The surface goes away with the window's platform window: the inhibitor first.
            if (static_cast<QPlatformSurfaceEvent*>(event)->surfaceEventType() ==
                QPlatformSurfaceEvent::SurfaceAboutToBeDestroyed)
                release();
            break;
        case QEvent::Expose:
        case QEvent::Show:
            request();
            break;
        case QEvent::FocusIn:
            renew();
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}
