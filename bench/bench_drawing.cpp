// Prints how long one full drawing of each play mode takes at 1920x1080: the grey erase plus
// the mode's Draw into an image the size of the view, as the play view's paint does.
//
// Usage: bench_drawing [rounds]   (default 200 drawings per case)

#include "activities/AdditionActivity.h"
#include "activities/LettersActivity.h"
#include "activities/NumbersActivity.h"
#include "activities/ShapesColorsActivity.h"
#include "activities/SubtractionActivity.h"
#include "activities/WordsActivity.h"
#include "app/PommelotApp.h"
#include "app/PommelotView.h"
#include "base/Vocabulary.h"
#include "wordlist/WordList.h"

#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {
struct Figures
{
    double median;
    double p99;
};

Figures measure(CPommelotView& view, Activity& activity, int rounds,
                const std::function<void()>& before = {})
{
    QImage backing(view.size(), QImage::Format_RGB32);
    std::vector<double> ms;
    ms.reserve(rounds);
    for (int i = 0; i < rounds + 5; ++i) {
        if (before)
            before();
        QElapsedTimer t;
        t.start();
        {
            QPainter p(&backing);
            p.fillRect(backing.rect(), GetBackgroundColor());
            activity.Draw(&view, &p, false);
        }
        const double elapsed = t.nsecsElapsed() / 1e6;
        if (i >= 5) // the first drawings load fonts and warm caches
            ms.push_back(elapsed);
    }
    std::sort(ms.begin(), ms.end());
    const auto at = [&](double q) {
        const size_t idx = std::min(ms.size() - 1, static_cast<size_t>(q * (ms.size() - 1) + 0.5));
        return ms[idx];
    };
    return {at(0.5), at(0.99)};
}

void print(const char* name, const Figures& f, double target)
{
    std::printf("%-34s median %7.3f ms   p99 %7.3f ms   (target p99 < %.0f ms: %s)\n", name,
                f.median, f.p99, target, f.p99 < target ? "met" : "MISSED");
}
} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int rounds = 200;
    if (argc > 1)
        rounds = std::max(10, std::atoi(argv[1]));

    // A scratch program folder, so the run leaves nothing behind.
    QTemporaryDir dir;
    CPommelotApp::setTestProgramFolder(dir.path());
    CPommelotApp app(argc, argv);
    if (!app.InitInstance())
        return 1;

    CPommelotView view(AfxGetApp()->m_settings, AfxGetApp()->m_pWordList,
                       AfxGetApp()->m_pBirdWordList);
    view.resize(1920, 1080);
    std::printf("One full drawing (erase + Draw) at %dx%d, %d drawings per case\n", view.width(),
                view.height(), rounds);

    ShapesColorsActivity shapes(AfxGetApp()->m_settings);
    for (int s = 0; s < kShapeCount; ++s) {
        shapes.m_nShape = s;
        shapes.m_nColor = s % kColorCount;
        const QString name = QStringLiteral("Shapes: %1").arg(GetShapeName(s));
        print(qPrintable(name), measure(view, shapes, rounds), 4);
    }

    LettersActivity letters(AfxGetApp()->m_settings);
    print("Letters (A..z in turn)", measure(view, letters, rounds, [&] { letters.Advance(); }), 8);
    NumbersActivity numbers(AfxGetApp()->m_settings);
    print("Numbers (1..10 in turn)", measure(view, numbers, rounds, [&] { numbers.Advance(); }), 8);

    WordList* list = app.m_pWordList;
    while (list->GetCount() > 0)
        list->RemoveWord(0);
    for (const char* w : {"cat", "dog", "sun", "elephant", "butterfly"})
        list->AddWord(QString::fromLatin1(w));
    WordsActivity words(AfxGetApp()->m_settings, AfxGetApp()->m_pWordList);
    print("Words (cat..butterfly in turn)", measure(view, words, rounds, [&] { words.Advance(); }),
          8);
    while (list->GetCount() > 0)
        list->RemoveWord(0);
    list->AddWord(QStringLiteral("Wwwwwwwwwwwwwwwwwwww"));
    words.Reset();
    print("Words (20 x W, longest typed)", measure(view, words, rounds), 8);
    while (list->GetCount() > 0)
        list->RemoveWord(0);
    words.Reset();
    print("Words (empty list text)", measure(view, words, rounds), 8);

    AdditionActivity addition(AfxGetApp()->m_settings);
    print("Addition (question/answer)",
          measure(view, addition, rounds, [&] { addition.Advance(); }), 8);
    SubtractionActivity subtraction(AfxGetApp()->m_settings);
    print("Subtraction (question/answer)",
          measure(view, subtraction, rounds, [&] { subtraction.Advance(); }), 8);

    app.ExitInstance();
    return 0;
}
