#pragma once

#include "activities/Activity.h"
#include "activities/TextDrawing.h"

#include <QString>
#include <cstdint>

// A small sum, first the question (3 + 2 = ?) and at the next key its answer (3 + 2 = 5);
// the key after that shows a new question in the next colour. The sums are spoken at once,
// whatever the sound delay. Addition and Subtraction differ only in their operand range,
// how a pair is drawn, the operator and the font.
class SumActivity : public Activity
{
public:
    void Reset() override;
    void Advance() override;
    void Draw(PlaySurface* view, QPainter* dc, bool playSound) override;

    int RandomOperand();
    void FormatText(bool answerShown);
    // The sum's result.
    virtual int answer() const = 0;

    int m_nFirst = 1;
    int m_nSecond = 1;
    std::uint8_t m_nMaxOperand = 5;
    int m_nColor = 3;
    double m_dFillRatio = 0.95;
    QString m_szText;
    bool m_bAnswerShown = false;

protected:
    // operatorSign is shown ('+', '-'); operatorWord is the Math recording ("plus").
    SumActivity(const PlaySettings& settings, std::uint8_t maxOperand, char operatorSign,
                const char* operatorWord);
    // Draws a new pair of operands; by default two independent draws.
    virtual void newOperands();
    virtual FontDescription textFont() const = 0;

private:
    char m_cOperator;
    QString m_strOperatorWord;
};
