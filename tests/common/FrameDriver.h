#pragma once

class CMainFrame;
class CPommelotView;

// Drives the main frame of a test program started with a window.
namespace FrameDriver {
CMainFrame* frame();
CPommelotView* view();
// Waits until the view accepts key presses again; false on time-out.
bool waitIdle(int timeoutMs = 10000);
// Carries out a command and, for a mode command, waits until the mode's first item has been
// drawn and its cues handed over, then until the view is idle; false on time-out.
bool switchMode(int commandId);
} // namespace FrameDriver
