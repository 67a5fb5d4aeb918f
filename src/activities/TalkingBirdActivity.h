#pragma once

#include "activities/Activity.h"

class TalkingBirdActivity : public Activity
{
public:
    TalkingBirdActivity();
    ~TalkingBirdActivity() override;
    void Reset() override;
    void Advance() override;
    void Draw(CPommelotView* view, QPainter* dc, bool playSound) override;
    void OnSize(int type, int cx, int cy) override;
    void Activate(CPommelotView* view) override;
    void Deactivate() override;
    bool NeedsFullRepaint() override { return false; }
};
