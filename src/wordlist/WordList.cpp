#include "wordlist/WordList.h"

#include "base/CaseFold.h"
#include "base/DataPaths.h"
#include "wordlist/ListFile.h"
#include "wordlist/WordListFormat.h"

#include <QCoreApplication>

#include <cmath>
#include <cstdlib>

namespace {

const char kEmptyText[] = QT_TRANSLATE_NOOP("WordList", "Word list is empty.");

} // namespace

WordList::WordList(const QString& fileStem, const QString& folder, const QString& dataFolder)
    : m_szFolder(folder), m_dataFolder(dataFolder.isEmpty() ? DataPaths::dataFolder() : dataFolder)
{
    m_szFilePath = m_dataFolder + QLatin1Char('/') + fileStem + QStringLiteral(".wdl");
    Load();
    m_bModified = false;
}

WordList::~WordList()
{
    if (m_bModified)
        Save();
}

void WordList::Load()
{
    QByteArray bytes;
    switch (ListFile::read(m_szFilePath, bytes)) {
    case ListFile::ReadResult::Read:
        // Words up to a damaged or cut-off one are kept; the rest is dropped without a word.
        m_words.append(WordListFormat::decode(bytes));
        break;
    case ListFile::ReadResult::NotRegular:
    case ListFile::ReadResult::TooLarge:
        // No list can be taken from it: the list starts empty, and the file stays as it is
        // unless the list is edited.
        m_bFileRefused = true;
        break;
    case ListFile::ReadResult::Missing:
    case ListFile::ReadResult::Failed:
        break;
    }
}

bool WordList::Save()
{
    if (m_bFileRefused && !m_bModified)
        return false;
    // The new list replaces the old one only once it is complete, so a failed write never
    // leaves a cut-off list behind.
    return ListFile::write(m_szFilePath, WordListFormat::encode(m_words));
}

void WordList::AddWord(const QString* text)
{
    if (!text)
        return;
    m_words.append(*text);
    m_bModified = true;
}

void WordList::InsertWordAfter(int index, const QString& text)
{
    if (index < 0 || index >= m_words.size())
        return;
    m_words.insert(index + 1, text);
    m_bModified = true;
}

void WordList::RemoveWord(int index)
{
    if (index < 0 || index >= m_words.size())
        return;
    m_words.removeAt(index);
    m_bModified = true;
}

int WordList::FindWord(const QString& text) const
{
    for (qsizetype i = 0; i < m_words.size(); ++i) {
        if (CaseFold::equal(m_words.at(i), text))
            return static_cast<int>(i);
    }
    return -1;
}

QString WordList::GetWordText(int index) const
{
    if (index < 0 || index >= m_words.size() || m_words.at(index).isEmpty())
        return emptyText();
    return m_words.at(index);
}

QString WordList::GetWord(int index) const
{
    if (index < 0 || index >= m_words.size())
        return QString();
    return m_words.at(index);
}

QString WordList::GetSoundPath(int index) const
{
    if (index < 0 || index >= m_words.size())
        return QString();
    const QString& word = m_words.at(index);
    // A word is used as a file name; one that would name a file outside the sound folder
    // has no recording.
    if (!isSafeFileName(word))
        return QString();
    return DataPaths::soundPath(m_dataFolder, m_szFolder, word);
}

QString WordList::emptyText()
{
    return QCoreApplication::translate("WordList", kEmptyText);
}

bool WordList::isSafeFileName(const QString& word)
{
    if (word == QLatin1String(".") || word == QLatin1String(".."))
        return false;
    for (const QChar c : word) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.unicode() == 0)
            return false;
    }
    return true;
}

int NextWordIndex(int cur, const WordList* list, bool randomize)
{
    const int count = list ? list->GetCount() : 0;
    return NextWordIndex(cur, count, randomize);
}

int RandomWordIndex(int r, int count)
{
    if (count <= 0)
        return 0;
    const double pick = std::trunc(count * ((r - 1) * 3.051850947599719e-05));
    // r = 0 makes the product negative, and -1 or below once the list has 32767 words; the
    // pick is kept inside the list whatever r is.
    if (pick < 0)
        return 0;
    if (pick > count - 1)
        return count - 1;
    return static_cast<int>(pick);
}

int NextWordIndex(int cur, int count, bool randomize)
{
    if (count <= 0)
        return 0;
    if (randomize) {
        // r runs over 0..32767 whatever the C library's RAND_MAX is.
        const long long raw = std::rand();
        return RandomWordIndex(
            static_cast<int>(raw * 32768 / (static_cast<long long>(RAND_MAX) + 1)), count);
    }
    if (cur < 0)
        return 0;
    return cur < count - 1 ? cur + 1 : 0;
}
