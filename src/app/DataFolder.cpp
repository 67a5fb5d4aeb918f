#include "app/DataFolder.h"

#include <QFileInfo>
#include <QStandardPaths>

// Scaffolding: the install work fills in seeding.
QString DataFolder::choose(const QString& programFolder)
{
    const bool installed = QFileInfo::exists(programFolder + QLatin1Char('/') +
                                             QLatin1String(kInstalledMarker)) ||
                           !QFileInfo(programFolder).isWritable();
    if (!installed)
        return programFolder;
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

int DataFolder::seed(const QString&, const QString&)
{
    return 0;
}
