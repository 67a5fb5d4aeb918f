#pragma once

#include <QString>

// The document exists only because the frame has one: it holds and stores nothing. Opening
// or saving a file changes only its path and title.
class CPommelotDoc
{
public:
    bool OnNewDocument();
    // Reads nothing.
    bool OnOpenDocument(const QString& path);
    // The document holds no data, so saving writes none: a missing file is created empty, an
    // empty one is left as it is, and a file that holds anything is never truncated or
    // replaced (false, file untouched).
    bool OnSaveDocument(const QString& path);
    QString GetTitle() const { return m_title; }
    QString GetPathName() const { return m_path; }

    // The title of a document that has no file yet, in the language in use.
    static QString untitled();

private:
    QString m_title = untitled();
    QString m_path;
};
