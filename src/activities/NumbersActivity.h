#pragma once

#include "activities/Activity.h"

class NumbersActivity : public Activity
{
public:
    NumbersActivity();
    void Reset() override;
    void Advance() override;
    void Draw(CPommelotView* view, QPainter* dc, bool playSound) override;
};
