#include "animation/GDIThread.h"

#include <QWidget>
#include <atomic>
#include <chrono>
#include <system_error>

std::mutex CGDIThread::m_csGDILock;

namespace {
std::atomic<bool> g_failThreadCreation{false};
constexpr std::chrono::milliseconds kFrameWait{75};
} // namespace

CGDIThread::CGDIThread(QWidget* view, CClientSurface* target)
    : m_pView(view), m_rcBounds(view ? CRect::fromQRect(view->rect()) : CRect()), m_pTarget(target)
{
}

CGDIThread::~CGDIThread()
{
    // An owner that deletes a running thread object without StopAndDestroy still must not leave
    // the thread drawing through a dead object.
    stopAndJoin();
}

void CGDIThread::Talk() {}

void CGDIThread::failThreadCreationForTests(bool fail)
{
    g_failThreadCreation = fail;
}

bool CGDIThread::CreateThread()
{
    if (m_thread.joinable() || g_failThreadCreation)
        return false;
    try {
        m_thread = std::thread(&CGDIThread::threadMain, this);
    } catch (const std::system_error&) {
        return false;
    }
    return true;
}

void CGDIThread::ResumeThread()
{
    m_hResumeEvent.Set();
}

void CGDIThread::SetThreadPriority(Priority) {}

void CGDIThread::threadMain()
{
    m_hResumeEvent.Wait();
    InitInstance();
    Delete();
}

void CGDIThread::InitInstance()
{
    while (!m_hStopEvent.WaitFor(kFrameWait))
        Step();
}

void CGDIThread::Delete()
{
    m_hStoppedEvent.Set();
}

void CGDIThread::UpdateBounds()
{
    std::lock_guard<std::mutex> lock(m_csGDILock);
    m_rcBounds = m_pView ? CRect::fromQRect(m_pView->rect()) : CRect();
}

CRect CGDIThread::bounds() const
{
    std::lock_guard<std::mutex> lock(m_csGDILock);
    return m_rcBounds;
}

void CGDIThread::stopAndJoin()
{
    if (!m_thread.joinable())
        return;
    m_hStopEvent.Set();
    SetThreadPriority(kPriorityAboveNormal);
    // A thread that was never resumed is let go too; its first wait sees the stop at once.
    m_hResumeEvent.Set();
    m_hStoppedEvent.Wait();
    m_thread.join();
}

void CGDIThread::StopAndDestroy()
{
    stopAndJoin();
    delete this;
}
