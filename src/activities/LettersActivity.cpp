#include "activities/LettersActivity.h"

// Scaffolding: replaced by the mode's real implementation.
LettersActivity::LettersActivity() = default;
void LettersActivity::Reset() {}
void LettersActivity::Advance() {}
void LettersActivity::Draw(CPommelotView*, QPainter*, bool) {}
