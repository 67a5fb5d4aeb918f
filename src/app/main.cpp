#include "app/PommelotApp.h"

int main(int argc, char** argv)
{
    CPommelotApp app(argc, argv);
    if (!app.InitInstance()) {
        app.ExitInstance();
        return 0;
    }
    const int rc = CPommelotApp::exec();
    const int exitRc = app.ExitInstance();
    return rc != 0 ? rc : exitRc;
}
