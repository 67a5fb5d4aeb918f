#pragma once

#include "activities/Activity.h"

class AdditionActivity : public Activity
{
public:
    AdditionActivity();
    void Reset() override;
    void Advance() override;
    void Draw(CPommelotView* view, QPainter* dc, bool playSound) override;
};
