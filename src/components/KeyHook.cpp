#include "components/KeyHook.h"

// Scaffolding: replaced by the X11 keyboard grab.
namespace {
bool g_enabled = false;
}
bool EnableKeyHook(int enable, QWidget*)
{
    g_enabled = enable != 0;
    return true;
}
bool IsKeyHookEnabled()
{
    return g_enabled;
}
int RegisterHotKeys(QWidget*)
{
    return 0;
}
