#include "app/MainFrame.h"

#include "app/CommandIds.h"
#include "app/DocumentFileDialog.h"
#include "app/PommelotApp.h"
#include "app/PommelotDoc.h"
#include "app/PommelotView.h"
#include "fullscreen/LeaveGesture.h"
#include "lock/KeyHook.h"
#include "settings/SettingsLauncher.h"

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QIcon>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QShortcut>

namespace {
struct ButtonInfo
{
    int id;
    const char* icon;
    const char* tooltip;
};

// The ten toolbar buttons, left to right.
constexpr ButtonInfo kButtons[] = {
    {ID_MODE_LETTERS, "letters", QT_TRANSLATE_NOOP("CMainFrame", "Letters")},
    {ID_MODE_NUMBERS, "numbers", QT_TRANSLATE_NOOP("CMainFrame", "Numbers")},
    {ID_MODE_SHAPES, "shapes", QT_TRANSLATE_NOOP("CMainFrame", "Shapes and Colors")},
    {ID_MODE_WORDS, "words", QT_TRANSLATE_NOOP("CMainFrame", "Words")},
    {ID_MODE_ADDITION, "addition", QT_TRANSLATE_NOOP("CMainFrame", "Addition")},
    {ID_MODE_SUBTRACTION, "subtraction", QT_TRANSLATE_NOOP("CMainFrame", "Subtraction")},
    {ID_MODE_BIRD, "bird", QT_TRANSLATE_NOOP("CMainFrame", "Talking Bird")},
    {ID_SETTINGS, "settings", QT_TRANSLATE_NOOP("CMainFrame", "Settings")},
    {ID_HELP, "help", QT_TRANSLATE_NOOP("CMainFrame", "Help")},
    {ID_CREDITS, "credits", QT_TRANSLATE_NOOP("CMainFrame", "About Pommelot and its credits")},
};

int modeForCommand(int id)
{
    switch (id) {
    case ID_MODE_SHAPES:
        return MODE_SHAPES;
    case ID_MODE_LETTERS:
        return MODE_LETTERS;
    case ID_MODE_NUMBERS:
        return MODE_NUMBERS;
    case ID_MODE_WORDS:
        return MODE_WORDS;
    case ID_MODE_ADDITION:
        return MODE_ADDITION;
    case ID_MODE_SUBTRACTION:
        return MODE_SUBTRACTION;
    case ID_MODE_BIRD:
        return MODE_BIRD;
    default:
        return -1;
    }
}

// Commands that open a window of their own (a dialog, the browser): a child could reach the
// desktop through them, so they wait until full screen is left.
bool opensWindow(int id)
{
    switch (id) {
    case ID_SETTINGS:
    case ID_HELP:
    case ID_HELP_FINDER:
    case ID_DEFAULT_HELP:
    case ID_CONTEXT_HELP:
    case ID_CREDITS:
    case ID_APP_ABOUT:
    case ID_FILE_OPEN:
    case ID_FILE_SAVE:
        return true;
    default:
        return false;
    }
}

bool isWithin(QObject* object, const QWidget* ancestor)
{
    for (QObject* o = object; o; o = o->parent()) {
        if (o == ancestor)
            return true;
    }
    return false;
}
} // namespace

CMainFrame::CMainFrame() : m_pDocument(std::make_unique<CPommelotDoc>())
{
    setObjectName(QStringLiteral("MainFrame"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/pommelot.svg")));
    // A right click on the toolbar must not offer to hide it.
    setContextMenuPolicy(Qt::PreventContextMenu);

    m_pFullScreen = new CFullScreen(this);
    connect(m_pFullScreen, &CFullScreen::switching, this, &CMainFrame::onFullScreenSwitching);
    connect(m_pFullScreen, &CFullScreen::left, this, &CMainFrame::onFullScreenLeft);
    // The General page tells the parent how full screen is left.
    CSettingsLauncher::GetInstance()->setLeaveChord(LeaveGesture::chordText());
}

CMainFrame::~CMainFrame()
{
    qApp->removeEventFilter(this);
    delete m_pFullScreen;
    m_pFullScreen = nullptr;
    leaveContextHelp();
    CDocumentFileDialog::keepPastOwner(this);
    // The view goes before the frame's other children: it stops what plays or draws into it.
    delete m_pView;
    m_pView = nullptr;
}

void CMainFrame::LoadFrame()
{
    m_pDocument->OnNewDocument();
    updateTitle();
    OnCreate();
    const CPommelotApp* app = AfxGetApp();
    m_pView = new CPommelotView(app->m_settings, app->m_pWordList, app->m_pBirdWordList, this);
    setCentralWidget(m_pView);
    m_pFullScreen->setKeyTarget(m_pView);
    addShortcuts();
    resize(1024, 720);
    m_pView->setFocus();
    qApp->installEventFilter(this);
}

void CMainFrame::OnCreate()
{
    m_wndToolBar = new QToolBar(tr("Toolbar"), this);
    m_wndToolBar->setObjectName(QStringLiteral("ToolBar"));
    m_wndToolBar->setIconSize(QSize(32, 32));
    m_wndToolBar->setMovable(true);
    m_wndToolBar->setFloatable(true);
    m_wndToolBar->setAllowedAreas(Qt::AllToolBarAreas);
    m_wndToolBar->setFocusPolicy(Qt::NoFocus);
    for (const ButtonInfo& b : kButtons) {
        const QIcon icon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(b.icon)));
        QAction* act = m_wndToolBar->addAction(icon, tr(b.tooltip));
        act->setData(b.id);
        act->setToolTip(tr(b.tooltip));
        act->setObjectName(QStringLiteral("action_%1").arg(b.id));
        const int id = b.id;
        connect(act, &QAction::triggered, this, [this, id] { OnCommand(id); });
    }
    for (QWidget* w : m_wndToolBar->findChildren<QWidget*>())
        w->setFocusPolicy(Qt::NoFocus);
    addToolBar(Qt::TopToolBarArea, m_wndToolBar);
}

