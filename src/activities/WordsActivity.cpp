#include "activities/WordsActivity.h"

// Scaffolding: replaced by the mode's real implementation.
WordsActivity::WordsActivity() = default;
void WordsActivity::Reset() {}
void WordsActivity::Advance() {}
void WordsActivity::Draw(CPommelotView*, QPainter*, bool) {}
