#pragma once

#include "activities/Activity.h"
#include "base/Rect.h"

#include <QSize>

// Shapes and Colors: one filled shape at a time, as large as the view allows; every key shows
// the next shape in the next colour and speaks its colour and its shape.
class ShapesColorsActivity : public Activity
{
public:
    explicit ShapesColorsActivity(const PlaySettings& settings);
    void Reset() override;
    void Advance() override;
    void Draw(PlaySurface* view, QPainter* dc, bool playSound) override;

    // The box the shapes are drawn in for a client area of this size (the Rectangle fills
    // it, every other shape its centred square).
    CRect drawingBox(const QSize& client) const;

    int m_nShape = 0;
    int m_nColor = 0;
    int m_nPenWidth = 3;
    double m_dFillRatio = 0.9;
};
