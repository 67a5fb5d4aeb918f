// How much the flying bird costs: the time of one step of the sprite (composing its square off
// screen and copying it into the surface), and the whole program's processor use while the
// bird flies in a shown view for 10 seconds.
//
// Usage: bench_bird [seconds]   (QT_QPA_PLATFORM=offscreen unless set; run under Xvfb with
//                                QT_QPA_PLATFORM=xcb for a real window)

#include "activities/TalkingBirdActivity.h"
#include "animation/BitmapThread.h"
#include "animation/ClientSurface.h"
#include "app/PommelotApp.h"
#include "app/PommelotView.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <sys/resource.h>
#include <vector>

namespace {

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

void benchStep()
{
    QWidget view;
    view.resize(1024, 768);
    CClientSurface surface(nullptr);
    surface.resize(view.size());
    CBitmapThread bird(&view, &surface, 100, 100, 2, 3, IDB_BIRD_FIRST, 8, true);
    constexpr int kSteps = 5000;
    std::vector<double> micros;
    micros.reserve(kSteps);
    for (int i = 0; i < kSteps; ++i) {
        if (i % 40 == 0)
            bird.Talk();
        const auto start = std::chrono::steady_clock::now();
        bird.Step();
        const auto end = std::chrono::steady_clock::now();
        micros.push_back(std::chrono::duration<double, std::micro>(end - start).count());
    }
    std::sort(micros.begin(), micros.end());
    std::printf("step: %d steps, median %.1f us, p99 %.1f us, max %.1f us\n", kSteps,
                micros[micros.size() / 2], micros[micros.size() * 99 / 100], micros.back());
}

void benchFlying(int seconds)
{
    CPommelotView view(AfxGetApp()->m_settings, AfxGetApp()->m_pWordList,
                       AfxGetApp()->m_pBirdWordList);
    view.resize(1024, 768);
    view.show();
    QCoreApplication::processEvents();
    view.SwitchMode(MODE_BIRD);
    QCoreApplication::processEvents();

    QElapsedTimer wall;
    wall.start();
    const double cpu0 = cpuSeconds();
    QTimer::singleShot(seconds * 1000, qApp, &QCoreApplication::quit);
    QCoreApplication::exec();
    const double cpu = cpuSeconds() - cpu0;
    const double elapsed = wall.elapsed() / 1000.0;
    view.SwitchMode(MODE_SHAPES);
    std::printf("flying: %.1f s wall, %.3f s CPU, %.2f %% of one core (%s)\n", elapsed, cpu,
                100.0 * cpu / elapsed, qPrintable(QGuiApplication::platformName()));
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const int seconds = argc > 1 ? std::max(1, atoi(argv[1])) : 10;
    QTemporaryDir folder;
    CPommelotApp::setTestProgramFolder(folder.path(), false);
    CPommelotApp app(argc, argv);
    if (!app.InitInstance())
        return 1;
    app.m_settings.m_bAudioEnabled = false;
    benchStep();
    benchFlying(seconds);
    app.ExitInstance();
    return 0;
}
