#pragma once

#include <QString>

class QWidget;

// The keyboard lock. While enabled, a child's key presses cannot switch away or reach other
// programs; they arrive at the play view as ordinary key events.
//  - On X11 the top-level window of `window` holds a keyboard grab, the server's VT-switch
//    and Terminate keys are off, and the screen saver is suspended. When the grab cannot be
//    taken yet (the window is not mapped, or another program holds the keyboard) the lock
//    keeps trying until it holds or is disabled.
//  - On Wayland the compositor's shortcuts are inhibited on the window's surface for as long
//    as the lock is wanted (asked for again at once when the desktop lifts it), and an idle
//    inhibitor keeps the screen on. Disabled while the focus is elsewhere, the inhibitor
//    stays (it acts only while the window has the focus); disabled from inside the program
//    (Settings, About) or with a null window, it is given back.
//  - On both, the desktop's screen saver (session bus) and logind's power, sleep and lid keys
//    (system bus) are inhibited where those services exist.
// Repeated enables or disables are harmless; disabling with a null window releases whatever is
// held. Offscreen it only records the state. Returns true when the lock is now in the
// requested state (on Wayland: when the inhibitor was asked for).
bool EnableKeyHook(int enable, QWidget* window);

// Whether the lock is currently switched on (enabled and not disabled since), on every
// platform.
bool IsKeyHookEnabled();

// Whether the X11 keyboard grab is actually held at this moment (always false without X11).
bool IsKeyboardGrabbed();

// Whether the Wayland compositor said the shortcut inhibitor is active (always false
// elsewhere).
bool IsShortcutInhibitorActive();

// One line for a parent saying what the lock holds on this desktop, e.g. "Keyboard lock: on
// (keyboard grab, VT switching off, sleep keys held)".
QString KeyLockStatusText();

// Grabs the seven system combinations (Alt+Tab, Alt+Win+Tab, Alt+Win+Escape, Alt+Escape,
// Win+Tab, F1, Alt+Win+F1) on the root window for `window`, with every lock-modifier
// variant, so that they reach neither the window manager nor the program. A combination
// the server refuses stays unblocked. Returns how many combinations were grabbed; calling
// again grabs those still free and is otherwise harmless.
int RegisterHotKeys(QWidget* window);
