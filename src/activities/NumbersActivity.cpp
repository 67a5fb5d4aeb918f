#include "activities/NumbersActivity.h"

#include "activities/TextDrawing.h"
#include "activities/Vocabulary.h"
#include "app/PommelotApp.h"
#include "app/PommelotView.h"

NumbersActivity::NumbersActivity()
{
    Reset();
    m_dFillRatio = 0.95;
    m_nMaxNumber = 10;
}

void NumbersActivity::Reset()
{
    m_nNumber = 1;
    m_nColor = 3; // Green
}

void NumbersActivity::Advance()
{
    if (m_nNumber >= m_nMaxNumber)
        m_nNumber = 1;
    else
        ++m_nNumber;
    NextColor(m_nColor);
}

void NumbersActivity::Draw(CPommelotView* view, QPainter* dc, bool playSound)
{
    DrawBigText(view, dc, QString::number(m_nNumber), m_nColor, m_dFillRatio);
    if (playSound)
        PlayNumberCue(m_nNumber, AfxGetApp()->m_nSoundDelay);
}
