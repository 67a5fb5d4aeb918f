#pragma once

#include "activities/SumActivity.h"

// Subtraction: operands 1 to 10 with the first always the larger, so the answer is at
// least 1. Drawn in a fixed serif font whatever the display font is.
class SubtractionActivity : public SumActivity
{
public:
    explicit SubtractionActivity(const PlaySettings& settings);
    int answer() const override;

protected:
    void newOperands() override;
    FontDescription textFont() const override;
};
