#include "wordlist/ListFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// Opens without waiting: a FIFO with no writer would otherwise block the open.
int openNonBlocking(const QString& path, int flags)
{
    const QByteArray name = QFile::encodeName(path);
    int fd;
    do {
        fd = ::open(name.constData(), flags | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

class Fd
{
public:
    explicit Fd(int fd) : m_fd(fd) {}
    ~Fd()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

bool writeAllAt(int fd, const char* data, qint64 size, qint64 offset)
{
    while (size > 0) {
        const ssize_t n = ::pwrite(fd, data, static_cast<size_t>(size), offset);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        size -= n;
        offset += n;
    }
    return true;
}

// Copies `size` bytes from the start of `from` to the start of `to`.
bool copyContents(int from, int to, qint64 size)
{
    char buffer[65536];
    qint64 offset = 0;
    while (offset < size) {
        const qint64 want = qMin<qint64>(sizeof buffer, size - offset);
        const ssize_t n = ::pread(from, buffer, static_cast<size_t>(want), offset);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        if (!writeAllAt(to, buffer, n, offset))
            return false;
        offset += n;
    }
    return true;
}

bool isRegularOrMissing(const QString& path, bool& exists)
{
    struct stat st = {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0) {
        exists = false;
        return errno == ENOENT;
    }
    exists = true;
    return S_ISREG(st.st_mode);
}
} // namespace

ListFile::ReadResult ListFile::read(const QString& path, QByteArray& bytes, qint64 maxSize)
{
    bytes.clear();
    const Fd fd(openNonBlocking(path, O_RDONLY));
    if (fd.get() < 0)
        return errno == ENOENT ? ReadResult::Missing : ReadResult::Failed;
    struct stat st = {};
    if (::fstat(fd.get(), &st) != 0)
        return ReadResult::Failed;
    if (!S_ISREG(st.st_mode))
        return ReadResult::NotRegular;
    if (st.st_size > maxSize)
        return ReadResult::TooLarge;
    // The file may grow while it is read: never take more than maxSize + 1 bytes.
    QByteArray data;
    data.resize(static_cast<qsizetype>(qMin<qint64>(st.st_size, maxSize) + 1));
    qint64 total = 0;
    for (;;) {
        if (total == data.size()) {
            if (total > maxSize)
                return ReadResult::TooLarge;
            data.resize(static_cast<qsizetype>(qMin<qint64>(2 * total, maxSize + 1)));
        }
        const ssize_t n =
            ::read(fd.get(), data.data() + total, static_cast<size_t>(data.size() - total));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return ReadResult::Failed;
        if (n == 0)
            break;
        total += n;
    }
    if (total > maxSize)
        return ReadResult::TooLarge;
    data.truncate(static_cast<qsizetype>(total));
    bytes = data;
    return ReadResult::Read;
}

bool ListFile::write(const QString& path, const QByteArray& bytes)
{
    bool exists = false;
    // A FIFO, a device or a link to one is never written to nor replaced.
    if (!isRegularOrMissing(path, exists))
        return false;
    {
        // Unbuffered: a buffered save file can report success at commit although its final
        // flush fell short (disk full), which would put a cut-off list in place of the old
        // one. An unfinished or failed save file removes its temporary file itself.
        QSaveFile file(path);
        if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
            if (file.write(bytes) != bytes.size() || file.error() != QFileDevice::NoError)
                return false;
            return file.commit();
        }
    }
    // No new file could be made beside the old one (a folder that allows no new files):
    // the file itself may still be writable.
    return exists && writeInPlace(path, bytes);
}

bool ListFile::writeInPlace(const QString& path, const QByteArray& bytes)
{
    const Fd fd(openNonBlocking(path, O_RDWR));
    if (fd.get() < 0)
        return false;
    struct stat st = {};
    if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    const qint64 oldSize = st.st_size;

    // A named file, so that it outlives the program should the program die in the middle
    // of the write.
    QByteArray backupName =
        QFile::encodeName(QDir::tempPath() + QLatin1Char('/') + QFileInfo(path).fileName() +
                          QStringLiteral(".backup-XXXXXX"));
    const Fd backup(::mkostemp(backupName.data(), O_CLOEXEC));
    if (backup.get() < 0)
        return false;
    if (!copyContents(fd.get(), backup.get(), oldSize) || ::fsync(backup.get()) != 0) {
        ::unlink(backupName.constData());
        return false;
    }

    const bool written = writeAllAt(fd.get(), bytes.constData(), bytes.size(), 0) &&
                         ::ftruncate(fd.get(), bytes.size()) == 0 && ::fsync(fd.get()) == 0;
    const bool restored =
        written || (copyContents(backup.get(), fd.get(), oldSize) &&
                    ::ftruncate(fd.get(), oldSize) == 0 && ::fsync(fd.get()) == 0);
    if (restored)
        ::unlink(backupName.constData());
    return written;
}
