#pragma once

#include "animation/ManualResetEvent.h"
#include "base/Rect.h"

#include <mutex>
#include <thread>

class CClientSurface;
class QWidget;

// Base of the drawing threads: a worker thread that animates one figure in the play view on its
// own. It wakes every 75 ms, draws one frame (Step) into the view's client surface and goes back
// to waiting on its stop event, so a stop takes effect within the rest of one step.
//
// The owner's protocol, on the UI thread:
//     auto* t = new CSomeThread(view, surface, ...);
//     if (!t->CreateThread()) { delete t; /* no thread */ }
//     else { record t; t->SetThreadPriority(kPriorityNormal); t->ResumeThread(); }
//     ...
//     t->StopAndDestroy(); // returns once the thread has ended; t is deleted
//
// A thread object runs once; its events are never reset. The thread never deletes its own
// object.
class CGDIThread
{
public:
    enum Priority
    {
        kPriorityNormal,
        kPriorityAboveNormal
    };

    // UI thread. view gives the bounds (its client rectangle; may be null for none), target is
    // what Step draws into (not owned; it must outlive the thread). Does not start the thread.
    CGDIThread(QWidget* view, CClientSurface* target);
    virtual ~CGDIThread();
    CGDIThread(const CGDIThread&) = delete;
    CGDIThread& operator=(const CGDIThread&) = delete;

    // Draws one frame. Called on the drawing thread, and by tests directly on an object whose
    // thread was never created.
    virtual void Step() = 0;
    // A key press or a drawing of the mode. UI thread. Does nothing here.
    virtual void Talk();

    // Creates the thread suspended: it runs no step until ResumeThread. False when the system
    // could not create it; the caller then deletes the object.
    bool CreateThread();
    void ResumeThread();
    // Linux gives an unprivileged process no higher scheduling class for one of its threads,
    // and a stopping thread wakes at once anyway, so a priority changes nothing here.
    void SetThreadPriority(Priority priority);

    // UI thread: re-reads the view's client rectangle into the bounds, under the GDI lock.
    void UpdateBounds();
    // UI thread: asks the thread to stop, waits until it has ended and deletes the object.
    void StopAndDestroy();

    // The bounds, read under the GDI lock.
    CRect bounds() const;
    // True once a stop has been asked for.
    bool stopRequested() const { return m_hStopEvent.IsSet(); }

    // The one lock of the drawing threads: taken for each frame's work on the shared surface,
    // by UpdateBounds and by the UI thread whenever it reads or resizes the surface. Never
    // nested, never held while waiting for an event.
    static std::mutex m_csGDILock;

    // Tests: the next CreateThread calls fail as if the system had no thread left to give.
    static void failThreadCreationForTests(bool fail);

protected:
    // Stops the thread and waits until it has ended, if one runs. A derived destructor calls it
    // first, so no step runs on a half-destroyed object.
    void stopAndJoin();

    QWidget* m_pView;
    CRect m_rcBounds;
    CClientSurface* m_pTarget;
    CManualResetEvent m_hStopEvent;
    CManualResetEvent m_hStoppedEvent;

private:
    // The thread body: waits 75 ms on the stop event and draws a frame each time the wait runs
    // out, until the event is set.
    void InitInstance();
    // End of the thread: tells the owner that the body has ended.
    void Delete();
    void threadMain();

    std::thread m_thread;
    CManualResetEvent m_hResumeEvent;
};
