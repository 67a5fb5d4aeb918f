#include "activities/AdditionActivity.h"

AdditionActivity::AdditionActivity(const PlaySettings& settings)
    : SumActivity(settings, 5, '+', "plus")
{
    Reset();
}

int AdditionActivity::answer() const
{
    return m_nFirst + m_nSecond;
}

FontDescription AdditionActivity::textFont() const
{
    return displayFont(m_settings);
}
