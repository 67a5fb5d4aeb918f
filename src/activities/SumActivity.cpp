#include "activities/SumActivity.h"

#include "activities/Operand.h"
#include "base/Vocabulary.h"

#include <cstdlib>
#include <ctime>

SumActivity::SumActivity(const PlaySettings& settings, std::uint8_t maxOperand, char operatorSign,
                         const char* operatorWord)
    : Activity(settings), m_nMaxOperand(maxOperand), m_cOperator(operatorSign),
      m_strOperatorWord(QString::fromLatin1(operatorWord))
{
    m_dFillRatio = 0.95;
    std::srand(static_cast<unsigned>(std::time(nullptr)));
}

void SumActivity::Reset()
{
    m_bAnswerShown = false;
    newOperands();
    m_nColor = 3; // Green
    FormatText(false);
}

void SumActivity::Advance()
{
    if (m_bAnswerShown) {
        newOperands();
        NextColor(m_nColor);
        m_bAnswerShown = false;
    } else {
        m_bAnswerShown = true;
    }
    FormatText(m_bAnswerShown);
}

int SumActivity::RandomOperand()
{
    return drawOperand(m_nMaxOperand);
}

void SumActivity::newOperands()
{
    m_nFirst = RandomOperand();
    m_nSecond = RandomOperand();
}

void SumActivity::FormatText(bool answerShown)
{
    m_szText = answerShown
                   ? QString::asprintf("%d %c %d = %d", m_nFirst, m_cOperator, m_nSecond, answer())
                   : QString::asprintf("%d %c %d = ?", m_nFirst, m_cOperator, m_nSecond);
}

void SumActivity::Draw(PlaySurface* view, QPainter* dc, bool playSound)
{
    DrawFittedText(view ? view->widget() : nullptr, dc, m_szText, m_nColor, m_dFillRatio,
                   textFont());
    if (!playSound)
        return;
    if (m_bAnswerShown) {
        PlayNumberCue(answer(), 0);
    } else {
        PlayNumberCue(m_nFirst, 0);
        PlayMathCue(m_strOperatorWord, 0);
        PlayNumberCue(m_nSecond, 0);
        PlayMathCue(QStringLiteral("equals"), 0);
    }
}
