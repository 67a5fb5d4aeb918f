#pragma once

#include <QString>

// Where the sound folders and list files live. Running from the build folder, they sit beside
// the program. An installed copy (its program folder holds the marker file written by the
// install step, or cannot be written) keeps them in the user's data folder instead, seeded
// from the program folder's shipped files.
class DataFolder
{
public:
    static constexpr const char* kInstalledMarker = "pommelot-installed";

    // The data folder for a program folder: the program folder itself, or for an installed
    // copy <user data>/Quorvex Pommelot/Pommelot (the program folder again if the user has
    // no data folder).
    static QString choose(const QString& programFolder);
    // Copies every shipped sound (the .wav files of the seven sound folders) and list file
    // (the .wdl files) from `from` into `to` where no file of that name exists yet, letter
    // case ignored; creates the folders it needs; never overwrites. Copies are writable by
    // their owner. Returns the number of files copied.
    static int seed(const QString& from, const QString& to);
    // Earlier versions put the English starter recordings into the sound folders themselves,
    // where nothing told them from a parent's. Once per data folder (a marker in its Starter
    // folder remembers it), every file of the seven sound folders that is an English starter
    // recording (shipped in <program>/Starter/en, or made in <data>/Starter/en): the same
    // bytes, or the same samples but for the last bits that the starter tools dither anew
    // on every build. It is taken out of the sound folder (its twin in the starter folder is
    // what plays from now on). Anything else is the parent's and stays as it is. Returns the
    // number taken out.
    static int takeOutStarterCopies(const QString& dataFolder, const QString& programFolder);
};
