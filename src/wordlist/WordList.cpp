#include "wordlist/WordList.h"

#include "app/PommelotApp.h"

// Scaffolding: replaced by the list and its file format.
WordList::WordList(const QString& fileStem, const QString& folder, const QString& dataFolder)
    : m_szFolder(folder), m_dataFolder(dataFolder.isEmpty() ? AfxGetApp()->GetDataFolder() : dataFolder)
{
    m_szFilePath = m_dataFolder + QLatin1Char('/') + fileStem + QStringLiteral(".wdl");
}
WordList::~WordList() = default;
void WordList::Load() {}
bool WordList::Save()
{
    return false;
}
void WordList::AddWord(const QString*) {}
void WordList::InsertWordAfter(int, const QString&) {}
void WordList::RemoveWord(int) {}
int WordList::FindWord(const QString&) const
{
    return -1;
}
QString WordList::GetWordText(int) const
{
    return QStringLiteral("Word list is empty.");
}
QString WordList::GetWord(int) const
{
    return QString();
}
QString WordList::GetSoundPath(int) const
{
    return QString();
}
bool WordList::isSafeFileName(const QString&)
{
    return true;
}
int NextWordIndex(int, const WordList*)
{
    return 0;
}
int NextWordIndex(int, int, bool)
{
    return 0;
}
