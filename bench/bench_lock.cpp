// Prints the time from the play view's focus-in to the keyboard lock holding: on X11 the
// keyboard grab in force, on Wayland the compositor saying the shortcut inhibitor is active.
// Runs on the platform Qt picks; bench/run-lock-bench.sh runs it under Xvfb and headless sway.
//
//   build/bench/bench_lock [rounds]
#include "lock/KeyHook.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

namespace {
double percentile(std::vector<double> v, double p)
{
    std::sort(v.begin(), v.end());
    const size_t i = std::min(v.size() - 1, size_t(p * double(v.size() - 1) + 0.5));
    return v[i];
}

bool lockHolds()
{
    return IsKeyboardGrabbed() || IsShortcutInhibitorActive();
}

// The view's part: the lock goes on when it gains the focus and off when it loses it (the
// Lock Keyboard setting off), and the focus-in time is noted.
class View : public QWidget
{
public:
    View() { setFocusPolicy(Qt::StrongFocus); }
    QElapsedTimer focusedAt;
    bool focused = false;

protected:
    void focusInEvent(QFocusEvent* event) override
    {
        focusedAt.start();
        focused = true;
        QWidget::focusInEvent(event);
        EnableKeyHook(1, this);
    }
    void focusOutEvent(QFocusEvent* event) override
    {
        focused = false;
        QWidget::focusOutEvent(event);
        EnableKeyHook(0, this);
    }
};

bool waitUntil(const std::function<bool()>& condition, int ms)
{
    QElapsedTimer t;
    t.start();
    while (!condition()) {
        if (t.elapsed() > ms)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    }
    return true;
}

// Gives the keyboard focus to `w`: on sway through its IPC (clients cannot take the focus
// there), elsewhere by asking the window system.
void focus(QWidget* w)
{
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        QProcess swaymsg;
        swaymsg.start(QStringLiteral("swaymsg"),
                      {QStringLiteral("[title=\"%1\"] focus").arg(w->windowTitle())});
        swaymsg.waitForFinished();
    } else {
        w->activateWindow();
    }
}
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(5, std::atoi(argv[1])) : 100;

    View view;
    view.setWindowTitle(QStringLiteral("bench-lock-view"));
    view.resize(400, 300);
    QWidget other;
    other.setWindowTitle(QStringLiteral("bench-lock-other"));
    other.resize(200, 100);
    other.show();
    view.show();
    focus(&view);
    if (!waitUntil([&] { return view.focused && lockHolds(); }, 5000)) {
        std::fprintf(stderr, "the lock never held on %s\n", qPrintable(app.platformName()));
        return 1;
    }

    std::vector<double> ms;
    int missed = 0;
    for (int i = 0; i < rounds; ++i) {
        focus(&other);
        if (!waitUntil([&] { return !view.focused; }, 2000)) {
            ++missed;
            continue;
        }
        focus(&view);
        if (!waitUntil([&] { return view.focused; }, 2000) || !waitUntil(lockHolds, 2000)) {
            ++missed;
            continue;
        }
        ms.push_back(double(view.focusedAt.nsecsElapsed()) / 1e6);
    }
    EnableKeyHook(0, nullptr);
    if (ms.empty()) {
        std::fprintf(stderr, "no round completed\n");
        return 1;
    }
    std::printf("focus-in to lock holding on %s (%s), %zu rounds%s:\n"
                "  median %.2f ms, p99 %.2f ms, min %.2f ms, max %.2f ms (target < 50 ms)\n",
                qPrintable(app.platformName()),
                app.platformName() == QLatin1String("xcb") ? "keyboard grab"
                                                           : "shortcut inhibitor active",
                ms.size(), missed ? qPrintable(QStringLiteral(", %1 missed").arg(missed)) : "",
                percentile(ms, 0.5), percentile(ms, 0.99), *std::min_element(ms.begin(), ms.end()),
                *std::max_element(ms.begin(), ms.end()));
    return 0;
}
