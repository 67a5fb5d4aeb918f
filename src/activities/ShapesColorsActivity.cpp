#include "activities/ShapesColorsActivity.h"

// Scaffolding: replaced by the mode's real implementation.
ShapesColorsActivity::ShapesColorsActivity() = default;
void ShapesColorsActivity::Reset() {}
void ShapesColorsActivity::Advance() {}
void ShapesColorsActivity::Draw(CPommelotView*, QPainter*, bool) {}
