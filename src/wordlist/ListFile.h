#pragma once

#include <QByteArray>
#include <QString>

// Reading and writing a word-list file without ever hanging, exhausting memory or losing the
// old list on the way.
//
// Reading takes only a regular file (a FIFO, a device or a folder is refused without being
// waited on) and at most maxSize bytes: a bigger file is refused whole.
//
// Writing replaces the file atomically (a new file beside it, renamed over it). Where the
// folder allows no new files but the file itself is writable, the file is rewritten in place:
// its old contents are first copied to a backup in the temporary folder, which is used to put
// them back if the write fails, and is removed once the new contents are on disk. Nothing
// that is not a regular file is ever written or replaced, and no temporary file is left
// behind (the one exception: when a failed in-place write cannot even put the old contents
// back, the backup is kept, as it is then the only whole copy of the list).
class ListFile
{
public:
    // A word list of a toddler's program holds a few hundred short words; a megabyte is far
    // more than any list a parent makes.
    static constexpr qint64 kMaxSize = 1024 * 1024;

    enum class ReadResult
    {
        Read,       // bytes holds the whole file
        Missing,    // no such file
        NotRegular, // a FIFO, device, socket or folder: refused
        TooLarge,   // more than maxSize bytes: refused
        Failed,     // could not be opened or read
    };
    static ReadResult read(const QString& path, QByteArray& bytes, qint64 maxSize = kMaxSize);

    // Replaces the file's contents with bytes. False (old file as it was) on failure.
    static bool write(const QString& path, const QByteArray& bytes);
    // The fallback of write(): rewrites an existing, writable regular file in place, with a
    // backup in the temporary folder until the new contents are complete.
    static bool writeInPlace(const QString& path, const QByteArray& bytes);
};
