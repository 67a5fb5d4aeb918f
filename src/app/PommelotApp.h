#pragma once

#include "base/PlaySettings.h"

#include <QApplication>
#include <QString>
#include <memory>

class WordList;
class CMainFrame;
class QSettings;

// The one application object. Holds the run-time settings every play mode reads (never
// stored: each start begins with the defaults), owns the two word lists and performs start-up
// and shut-down.
class CPommelotApp : public QApplication
{
    Q_OBJECT
public:
    CPommelotApp(int& argc, char** argv);
    ~CPommelotApp() override;

    // Start-up: false ends the program silently.
    bool InitInstance();
    // Shut-down: saves changed word lists.
    int ExitInstance();

    // The folder of the program file, without a trailing slash: the base of the help page.
    QString GetProgramFolder() const;
    // The folder that holds the sound folders and the list files: the program folder when it
    // is writable, else the user's data folder, seeded from the program folder's files.
    QString GetDataFolder() const;
    // Dispatches the events waiting in the queue, then returns.
    void PumpWaitingMessages();
    // The help page in the language in use: <program folder>/Help/Pommelot.<code>.htm when
    // that page is there, else the English <program folder>/Help/Pommelot.htm.
    QString helpPagePath() const;
    // Opens helpPagePath() in the desktop's browser.
    void WinHelp(unsigned long data = 0, unsigned int cmd = 0);
    void OnAppAbout();
    // Another start of the program asked for this copy: shows the main window unminimised and
    // asks the desktop to make it the active one (on Wayland with the launcher's activation
    // token, when there is one).
    void bringToFront(const QString& activationToken);
    // The play session (the program alone in a kiosk compositor): the frame goes full screen,
    // and when the parent's gesture leaves full screen the program ends, which ends the
    // session. Call after InitInstance.
    void startPlaySession();
    // The command-line option that asks for the play session.
    static constexpr const char* kPlaySessionOption = "--play-session";

    // The profile's recent-file list (four entries, newest first): the only thing the program
    // keeps in its settings store.
    void AddToRecentFileList(const QString& path);
    QStringList recentFiles() const;

    // The language of the voice, the starter words and the interface (CLanguage), for the rest
    // of the run: the next sound played is the new language's starter recording wherever the
    // parent has not recorded one. With starterLists, both word lists start anew from the
    // language's starter lists (the parent's recordings stay on disk); otherwise they are kept.
    void setLanguage(const QString& code, bool starterLists = false);
    // One line for the General page about the current language's starter voice (being made,
    // or missing and spoken in English); empty when all is ready.
    QString starterVoiceStatus() const;
    // Writes the language's starter lists as <folder>/Default.wdl and Bird.wdl where no list
    // file exists yet. Returns the number written.
    static int writeStarterLists(const QString& folder, const QString& code);
    // The language's starter words for the list with this file stem ("Default", "Bird").
    static QStringList starterWords(const QString& code, const QString& fileStem);

    CMainFrame* mainFrame() const { return m_pMainFrame.get(); }

    // The parent's settings, handed down by reference to the frame, the view, the play modes
    // and the Settings sheet (defaults set by the constructor and InitInstance).
    PlaySettings m_settings;
    WordList* m_pWordList = nullptr;
    WordList* m_pBirdWordList = nullptr;

    // Tests only: use this folder as program folder and data folder, and create no window in
    // InitInstance unless asked. The shipped program never calls it.
    static void setTestProgramFolder(const QString& folder, bool createWindow = false);

private:
    void createSoundFolders();
    // Queues what the current language's starter voice lacks, for its items and the words of
    // both lists.
    void makeStarterVoice();
    void replaceWithStarterLists();
    std::unique_ptr<CMainFrame> m_pMainFrame;
    std::unique_ptr<QSettings> m_pProfile;
};

// The application object, as every other part reaches it.
CPommelotApp* AfxGetApp();
