#pragma once

#include "activities/Activity.h"

// Letters: one letter at a time, A..Z then a..z, as large as the view allows; every key shows
// the next letter in the next colour and speaks it.
class LettersActivity : public Activity
{
public:
    explicit LettersActivity(const PlaySettings& settings);
    void Reset() override;
    void Advance() override;
    void Draw(PlaySurface* view, QPainter* dc, bool playSound) override;

    char m_cLetter = 'A';
    int m_nColor = 4;
    double m_dFillRatio = 0.95;
};
