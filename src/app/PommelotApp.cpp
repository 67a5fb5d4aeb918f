#include "app/PommelotApp.h"

#include "app/AboutDlg.h"
#include "app/DataFolder.h"
#include "app/MainFrame.h"
#include "app/PommelotView.h"
#include "audio/AudioManager.h"
#include "audio/StarterVoice.h"
#include "base/DataPaths.h"
#include "base/Language.h"
#include "lock/LockStatus.h"
#include "lock/x11/X11Connection.h"
#include "settings/SettingsLauncher.h"
#include "widgets/QControls.h"
#include "wordlist/ListFile.h"
#include "wordlist/WordList.h"
#include "wordlist/WordListFormat.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QUrl>

#include <fcntl.h>
#include <semaphore.h>

namespace {
QString g_testProgramFolder;
bool g_testCreateWindow = true;

constexpr char kLogSemaphoreName[] = "/QVXLogSem";

// Created (or opened) at process start and held until exit; nothing waits on it. A copy of
// the program that really ran removes the name when it ends (ExitInstance), so no file is left
// behind for the next user of the machine; a process that ends without running (start-up
// refused) leaves the name alone, as another copy may hold it.
struct LogSemaphore
{
    sem_t* sem = sem_open(kLogSemaphoreName, O_CREAT, 0600, 1);
    bool unlinkAtExit = false;
    ~LogSemaphore()
    {
        if (sem != SEM_FAILED)
            sem_close(sem);
    }
};
LogSemaphore g_logSemaphore;
} // namespace

CPommelotApp* AfxGetApp()
{
    return static_cast<CPommelotApp*>(QCoreApplication::instance());
}

void CPommelotApp::setTestProgramFolder(const QString& folder, bool createWindow)
{
    g_testProgramFolder = folder;
    g_testCreateWindow = createWindow;
    DataPaths::setDataFolder(folder);
}

CPommelotApp::CPommelotApp(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Pommelot"));
    setOrganizationName(QStringLiteral("Quorvex Pommelot"));
    setApplicationDisplayName(QStringLiteral("Pommelot"));
    setDesktopFileName(QStringLiteral("org.quorvex.Pommelot"));
    m_settings = PlaySettings();
}

CPommelotApp::~CPommelotApp()
{
    // ExitInstance normally ran already; this only covers an early return.
    m_pMainFrame.reset();
    CSettingsLauncher::GetInstance()->setContext(SettingsContext());
    delete m_pWordList;
    m_pWordList = nullptr;
    delete m_pBirdWordList;
    m_pBirdWordList = nullptr;
}

QString CPommelotApp::GetProgramFolder() const
{
    if (!g_testProgramFolder.isEmpty())
        return g_testProgramFolder;
    static QString folder;
    if (folder.isEmpty()) {
        folder = QCoreApplication::applicationDirPath();
        while (folder.size() > 1 && folder.endsWith(QLatin1Char('/')))
            folder.chop(1);
    }
    return folder;
}

QString CPommelotApp::GetDataFolder() const
{
    // Chosen once; every layer finds it in DataPaths from then on.
    if (DataPaths::dataFolder().isEmpty())
        DataPaths::setDataFolder(g_testProgramFolder.isEmpty()
                                     ? DataFolder::choose(GetProgramFolder())
                                     : g_testProgramFolder);
    return DataPaths::dataFolder();
}

void CPommelotApp::createSoundFolders()
{
    const QString base = GetDataFolder();
    for (const char* name : DataPaths::kSoundFolders)
        QDir().mkpath(base + QLatin1Char('/') + QLatin1String(name));
}

