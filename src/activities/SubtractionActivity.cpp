#include "activities/SubtractionActivity.h"

SubtractionActivity::SubtractionActivity(const PlaySettings& settings)
    : SumActivity(settings, 10, '-', "minus")
{
    Reset();
}

void SubtractionActivity::newOperands()
{
    // Both drawn anew until the first is the larger: every pair is equally likely.
    do {
        m_nFirst = RandomOperand();
        m_nSecond = RandomOperand();
    } while (m_nFirst <= m_nSecond);
}

int SubtractionActivity::answer() const
{
    return m_nFirst - m_nSecond;
}

FontDescription SubtractionActivity::textFont() const
{
    return subtractionFont();
}
