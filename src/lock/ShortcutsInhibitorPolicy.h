#pragma once

#include <QtGlobal>

// When the compositor's shortcut inhibitor is asked for again, decided from what the
// compositor said and when. No Wayland and no timers here: the caller passes the time (any
// steady clock in milliseconds) and carries out the answer.
//
// The rules:
//  - An inhibitor that is active is never renewed: a new one may turn active only after the
//    desktop has looked up its permission, a gap of its own.
//  - An inhibitor the desktop lifted (`inactive` after `active`: GNOME's Super+Escape) is asked
//    for again at once while the view is in front, and on coming to the front otherwise. A
//    desktop that lifts it again and again is asked less and less often (kFirstBackoffMs,
//    doubling, up to kRenewMs), so that it is never flooded.
//  - An inhibitor with no answer (still asking, refused, or the parent denied it in the
//    desktop's dialog) is renewed at the steady pace kRenewMs while the view is in front.
//  - Switching the lock off gives the inhibitor up only when the program itself does it (the
//    window is in front: Settings or About opens) or the window is gone. When the focus has
//    gone elsewhere (a parent's click, or a keyboard that left and comes back, which looks the
//    same) it is kept: it acts only while the window has the focus anyway, and the keys that
//    come with a keyboard that comes back arrive before any new request could.
class CShortcutsInhibitorPolicy
{
public:
    enum class Answer
    {
        None,   // asked, nothing heard (or no inhibitor)
        Active, // the compositor said active
        Lifted, // the compositor said inactive after it had been active
        Refused // the compositor said inactive without ever making it active
    };

    static constexpr int kRenewMs = 5000;
    static constexpr int kQuietMs = 2000;
    static constexpr int kFirstBackoffMs = 250;
    static constexpr int kNever = -1;

    // A new inhibitor was asked for at `now`.
    void requested(qint64 now);
    // The inhibitor is gone.
    void released();
    void activated();
    // The compositor said inactive at `now`. Returns in how many milliseconds to ask again
    // (0: at once), or kNever.
    int inactivated(qint64 now, bool inFront);
    // The view came to the front (or the lock was switched on) at `now`: in how many
    // milliseconds to ask (again), or kNever when what there is stays.
    int cameToFront(qint64 now);
    // Asked at the steady pace: whether to renew the inhibitor now.
    bool renewDue(qint64 now, bool inFront) const;
    // Whether switching the lock off gives the inhibitor up.
    static bool releaseOnSwitchOff(bool windowGone, bool inFront);

    bool isRequested() const { return m_requested; }
    Answer answer() const { return m_answer; }

private:
    int reaskDelay(qint64 now);

    bool m_requested = false;
    Answer m_answer = Answer::None;
    qint64 m_requestedAt = 0;
    qint64 m_lastReaskAt = -1;
    int m_streak = 0;
};
