#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>

class QKeyEvent;

// The parent's way out of full screen: hold Ctrl+Alt+Q, and nothing else, for three seconds.
// Any other key pressed meanwhile, or letting go of Ctrl, Alt or Q, starts the count again, so
// a child's mashing (many keys, quick presses) never gets there. Auto-repeat of the held Q keeps
// the hold going. Progress is reported only after a short hold, so a chance press of the chord
// shows nothing.
class LeaveGesture : public QObject
{
    Q_OBJECT
public:
    static constexpr int kDefaultHoldMs = 3000;
    static constexpr int kShowAfterMs = 400;
    static constexpr int kKey = Qt::Key_Q;
    // A release of Q followed this soon by a press of Q is the keyboard's repeat.
    static constexpr int kReleaseGraceMs = 120;

    explicit LeaveGesture(QObject* parent = nullptr);

    // The chord's modifiers, exactly (Shift or Meta held as well does not count).
    static Qt::KeyboardModifiers chordModifiers() { return Qt::ControlModifier | Qt::AltModifier; }
    // The chord as the parent reads it in the help: "Ctrl+Alt+Q".
    static QString chordText();

    void keyPress(int key, Qt::KeyboardModifiers modifiers, bool autoRepeat);
    void keyRelease(int key, Qt::KeyboardModifiers modifiers, bool autoRepeat);
    // Feeds a key press or release event; other events are ignored.
    void feed(const QKeyEvent* event);
    // Forgets a hold in progress (focus lost, full screen left).
    void reset();

    bool isHolding() const { return m_bHolding; }
    // 0 to 1 while held.
    double progress() const;

    // Tests only: a shorter hold, and where the final check reads the held modifiers.
    void setHoldTime(int ms) { m_nHoldMs = ms; }
    int holdTime() const { return m_nHoldMs; }
    void setModifierQuery(std::function<Qt::KeyboardModifiers()> query);

Q_SIGNALS:
    // Progress of a visible hold (0 < p < 1), or 0 when nothing is to be shown.
    void progressChanged(double progress);
    // The chord was held for the whole time.
    void completed();

private:
    void tick();

    bool m_bHolding = false;
    bool m_bShown = false;
    bool m_bReleased = false;
    int m_nHoldMs = kDefaultHoldMs;
    QElapsedTimer m_held;
    QTimer m_tick;
    QTimer m_releaseGrace;
    std::function<Qt::KeyboardModifiers()> m_queryModifiers;
};
