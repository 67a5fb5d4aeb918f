#pragma once

#include <QString>

// Whether the desktop session has a D-Bus session bus: an address in the environment, or the
// user bus socket in the runtime folder. Asking Qt for the session bus without one makes the
// D-Bus library start a bus of its own for this one program (it forks a launcher from a
// running, threaded process and leaves files in the home folder), so callers ask this first.
bool hasSessionBus(const QString& runtimeFolder);