void CMainFrame::addShortcuts()
{
    struct Accel
    {
        QKeySequence keys;
        int id;
    };
    const Accel accels[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_N), ID_FILE_NEW},
        {QKeySequence(Qt::CTRL | Qt::Key_O), ID_FILE_OPEN},
        {QKeySequence(Qt::CTRL | Qt::Key_S), ID_FILE_SAVE},
        {QKeySequence(Qt::CTRL | Qt::Key_Z), ID_EDIT_UNDO},
        {QKeySequence(Qt::ALT | Qt::Key_Backspace), ID_EDIT_UNDO},
        {QKeySequence(Qt::CTRL | Qt::Key_X), ID_EDIT_CUT},
        {QKeySequence(Qt::SHIFT | Qt::Key_Delete), ID_EDIT_CUT},
        {QKeySequence(Qt::CTRL | Qt::Key_C), ID_EDIT_COPY},
        {QKeySequence(Qt::CTRL | Qt::Key_Insert), ID_EDIT_COPY},
        {QKeySequence(Qt::CTRL | Qt::Key_V), ID_EDIT_PASTE},
        {QKeySequence(Qt::SHIFT | Qt::Key_Insert), ID_EDIT_PASTE},
        {QKeySequence(Qt::Key_F6), ID_NEXT_PANE},
        {QKeySequence(Qt::SHIFT | Qt::Key_F6), ID_PREV_PANE},
        {QKeySequence(Qt::SHIFT | Qt::Key_F1), ID_CONTEXT_HELP},
        {QKeySequence(Qt::Key_F1), ID_HELP},
    };
    for (const Accel& a : accels) {
        auto* sc = new QShortcut(a.keys, this);
        sc->setContext(Qt::WindowShortcut);
        sc->setObjectName(QStringLiteral("shortcut_%1").arg(a.id));
        const int id = a.id;
        connect(sc, &QShortcut::activated, this, [this, id] { OnCommand(id); });
    }
}

QAction* CMainFrame::action(int commandId) const
{
    if (!m_wndToolBar)
        return nullptr;
    for (QAction* a : m_wndToolBar->actions()) {
        if (a->data().toInt() == commandId)
            return a;
    }
    return nullptr;
}

void CMainFrame::OnCommand(int commandId)
{
    if (isFullScreen() && opensWindow(commandId))
        return;
    const int mode = modeForCommand(commandId);
    if (mode >= 0) {
        m_pView->SwitchMode(mode);
        return;
    }
    switch (commandId) {
    case ID_SETTINGS:
        m_pView->OnSettings();
        // The General page's Full Screen box takes effect when the sheet closes.
        setFullScreen(AfxGetApp()->m_settings.m_bFullScreen);
        break;
    case ID_HELP:
    case ID_HELP_FINDER:
    case ID_DEFAULT_HELP:
        AfxGetApp()->WinHelp();
        break;
    case ID_CONTEXT_HELP:
        // The next click anywhere in the frame opens the help page; Escape leaves the mode.
        // Asked again while on, it stays on with the one help cursor.
        if (!m_bContextHelp) {
            m_bContextHelp = true;
            QApplication::setOverrideCursor(Qt::WhatsThisCursor);
        }
        break;
    case ID_CREDITS:
    case ID_APP_ABOUT:
        // The box needs the keyboard and the mouse: the lock is off while it is open.
        EnableKeyHook(0, m_pView);
        AfxGetApp()->OnAppAbout();
        EnableKeyHook(1, m_pView);
        m_pView->setFocus();
        break;
    case ID_FILE_NEW:
        m_pDocument->OnNewDocument();
        updateTitle();
        m_pView->OnInitialUpdate();
        break;
    case ID_FILE_OPEN:
        OnFileOpen();
        break;
    case ID_FILE_SAVE:
        OnFileSave();
        break;
    default:
        // Undo, cut, copy, paste and the pane keys do nothing here.
        break;
    }
}

