#include "app/PommelotDoc.h"

#include <QFile>
#include <QFileInfo>

bool CPommelotDoc::OnNewDocument()
{
    m_path.clear();
    m_title = QStringLiteral("Pommel");
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
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    file.close();
    m_path = path;
    m_title = QFileInfo(path).fileName();
    return true;
}
