#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

class CX11KeymapWatch;

// The X server's own keys, which no keyboard grab holds back: the VT-switch keys
// (Ctrl+Alt+F1..F12, SwitchScreen actions) and the server's Terminate action. While the lock
// is on, every such action in the server's keyboard map is turned into NoAction (the effect
// of the keymap option that turns the server keys off); switching off puts exactly the old
// actions back, on the keys where they were.
//
// A keymap loaded while the keys are off (setxkbmap, a keyboard plugged in) brings its own
// server keys: while off, the keymap is watched and every new action is turned off again.
//
// The old actions are also written to a record file (in the session's runtime folder, one per
// display) while they are off, so that a program that was killed while locked gives them back
// at its next start: restoreRecord() does that, and the first use of instance() calls it.
class CX11ServerKeys : public QObject
{
    Q_OBJECT
public:
    // Null without an X11 display.
    static CX11ServerKeys* instance();
    ~CX11ServerKeys() override;

    // Turns the server keys off. Harmless when they are off already; an action that came back
    // meanwhile (a new keymap) is turned off too. Returns whether no server key is active.
    bool disable();
    // Puts back what disable() took away.
    void restore();

    // Gives back what a record left by an earlier run of the program on this display holds,
    // unless that run is still alive. Returns how many actions were put back.
    int restoreRecord();
    // Where the record for this display lives.
    QString recordPath() const;

private:
    struct Saved
    {
        int keycode;
        int index;       // action index within the key (group * width + level), or -1
        QByteArray data; // the raw XkbAction; for index -1 the key's explicit components
    };
    explicit CX11ServerKeys(QObject* parent, const QByteArray& displayName);
    int putBack(const QList<Saved>& saved);
    void writeRecord() const;
    void watchKeymap(bool watch);
    void onKeymapChanged();

    // How long a burst of keymap notifies is gathered before the keys are turned off again.
    static constexpr int kKeymapSettleMs = 20;

    QByteArray m_displayName;
    mutable QString m_recordPath;
    QList<Saved> m_saved;
    bool m_disabled = false;
    CX11KeymapWatch* m_watch = nullptr;
    QTimer m_keymapTimer;
    bool m_newKeymap = false;
};
