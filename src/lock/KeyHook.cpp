#include "lock/KeyHook.h"

#include "lock/HotKeys.h"
#include "lock/KeyboardLock.h"
#include "lock/x11/X11Connection.h"
#include "lock/LockNotice.h"
#include "lock/LockStatus.h"
#include "lock/ScreenSaverInhibitor.h"
#include "lock/SleepKeysInhibitor.h"
#include "lock/wayland/WaylandIdleInhibitor.h"
#include "lock/wayland/WaylandShortcutsInhibitor.h"
#include "lock/wayland/WaylandSurface.h"
#include "lock/x11/X11ScreenSaver.h"
#include "lock/x11/X11ServerKeys.h"

namespace {
// The parts beside the keyboard itself, the same on every desktop: no blanking, no sleep keys.
void enableSessionParts(bool enable)
{
    CScreenSaverInhibitor* saver = CScreenSaverInhibitor::instance();
    CSleepKeysInhibitor* sleep = CSleepKeysInhibitor::instance();
    if (!saver || !sleep)
        return;
    if (enable) {
        saver->enable();
        sleep->enable();
    } else {
        saver->disable();
        sleep->disable();
    }
}

bool enableX11(bool enable, QWidget* window)
{
    CKeyboardLock* lock = CKeyboardLock::instance();
    CX11ServerKeys* serverKeys = CX11ServerKeys::instance();
    CX11ScreenSaver* saver = CX11ScreenSaver::instance();
    if (!lock || !serverKeys || !saver)
        return false;
    if (!enable) {
        lock->disable();
        serverKeys->restore();
        saver->resume();
        return true;
    }
    serverKeys->disable();
    saver->suspend();
    return lock->enable(window);
}

bool enableWayland(bool enable, QWidget* window)
{
    CWaylandShortcutsInhibitor* shortcuts = CWaylandShortcutsInhibitor::instance();
    CWaylandIdleInhibitor* idle = CWaylandIdleInhibitor::instance();
    if (!shortcuts || !idle)
        return false;
    if (!enable) {
        shortcuts->disable(window);
        idle->disable();
        return true;
    }
    idle->enable(window);
    return shortcuts->enable(window);
}
} // namespace

bool EnableKeyHook(int enable, QWidget* window)
{
    CLockStatus* status = CLockStatus::instance();
    if (!status)
        return false;
    // Offscreen there is nothing to hold.
    const bool x11 = x11Connection() != nullptr;
    const bool wayland = onWayland();
    if (!x11 && !wayland) {
        if (CKeyboardLock* lock = CKeyboardLock::instance()) {
            if (enable)
                lock->enable(window);
            else
                lock->disable();
        }
        status->setOn(enable != 0);
        return true;
    }
    status->setOn(enable != 0);
    if (enable && window)
        CLockNotice::checkOnceAfterStart(window);
    enableSessionParts(enable != 0);
    return x11 ? enableX11(enable != 0, window) : enableWayland(enable != 0, window);
}

bool IsKeyHookEnabled()
{
    CLockStatus* status = CLockStatus::instance();
    return status && status->isOn();
}

bool IsKeyboardGrabbed()
{
    CKeyboardLock* lock = CKeyboardLock::instance();
    return lock && lock->isGrabbed();
}

bool IsShortcutInhibitorActive()
{
    CWaylandShortcutsInhibitor* shortcuts = CWaylandShortcutsInhibitor::instance();
    return shortcuts && shortcuts->isActive();
}

QString KeyLockStatusText()
{
    CLockStatus* status = CLockStatus::instance();
    return status ? status->text() : QString();
}

int RegisterHotKeys(QWidget* window)
{
    CHotKeys* hotKeys = CHotKeys::instance();
    return hotKeys ? hotKeys->registerAll(window) : 0;
}
