#include "animation/BitmapThread.h"

#include "animation/ClientSurface.h"
#include "animation/OffscreenDC.h"
#include "base/Vocabulary.h"

#include <cstdlib>
#include <optional>

QString CBitmapThread::frameResource(int id)
{
    return QStringLiteral(":/bird/bird_%1.png").arg(id - IDB_BIRD_FIRST, 2, 10, QLatin1Char('0'));
}

CBitmapThread::CBitmapThread(QWidget* view, CClientSurface* target, int x, int y, int velX,
                             int velY, int firstId, int nFrames, bool talkFrames)
    : CGDIThread(view, target), m_nVelX(velX), m_nVelY(velY),
      m_nFrames(talkFrames ? 2 * nFrames : nFrames), m_bTalkFrames(talkFrames)
{
    m_pFrames.reserve(size_t(m_nFrames));
    m_mirroredFrames.reserve(size_t(m_nFrames));
    for (int i = 0; i < m_nFrames; ++i) {
        QImage image(frameResource(firstId + i));
        image = image.convertToFormat(CClientSurface::kFormat);
        m_mirroredFrames.push_back(image.mirrored(true, false));
        m_pFrames.push_back(std::move(image));
    }
    m_nFrame = 0;
    if (!m_pFrames.empty()) {
        m_nFrameWidth = m_pFrames[0].width();
        m_nFrameHeight = m_pFrames[0].height();
    }
    m_rcPos = CRect(x, y, x + m_nFrameWidth, y + m_nFrameHeight);
    m_nTalkSteps = 0;
}

CBitmapThread::~CBitmapThread()
{
    stopAndJoin();
}

void CBitmapThread::Talk()
{
    if (m_bTalkFrames)
        m_nTalkSteps = kTalkSteps;
}

void CBitmapThread::Step()
{
    // Declared before the lock so that it is destroyed after the lock is released: the copy of
    // the composed square into the surface takes the lock by itself.
    std::optional<COffscreenDC> dc;
    {
        std::lock_guard<std::mutex> lock(m_csGDILock);

        // The old position with a margin that the next one always lies in at these speeds.
        CRect rc = m_rcPos;
        const int q = rc.Width() / 4;
        rc.InflateRect(q, q);
        dc.emplace(m_pTarget, rc);
        dc->fillRect(rc.toQRect(), GetBackgroundColor());

        m_rcPos.OffsetRect(m_nVelX, m_nVelY);

        // Four independent tests; touching an edge is no bounce.
        if (m_rcPos.top < m_rcBounds.top)
            m_nVelY = std::abs(m_nVelY);
        if (m_rcPos.bottom > m_rcBounds.bottom)
            m_nVelY = -std::abs(m_nVelY);
        if (m_rcPos.left < m_rcBounds.left)
            m_nVelX = std::abs(m_nVelX);
        if (m_rcPos.right > m_rcBounds.right)
            m_nVelX = -std::abs(m_nVelX);

        int index = m_nFrame;
        // Count a talk step down without overwriting a Talk that comes in meanwhile.
        int talk = m_nTalkSteps.load();
        while (talk > 0 && !m_nTalkSteps.compare_exchange_weak(talk, talk - 1)) {
        }
        if (talk > 0)
            index += m_nFrames / 2;

        const int cycle = m_bTalkFrames ? m_nFrames / 2 : m_nFrames;
        if (cycle > 0)
            m_nFrame = (m_nFrame + 1) % cycle;

        if (index >= 0 && index < m_nFrames) {
            // The frames face right; flying left shows them turned.
            const QImage& image =
                m_nVelX < 0 ? m_mirroredFrames[size_t(index)] : m_pFrames[size_t(index)];
            dc->drawImage(QPoint(m_rcPos.left, m_rcPos.top), image);
        }
    }
}
