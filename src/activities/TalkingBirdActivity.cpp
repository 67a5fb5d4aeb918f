#include "activities/TalkingBirdActivity.h"

// Scaffolding: replaced by the mode's real implementation.
TalkingBirdActivity::TalkingBirdActivity() = default;
TalkingBirdActivity::~TalkingBirdActivity() = default;
void TalkingBirdActivity::Reset() {}
void TalkingBirdActivity::Advance() {}
void TalkingBirdActivity::Draw(CPommelotView*, QPainter*, bool) {}
void TalkingBirdActivity::OnSize(int, int, int) {}
void TalkingBirdActivity::Activate(CPommelotView*) {}
void TalkingBirdActivity::Deactivate() {}
