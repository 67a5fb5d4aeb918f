#include "common/TestApp.h"
#include "wordlist/WordList.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

// Start-up state: defaults, sound folders, word lists, the profile, the program folder.
class TestPommelotApp : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void defaultsAtEveryStart()
    {
        const CPommelotApp* app = AfxGetApp();
        QVERIFY(app->m_bAudioEnabled);
        QVERIFY(!app->m_bLockKeyboard);
        QCOMPARE(app->m_nSoundDelay, 0);
        QVERIFY(!app->m_bReverseWordOrder);
        QVERIFY(!app->m_bRandomizeWords);
        QCOMPARE(app->m_strFontFace, QStringLiteral("Arial"));
        QCOMPARE(app->m_nFontWeight, 400);
        QVERIFY(!app->m_bFontItalic);
        QCOMPARE(app->applicationName(), QStringLiteral("Pommelot"));
    }

    void sevenSoundFoldersExist()
    {
        const QStringList names = {"Shapes", "Colors", "Letters", "Numbers",
                                   "Words",  "Math",   "Bird"};
        for (const QString& n : names)
            QVERIFY2(QFileInfo(TestApp::programFolder() + '/' + n).isDir(), qPrintable(n));
        QVERIFY(!QFileInfo::exists(TestApp::programFolder() + QStringLiteral("/Help")));
    }

    void wordListsLiveInTheProgramFolder()
    {
        const CPommelotApp* app = AfxGetApp();
        QVERIFY(app->m_pWordList);
        QVERIFY(app->m_pBirdWordList);
        QCOMPARE(app->m_pWordList->GetFilePath(), TestApp::programFolder() + "/Default.wdl");
        QCOMPARE(app->m_pBirdWordList->GetFilePath(), TestApp::programFolder() + "/Bird.wdl");
        QCOMPARE(app->m_pWordList->GetFolder(), QStringLiteral("Words"));
        QCOMPARE(app->m_pBirdWordList->GetFolder(), QStringLiteral("Bird"));
    }

    void programFolderHasNoTrailingSlash()
    {
        const QString folder = AfxGetApp()->GetProgramFolder();
        QVERIFY(!folder.endsWith('/'));
        QCOMPARE(folder, TestApp::programFolder());
    }

    void recentFileListKeepsFourNewestFirst()
    {
        CPommelotApp* app = AfxGetApp();
        for (const char* f : {"/a", "/b", "/c", "/d", "/e", "/c"})
            app->AddToRecentFileList(QString::fromLatin1(f));
        QCOMPARE(app->recentFiles(), QStringList({"/c", "/e", "/d", "/b"}));
    }

    void logSemaphoreIsHeld()
    {
        QVERIFY(QFileInfo::exists(QStringLiteral("/dev/shm/sem.QVXLogSem")));
    }
};

POMMELOT_TEST_MAIN(TestPommelotApp)
#include "tst_pommelotapp.moc"
