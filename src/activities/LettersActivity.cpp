#include "activities/LettersActivity.h"

#include "activities/TextDrawing.h"
#include "base/Vocabulary.h"

LettersActivity::LettersActivity(const PlaySettings& settings) : Activity(settings)
{
    Reset();
    m_dFillRatio = 0.95;
}

void LettersActivity::Reset()
{
    m_cLetter = 'A';
    m_nColor = 4; // Blue
}

void LettersActivity::Advance()
{
    if (m_cLetter == 'Z')
        m_cLetter = 'a';
    else if (m_cLetter == 'z' || m_cLetter < 'A' || m_cLetter > 'z' ||
             (m_cLetter > 'Z' && m_cLetter < 'a'))
        m_cLetter = 'A';
    else
        ++m_cLetter;
    NextColor(m_nColor);
}

void LettersActivity::Draw(PlaySurface* view, QPainter* dc, bool playSound)
{
    DrawBigText(view ? view->widget() : nullptr, dc, QString(QLatin1Char(m_cLetter)), m_nColor,
                m_dFillRatio, displayFont(m_settings));
    // A lower-case letter asks for its own name; the player finds the capital's recording.
    if (playSound)
        PlayLetterCue(QLatin1Char(m_cLetter), m_settings.m_nSoundDelay);
}
