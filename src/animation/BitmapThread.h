#pragma once

#include "animation/GDIThread.h"

#include <QImage>
#include <QPoint>
#include <atomic>
#include <vector>

// The first of the bird's 16 frame images: 8 flying frames (a green bird in profile facing
// right, eight wing positions), then the same 8 wing positions facing the child with the beak
// open. Image id n is the resource ":/bird/bird_NN.png" with NN = n - IDB_BIRD_FIRST.
constexpr int IDB_BIRD_FIRST = 166;

// A drawing thread that flies an animated sprite about the view: each step it moves the sprite
// by its velocity, bounces it off the view's edges, advances the wing beat, turns the sprite to
// face its direction of flight and repaints only a square around it. After Talk the next 15
// steps show the talk frames.
class CBitmapThread : public CGDIThread
{
public:
    // UI thread. (x, y) is the sprite's top-left corner in view coordinates; nFrames is the
    // number of flying frames, followed by as many talk frames when talkFrames is set.
    CBitmapThread(QWidget* view, CClientSurface* target, int x, int y, int velX, int velY,
                  int firstId, int nFrames, bool talkFrames);
    ~CBitmapThread() override;

    void Step() override;
    void Talk() override;

    // How many steps show talk frames after a Talk.
    static constexpr int kTalkSteps = 15;

    // State, for tests and the benchmark; read the first four only while no thread runs.
    CRect position() const { return m_rcPos; }
    QPoint velocity() const { return QPoint(m_nVelX, m_nVelY); }
    int frame() const { return m_nFrame; }
    int frameCount() const { return m_nFrames; }
    int talkSteps() const { return m_nTalkSteps.load(); }
    // Image i as loaded (unmirrored).
    const QImage& frameImage(int i) const { return m_pFrames[size_t(i)]; }

    // The resource name of the image with this id.
    static QString frameResource(int id);

private:
    CRect m_rcPos;
    int m_nVelX;
    int m_nVelY;
    std::vector<QImage> m_pFrames;
    int m_nFrames;
    int m_nFrame = 0;
    int m_nFrameWidth = 0;
    int m_nFrameHeight = 0;
    bool m_bTalkFrames;
    std::atomic<int> m_nTalkSteps{0};
    // The frames turned left-right, made once so that a step only copies pixels.
    std::vector<QImage> m_mirroredFrames;
};
