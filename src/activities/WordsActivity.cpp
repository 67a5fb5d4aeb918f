#include "activities/WordsActivity.h"

#include "activities/TextDrawing.h"
#include "activities/Vocabulary.h"
#include "app/PommelotApp.h"
#include "app/PommelotView.h"
#include "wordlist/WordList.h"

#include <cstdlib>
#include <ctime>

WordsActivity::WordsActivity()
{
    m_pList = AfxGetApp() ? AfxGetApp()->m_pWordList : nullptr;
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
    m_nWord = m_pList ? NextWordIndex(m_nWord, m_pList) : 0;
    NextColor(m_nColor);
}

void WordsActivity::Draw(CPommelotView* view, QPainter* dc, bool playSound)
{
    const QString text = m_pList ? m_pList->GetWordText(m_nWord) : WordList::emptyText();
    DrawFittedText(view, dc, text, m_nColor, m_dFillRatio, displayFont());
    // An index that names no word gives an empty path, which the player ignores.
    if (playSound)
        PlayCue(m_pList ? m_pList->GetSoundPath(m_nWord) : QString(), AfxGetApp()->m_nSoundDelay);
}
