#pragma once

#include "activities/Activity.h"

class ShapesColorsActivity : public Activity
{
public:
    ShapesColorsActivity();
    void Reset() override;
    void Advance() override;
    void Draw(CPommelotView* view, QPainter* dc, bool playSound) override;
};
