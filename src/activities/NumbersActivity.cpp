#include "activities/NumbersActivity.h"

// Scaffolding: replaced by the mode's real implementation.
NumbersActivity::NumbersActivity() = default;
void NumbersActivity::Reset() {}
void NumbersActivity::Advance() {}
void NumbersActivity::Draw(CPommelotView*, QPainter*, bool) {}
