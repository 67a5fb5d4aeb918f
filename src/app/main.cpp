#include "app/ExitSignals.h"
#include "app/PommelotApp.h"
#include "app/SingleInstance.h"

#include <cstdio>
#include <unistd.h>

int main(int argc, char** argv)
{
    CPommelotApp app(argc, argv);

    // One copy per user. A later start asks the running copy to come to the front and ends
    // here, before start-up creates a folder, reads a list or opens a window. It leaves
    // through _exit, so no exit handler of this process runs: the running copy's log
    // semaphore stays as it is.
    SingleInstance single(QStringLiteral("org.quorvex.Pommelot"));
    if (!single.claim()) {
        std::fflush(nullptr);
        ::_exit(0);
    }
    QObject::connect(&single, &SingleInstance::activationRequested, &app,
                     &CPommelotApp::bringToFront);

    // Ended by a signal, the program leaves through its event loop and gives back what a
    // normal end gives back.
    CExitSignals::install(&app);

    if (!app.InitInstance()) {
        app.ExitInstance();
        return 0;
    }
    // The login screen's play session starts the program this way; a normal start keeps the
    // window as it always was.
    if (CPommelotApp::arguments().contains(QLatin1String(CPommelotApp::kPlaySessionOption)))
        app.startPlaySession();
    const int rc = CPommelotApp::exec();
    const int exitRc = app.ExitInstance();
    return rc != 0 ? rc : exitRc;
}
