#pragma once

class QWidget;

// The keyboard lock. While enabled, the top-level window of `window` holds an X11 keyboard
// grab, so a child's key presses cannot switch away or reach other programs; they arrive at
// the play view as ordinary key events. Repeated enables or disables are harmless; disabling
// with a null window releases whatever is held. When the grab cannot be taken yet (the window
// is not mapped, or another program holds the keyboard) the lock keeps trying until it holds
// or is disabled. Where there is no X11 (offscreen, Wayland) it does nothing. Returns true
// when the lock is now in the requested state.
bool EnableKeyHook(int enable, QWidget* window);

// Whether the lock is currently switched on (enabled and not disabled since), on every
// platform.
bool IsKeyHookEnabled();

// Whether the X11 keyboard grab is actually held at this moment (always false without X11).
bool IsKeyboardGrabbed();

// Grabs the seven system combinations (Alt+Tab, Alt+Win+Tab, Alt+Win+Escape, Alt+Escape,
// Win+Tab, F1, Alt+Win+F1) on the root window for `window`, with every lock-modifier
// variant, so that they reach neither the window manager nor the program. A combination
// the server refuses stays unblocked. Returns how many combinations were grabbed; calling
// again grabs those still free and is otherwise harmless.
int RegisterHotKeys(QWidget* window);
