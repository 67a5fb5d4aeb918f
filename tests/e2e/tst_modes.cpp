#include "app/MainFrame.h"
#include "app/PommelotView.h"
#include "common/FrameDriver.h"
#include "common/TestApp.h"

#include <QGuiApplication>
#include <QProcess>
#include <QScreen>

// Words and the Talking Bird in a real X11 window: what the screen shows and which recordings
// the audio output holds, for key presses sent with XTEST.
namespace {
constexpr int kFrames = 2400; // 50 ms at 48 kHz

QByteArray wordList(const QStringList& words)
{
    QByteArray bytes;
    for (const QString& w : words) {
        bytes.append(char(w.size()));
        bytes.append(w.toLatin1());
    }
    return bytes;
}

void prepare(const QString& folder)
{
    TestApp::writeFile(folder + QStringLiteral("/Default.wdl"), wordList({"cat", "dog", "sun"}));
    TestApp::writeFile(folder + QStringLiteral("/Bird.wdl"), wordList({"hello", "tweet"}));
    // Each recording is a constant level of its own, so the output tells which was heard.
    TestApp::writeWav(folder + QStringLiteral("/Words/cat.wav"), kFrames, 1100, 48000);
    TestApp::writeWav(folder + QStringLiteral("/Words/dog.wav"), kFrames, 2200, 48000);
    TestApp::writeWav(folder + QStringLiteral("/Words/sun.wav"), kFrames, 3300, 48000);
    TestApp::writeWav(folder + QStringLiteral("/Bird/hello.wav"), kFrames, 4400, 48000);
    TestApp::writeWav(folder + QStringLiteral("/Bird/tweet.wav"), kFrames, 5500, 48000);
    qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(folder + QStringLiteral("/out.raw")));
}

// The levels heard since the output device last opened (the disk driver starts its file anew
// each time), in order, one entry per recording.
QList<int> heardLevels()
{
    const QByteArray raw = TestApp::readFile(TestApp::programFolder() + QStringLiteral("/out.raw"));
    const auto* s = reinterpret_cast<const short*>(raw.constData());
    QList<int> levels;
    int run = 0;
    for (int i = 0; i + 1 < raw.size() / 2; i += 2) {
        const int v = s[i];
        if (v == 0)
            continue;
        if (levels.isEmpty() || levels.last() != v || run >= kFrames) {
            levels << v;
            run = 0;
        }
        ++run;
    }
    return levels;
}

int countPixels(const QImage& img, const QRect& area, const QColor& colour)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); y += 2) {
        for (int x = area.left(); x <= area.right(); x += 2)
            n += img.pixelColor(x, y) == colour;
    }
    return n;
}
} // namespace

class TestModes : public QObject
{
    Q_OBJECT

    CPommelotView* view() { return FrameDriver::view(); }
    QImage screen() { return QGuiApplication::primaryScreen()->grabWindow(0).toImage(); }
    QRect viewArea() { return QRect(view()->mapToGlobal(QPoint(0, 0)), view()->size()); }
    void key() { QVERIFY(QProcess::execute(QStringLiteral("xdotool"), {"key", "x"}) == 0); }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(QTest::qWaitForWindowActive(FrameDriver::frame()));
        QVERIFY(FrameDriver::waitIdle());
    }

    void wordsShowAndSayTheListInOrder()
    {
        QVERIFY(FrameDriver::switchMode(ID_MODE_WORDS));
        QTRY_VERIFY(countPixels(screen(), viewArea(), QColor(255, 128, 64)) > 500);
        QTRY_COMPARE(heardLevels(), QList<int>({1100}));
        const QList<QColor> colours = {QColor(255, 255, 0), QColor(0, 255, 0), QColor(0, 0, 255)};
        const QList<int> levels = {2200, 3300, 1100};
        for (int i = 0; i < colours.size(); ++i) {
            key();
            QTRY_VERIFY(countPixels(screen(), viewArea(), colours.at(i)) > 500);
            QVERIFY(FrameDriver::waitIdle());
            QTRY_COMPARE(heardLevels(), QList<int>({levels.at(i)}));
        }
    }

    void birdSaysItsWordsAndMoves()
    {
        QVERIFY(FrameDriver::switchMode(ID_MODE_BIRD));
        QTRY_COMPARE(heardLevels(), QList<int>({4400}));
        const QImage first = screen().copy(viewArea());
        for (int level : {5500, 4400}) {
            key();
            QVERIFY(FrameDriver::waitIdle());
            QTRY_COMPARE(heardLevels(), QList<int>({level}));
        }
        QTest::qWait(500);
        QVERIFY(screen().copy(viewArea()) != first);
    }
};

POMMELOT_TEST_MAIN_WINDOW_PREPARED(TestModes, prepare)
#include "tst_modes.moc"
