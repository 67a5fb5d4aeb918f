#pragma once

#include <QMainWindow>
#include <QToolBar>
#include <memory>

class CPommelotView;
class CPommelotDoc;
class QAction;

// The top-level window: the ten-button toolbar (modes, Settings, Help, About) and the play
// view as its client. No menu bar, no status bar.
class CMainFrame : public QMainWindow
{
    Q_OBJECT
public:
    CMainFrame();
    ~CMainFrame() override;

    // Builds the toolbar, the shortcuts and the view. False if the toolbar cannot be made.
    bool LoadFrame();
    CPommelotView* view() const { return m_pView; }
    QToolBar* toolBar() const { return m_wndToolBar; }
    // The action that carries a command id, or null.
    QAction* action(int commandId) const;
    // Carries out a command as the toolbar or a shortcut would.
    void OnCommand(int commandId);
    // Whether Shift+F1's help mode is on: the next click opens the help page.
    bool isInContextHelp() const { return m_bContextHelp; }

    // Whether a toolbar button's mode is built; buttons of the others stay disabled.
    static bool isModeAvailable(int commandId);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    int OnCreate();
    void addShortcuts();
    void updateTitle();
    void OnFileOpen();
    void OnFileSave();
    // Ends the help mode of Shift+F1 (its cursor goes), if it is on.
    void leaveContextHelp();

    QToolBar* m_wndToolBar = nullptr;
    CPommelotView* m_pView = nullptr;
    std::unique_ptr<CPommelotDoc> m_pDocument;
    bool m_bContextHelp = false;
};
