#include "common/FrameDriver.h"

#include "app/MainFrame.h"
#include "app/PommelotApp.h"
#include "app/PommelotView.h"

#include <QSignalSpy>
#include <QtTest>

CMainFrame* FrameDriver::frame()
{
    return AfxGetApp()->mainFrame();
}

CPommelotView* FrameDriver::view()
{
    return frame()->view();
}

bool FrameDriver::waitIdle(int timeoutMs)
{
    return QTest::qWaitFor([] { return !view()->isBusy(); }, timeoutMs);
}

bool FrameDriver::switchMode(int commandId)
{
    QSignalSpy drawn(view(), &CPommelotView::cuesHandedOver);
    frame()->OnCommand(commandId);
    return QTest::qWaitFor([&] { return !drawn.isEmpty(); }, 10000) && waitIdle();
}
