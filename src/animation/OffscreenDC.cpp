#include "animation/OffscreenDC.h"

#include "animation/ClientSurface.h"

COffscreenDC::COffscreenDC(CClientSurface* target, const CRect& rc)
    : m_pBitmap(rc.IsEmpty() ? QSize() : QSize(rc.Width(), rc.Height()), CClientSurface::kFormat),
      m_pTargetDC(target), m_rc(rc)
{
    if (m_pBitmap.isNull())
        return;
    begin(&m_pBitmap);
    // Drawing in the target's coordinates lands in the image.
    translate(-rc.left, -rc.top);
}

COffscreenDC::~COffscreenDC()
{
    if (isActive())
        end();
    if (m_pTargetDC && !m_pBitmap.isNull())
        m_pTargetDC->copyIn(m_pBitmap, QPoint(m_rc.left, m_rc.top));
}
