#include "app/DataFolder.h"

#include "audio/AudioManager.h"
#include "audio/WavFile.h"
#include "base/CaseFold.h"
#include "base/DataPaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStandardPaths>

#include <cstdlib>
#include <vector>

QString DataFolder::choose(const QString& programFolder)
{
    const bool installed =
        QFileInfo::exists(programFolder + QLatin1Char('/') + QLatin1String(kInstalledMarker)) ||
        !QFileInfo(programFolder).isWritable();
    if (!installed)
        return programFolder;
    QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    // No home to write to: stay with the program folder, which then plays what it ships.
    if (folder.isEmpty())
        return programFolder;
    while (folder.size() > 1 && folder.endsWith(QLatin1Char('/')))
        folder.chop(1);
    return folder;
}

namespace {
// Case-folded names of everything in a folder: the program finds a sound file whatever the
// case of its name, so a parent's "red.wav" counts as the Red.wav we would bring.
QSet<QString> namesIn(const QString& folder)
{
    QSet<QString> names;
    const QStringList entries = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden |
                                                       QDir::System | QDir::NoDotAndDotDot);
    for (const QString& name : entries)
        names.insert(CaseFold::fold(name));
    return names;
}

// Copies the files of `from` whose names end in `suffix` into `to` where `to` has no entry of
// that name. Returns the number copied.
int copyMissing(const QString& from, const QString& to, const QString& suffix)
{
    const QDir source(from);
    const QStringList files =
        source.entryList(QDir::Files | QDir::Readable | QDir::NoDotAndDotDot, QDir::Name);
    QSet<QString> present;
    bool listed = false;
    int copied = 0;
    for (const QString& name : files) {
        if (!name.endsWith(suffix, Qt::CaseInsensitive) || name.startsWith(QLatin1Char('.')))
            continue;
        if (!listed) {
            if (!QDir().mkpath(to))
                return copied;
            present = namesIn(to);
            listed = true;
        }
        if (present.contains(CaseFold::fold(name)))
            continue;
        const QString target = to + QLatin1Char('/') + name;
        // Copy beside the target, then rename: rename never replaces a file, so a file that
        // appeared meanwhile wins, and an interrupted copy never leaves a half recording
        // under the real name (which would then never be replaced).
        const QString part = to + QStringLiteral("/.") + name + QStringLiteral(".part");
        QFile::remove(part);
        if (!QFile::copy(source.filePath(name), part))
            continue;
        // The shipped files may be read-only; the parent records over these copies.
        QFile::setPermissions(part, QFile::permissions(part) | QFileDevice::WriteOwner |
                                        QFileDevice::ReadOwner);
        if (QFile::rename(part, target)) {
            present.insert(CaseFold::fold(name));
            ++copied;
        } else {
            QFile::remove(part);
        }
    }
    return copied;
}
} // namespace

int DataFolder::seed(const QString& from, const QString& to)
{
    if (from.isEmpty() || to.isEmpty() || QFileInfo(from) == QFileInfo(to))
        return 0;
    int copied = 0;
    for (const char* folder : DataPaths::kSoundFolders) {
        const QString name = QLatin1String(folder);
        copied += copyMissing(from + QLatin1Char('/') + name, to + QLatin1Char('/') + name,
                              QStringLiteral(".wav"));
    }
    copied += copyMissing(from, to, QStringLiteral(".wdl"));
    return copied;
}

namespace {
// The same starter recording: the same bytes, or the same word made again by the starter
// voice's tools, which dither the last bit or two of each sample differently on every run.
// A recording of a parent's voice is never within two steps of the speech voice's samples.
bool sameRecording(const QString& a, const QString& b)
{
    QFile fa(a);
    QFile fb(b);
    if (!fa.open(QIODevice::ReadOnly) || !fb.open(QIODevice::ReadOnly))
        return false;
    if (fa.size() == fb.size() && fa.readAll() == fb.readAll())
        return true;
    // A starter recording is a second or two; anything far longer is no starter copy.
    int xRate = 0;
    int yRate = 0;
    const std::vector<int16_t> x = WavFile::readMono(a, xRate, 10 * 48000);
    const std::vector<int16_t> y = WavFile::readMono(b, yRate, 10 * 48000);
    if (x.empty() || x.size() != y.size() || xRate != yRate)
        return false;
    for (size_t i = 0; i < x.size(); ++i) {
        if (std::abs(int(x[i]) - int(y[i])) > 2)
            return false;
    }
    return true;
}
} // namespace

int DataFolder::takeOutStarterCopies(const QString& dataFolder, const QString& programFolder)
{
    if (dataFolder.isEmpty())
        return 0;
    const QString marker = dataFolder + QStringLiteral("/Starter/.sorted");
    if (QFileInfo::exists(marker))
        return 0;
    QStringList starterBases{dataFolder};
    if (!programFolder.isEmpty() && programFolder != dataFolder)
        starterBases << programFolder;
    int taken = 0;
    for (const char* folder : DataPaths::kSoundFolders) {
        const QString name = QLatin1String(folder);
        const QDir sounds(dataFolder + QLatin1Char('/') + name);
        const QStringList files = sounds.entryList(QDir::Files | QDir::NoDotAndDotDot);
        for (const QString& file : files) {
            if (!file.endsWith(QStringLiteral(".wav"), Qt::CaseInsensitive))
                continue;
            const QString path = sounds.filePath(file);
            bool twin = false;
            for (const QString& base : starterBases) {
                const QString starter = CAudioManager::resolvePath(
                    base + QStringLiteral("/Starter/en/") + name + QLatin1Char('/') + file);
                twin = twin || (!starter.isEmpty() && sameRecording(path, starter));
            }
            // Its twin in the starter folder is what plays now.
            if (twin && QFile::remove(path))
                ++taken;
        }
    }
    if (QDir().mkpath(dataFolder + QStringLiteral("/Starter"))) {
        QFile done(marker);
        if (done.open(QIODevice::WriteOnly))
            done.write("Starter copies were taken out of the sound folders.\n");
    }
    return taken;
}
