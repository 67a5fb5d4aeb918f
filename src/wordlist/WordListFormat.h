#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The word-list file: the words one after another, each a length prefix and its characters,
// with no header, count or terminator (an empty list is an empty file).
//
// Length prefix of a word of n units:
//   n < 255            one byte n
//   255 <= n < 65534   0xFF, then n as 16-bit little-endian
//   n >= 65534         0xFF, 0xFF 0xFF, then n as 32-bit little-endian
// A narrow word is n bytes of Windows-1252 text. 0xFF followed by the 16-bit value 0xFFFE marks
// a UTF-16 word: its character count follows by the same rules, then 2 x count bytes of
// UTF-16LE. Words that Windows-1252 cannot hold are written in that form, so none is lost.
//
// Pure functions of bytes and strings; nothing here touches files or the application.
class WordListFormat
{
public:
    // Every word up to the end of the data or up to the first truncated or damaged word, which
    // is dropped. *complete (when given) tells whether the data ended exactly after a word.
    static QStringList decode(const QByteArray& bytes, bool* complete = nullptr);
    static QByteArray encode(const QStringList& words);
    // Appends one word in the narrow form when Windows-1252 holds it exactly, else in the
    // UTF-16 form.
    static void appendWord(QByteArray& out, const QString& word);
    // Whether the word converts to Windows-1252 and back unchanged.
    static bool fitsWindows1252(const QString& word);
    // Whether this Qt build offers the Windows-1252 codec (it comes from ICU).
    static bool codecAvailable();
};
