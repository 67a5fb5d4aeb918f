#pragma once

#include "activities/Activity.h"

class CBitmapThread;
class CClientSurface;
class WordList;

// The seventh play mode: a green bird flies about the view on its own drawing thread, and each
// key press makes it turn to the child, open its beak and say the next word of the bird list at
// once. Nothing else is drawn; clicks do nothing.
//
// While the mode is current the activity owns the client surface the bird is drawn into and the
// bird's thread. Leaving the mode stops the thread before the surface goes.
class TalkingBirdActivity : public Activity
{
public:
    TalkingBirdActivity(const PlaySettings& settings, WordList* birdList);
    ~TalkingBirdActivity() override;
    void Reset() override;
    void Advance() override;
    void Draw(PlaySurface* view, QPainter* dc, bool playSound) override;
    void OnSize(int type, int cx, int cy) override;
    void Activate(PlaySurface* view) override;
    void Deactivate() override;
    bool NeedsFullRepaint() override { return false; }
    void paintSurface(QPainter& painter, const QRect& dirty) override;

    // Where the mode stands (tests).
    int currentWord() const { return m_nWord; }
    CBitmapThread* birdThread() const { return m_pBirdThread; }
    CClientSurface* clientSurface() const { return m_pClientDC; }

private:
    void StartBird();

    CClientSurface* m_pClientDC = nullptr;
    CBitmapThread* m_pBirdThread = nullptr;
    PlaySurface* m_pView = nullptr;
    WordList* m_pBirdList = nullptr;
    int m_nWord = 0;
};