bool CPommelotApp::InitInstance()
{
    m_settings.m_strFontFace = QStringLiteral("Arial");
    m_settings.m_nFontWeight = 400;
    m_settings.m_bFontItalic = false;

    if (InitQControls() == 0)
        return false;

    // The language: asked for on the command line, else the desktop's where it is ours.
    QString language = CLanguage::fromArguments(arguments());
    if (language.isEmpty())
        language = CLanguage::fromSystem();
    CLanguage::instance()->select(language);
    // A first start finds the starter word lists in its language.
    if (g_testProgramFolder.isEmpty())
        writeStarterLists(GetDataFolder(), language);

    // An installed copy keeps its sounds and lists in the user's data folder, seeded from
    // the shipped ones without overwriting anything a parent made.
    if (g_testProgramFolder.isEmpty() && GetDataFolder() != GetProgramFolder())
        DataFolder::seed(GetProgramFolder(), GetDataFolder());
    createSoundFolders();
    // Starter recordings live apart from the parent's; copies that earlier versions put
    // among the parent's recordings are taken out once, so they never pass for the parent's.
    CStarterVoice::setFolders(GetDataFolder(), GetProgramFolder());
    DataFolder::takeOutStarterCopies(GetDataFolder(), GetProgramFolder());

    m_pWordList = new WordList(QStringLiteral("Default"), QStringLiteral("Words"), GetDataFolder());
    m_pBirdWordList = new WordList(QStringLiteral("Bird"), QStringLiteral("Bird"), GetDataFolder());
    // The Settings sheet works on these settings and lists.
    SettingsContext context;
    context.settings = &m_settings;
    context.words = m_pWordList;
    context.birdWords = m_pBirdWordList;
    context.setLanguage = [this](const QString& code, bool starterLists) {
        setLanguage(code, starterLists);
    };
    context.voiceStatus = [this] { return starterVoiceStatus(); };
    CSettingsLauncher::GetInstance()->setContext(context);
    // Whatever the language's starter voice lacks (the program ships it for every language,
    // but a word of a list file may be new) is made in the background.
    makeStarterVoice();

    // The profile holds only the recent-file list; the program stores nothing of its own.
    m_pProfile =
        std::make_unique<QSettings>(QStringLiteral("Quorvex Pommelot"), QStringLiteral("Pommelot"));

    if (!g_testProgramFolder.isEmpty() && !g_testCreateWindow)
        return true;

    m_pMainFrame = std::make_unique<CMainFrame>();
    m_pMainFrame->LoadFrame();
    m_pMainFrame->show();
    m_pMainFrame->view()->OnInitialUpdate();
    // This copy runs: it owns the semaphore's name until it ends. (Test programs, which run
    // side by side, leave the shared name alone.)
    g_logSemaphore.unlinkAtExit = g_testProgramFolder.isEmpty();
    return true;
}

int CPommelotApp::ExitInstance()
{
    // The frame (and with it the view and its activities) goes first, so nothing plays or
    // draws while the lists are written.
    m_pMainFrame.reset();
    CStarterVoice::instance()->shutdown();
    CSettingsLauncher::GetInstance()->setContext(SettingsContext());
    delete m_pWordList;
    m_pWordList = nullptr;
    delete m_pBirdWordList;
    m_pBirdWordList = nullptr;
    m_pProfile.reset();
    if (g_logSemaphore.unlinkAtExit && g_logSemaphore.sem != SEM_FAILED) {
        g_logSemaphore.unlinkAtExit = false;
        sem_unlink(kLogSemaphoreName);
    }
    return 0;
}

void CPommelotApp::AddToRecentFileList(const QString& path)
{
    if (!m_pProfile || path.isEmpty())
        return;
    QStringList files = recentFiles();
    files.removeAll(path);
    files.prepend(path);
    while (files.size() > 4)
        files.removeLast();
    m_pProfile->beginGroup(QStringLiteral("Recent File List"));
    m_pProfile->remove(QString());
    for (int i = 0; i < files.size(); ++i)
        m_pProfile->setValue(QStringLiteral("File%1").arg(i + 1), files.at(i));
    m_pProfile->endGroup();
}

QStringList CPommelotApp::recentFiles() const
{
    QStringList files;
    if (!m_pProfile)
        return files;
    for (int i = 1; i <= 4; ++i) {
        const QString f =
            m_pProfile->value(QStringLiteral("Recent File List/File%1").arg(i)).toString();
        if (!f.isEmpty())
            files << f;
    }
    return files;
}

void CPommelotApp::PumpWaitingMessages()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

QString CPommelotApp::helpPagePath() const
{
    const QString help = GetProgramFolder() + QStringLiteral("/Help/");
    const QString code = CLanguage::instance()->current();
    if (code != QLatin1String("en")) {
        const QString page = help + QStringLiteral("Pommelot.%1.htm").arg(code);
        if (QFileInfo::exists(page))
            return page;
    }
    return help + QStringLiteral("Pommelot.htm");
}

void CPommelotApp::WinHelp(unsigned long, unsigned int)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(helpPagePath()));
}

void CPommelotApp::bringToFront(const QString& activationToken)
{
    CMainFrame* frame = m_pMainFrame.get();
    if (!frame)
        return;
    // Qt's Wayland platform hands this token to the compositor with the activation request.
    if (!activationToken.isEmpty())
        qputenv("XDG_ACTIVATION_TOKEN", activationToken.toUtf8());
    frame->setWindowState(frame->windowState() & ~Qt::WindowMinimized);
    frame->show();
    frame->raise();
    frame->activateWindow();
}

