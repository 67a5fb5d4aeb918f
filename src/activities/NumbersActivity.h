#pragma once

#include "activities/Activity.h"

#include <cstdint>

// Numbers: counts 1..10 and starts over; every key shows the next number in the next colour
// and speaks it.
class NumbersActivity : public Activity
{
public:
    explicit NumbersActivity(const PlaySettings& settings);
    void Reset() override;
    void Advance() override;
    void Draw(PlaySurface* view, QPainter* dc, bool playSound) override;

    std::uint8_t m_nNumber = 1;
    std::uint8_t m_nMaxNumber = 10;
    int m_nColor = 3;
    double m_dFillRatio = 0.95;
};
