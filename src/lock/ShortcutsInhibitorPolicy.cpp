#include "lock/ShortcutsInhibitorPolicy.h"

#include <algorithm>

void CShortcutsInhibitorPolicy::requested(qint64 now)
{
    m_requested = true;
    m_answer = Answer::None;
    m_requestedAt = now;
}

void CShortcutsInhibitorPolicy::released()
{
    m_requested = false;
    m_answer = Answer::None;
}

void CShortcutsInhibitorPolicy::activated()
{
    if (m_requested)
        m_answer = Answer::Active;
}

int CShortcutsInhibitorPolicy::inactivated(qint64 now, bool inFront)
{
    if (!m_requested)
        return kNever;
    if (m_answer != Answer::Active) {
        // Never granted: the steady pace asks again.
        if (m_answer == Answer::None)
            m_answer = Answer::Refused;
        return kNever;
    }
    m_answer = Answer::Lifted;
    return inFront ? reaskDelay(now) : kNever;
}

int CShortcutsInhibitorPolicy::cameToFront(qint64 now)
{
    if (!m_requested)
        return 0;
    if (m_answer == Answer::Lifted)
        return reaskDelay(now);
    return kNever;
}

bool CShortcutsInhibitorPolicy::renewDue(qint64 now, bool inFront) const
{
    if (!m_requested || !inFront || m_answer == Answer::Active)
        return false;
    return now - m_requestedAt >= kRenewMs;
}

bool CShortcutsInhibitorPolicy::releaseOnSwitchOff(bool windowGone, bool inFront)
{
    return windowGone || inFront;
}

int CShortcutsInhibitorPolicy::reaskDelay(qint64 now)
{
    // A lift soon after the last time we asked again counts towards a streak; a quiet spell
    // ends it.
    if (m_lastReaskAt >= 0 && now - m_lastReaskAt < kQuietMs)
        ++m_streak;
    else
        m_streak = 0;
    int delay = 0;
    if (m_streak > 0)
        delay = std::min(kFirstBackoffMs << std::min(m_streak - 1, 5), kRenewMs);
    m_lastReaskAt = now + delay;
    return delay;
}
