#include "activities/SubtractionActivity.h"

#include "activities/Operand.h"
#include "activities/TextDrawing.h"
#include "activities/Vocabulary.h"
#include "app/PommelotView.h"

#include <cstdlib>
#include <ctime>

SubtractionActivity::SubtractionActivity()
{
    m_dFillRatio = 0.95;
    m_nMaxOperand = 10;
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    Reset();
}

void SubtractionActivity::Reset()
{
    m_bAnswerShown = false;
    newOperands();
    m_nColor = 3; // Green
    FormatText(false);
}

void SubtractionActivity::Advance()
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

int SubtractionActivity::RandomOperand()
{
    return drawOperand(m_nMaxOperand);
}

void SubtractionActivity::newOperands()
{
    // Both drawn anew until the first is the larger: every pair is equally likely.
    do {
        m_nFirst = RandomOperand();
        m_nSecond = RandomOperand();
    } while (m_nFirst <= m_nSecond);
}

int SubtractionActivity::answer() const
{
    return m_nFirst - m_nSecond;
}

void SubtractionActivity::FormatText(bool answerShown)
{
    m_szText = answerShown ? QString::asprintf("%d - %d = %d", m_nFirst, m_nSecond, answer())
                           : QString::asprintf("%d - %d = ?", m_nFirst, m_nSecond);
}

void SubtractionActivity::Draw(CPommelotView* view, QPainter* dc, bool playSound)
{
    DrawFittedText(view, dc, m_szText, m_nColor, m_dFillRatio, subtractionFont());
    if (!playSound)
        return;
    // The sums are spoken at once, whatever the sound delay.
    if (m_bAnswerShown) {
        PlayNumberCue(answer(), 0);
    } else {
        PlayNumberCue(m_nFirst, 0);
        PlayMathCue(QStringLiteral("minus"), 0);
        PlayNumberCue(m_nSecond, 0);
        PlayMathCue(QStringLiteral("equals"), 0);
    }
}
