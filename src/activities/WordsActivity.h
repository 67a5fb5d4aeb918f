#pragma once

#include "activities/Activity.h"

class WordList;

// Words: one word of the application's words list at a time, as large as fits the view; every
// key shows the next (or a random) word in the next colour and plays the word's recording.
class WordsActivity : public Activity
{
public:
    WordsActivity(const PlaySettings& settings, WordList* list);
    void Reset() override;
    void Advance() override;
    void Draw(PlaySurface* view, QPainter* dc, bool playSound) override;

    // Not owned: the application's words list, read afresh at every draw.
    WordList* m_pList = nullptr;
    int m_nWord = 0;
    int m_nColor = 1;
    double m_dFillRatio = 0.95;
};
