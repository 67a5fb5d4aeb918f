#pragma once

#include <QMap>
#include <QObject>
#include <QString>

// What the keyboard lock holds on this desktop, as each of its parts last saw it granted.
//
// Every part of the lock (the X11 keyboard grab or the compositor's shortcut inhibitor, the
// server's VT-switch keys, the sleep and power keys, the screen blanking) reports here under a
// source name of its own, and only with what the system really answered, never with what was
// asked for. The General page and the About box show text(); the start-up notice asks
// cannotHold().
class CLockStatus : public QObject
{
    Q_OBJECT
public:
    enum class Part
    {
        Keyboard,
        ServerKeys,
        SleepKeys,
        Blanking,
        Pointer // kept inside the full-screen windows
    };
    enum class State
    {
        Held,        // granted and in force
        Waiting,     // asked, not (yet) granted: may still come
        Refused,     // the desktop said no, or took it back
        Unavailable, // this desktop has no way to grant it
    };
    struct Entry
    {
        Part part;
        State state;
        QString label; // what is held, e.g. "keyboard grab"
        QString why;   // why it is not held
    };

    static CLockStatus* instance();

    // Whether the lock is switched on (EnableKeyHook 1) at the moment.
    void setOn(bool on);
    bool isOn() const { return m_on; }

    // What the source `source` last saw. Emits changed() when this differs from before.
    void report(const QString& source, const Entry& entry);
    // Takes out what `source` reported (it no longer asks for anything). Emits changed() when
    // there was something.
    void forget(const QString& source);
    // Forgets everything reported (used where the program starts over, and by tests).
    void clear();

    // The best state any source reports for `part`; Unavailable when none reported it.
    State state(Part part) const;
    // Whether anything was ever reported for `part`.
    bool reported(Part part) const;
    // True when the keyboard part was tried and cannot hold: the desktop has no way to
    // grant it or refused it.
    bool cannotHold() const;

    // One short line for a parent, e.g. "Keyboard lock: on (keyboard grab, VT switching
    // off, sleep keys held)".
    QString text() const;

Q_SIGNALS:
    void changed();

private:
    explicit CLockStatus(QObject* parent);
    const Entry* best(Part part) const;

    QMap<QString, Entry> m_entries;
    bool m_on = false;
};
