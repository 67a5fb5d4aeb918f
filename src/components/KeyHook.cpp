#include "components/KeyHook.h"

#include "components/HotKeys.h"
#include "components/KeyboardLock.h"
#include "components/X11Connection.h"

bool EnableKeyHook(int enable, QWidget* window)
{
    CKeyboardLock* lock = CKeyboardLock::instance();
    if (!lock)
        return x11Connection() == nullptr;
    if (enable)
        return lock->enable(window);
    lock->disable();
    return true;
}

bool IsKeyHookEnabled()
{
    CKeyboardLock* lock = CKeyboardLock::instance();
    return lock && lock->isEnabled();
}

bool IsKeyboardGrabbed()
{
    CKeyboardLock* lock = CKeyboardLock::instance();
    return lock && lock->isGrabbed();
}

int RegisterHotKeys(QWidget* window)
{
    CHotKeys* hotKeys = CHotKeys::instance();
    return hotKeys ? hotKeys->registerAll(window) : 0;
}
