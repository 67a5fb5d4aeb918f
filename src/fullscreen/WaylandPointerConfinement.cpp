#include "fullscreen/WaylandPointerConfinement.h"

#include "lock/LockStatus.h"
#include "lock/wayland/WaylandGlobal.h"
#include "lock/wayland/WaylandSurface.h"

#include "qwayland-pointer-constraints-unstable-v1.h"

#include <QCoreApplication>
#include <cstring>
#include <functional>
#include <wayland-client.h>

class CWaylandPointerConfinement::Manager
    : public CWaylandGlobal<QtWayland::zwp_pointer_constraints_v1>
{
};

class CWaylandPointerConfinement::Confined : public QtWayland::zwp_confined_pointer_v1
{
public:
    Confined(::zwp_confined_pointer_v1* object, std::function<void(bool)> onConfined)
        : QtWayland::zwp_confined_pointer_v1(object), m_onConfined(std::move(onConfined))
    {
    }
    ~Confined() override
    {
        if (isInitialized())
            destroy();
    }
    Confined(const Confined&) = delete;
    Confined& operator=(const Confined&) = delete;

protected:
    void zwp_confined_pointer_v1_confined() override { m_onConfined(true); }
    void zwp_confined_pointer_v1_unconfined() override { m_onConfined(false); }

private:
    std::function<void(bool)> m_onConfined;
};

namespace {
const QString kSource = QStringLiteral("wayland-pointer");

QString tr(const char* text)
{
    return QCoreApplication::translate("CWaylandPointerConfinement", text);
}

void reportState(CLockStatus::State state, const QString& why = {})
{
    CLockStatus::instance()->report(
        kSource, CLockStatus::Entry{CLockStatus::Part::Pointer, state, tr("pointer kept in"), why});
}

// What the first seat the compositor announces says it has. Qt's own seat object already has
// its listener, so the question goes through a seat object of our own on a private queue.
struct SeatProbe
{
    wl_seat* seat = nullptr;
    uint32_t capabilities = 0;
    bool answered = false;
};

void seatCapabilities(void* data, wl_seat*, uint32_t capabilities)
{
    auto* probe = static_cast<SeatProbe*>(data);
    probe->capabilities = capabilities;
    probe->answered = true;
}

void seatName(void*, wl_seat*, const char*) {}

const wl_seat_listener kSeatListener = {seatCapabilities, seatName};

void registryGlobal(void* data, wl_registry* registry, uint32_t name, const char* interface,
                    uint32_t version)
{
    auto* probe = static_cast<SeatProbe*>(data);
    if (probe->seat || std::strcmp(interface, wl_seat_interface.name) != 0)
        return;
    probe->seat = static_cast<wl_seat*>(
        wl_registry_bind(registry, name, &wl_seat_interface, qMin<uint32_t>(version, 2)));
    wl_seat_add_listener(probe->seat, &kSeatListener, probe);
}

void registryGlobalRemove(void*, wl_registry*, uint32_t) {}

const wl_registry_listener kRegistryListener = {registryGlobal, registryGlobalRemove};
} // namespace

CWaylandPointerConfinement::CWaylandPointerConfinement() : m_manager(std::make_unique<Manager>()) {}

CWaylandPointerConfinement::~CWaylandPointerConfinement()
{
    release();
}

bool CWaylandPointerConfinement::available() const
{
    return m_manager && m_manager->isBound();
}

bool CWaylandPointerConfinement::seatHasPointer()
{
    wl_display* display = waylandDisplay();
    if (!display)
        return false;
    wl_event_queue* queue = wl_display_create_queue(display);
    auto* wrapper = static_cast<wl_display*>(wl_proxy_create_wrapper(display));
    wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(wrapper), queue);
    wl_registry* registry = wl_display_get_registry(wrapper);
    SeatProbe probe;
    wl_registry_add_listener(registry, &kRegistryListener, &probe);
    // The first round trip brings the globals (and binds the seat), the second its answer.
    for (int i = 0; i < 3 && !probe.answered; ++i) {
        if (wl_display_roundtrip_queue(display, queue) < 0)
            break;
    }
    if (probe.seat) {
        if (wl_proxy_get_version(reinterpret_cast<wl_proxy*>(probe.seat)) >=
            WL_SEAT_RELEASE_SINCE_VERSION)
            wl_seat_release(probe.seat);
        else
            wl_seat_destroy(probe.seat);
    }
    wl_registry_destroy(registry);
    wl_proxy_wrapper_destroy(wrapper);
    wl_event_queue_destroy(queue);
    return probe.answered && (probe.capabilities & WL_SEAT_CAPABILITY_POINTER);
}

void CWaylandPointerConfinement::confine(QWindow* window)
{
    wl_surface* surface = waylandSurface(window);
    if (m_request && surface == m_surface && window == m_window)
        return;
    dropRequest();
    m_window = window;
    if (!available()) {
        reportState(CLockStatus::State::Unavailable,
                    tr("the compositor cannot keep the pointer in"));
        return;
    }
    wl_seat* seat = waylandSeat();
    if (!surface || !seat) {
        reportState(CLockStatus::State::Waiting, tr("the window is not shown yet"));
        return;
    }
    // Asked again at each screen check while nothing holds: a seat without a pointer is not
    // asked every time.
    if (m_sinceProbe.isValid() && m_sinceProbe.elapsed() < kProbeAgainMs)
        return;
    if (!seatHasPointer()) {
        m_sinceProbe.start();
        reportState(CLockStatus::State::Unavailable, tr("the desktop has no pointer"));
        return;
    }
    m_sinceProbe.invalidate();
    m_pointer = wl_seat_get_pointer(seat);
    m_surface = surface;
    m_confined = false;
    // The compositor's answer comes on the program's event loop; `this` outlives the request.
    m_request = std::make_unique<Confined>(
        m_manager->confine_pointer(surface, m_pointer, nullptr,
                                   QtWayland::zwp_pointer_constraints_v1::lifetime_persistent),
        [this](bool confined) { setConfined(confined); });
    reportState(CLockStatus::State::Waiting, tr("asked the compositor, no answer yet"));
    waylandFlush();
}

void CWaylandPointerConfinement::setConfined(bool confined)
{
    m_confined = confined;
    if (confined)
        reportState(CLockStatus::State::Held);
    else
        reportState(CLockStatus::State::Refused, tr("the desktop let the pointer go"));
}

void CWaylandPointerConfinement::dropRequest()
{
    const bool had = m_request || m_pointer;
    m_request.reset();
    if (m_pointer) {
        if (wl_proxy_get_version(reinterpret_cast<wl_proxy*>(m_pointer)) >=
            WL_POINTER_RELEASE_SINCE_VERSION)
            wl_pointer_release(m_pointer);
        else
            wl_pointer_destroy(m_pointer);
    }
    m_pointer = nullptr;
    m_surface = nullptr;
    m_confined = false;
    if (had)
        waylandFlush();
}

void CWaylandPointerConfinement::release()
{
    dropRequest();
    m_window = nullptr;
    m_sinceProbe.invalidate();
    if (CLockStatus* status = CLockStatus::instance())
        status->forget(kSource);
}
