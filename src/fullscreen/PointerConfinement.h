#pragma once

#include <QElapsedTimer>
#include <QRect>
#include <QTimer>
#include <memory>
#include <xcb/xcb.h>

class CWaylandPointerConfinement;
class QWidget;

// Keeps the pointer inside the program's full-screen windows. On X11: an active pointer grab
// for the frame's window (owner events, so the program's own windows get their clicks as usual
// and nothing outside them gets any), confined to a helper window spanning the covered screens.
// The grab is renewed ten times a second and after each input event (renewSoon): a popup of
// the toolkit releases it, another client may have held the pointer when it was first asked
// for, and the X server drops the confinement (not the grab) when another client merely asks
// for the pointer, as a window manager does while keys and clicks arrive. On Wayland the
// compositor's pointer constraints keep it in the frame's surface (CWaylandPointerConfinement).
// Elsewhere it does nothing, and isHeld() stays false.
class CPointerConfinement
{
public:
    CPointerConfinement();
    ~CPointerConfinement();
    CPointerConfinement(const CPointerConfinement&) = delete;
    CPointerConfinement& operator=(const CPointerConfinement&) = delete;

    // Confines the pointer to `area` (global coordinates of the screens the program covers)
    // for `window`'s top level; called again with a new area after screens change.
    void confine(QWidget* window, const QRect& area);
    void release();
    // Renews the grab now unless it was renewed a moment ago.
    void renewSoon();
    static constexpr int kRenewMs = 100;

    bool isActive() const { return m_window != nullptr; }
    // Whether the server granted the grab the last time it was asked.
    bool isHeld() const;

private:
    bool grab();

    QWidget* m_window = nullptr;
    xcb_window_t m_confineWindow = XCB_WINDOW_NONE;
    bool m_bHeld = false;
    QTimer m_renew;
    QElapsedTimer m_sinceRenew;
    std::unique_ptr<CWaylandPointerConfinement> m_wayland;
};
