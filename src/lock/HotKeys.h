#pragma once

#include <QObject>
#include <Qt>
#include <array>

class QKeyEvent;
class QWidget;

// The seven system combinations the play view takes away from the window manager: Alt+Tab,
// Alt+Win+Tab, Alt+Win+Escape, Alt+Escape, Win+Tab, F1 and Alt+Win+F1.
//
// Each is grabbed with xcb_grab_key on the root window (Windows key = Mod4, Alt = Mod1), once
// for every state of Caps Lock and Num Lock, so that it reaches neither the window manager nor
// any program. A combination is all or nothing: when the server refuses any of its grabs
// (another client owns it), the grabs already made for it are given back and it stays free.
//
// While the keyboard lock holds its own grab, the server sends these keys to the play window
// as ordinary key presses; an application event filter drops them there, so a grabbed F1
// never reaches the frame's help shortcut either.
class CHotKeys : public QObject
{
    Q_OBJECT
public:
    struct Combination
    {
        int id;
        bool alt;
        bool windows;
        unsigned keysym;
        Qt::Key key;
    };
    static constexpr int kCount = 7;
    static const std::array<Combination, kCount>& combinations();

    static CHotKeys* instance();

    // Grabs every combination not held yet; returns how many are held afterwards.
    int registerAll(QWidget* window);
    int grabbedCount() const;
    bool isGrabbed(int id) const;
    // Whether a key press with these Qt key and modifiers is one of the held combinations.
    bool blocks(int key, Qt::KeyboardModifiers modifiers) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit CHotKeys(QObject* parent);
    bool grabCombination(const Combination& combination, QWidget* window);

    std::array<bool, kCount> m_grabbed{};
    bool m_filtering = false;
};
