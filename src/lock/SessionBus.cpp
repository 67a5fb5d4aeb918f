#include "lock/SessionBus.h"

#include <QFileInfo>

bool hasSessionBus(const QString& runtimeFolder)
{
    if (!qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS").isEmpty())
        return true;
    return !runtimeFolder.isEmpty() && QFileInfo::exists(runtimeFolder + QStringLiteral("/bus"));
}
