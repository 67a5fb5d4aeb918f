#include "activities/TalkingBirdActivity.h"

#include "animation/BitmapThread.h"
#include "animation/ClientSurface.h"
#include "wordlist/WordList.h"

#include <QSize>
#include <cstdlib>
#include <ctime>

namespace {
constexpr int kBirdVelX = 2;
constexpr int kBirdVelY = 3;
constexpr int kBirdFlyingFrames = 8;
} // namespace

TalkingBirdActivity::TalkingBirdActivity(const PlaySettings& settings, WordList* birdList)
    : Activity(settings), m_pBirdList(birdList)
{
    Reset();
    // The GDI lock is a plain static mutex, ready before any drawing thread exists.
    std::srand(unsigned(std::time(nullptr)));
}

TalkingBirdActivity::~TalkingBirdActivity()
{
    Deactivate();
}

void TalkingBirdActivity::Reset()
{
    // The view deactivates a mode before it resets it; should a bird still fly here, it is
    // stopped rather than left drawing into a forgotten surface.
    if (m_pBirdThread || m_pClientDC)
        Deactivate();
    m_nWord = 0;
    m_pClientDC = nullptr;
    m_pBirdThread = nullptr;
    m_pView = nullptr;
}

void TalkingBirdActivity::Advance()
{
    m_nWord = m_pBirdList ? NextWordIndex(m_nWord, m_pBirdList, m_settings.m_bRandomizeWords) : 0;
    if (m_pBirdThread)
        m_pBirdThread->Talk();
}

void TalkingBirdActivity::Draw(PlaySurface* view, QPainter*, bool playSound)
{
    if (m_pBirdThread) {
        m_pBirdThread->Talk();
        if (playSound)
            PlayCue(m_pBirdList ? m_pBirdList->GetSoundPath(m_nWord) : QString(), 0);
    }
    // Without a bird nothing is said, but the key press is over all the same: the view
    // would otherwise drop every further key in this mode.
    if (view)
        view->ClearKeyPending();
}

void TalkingBirdActivity::OnSize(int, int cx, int cy)
{
    if (m_pClientDC)
        m_pClientDC->resize(QSize(cx, cy));
    if (m_pBirdThread)
        m_pBirdThread->UpdateBounds();
}

void TalkingBirdActivity::Activate(PlaySurface* view)
{
    if (!m_pClientDC) {
        m_pView = view;
        m_pClientDC = new CClientSurface(view ? view->widget() : nullptr,
                                         [view](const QRect& rect) { view->updateSurface(rect); });
    }
    StartBird();
}

void TalkingBirdActivity::StartBird()
{
    if (m_pBirdThread || !m_pView || !m_pClientDC)
        return;
    const int y = std::rand() % 200;
    const int x = std::rand() % 200;
    auto* bird = new CBitmapThread(m_pView->widget(), m_pClientDC, x, y, kBirdVelX, kBirdVelY,
                                   IDB_BIRD_FIRST, kBirdFlyingFrames, true);
    if (!bird->CreateThread()) {
        delete bird;
        return;
    }
    m_pBirdThread = bird;
    bird->SetThreadPriority(CGDIThread::kPriorityNormal);
    bird->ResumeThread();
}

void TalkingBirdActivity::Deactivate()
{
    // The thread draws into the surface: it ends first.
    if (m_pBirdThread)
        m_pBirdThread->StopAndDestroy();
    m_pBirdThread = nullptr;
    delete m_pClientDC;
    m_pClientDC = nullptr;
    m_pView = nullptr;
}

void TalkingBirdActivity::paintSurface(QPainter& painter, const QRect& dirty)
{
    if (m_pClientDC)
        m_pClientDC->paint(painter, dirty);
}
