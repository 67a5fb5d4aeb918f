#pragma once

#include <QImage>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QWidget>
#include <functional>

class QPainter;

// What a drawing thread draws into in place of the view's window: an image of the view's
// client size, grey at first. Drawing threads copy finished pictures into it; the view shows it
// in its paints. The image is shared between threads and every access takes the GDI lock.
//
// The surface lives on the UI thread and is the context of the repaint requests that drawing
// threads post, so a request still queued when the surface is deleted is dropped with it and
// never reaches the view.
class CClientSurface : public QObject
{
public:
    // How a changed part is shown: by default the view's update(rect).
    using Repaint = std::function<void(const QRect&)>;

    // view may be null (nothing is asked to repaint); the surface takes the view's size.
    // repaint, when given, is called on the UI thread in place of the view's update(), and
    // only while the view exists.
    explicit CClientSurface(QWidget* view, Repaint repaint = Repaint());
    ~CClientSurface() override;

    QWidget* view() const { return m_pView.data(); }

    // Any thread: copies image into the surface with its top-left corner at topLeft (parts
    // outside the surface are dropped), then asks the view to repaint that part.
    void copyIn(const QImage& image, const QPoint& topLeft);

    // UI thread: paints the dirty part of the surface onto the view.
    void paint(QPainter& painter, const QRect& dirty) const;
    // UI thread: follows the view's new size. What was drawn stays where it was; new parts
    // are grey.
    void resize(const QSize& size);
    // Fills the whole surface with one colour.
    void fill(const QColor& color);

    // A copy of the surface as it is now.
    QImage image() const;
    QSize size() const;

    // The pixel format of the surface and of pictures composed for it.
    static constexpr QImage::Format kFormat = QImage::Format_RGB32;

private:
    void requestRepaint(const QRect& rect);

    // Read on the UI thread only; drawing threads look at m_bHasView.
    QPointer<QWidget> m_pView;
    const bool m_bHasView;
    const Repaint m_repaint;
    // The part changed since the last repaint request was taken up (GDI lock).
    QRect m_rcPendingRepaint;
    bool m_bRepaintPosted = false;
    QImage m_image;
};
