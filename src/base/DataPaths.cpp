#include "base/DataPaths.h"

#include <mutex>

namespace {
std::mutex g_mutex;
QString g_dataFolder;
} // namespace

const char* const DataPaths::kSoundFolders[7] = {"Shapes", "Colors", "Letters", "Numbers",
                                                 "Words",  "Math",   "Bird"};

QString DataPaths::dataFolder()
{
    std::lock_guard<std::mutex> lock(g_mutex);
    return g_dataFolder;
}

void DataPaths::setDataFolder(const QString& folder)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    g_dataFolder = folder;
}

QString DataPaths::soundPath(const QString& folder, const QString& name)
{
    return soundPath(dataFolder(), folder, name);
}

QString DataPaths::soundPath(const QString& dataFolder, const QString& folder, const QString& name)
{
    return dataFolder + QLatin1Char('/') + folder + QLatin1Char('/') + name +
           QStringLiteral(".wav");
}
