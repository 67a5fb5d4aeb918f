#pragma once

#include "activities/Activity.h"

class LettersActivity : public Activity
{
public:
    LettersActivity();
    void Reset() override;
    void Advance() override;
    void Draw(CPommelotView* view, QPainter* dc, bool playSound) override;
};
