#pragma once

#include "activities/SumActivity.h"

// Addition: operands 1 to 5, in the display font.
class AdditionActivity : public SumActivity
{
public:
    AdditionActivity();
    int answer() const override;

protected:
    FontDescription textFont() const override;
};
