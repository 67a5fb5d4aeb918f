#pragma once

#include <QString>
#include <QStringList>

// An ordered list of words with its list file (<data folder>/<stem>.wdl) and its folder of
// word recordings (<data folder>/<folder>/<word>.wav). The list loads its file when it is
// constructed and saves it when destroyed, if it was changed.
class WordList
{
public:
    // The folder the list file and the sound folder live in is the application's data folder;
    // dataFolder overrides it (tests).
    WordList(const QString& fileStem, const QString& folder, const QString& dataFolder = QString());
    ~WordList();
    WordList(const WordList&) = delete;
    WordList& operator=(const WordList&) = delete;

    void Load();
    // Replaces the list file atomically (in place, with a backup, where the folder allows no
    // new files). Returns false (and leaves the old file) on failure. A list file that could
    // not be loaded because it is no regular file or is too large is left as it is unless the
    // list was edited.
    bool Save();

    void AddWord(const QString* text);
    void AddWord(const QString& text) { AddWord(&text); }
    void InsertWordAfter(int index, const QString& text);
    void RemoveWord(int index);
    // Index of the first word equal to text when letter case is ignored (CaseFold), or -1.
    int FindWord(const QString& text) const;
    // The word, or "Word list is empty." for an index that names none or an empty word.
    QString GetWordText(int index) const;
    // The word as stored; empty for an index that names none.
    QString GetWord(int index) const;
    // <data folder>/<folder>/<word>.wav; empty for an index that names none, and for a word
    // that cannot be a file name (see isSafeFileName).
    QString GetSoundPath(int index) const;
    QString GetFilePath() const { return m_szFilePath; }
    QString GetFolder() const { return m_szFolder; }
    int GetCount() const { return m_words.size(); }
    const QStringList& words() const { return m_words; }
    bool isModified() const { return m_bModified; }

    // "Word list is empty.", in the interface's language.
    static QString emptyText();

    // A word is a safe file name unless it holds '/', '\\' or NUL, or is "." or "..".
    static bool isSafeFileName(const QString& word);

private:
    QStringList m_words;
    bool m_bModified = false;
    // The list file was refused at load (not a regular file, or too large).
    bool m_bFileRefused = false;
    QString m_szFilePath;
    QString m_szFolder;
    QString m_dataFolder;
};

// The pick rule shared by the Words mode and the talking bird: random when randomize (the
// parent's Randomize setting) is set, else the next index, wrapping to 0.
int NextWordIndex(int cur, const WordList* list, bool randomize);
// The same for a list of count words.
int NextWordIndex(int cur, int count, bool randomize);
// The random pick from r, a draw in 0..32767: the integer part of count x (r - 1) / 32767,
// kept within 0..count-1.
int RandomWordIndex(int r, int count);
