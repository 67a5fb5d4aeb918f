#pragma once

#include "activities/SumActivity.h"

// Addition: operands 1 to 5, in the display font.
class AdditionActivity : public SumActivity
{
public:
    explicit AdditionActivity(const PlaySettings& settings);
    int answer() const override;

protected:
    FontDescription textFont() const override;
};
