#include "activities/ShapesColorsActivity.h"

#include "activities/ShapeDrawing.h"
#include "base/Vocabulary.h"

#include <QPainter>
#include <QWidget>

ShapesColorsActivity::ShapesColorsActivity(const PlaySettings& settings) : Activity(settings)
{
    Reset();
    m_dFillRatio = 0.9;
    m_nPenWidth = 3;
}

void ShapesColorsActivity::Reset()
{
    m_nShape = 0; // Circle
    m_nColor = 0; // Red
}

void ShapesColorsActivity::Advance()
{
    NextShape(m_nShape);
    NextColor(m_nColor);
}

CRect ShapesColorsActivity::drawingBox(const QSize& client) const
{
    CRect box(0, 0, client.width(), client.height());
    // 1 - 0.9 is a little under 0.1 in double precision: 800 pixels give a margin of 79.
    const double margin = 1.0 - m_dFillRatio;
    box.InflateRect(-static_cast<int>(margin * box.Width()),
                    -static_cast<int>(margin * box.Height()));
    return box;
}

void ShapesColorsActivity::Draw(PlaySurface* view, QPainter* dc, bool playSound)
{
    if (!view || !dc)
        return;
    DrawShape(dc, drawingBox(view->widget()->size()), m_nShape, m_nColor, m_nPenWidth);
    if (!playSound)
        return;
    // Only the first word waits for the sound delay; the second follows it at once.
    const int delay = m_settings.m_nSoundDelay;
    if (m_settings.m_bReverseWordOrder) {
        PlayShapeCue(m_nShape, delay);
        PlayColorCue(m_nColor, 0);
    } else {
        PlayColorCue(m_nColor, delay);
        PlayShapeCue(m_nShape, 0);
    }
}
