#pragma once

#include "fullscreen/PointerConfinement.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QTimer>

class CCoverWindow;
class CLeaveRing;
class LeaveGesture;
class QWidget;

// Full screen on every monitor for the program's top-level window: the window fills its own
// screen without a title bar, every other screen gets a grey cover, the pointer stays on the
// covered screens and close requests are refused. Only the parent's gesture (or setOn(false))
// leaves it; a ring in the middle of the window shows how long the chord is still to be held.
// Screens that come and go are covered and uncovered, and a window manager that takes full
// screen away gives it back. What the window shows inside (a toolbar, its commands) stays the
// window's business: switching() says when to fix or free it.
class CFullScreen : public QObject
{
    Q_OBJECT
public:
    // Works on `window` and is its child.
    explicit CFullScreen(QWidget* window);
    ~CFullScreen() override;

    void setOn(bool on);
    bool isOn() const { return m_bOn; }
    // The widget that gets the keys whenever the window is brought back to the front.
    void setKeyTarget(QWidget* widget) { m_keyTarget = widget; }

    // The grey windows over the other screens while full screen.
    QList<CCoverWindow*> coverWindows() const;
    LeaveGesture* leaveGesture() const { return m_pLeaveGesture; }
    const CPointerConfinement& pointerConfinement() const { return m_pointer; }

Q_SIGNALS:
    // Full screen is about to be entered (true) or left (false): the window's normal
    // geometry is kept already, its state and the covers change next.
    void switching(bool on);
    // The parent's gesture has just left full screen.
    void left();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Covers every screen but the window's, uncovers removed ones, places the window and the
    // pointer confinement again.
    void syncScreens();
    void scheduleScreenSync();
    void onLeaveGestureCompleted();

    QWidget* m_window;
    QPointer<QWidget> m_keyTarget;
    bool m_bOn = false;
    QByteArray m_normalGeometry;
    QRect m_confinedArea;
    QList<QPointer<CCoverWindow>> m_covers;
    LeaveGesture* m_pLeaveGesture = nullptr;
    QPointer<CLeaveRing> m_pLeaveRing;
    CPointerConfinement m_pointer;
    // Screen changes are handled once the burst of notifications is over; a slow check
    // catches what no notification reported.
    QTimer m_screenSync;
    QTimer m_screenWatch;
};
