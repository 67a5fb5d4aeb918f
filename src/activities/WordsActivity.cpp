#include "activities/WordsActivity.h"

#include "activities/TextDrawing.h"
#include "base/Vocabulary.h"
#include "wordlist/WordList.h"

#include <cstdlib>
#include <ctime>

WordsActivity::WordsActivity(const PlaySettings& settings, WordList* list)
    : Activity(settings), m_pList(list)
{
    Reset();
    m_dFillRatio = 0.95;
    std::srand(static_cast<unsigned>(std::time(nullptr)));
}

void WordsActivity::Reset()
{
    m_nWord = 0;
    m_nColor = 1; // Orange
}

void WordsActivity::Advance()
{
    m_nWord = m_pList ? NextWordIndex(m_nWord, m_pList, m_settings.m_bRandomizeWords) : 0;
    NextColor(m_nColor);
}

void WordsActivity::Draw(PlaySurface* view, QPainter* dc, bool playSound)
{
    const QString text = m_pList ? m_pList->GetWordText(m_nWord) : WordList::emptyText();
    DrawFittedText(view ? view->widget() : nullptr, dc, text, m_nColor, m_dFillRatio,
                   displayFont(m_settings));
    // An index that names no word gives an empty path, which the player ignores.
    if (playSound)
        PlayCue(m_pList ? m_pList->GetSoundPath(m_nWord) : QString(), m_settings.m_nSoundDelay);
}