void CPommelotApp::startPlaySession()
{
    CMainFrame* frame = m_pMainFrame.get();
    if (!frame)
        return;
    frame->setFullScreen(true);
    // The play session runs in its own kiosk compositor (cage), which the login screen
    // starts: there is no desktop behind the view for a key to reach, and the compositor
    // keeps console switching off. That is what holds, whatever the compositor answers to
    // the shortcut inhibitor, so no notice covers the view. On X11 the lock reports for itself.
    if (!x11Connection()) {
        CLockStatus* status = CLockStatus::instance();
        status->report(QStringLiteral("play-session"),
                       CLockStatus::Entry{CLockStatus::Part::Keyboard, CLockStatus::State::Held,
                                          tr("play session"), QString()});
        status->report(QStringLiteral("play-session-console"),
                       CLockStatus::Entry{CLockStatus::Part::ServerKeys, CLockStatus::State::Held,
                                          tr("console switching off by cage"), QString()});
    }
    // Queued: the frame finishes leaving full screen before the loop ends.
    connect(frame, &CMainFrame::fullScreenLeft, this, &QCoreApplication::quit,
            Qt::QueuedConnection);
}

void CPommelotApp::OnAppAbout()
{
    CAboutDlg dlg(m_pMainFrame.get());
    dlg.exec();
}

QStringList CPommelotApp::starterWords(const QString& code, const QString& fileStem)
{
    QFile file(QStringLiteral(":/lang/%1/%2.txt").arg(CLanguage::info(code).code, fileStem));
    QStringList words;
    if (!file.open(QIODevice::ReadOnly))
        return words;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        const QString word = line.trimmed();
        if (!word.isEmpty())
            words << word;
    }
    return words;
}

int CPommelotApp::writeStarterLists(const QString& folder, const QString& code)
{
    int written = 0;
    for (const QString& stem : {QStringLiteral("Default"), QStringLiteral("Bird")}) {
        const QString path = folder + QLatin1Char('/') + stem + QStringLiteral(".wdl");
        if (QFileInfo::exists(path) || QFileInfo(path).isSymLink())
            continue;
        const QStringList words = starterWords(code, stem);
        if (!words.isEmpty() && ListFile::write(path, WordListFormat::encode(words)))
            ++written;
    }
    return written;
}

void CPommelotApp::makeStarterVoice()
{
    QStringList items;
    for (const WordList* list : {m_pWordList, m_pBirdWordList}) {
        if (!list)
            continue;
        for (int i = 0; i < list->GetCount(); ++i) {
            const QString word = list->GetWord(i);
            // Words that have the parent's recording need none.
            if (!list->GetSoundPath(i).isEmpty() &&
                CAudioManager::resolvePath(list->GetSoundPath(i)).isEmpty())
                items << list->GetFolder() + QLatin1Char('|') + word + QLatin1Char('|') + word;
        }
    }
    CStarterVoice::instance()->makeLanguage(CLanguage::instance()->current(), items);
}

void CPommelotApp::setLanguage(const QString& code, bool starterLists)
{
    CLanguage::instance()->select(code);
    if (starterLists) {
        replaceWithStarterLists();
    }
    makeStarterVoice();
}

void CPommelotApp::replaceWithStarterLists()
{
    const QString current = CLanguage::instance()->current();
    for (WordList* list : {m_pWordList, m_pBirdWordList}) {
        if (!list)
            continue;
        const QString stem =
            list == m_pWordList ? QStringLiteral("Default") : QStringLiteral("Bird");
        while (list->GetCount() > 0)
            list->RemoveWord(list->GetCount() - 1);
        for (const QString& word : starterWords(current, stem))
            list->AddWord(word);
        list->Save();
    }
}

QString CPommelotApp::starterVoiceStatus() const
{
    const QString language = CLanguage::instance()->current();
    const QString name = QString::fromUtf8(CLanguage::info(language).name);
    const CStarterVoice::Progress p = CStarterVoice::instance()->progress();
    if (p.language != language || p.total == 0)
        return QString();
    if (p.done + p.failed < p.total)
        return tr("Making the starter voice in %1: %2 of %3 ready. Until then your own "
                  "recordings or the English starter voice are heard.")
            .arg(name)
            .arg(p.done)
            .arg(p.total);
    if (p.failed > 0)
        return tr("The starter voice in %1 could not be made for %2 of %3 items (its voice "
                  "files are missing or damaged): they are heard in English.")
            .arg(name)
            .arg(p.failed)
            .arg(p.total);
    return QString();
}
