#include "activities/AdditionActivity.h"

#include "activities/Operand.h"
#include "activities/TextDrawing.h"
#include "activities/Vocabulary.h"
#include "app/PommelotView.h"

#include <cstdlib>
#include <ctime>

AdditionActivity::AdditionActivity()
{
    m_dFillRatio = 0.95;
    m_nMaxOperand = 5;
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    Reset();
}

void AdditionActivity::Reset()
{
    m_bAnswerShown = false;
    newOperands();
    m_nColor = 3; // Green
    FormatText(false);
}

void AdditionActivity::Advance()
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

int AdditionActivity::RandomOperand()
{
    return drawOperand(m_nMaxOperand);
}

void AdditionActivity::newOperands()
{
    m_nFirst = RandomOperand();
    m_nSecond = RandomOperand();
}

int AdditionActivity::answer() const
{
    return m_nFirst + m_nSecond;
}

void AdditionActivity::FormatText(bool answerShown)
{
    m_szText = answerShown ? QString::asprintf("%d + %d = %d", m_nFirst, m_nSecond, answer())
                           : QString::asprintf("%d + %d = ?", m_nFirst, m_nSecond);
}

void AdditionActivity::Draw(CPommelotView* view, QPainter* dc, bool playSound)
{
    DrawFittedText(view, dc, m_szText, m_nColor, m_dFillRatio, displayFont());
    if (!playSound)
        return;
    // The sums are spoken at once, whatever the sound delay.
    if (m_bAnswerShown) {
        PlayNumberCue(answer(), 0);
    } else {
        PlayNumberCue(m_nFirst, 0);
        PlayMathCue(QStringLiteral("plus"), 0);
        PlayNumberCue(m_nSecond, 0);
        PlayMathCue(QStringLiteral("equals"), 0);
    }
}
