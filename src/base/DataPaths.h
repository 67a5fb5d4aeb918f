#pragma once

#include <QString>

// Where the sounds and word lists are, and the one rule that names a sound's file:
// <data folder>/<sound folder>/<name>.wav. The application chooses the data folder at start
// and sets it here; every layer reads it from here.
class DataPaths
{
public:
    // The seven sound folders, in the order they are created.
    static const char* const kSoundFolders[7];

    // The data folder, without a trailing slash; empty until the application has set it.
    static QString dataFolder();
    static void setDataFolder(const QString& folder);

    // <dataFolder()>/<folder>/<name>.wav
    static QString soundPath(const QString& folder, const QString& name);
    // <dataFolder>/<folder>/<name>.wav
    static QString soundPath(const QString& dataFolder, const QString& folder, const QString& name);
};
