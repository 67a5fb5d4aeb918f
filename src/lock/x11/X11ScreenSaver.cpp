#include "lock/x11/X11ScreenSaver.h"

#include "lock/x11/X11Connection.h"
#include "lock/LockStatus.h"

#include <QCoreApplication>
#include <QPointer>
#include <cstdlib>
#include <xcb/screensaver.h>

namespace {
void reportState(bool held, const QString& why)
{
    CLockStatus::Entry e{CLockStatus::Part::Blanking,
                         held ? CLockStatus::State::Held : CLockStatus::State::Unavailable,
                         QCoreApplication::translate("CX11ScreenSaver", "screen kept on"), why};
    CLockStatus::instance()->report(QStringLiteral("x11-screen-saver"), e);
}
} // namespace

CX11ScreenSaver* CX11ScreenSaver::instance()
{
    static QPointer<CX11ScreenSaver> saver;
    if (!saver && qApp && x11Connection())
        saver = new CX11ScreenSaver(qApp);
    return saver;
}

CX11ScreenSaver::CX11ScreenSaver(QObject* parent) : QObject(parent) {}

bool CX11ScreenSaver::suspend()
{
    if (m_suspended)
        return true;
    xcb_connection_t* c = x11Connection();
    if (!c)
        return false;
    const xcb_query_extension_reply_t* ext = xcb_get_extension_data(c, &xcb_screensaver_id);
    if (!ext || !ext->present) {
        reportState(false, tr("the X server has no screen saver extension"));
        return false;
    }
    // Suspensions count per client: only one is ever asked for.
    xcb_generic_error_t* error = xcb_request_check(c, xcb_screensaver_suspend_checked(c, 1));
    m_suspended = !error;
    std::free(error);
    reportState(m_suspended, m_suspended ? QString() : tr("the X server refused"));
    return m_suspended;
}

void CX11ScreenSaver::resume()
{
    if (!m_suspended)
        return;
    m_suspended = false;
    if (xcb_connection_t* c = x11Connection())
        std::free(xcb_request_check(c, xcb_screensaver_suspend_checked(c, 0)));
}
