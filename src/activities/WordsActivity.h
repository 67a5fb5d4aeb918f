#pragma once

#include "activities/Activity.h"

class WordsActivity : public Activity
{
public:
    WordsActivity();
    void Reset() override;
    void Advance() override;
    void Draw(CPommelotView* view, QPainter* dc, bool playSound) override;
};
