#include "app/PommelotDoc.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

bool CPommelotDoc::OnNewDocument()
{
    m_path.clear();
    m_title = untitled();
    return true;
}

bool CPommelotDoc::OnOpenDocument(const QString& path)
{
    if (!QFileInfo(path).isFile())
        return false;
    m_path = path;
    m_title = QFileInfo(path).fileName();
    return true;
}

bool CPommelotDoc::OnSaveDocument(const QString& path)
{
    if (path.isEmpty())
        return false;
    const QByteArray name = QFile::encodeName(path);
    // Created only if nothing is there yet: an existing file is never opened for writing.
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) {
        ::close(fd);
    } else {
        struct stat st = {};
        // What is there already may stay only if it is an empty file, which is what a save
        // would leave anyway.
        if (errno != EEXIST || ::stat(name.constData(), &st) != 0 || !S_ISREG(st.st_mode) ||
            st.st_size != 0)
            return false;
    }
    m_path = path;
    m_title = QFileInfo(path).fileName();
    return true;
}

QString CPommelotDoc::untitled()
{
    return QCoreApplication::translate("CPommelotDoc", "Untitled");
}
