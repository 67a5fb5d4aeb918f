#pragma once

#include "activities/PlaySurface.h"
#include "audio/AudioManager.h"
#include "base/PlaySettings.h"

#include <QString>
#include <vector>

class QPainter;

// One play mode. The view calls Reset/Activate when the mode becomes current, Deactivate when
// it is left, Advance on every accepted key press and Draw to show the current item.
//
// Sound cues: Draw never waits. The cue helpers record what should be played and after which
// delay; once the paint has returned, the view waits the first cue's delay on a timer and then
// hands the recorded cues, in order, to this activity's player (runCue). So the item is on the
// screen before its sound starts, and the paint is never re-entered.
class Activity
{
public:
    struct Cue
    {
        QString path;
        int delaySeconds = 0;
    };

    explicit Activity(const PlaySettings& settings);
    virtual ~Activity();
    Activity(const Activity&) = delete;
    Activity& operator=(const Activity&) = delete;

    virtual void Reset() = 0;
    virtual void Advance() = 0;
    // dc is the view's painter during a paint, or null when an activity that draws by itself
    // is called straight from a key press.
    virtual void Draw(PlaySurface* view, QPainter* dc, bool playSound) = 0;
    virtual void OnSize(int type, int cx, int cy);
    virtual void Activate(PlaySurface* view);
    virtual void Deactivate();
    virtual void OnClick(int flags, int x, int y);
    virtual bool NeedsFullRepaint();

    // Paints what the activity shows by its own means (the bird's surface) into the view's
    // paint, after the grey erase and before Draw. Default: nothing.
    virtual void paintSurface(QPainter& painter, const QRect& dirty);

    // Sound cues. Delays are whole seconds; paths are full file paths.
    void PlayCue(const QString& path, int delay);
    void PlayColorCue(int color, int delay);
    void PlayShapeCue(int shape, int delay);
    void PlayNumberCue(int number, int delay);
    void PlayLetterCue(QChar letter, int delay);
    void PlayMathCue(const QString& word, int delay);

    // The cues requested since the last call, oldest first.
    std::vector<Cue> takeRequestedCues();
    // Hands one cue to the player; the view calls it once the cue's delay is over.
    void runCue(const Cue& cue);

    CAudioManager m_audio;

protected:
    // The parent's settings, read at every drawing.
    const PlaySettings& m_settings;

private:
    std::vector<Cue> m_requestedCues;
};
