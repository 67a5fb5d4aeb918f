#include "animation/ClientSurface.h"

#include "animation/GDIThread.h"
#include "base/Vocabulary.h"

#include <QMetaObject>
#include <QPainter>
#include <QWidget>
#include <cstring>
#include <mutex>

CClientSurface::CClientSurface(QWidget* view, Repaint repaint)
    : m_pView(view), m_bHasView(view != nullptr), m_repaint(std::move(repaint))
{
    const QSize size = view ? view->size() : QSize();
    m_image = QImage(size.expandedTo(QSize(0, 0)), kFormat);
    m_image.fill(GetBackgroundColor());
}

CClientSurface::~CClientSurface() = default;

void CClientSurface::copyIn(const QImage& picture, const QPoint& topLeft)
{
    const QImage image = picture.format() == kFormat ? picture : picture.convertToFormat(kFormat);
    std::lock_guard<std::mutex> lock(CGDIThread::m_csGDILock);
    const QRect target = QRect(topLeft, image.size()).intersected(m_image.rect());
    if (target.isEmpty())
        return;
    const int srcX = target.left() - topLeft.x();
    const int srcY = target.top() - topLeft.y();
    const size_t bytes = size_t(target.width()) * sizeof(quint32);
    for (int y = 0; y < target.height(); ++y) {
        const auto* src = reinterpret_cast<const quint32*>(image.constScanLine(srcY + y)) + srcX;
        auto* dst = reinterpret_cast<quint32*>(m_image.scanLine(target.top() + y)) + target.left();
        std::memcpy(dst, src, bytes);
    }
    requestRepaint(target);
}

void CClientSurface::requestRepaint(const QRect& rect)
{
    // Called with the GDI lock held. Parts changed while the view is busy are gathered into
    // one repaint, so a slow UI thread never gets a queue full of them.
    if (!m_bHasView)
        return;
    m_rcPendingRepaint |= rect;
    if (m_bRepaintPosted)
        return;
    m_bRepaintPosted = true;
    // Runs on the UI thread, and only while this surface exists (it is the call's context).
    // The call is posted and taken up under the GDI lock, so the hand-over is ordered by our
    // own lock as well as by the event queue.
    QMetaObject::invokeMethod(
        this,
        [this] {
            QRect rc;
            {
                std::lock_guard<std::mutex> lock(CGDIThread::m_csGDILock);
                rc = m_rcPendingRepaint;
                m_rcPendingRepaint = QRect();
                m_bRepaintPosted = false;
            }
            QWidget* view = m_pView.data();
            if (!view || rc.isEmpty())
                return;
            if (m_repaint)
                m_repaint(rc);
            else
                view->update(rc);
        },
        Qt::QueuedConnection);
}

void CClientSurface::paint(QPainter& painter, const QRect& dirty) const
{
    std::lock_guard<std::mutex> lock(CGDIThread::m_csGDILock);
    const QRect part = dirty.intersected(m_image.rect());
    if (!part.isEmpty())
        painter.drawImage(part.topLeft(), m_image, part);
}

void CClientSurface::resize(const QSize& size)
{
    std::lock_guard<std::mutex> lock(CGDIThread::m_csGDILock);
    if (size == m_image.size())
        return;
    QImage grown(size.expandedTo(QSize(0, 0)), kFormat);
    grown.fill(GetBackgroundColor());
    const QRect keep = m_image.rect().intersected(grown.rect());
    for (int y = 0; y < keep.height(); ++y)
        std::memcpy(grown.scanLine(y), m_image.constScanLine(y),
                    size_t(keep.width()) * sizeof(quint32));
    m_image = std::move(grown);
}

void CClientSurface::fill(const QColor& color)
{
    std::lock_guard<std::mutex> lock(CGDIThread::m_csGDILock);
    m_image.fill(color);
}

QImage CClientSurface::image() const
{
    std::lock_guard<std::mutex> lock(CGDIThread::m_csGDILock);
    return m_image.copy();
}

QSize CClientSurface::size() const
{
    std::lock_guard<std::mutex> lock(CGDIThread::m_csGDILock);
    return m_image.size();
}
