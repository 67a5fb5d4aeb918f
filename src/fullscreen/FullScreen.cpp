#include "fullscreen/FullScreen.h"

#include "fullscreen/CoverWindow.h"
#include "fullscreen/LeaveGesture.h"
#include "fullscreen/LeaveRing.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>

CFullScreen::CFullScreen(QWidget* window) : QObject(window), m_window(window)
{
    m_pLeaveGesture = new LeaveGesture(this);
    connect(m_pLeaveGesture, &LeaveGesture::completed, this, &CFullScreen::onLeaveGestureCompleted);
    m_pLeaveRing = new CLeaveRing(window);
    connect(m_pLeaveGesture, &LeaveGesture::progressChanged, m_pLeaveRing.data(),
            &CLeaveRing::setProgress);
    m_screenSync.setSingleShot(true);
    m_screenSync.setInterval(150);
    connect(&m_screenSync, &QTimer::timeout, this, &CFullScreen::syncScreens);
    m_screenWatch.setInterval(700);
    connect(&m_screenWatch, &QTimer::timeout, this, &CFullScreen::syncScreens);
    connect(qApp, &QGuiApplication::screenAdded, this, &CFullScreen::scheduleScreenSync);
    connect(qApp, &QGuiApplication::screenRemoved, this, &CFullScreen::scheduleScreenSync);
    qApp->installEventFilter(this);
}

CFullScreen::~CFullScreen()
{
    qApp->removeEventFilter(this);
    m_pointer.release();
    for (const QPointer<CCoverWindow>& cover : m_covers)
        delete cover.data();
    m_covers.clear();
    delete m_pLeaveRing.data();
}

void CFullScreen::setOn(bool on)
{
    if (on == m_bOn)
        return;
    m_bOn = on;
    m_pLeaveGesture->reset();
    if (on) {
        // Input is watched before the window's own filters can take it away.
        qApp->installEventFilter(this);
        m_normalGeometry = m_window->saveGeometry();
        Q_EMIT switching(true);
        m_window->showFullScreen();
        syncScreens();
        m_screenWatch.start();
    } else {
        m_screenWatch.stop();
        m_screenSync.stop();
        m_pointer.release();
        if (m_pLeaveRing)
            m_pLeaveRing->setProgress(0.0);
        for (const QPointer<CCoverWindow>& cover : m_covers)
            delete cover.data();
        m_covers.clear();
        Q_EMIT switching(false);
        m_window->showNormal();
        if (!m_normalGeometry.isEmpty())
            m_window->restoreGeometry(m_normalGeometry);
    }
    m_window->activateWindow();
    if (m_keyTarget)
        m_keyTarget->setFocus();
}

QList<CCoverWindow*> CFullScreen::coverWindows() const
{
    QList<CCoverWindow*> list;
    for (const QPointer<CCoverWindow>& cover : m_covers) {
        if (cover)
            list << cover.data();
    }
    return list;
}

void CFullScreen::scheduleScreenSync()
{
    if (m_bOn)
        m_screenSync.start();
}

void CFullScreen::syncScreens()
{
    if (!m_bOn)
        return;
    QWindow* handle = m_window->windowHandle();
    QScreen* own = handle ? handle->screen() : m_window->screen();
    const QList<QScreen*> screens = QGuiApplication::screens();
    if (!own || !screens.contains(own))
        own = screens.isEmpty() ? nullptr : screens.first();
    if (!own)
        return;
    // The window fills its own screen.
    if (handle && handle->screen() != own)
        handle->setScreen(own);
    if (m_window->geometry() != own->geometry() || !m_window->isFullScreen()) {
        m_window->setGeometry(own->geometry());
        m_window->showFullScreen();
    }

    // Covers whose screen went away, or that sit on the window's screen, go.
    for (auto it = m_covers.begin(); it != m_covers.end();) {
        CCoverWindow* cover = it->data();
        if (!cover || !cover->coveredScreen() || cover->coveredScreen() == own ||
            !screens.contains(cover->coveredScreen())) {
            delete cover;
            it = m_covers.erase(it);
        } else {
            ++it;
        }
    }
    QRect area = own->geometry();
    for (QScreen* s : screens) {
        area |= s->geometry();
        if (s == own)
            continue;
        CCoverWindow* cover = nullptr;
        for (const QPointer<CCoverWindow>& c : m_covers) {
            if (c && c->coveredScreen() == s)
                cover = c.data();
        }
        if (!cover) {
            cover = new CCoverWindow(s);
            connect(cover, &CCoverWindow::coverClicked, this, [this] {
                // Only when needed: every activation request goes through the window manager.
                if (!m_window->isActiveWindow())
                    m_window->activateWindow();
                if (m_keyTarget)
                    m_keyTarget->setFocus();
            });
            m_covers << cover;
            cover->cover();
        } else if (cover->geometry() != s->geometry() || !cover->isVisible()) {
            cover->cover();
        } else {
            // A window that another program mapped since must not stay above the cover.
            cover->raise();
        }
    }
    // Another program's window took the keys: the window takes them back.
    if (!QApplication::activeWindow() && !QApplication::activeModalWidget())
        m_window->activateWindow();
    // The pointer stays on the covered screens.
    if (!m_pointer.isActive() || m_pointer.isHeld() == false || area != m_confinedArea) {
        m_confinedArea = area;
        m_pointer.confine(m_window, area);
    }
}

void CFullScreen::onLeaveGestureCompleted()
{
    if (!m_bOn)
        return;
    setOn(false);
    Q_EMIT left();
}

bool CFullScreen::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type t = event->type();
    if (watched == m_window) {
        // While full screen a close request (the window manager's close, Alt+F4) does not
        // end the program; the parent's gesture leaves full screen first.
        if (t == QEvent::Close && m_bOn) {
            event->ignore();
            return true;
        }
        if (t == QEvent::ActivationChange && !m_window->isActiveWindow())
            m_pLeaveGesture->reset();
        // A window manager that takes full screen away (or minimises) gets it back.
        if (t == QEvent::WindowStateChange && m_bOn &&
            !(m_window->windowState() & Qt::WindowFullScreen))
            scheduleScreenSync();
    }
    if (!m_bOn)
        return false;
    // Any input renews the pointer's hold.
    if (watched->isWindowType() &&
        (t == QEvent::MouseButtonPress || t == QEvent::MouseButtonRelease ||
         t == QEvent::KeyPress || t == QEvent::KeyRelease))
        m_pointer.renewSoon();
    // The parent's chord is watched where a key first arrives (a key event that travels on
    // to the parents passes this filter again).
    if ((t == QEvent::KeyPress || t == QEvent::KeyRelease) && watched->isWidgetType()) {
        QWidget* first = QApplication::focusWidget();
        if (watched == first || (!first && watched == m_window))
            m_pLeaveGesture->feed(static_cast<QKeyEvent*>(event));
    }
    return false;
}
