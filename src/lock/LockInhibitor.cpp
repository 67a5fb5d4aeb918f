#include "lock/LockInhibitor.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPlatformSurfaceEvent>
#include <QWidget>

CLockInhibitor::CLockInhibitor(const QString& source, CLockStatus::Part part, const char* label,
                               QObject* parent)
    : QObject(parent), m_source(source), m_part(part), m_label(label)
{
}

void CLockInhibitor::reportState(CLockStatus::State state, const QString& why) const
{
    CLockStatus::instance()->report(
        m_source,
        CLockStatus::Entry{m_part, state,
                           QCoreApplication::translate(metaObject()->className(), m_label), why});
}

void CLockInhibitor::followWindow(QWidget* window)
{
    QWindow* handle = window ? window->window()->windowHandle() : nullptr;
    if (handle == m_window)
        return;
    if (m_window)
        m_window->removeEventFilter(this);
    release();
    m_window = handle;
    if (handle)
        handle->installEventFilter(this);
}

void CLockInhibitor::stopFollowing()
{
    if (m_window)
        m_window->removeEventFilter(this);
    m_window = nullptr;
    release();
}

bool CLockInhibitor::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_window) {
        switch (event->type()) {
        case QEvent::PlatformSurface:
            // The surface goes away with the window's platform window: what it holds first.
            if (static_cast<QPlatformSurfaceEvent*>(event)->surfaceEventType() ==
                QPlatformSurfaceEvent::SurfaceAboutToBeDestroyed)
                release();
            break;
        case QEvent::Expose:
        case QEvent::Show:
            if (m_wanted)
                request();
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}
