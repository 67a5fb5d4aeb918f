#pragma once

#include "base/Rect.h"

#include <QImage>
#include <QPainter>

class CClientSurface;

// Composes one rectangle of a surface off screen. It paints in the surface's coordinates into
// an image of the rectangle's size; when it is destroyed, the whole rectangle is copied into the
// surface in one piece, at the same place. Nothing outside the rectangle is touched.
class COffscreenDC : public QPainter
{
public:
    COffscreenDC(CClientSurface* target, const CRect& rc);
    ~COffscreenDC();
    COffscreenDC(const COffscreenDC&) = delete;
    COffscreenDC& operator=(const COffscreenDC&) = delete;

    const CRect& rect() const { return m_rc; }

private:
    QImage m_pBitmap;
    CClientSurface* m_pTargetDC;
    CRect m_rc;
};
