#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <QWindow>
#include <memory>

struct wl_pointer;
struct wl_surface;

// Keeps the pointer inside a full-screen window on Wayland: the compositor's pointer
// constraints (zwp_pointer_constraints_v1) confine the seat's pointer to the window's whole
// surface for as long as it lasts. The compositor applies the confinement whenever the
// pointer is on the surface and the surface has the focus, and says so (confined/unconfined);
// the lock status shows what it last said, under the pointer part.
//
// The seat's pointer is asked for only when the seat has one: asking a seat without a pointer
// is an error that ends the connection. A desktop without the protocol or without a pointer is
// reported as not holding it.
class CWaylandPointerConfinement
{
public:
    CWaylandPointerConfinement();
    ~CWaylandPointerConfinement();
    CWaylandPointerConfinement(const CWaylandPointerConfinement&) = delete;
    CWaylandPointerConfinement& operator=(const CWaylandPointerConfinement&) = delete;

    // Whether the compositor offers the protocol at all.
    bool available() const;
    // Asks for the pointer to stay in `window`'s surface (once per surface; again after the
    // window got a new surface).
    void confine(QWindow* window);
    // Gives the confinement back and takes the entry out of the lock status.
    void release();

    // Whether the compositor said the pointer is confined (and has not said otherwise since).
    bool isConfined() const { return m_confined; }

    // Whether the program's seat has a pointer now (asks the compositor).
    static bool seatHasPointer();
    // How long a seat found without a pointer is not asked again.
    static constexpr int kProbeAgainMs = 5000;

private:
    class Manager;
    class Confined;
    void setConfined(bool confined);
    void dropRequest();

    std::unique_ptr<Manager> m_manager;
    std::unique_ptr<Confined> m_request;
    wl_pointer* m_pointer = nullptr;
    wl_surface* m_surface = nullptr;
    QPointer<QWindow> m_window;
    QElapsedTimer m_sinceProbe;
    bool m_confined = false;
};
