#pragma once

#include "activities/Activity.h"

class SubtractionActivity : public Activity
{
public:
    SubtractionActivity();
    void Reset() override;
    void Advance() override;
    void Draw(CPommelotView* view, QPainter* dc, bool playSound) override;
};
