#pragma once

#include "app/CommandIds.h"

#include <QRegion>
#include <QTimer>
#include <QWidget>
#include <array>
#include <memory>
#include <vector>

#include "activities/Activity.h"
#include "activities/PlaySurface.h"
#include "base/PlaySettings.h"

class WordList;

// The play view: owns the seven play modes, turns each accepted key press into one step of the
// current mode, and drops the presses that come while a step is still being drawn or spoken.
//
// Flow of one key press: OnChar (dropped while busy) -> Advance -> repaint -> paintEvent draws
// the item and collects its cues -> after the paint, the first cue's delay runs on a timer
// (m_bDrawing stays set, so keys are dropped and mouse presses on the view and the toolbar are
// swallowed) -> the cues are handed to the player -> m_bDrawing clears, but keys stay dropped
// until the player reports that it has finished them.
class CPommelotView : public QWidget, public PlaySurface
{
    Q_OBJECT
public:
    // settings: the play settings the application owns and hands down, read at every key press;
    // words and birdWords are the lists of the Words mode and the talking bird.
    CPommelotView(const PlaySettings& settings, WordList* words, WordList* birdWords,
                  QWidget* parent = nullptr);
    ~CPommelotView() override;

    void OnInitialUpdate();
    void SwitchMode(int mode);
    void OnSettings();
    // For an activity that draws by itself: the key press it was drawing is done.
    void ClearKeyPending() override;
    QWidget* widget() override { return this; }
    // A key press that makes a character (or event 1579).
    void OnChar();
    void OnLButtonDown(int flags, const QPoint& point);
    // An activity that draws by itself (the bird) changed this part of its surface: repaint
    // it without a drawing of the mode. Call on the UI thread.
    void updateSurface(const QRect& rect) override;

    int currentMode() const { return m_nMode; }
    Activity* activity(int mode) const;
    Activity* currentActivity() const { return activity(m_nMode); }
    // True while a press would be dropped: drawing, waiting for a cue, or speaking.
    bool isBusy() const;
    // True while drawing or while a cue waits for its delay: mouse presses are swallowed.
    bool isDrawing() const { return m_bDrawing; }
    bool isKeyPending() const { return m_bKeyPending; }
    bool playSound() const { return m_bPlaySound; }
    // While set, losing the focus leaves the keyboard lock on whatever the Lock Keyboard
    // setting (the frame's document dialogs, which a child can open from the keyboard).
    void keepLockWhileAway(bool keep) { m_bKeepLockAway = keep; }

    // Is a QKeyEvent one that makes a character for the play view?
    static bool isCharacterKey(const class QKeyEvent* event);

    // Tests: puts an activity of the test's own in place of a mode's; the view owns it from
    // now on and deletes the one it replaces.
    void replaceActivityForTests(int mode, Activity* activity);

Q_SIGNALS:
    // The cues of a drawing have been handed to the player (count may be 0).
    void cuesHandedOver(int count);
    // The view accepts key presses again.
    void becameIdle();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    // Tab and Shift+Tab are key presses like any other here, never a move of the focus (which
    // would also repaint the view without a step).
    bool focusNextPrevChild(bool next) override;

private:
    void OnEraseBkgnd(class QPainter& painter, const QRect& rect);
    void OnDraw(class QPainter& painter, const QRect& dirty);
    void startCues(Activity* activity);
    void runNextCue();
    void onPlayerDrained();
    void finishIfIdle();

    const PlaySettings& m_settings;
    bool m_bDrawing = false;
    bool m_bKeyPending = false;
    bool m_bPlaySound = true;
    int m_nMode = MODE_SHAPES;
    std::array<Activity*, MODE_COUNT> m_pActivities{};

    // Cues collected from the last drawing, waiting for their delay or their turn.
    Activity* m_cueActivity = nullptr;
    std::vector<Activity::Cue> m_pendingCues;
    QTimer m_cueTimer;
    // Set once cues were handed over, until the player has finished them.
    bool m_bSpeaking = false;
    // Parts of the view waiting to be repainted only because a surface changed.
    QRegion m_surfaceOnly;
    bool m_bKeepLockAway = false;
};
