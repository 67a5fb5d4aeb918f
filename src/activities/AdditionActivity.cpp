#include "activities/AdditionActivity.h"

// Scaffolding: replaced by the mode's real implementation.
AdditionActivity::AdditionActivity() = default;
void AdditionActivity::Reset() {}
void AdditionActivity::Advance() {}
void AdditionActivity::Draw(CPommelotView*, QPainter*, bool) {}
