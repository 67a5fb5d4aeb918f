#pragma once

#include <QString>

// The document exists only because the frame has one: it holds and stores nothing. Opening
// or saving a file changes only its path and title.
class CPommelotDoc
{
public:
    bool OnNewDocument();
    // Writes nothing when storing, reads nothing when loading.
    bool OnOpenDocument(const QString& path);
    bool OnSaveDocument(const QString& path);
    QString GetTitle() const { return m_title; }
    QString GetPathName() const { return m_path; }

private:
    QString m_title = QStringLiteral("Pommel");
    QString m_path;
};
