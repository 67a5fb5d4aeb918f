#pragma once

#include "activities/Activity.h"

#include <QString>
#include <cstdint>

// Subtraction: as Addition, with operands up to 10 and the first always the larger, so
// the answer is at least 1. Drawn in a fixed serif font whatever the display font is.
class SubtractionActivity : public Activity
{
public:
    SubtractionActivity();
    void Reset() override;
    void Advance() override;
    void Draw(CPommelotView* view, QPainter* dc, bool playSound) override;

    int RandomOperand();
    void FormatText(bool answerShown);
    // The sum's result.
    int answer() const;

    int m_nFirst = 1;
    int m_nSecond = 1;
    std::uint8_t m_nMaxOperand = 10;
    int m_nColor = 3;
    double m_dFillRatio = 0.95;
    QString m_szText;
    bool m_bAnswerShown = false;

private:
    void newOperands();
};
