#pragma once

#include "fullscreen/FullScreen.h"

#include <QList>
#include <QMainWindow>
#include <QToolBar>
#include <memory>

class CPommelotView;
class CPommelotDoc;
class QAction;
class CCoverWindow;
class LeaveGesture;

// The top-level window: the ten-button toolbar (modes, Settings, Help, About) and the play
// view as its client. No menu bar, no status bar.
class CMainFrame : public QMainWindow
{
    Q_OBJECT
public:
    CMainFrame();
    ~CMainFrame() override;

    // Builds the toolbar, the shortcuts and the view.
    void LoadFrame();
    CPommelotView* view() const { return m_pView; }
    QToolBar* toolBar() const { return m_wndToolBar; }
    // The action that carries a command id, or null.
    QAction* action(int commandId) const;
    // Carries out a command as the toolbar or a shortcut would.
    void OnCommand(int commandId);
    // Whether Shift+F1's help mode is on: the next click opens the help page.
    bool isInContextHelp() const { return m_bContextHelp; }

    // Full screen on every monitor: the frame covers its screen (no title bar, the toolbar
    // stays), every other screen gets a grey cover, the pointer stays on the covered screens
    // and close requests are refused. Only the parent's gesture (or this call) leaves it.
    // CFullScreen does the work; the frame keeps its toolbar fixed and its window commands
    // greyed meanwhile.
    void setFullScreen(bool on);
    bool isFullScreen() const { return m_pFullScreen && m_pFullScreen->isOn(); }
    // The grey windows over the other screens while full screen.
    QList<CCoverWindow*> coverWindows() const { return m_pFullScreen->coverWindows(); }
    LeaveGesture* leaveGesture() const { return m_pFullScreen->leaveGesture(); }
    const CPointerConfinement& pointerConfinement() const
    {
        return m_pFullScreen->pointerConfinement();
    }

Q_SIGNALS:
    // The parent's gesture has just left full screen.
    void fullScreenLeft();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void OnCreate();
    void addShortcuts();
    void updateTitle();
    void OnFileOpen();
    void OnFileSave();
    // Full screen fixes the toolbar and greys the commands that open windows of their own.
    void onFullScreenSwitching(bool on);
    void onFullScreenLeft();
    void enableWindowCommands(bool enable);
    // Ends the help mode of Shift+F1 (its cursor goes), if it is on.
    void leaveContextHelp();

    QToolBar* m_wndToolBar = nullptr;
    CPommelotView* m_pView = nullptr;
    std::unique_ptr<CPommelotDoc> m_pDocument;
    bool m_bContextHelp = false;
    bool m_bToolBarMovable = true;
    CFullScreen* m_pFullScreen = nullptr;
};
