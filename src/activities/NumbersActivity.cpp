#include "activities/NumbersActivity.h"

#include "activities/TextDrawing.h"
#include "base/Vocabulary.h"

NumbersActivity::NumbersActivity(const PlaySettings& settings) : Activity(settings)
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

void NumbersActivity::Draw(PlaySurface* view, QPainter* dc, bool playSound)
{
    DrawBigText(view ? view->widget() : nullptr, dc, QString::number(m_nNumber), m_nColor,
                m_dFillRatio, displayFont(m_settings));
    if (playSound)
        PlayNumberCue(m_nNumber, m_settings.m_nSoundDelay);
}
