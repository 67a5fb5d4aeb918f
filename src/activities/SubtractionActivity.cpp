#include "activities/SubtractionActivity.h"

// Scaffolding: replaced by the mode's real implementation.
SubtractionActivity::SubtractionActivity() = default;
void SubtractionActivity::Reset() {}
void SubtractionActivity::Advance() {}
void SubtractionActivity::Draw(CPommelotView*, QPainter*, bool) {}
