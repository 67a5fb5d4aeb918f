#include "fullscreen/CoverWindow.h"

#include "base/Vocabulary.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QWindow>

CCoverWindow::CCoverWindow(QScreen* screen)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus |
                           Qt::WindowStaysOnTopHint),
      m_screen(screen)
{
    // On X11 the cover is placed by the program itself, not by the window manager: it then
    // sits exactly on its monitor, and raising it over a window another program mapped
    // later involves no one else.
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        setWindowFlag(Qt::X11BypassWindowManagerHint);
    setObjectName(QStringLiteral("CoverWindow"));
    setWindowTitle(QStringLiteral("Pommelot"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_QuitOnClose, false);
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::ArrowCursor);
}

void CCoverWindow::cover()
{
    if (!m_screen)
        return;
    if (!windowHandle())
        create();
    windowHandle()->setScreen(m_screen);
    setGeometry(m_screen->geometry());
    if (windowFlags() & Qt::X11BypassWindowManagerHint)
        show();
    else
        showFullScreen();
    raise();
}

void CCoverWindow::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), GetBackgroundColor());
}

void CCoverWindow::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    Q_EMIT coverClicked();
}

void CCoverWindow::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
}

void CCoverWindow::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
}

void CCoverWindow::wheelEvent(QWheelEvent* event)
{
    event->accept();
}

void CCoverWindow::closeEvent(QCloseEvent* event)
{
    // Only the frame removes its covers.
    event->ignore();
}
