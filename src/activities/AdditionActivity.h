#pragma once

#include "activities/Activity.h"

#include <QString>
#include <cstdint>

// Addition: a small sum, first the question (3 + 2 = ?) and at the next key its answer
// (3 + 2 = 5); the key after that shows a new question in the next colour.
class AdditionActivity : public Activity
{
public:
    AdditionActivity();
    void Reset() override;
    void Advance() override;
    void Draw(CPommelotView* view, QPainter* dc, bool playSound) override;

    int RandomOperand();
    void FormatText(bool answerShown);
    // The sum's result.
    int answer() const;

    int m_nFirst = 1;
    int m_nSecond = 1;
    std::uint8_t m_nMaxOperand = 5;
    int m_nColor = 3;
    double m_dFillRatio = 0.95;
    QString m_szText;
    bool m_bAnswerShown = false;

private:
    void newOperands();
};
