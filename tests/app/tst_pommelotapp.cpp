#include "audio/StarterVoice.h"
#include "common/TestApp.h"
#include "wordlist/WordList.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace {
const QByteArray kParentsRecording("RIFF a parent's own recording");
QByteArray g_parentsLion;

// Before start-up: two of the seven folders exist already, one with a recording in it; list
// files with two words without a recording and one with the parent's recording under a name
// in other letters.
void prepare(const QString& folder)
{
    TestApp::writeFile(folder + QStringLiteral("/Colors/Red.wav"), kParentsRecording);
    QDir().mkpath(folder + QStringLiteral("/Bird"));
    {
        WordList words(QStringLiteral("Default"), QStringLiteral("Words"), folder);
        words.AddWord(QStringLiteral("Kiwi"));
        words.AddWord(QStringLiteral("Lion"));
        words.Save();
        WordList bird(QStringLiteral("Bird"), QStringLiteral("Bird"), folder);
        bird.AddWord(QStringLiteral("Hello"));
        bird.Save();
    }
    TestApp::writeWav(folder + QStringLiteral("/Words/LION.wav"), 2205, 1500);
    g_parentsLion = TestApp::readFile(folder + QStringLiteral("/Words/LION.wav"));
    CStarterVoice::setEnabled(true);
}
} // namespace

// Start-up state: defaults, sound folders, word lists, the profile, the program folder.
class TestPommelotApp : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void defaultsAtEveryStart()
    {
        const CPommelotApp* app = AfxGetApp();
        QVERIFY(app->m_settings.m_bAudioEnabled);
        QVERIFY(!app->m_settings.m_bLockKeyboard);
        QCOMPARE(app->m_settings.m_nSoundDelay, 0);
        QVERIFY(!app->m_settings.m_bReverseWordOrder);
        QVERIFY(!app->m_settings.m_bRandomizeWords);
        QCOMPARE(app->m_settings.m_strFontFace, QStringLiteral("Arial"));
        QCOMPARE(app->m_settings.m_nFontWeight, 400);
        QVERIFY(!app->m_settings.m_bFontItalic);
        QCOMPARE(app->applicationName(), QStringLiteral("Pommelot"));
    }

    void startUpCreatesTheSevenSoundFolders()
    {
        // The test harness creates none of them: start-up did.
        const QStringList names = {"Shapes", "Colors", "Letters", "Numbers",
                                   "Words",  "Math",   "Bird"};
        for (const QString& n : names)
            QVERIFY2(QFileInfo(TestApp::programFolder() + '/' + n).isDir(), qPrintable(n));
        QVERIFY(!QFileInfo::exists(TestApp::programFolder() + QStringLiteral("/Help")));
        // Folders that were there already keep what they held.
        QCOMPARE(TestApp::readFile(TestApp::programFolder() + QStringLiteral("/Colors/Red.wav")),
                 kParentsRecording);
        QCOMPARE(QDir(TestApp::programFolder() + QStringLiteral("/Colors"))
                     .entryList(QDir::Files | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("Red.wav")});
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

    void recentFileListKeepsFourNewestFirst()
    {
        CPommelotApp* app = AfxGetApp();
        for (const char* f : {"/a", "/b", "/c", "/d", "/e", "/c"})
            app->AddToRecentFileList(QString::fromLatin1(f));
        QCOMPARE(app->recentFiles(), QStringList({"/c", "/e", "/d", "/b"}));
    }

    // Every word of the list files found at start speaks, in the background, from a starter
    // recording kept apart from the parent's; the parent's recording is left as it was and
    // nothing is added to the parent's sound folder.
    void listWordsSpeakFromTheStart()
    {
        QVERIFY(CStarterVoice::instance()->waitForIdle(180000));
        CStarterVoice::setEnabled(false);
        const QString folder = TestApp::programFolder();
        QVERIFY(QFileInfo(folder + QStringLiteral("/Starter/en/Words/Kiwi.wav")).size() > 1000);
        QVERIFY(QFileInfo(folder + QStringLiteral("/Starter/en/Bird/Hello.wav")).size() > 1000);
        QVERIFY(!QFileInfo::exists(folder + QStringLiteral("/Starter/en/Words/Lion.wav")));
        QStringList words =
            QDir(folder + QStringLiteral("/Words")).entryList(QDir::Files | QDir::Hidden);
        QCOMPARE(words, QStringList{"LION.wav"});
        // The cue for Kiwi plays the starter recording, the cue for Lion the parent's.
        QCOMPARE(CStarterVoice::find(folder + QStringLiteral("/Words/Kiwi.wav")),
                 folder + QStringLiteral("/Starter/en/Words/Kiwi.wav"));
        QCOMPARE(CStarterVoice::find(folder + QStringLiteral("/Words/Lion.wav")),
                 folder + QStringLiteral("/Words/LION.wav"));
        QCOMPARE(TestApp::readFile(folder + QStringLiteral("/Words/LION.wav")), g_parentsLion);
    }

    void logSemaphoreIsHeld()
    {
        // Held by this process: mapped into it, not merely a file some earlier run left.
        QFile maps(QStringLiteral("/proc/self/maps"));
        QVERIFY(maps.open(QIODevice::ReadOnly));
        QVERIFY(maps.readAll().contains("/dev/shm/sem.QVXLogSem"));
    }
};

int main(int argc, char** argv)
{
    TestPommelotApp tc;
    return runTestObject(argc, argv, &tc, false, prepare);
}
#include "tst_pommelotapp.moc"