void CMainFrame::leaveContextHelp()
{
    if (!m_bContextHelp)
        return;
    m_bContextHelp = false;
    QApplication::restoreOverrideCursor();
}

namespace {
// The document dialogs are reached from the keyboard, where a child may be: the lock stays on
// while they run, whatever the Lock Keyboard setting, so no key of the child's reaches the
// desktop meanwhile (the dialog still gets its keys: the lock hands them to the focused
// window). They commit only on a click (CDocumentFileDialog).
class DocumentDialogLock
{
public:
    explicit DocumentDialogLock(CPommelotView* view) : m_view(view)
    {
        m_view->keepLockWhileAway(true);
        EnableKeyHook(1, m_view);
    }
    ~DocumentDialogLock()
    {
        m_view->keepLockWhileAway(false);
        EnableKeyHook(1, m_view);
        m_view->setFocus();
    }
    DocumentDialogLock(const DocumentDialogLock&) = delete;
    DocumentDialogLock& operator=(const DocumentDialogLock&) = delete;

private:
    CPommelotView* m_view;
};
} // namespace

void CMainFrame::OnFileOpen()
{
    leaveContextHelp();
    const DocumentDialogLock lock(m_pView);
    const QString path = CDocumentFileDialog::chooseFile(this, QFileDialog::AcceptOpen);
    if (!path.isEmpty() && m_pDocument->OnOpenDocument(path)) {
        AfxGetApp()->AddToRecentFileList(path);
        updateTitle();
    }
}

void CMainFrame::OnFileSave()
{
    leaveContextHelp();
    const DocumentDialogLock lock(m_pView);
    QString path = m_pDocument->GetPathName();
    if (path.isEmpty()) {
        path = CDocumentFileDialog::chooseFile(this, QFileDialog::AcceptSave);
    }
    if (!path.isEmpty()) {
        if (m_pDocument->OnSaveDocument(path)) {
            AfxGetApp()->AddToRecentFileList(path);
            updateTitle();
        } else {
            const QString name = QFileInfo(path).fileName();
            QMessageBox::warning(
                this, tr("Save"),
                QFileInfo::exists(path)
                    ? tr("\"%1\" already holds data. A Pommelot document holds none, so the "
                         "file was left as it is.")
                          .arg(name)
                    : tr("\"%1\" could not be created.").arg(name));
        }
    }
}

void CMainFrame::setFullScreen(bool on)
{
    AfxGetApp()->m_settings.m_bFullScreen = on;
    m_pFullScreen->setOn(on);
}

void CMainFrame::onFullScreenSwitching(bool on)
{
    if (on) {
        // The toolbar stays where a parent finds it: docked and fixed.
        if (m_wndToolBar) {
            m_bToolBarMovable = m_wndToolBar->isMovable();
            if (m_wndToolBar->isFloating())
                addToolBar(Qt::TopToolBarArea, m_wndToolBar);
            m_wndToolBar->setMovable(false);
        }
    } else if (m_wndToolBar) {
        m_wndToolBar->setMovable(m_bToolBarMovable);
    }
    enableWindowCommands(!on);
}

void CMainFrame::enableWindowCommands(bool enable)
{
    for (int id : {ID_SETTINGS, ID_HELP, ID_CREDITS}) {
        if (QAction* a = action(id))
            a->setEnabled(enable);
    }
}

void CMainFrame::onFullScreenLeft()
{
    AfxGetApp()->m_settings.m_bFullScreen = false;
    Q_EMIT fullScreenLeft();
}

void CMainFrame::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    // Another interface language: the toolbar's tips follow at once.
    if (event->type() == QEvent::LanguageChange && m_wndToolBar) {
        for (QAction* act : m_wndToolBar->actions()) {
            for (const ButtonInfo& b : kButtons) {
                if (act->data().toInt() == b.id) {
                    act->setText(tr(b.tooltip));
                    act->setToolTip(tr(b.tooltip));
                }
            }
        }
    }
}

void CMainFrame::updateTitle()
{
    setWindowTitle(m_pDocument->GetTitle() + QStringLiteral(" - Pommelot"));
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type t = event->type();
    const bool press = t == QEvent::MouseButtonPress || t == QEvent::MouseButtonDblClick;
    const bool mouse = press || t == QEvent::MouseButtonRelease;
    if (mouse && m_bContextHelp && press) {
        leaveContextHelp();
        AfxGetApp()->WinHelp();
        return true;
    }
    if (t == QEvent::KeyPress && m_bContextHelp &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        leaveContextHelp();
        return true;
    }
    // While a drawing runs or a cue waits, clicks on the toolbar are thrown away, so no mode
    // can be switched then.
    if (mouse && m_pView && m_pView->isDrawing() && m_wndToolBar && isWithin(watched, m_wndToolBar))
        return true;
    return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::mousePressEvent(QMouseEvent* event)
{
    QMainWindow::mousePressEvent(event);
}
