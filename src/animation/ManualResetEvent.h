#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>

// An event that stays signalled once set, until it is reset: every waiter, present and
// future, sees it. Used between a drawing thread and its owner.
class CManualResetEvent
{
public:
    CManualResetEvent() = default;
    CManualResetEvent(const CManualResetEvent&) = delete;
    CManualResetEvent& operator=(const CManualResetEvent&) = delete;

    void Set();
    void Reset();
    bool IsSet() const;
    // Blocks until the event is set.
    void Wait();
    // Blocks until the event is set or the time-out has passed; true when it is set.
    bool WaitFor(std::chrono::milliseconds timeout);

private:
    mutable std::mutex m_mutex;
    std::condition_variable m_cond;
    bool m_bSet = false;
};
