#include "app/PommelotView.h"
#include "common/TestApp.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

namespace {

// Centre of the bird's green pixels in a screenshot, or (-1, -1) when there is no bird.
QPointF birdCentre(const QImage& image, int* count = nullptr)
{
    double sx = 0;
    double sy = 0;
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c(image.pixel(x, y));
            if (c.green() > c.red() + 40 && c.green() > c.blue() + 40) {
                sx += x;
                sy += y;
                ++n;
            }
        }
    if (count)
        *count = n;
    return n ? QPointF(sx / n, sy / n) : QPointF(-1, -1);
}

QImage screenshot(QWidget& view)
{
    return view.screen()->grabWindow(view.winId()).toImage();
}

} // namespace

class TestBirdOnScreen : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void theBirdFliesAcrossTheWindow()
    {
        AfxGetApp()->m_settings.m_bAudioEnabled = false;
        CPommelotView view(AfxGetApp()->m_settings, AfxGetApp()->m_pWordList,
                           AfxGetApp()->m_pBirdWordList);
        view.resize(640, 480);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        view.SwitchMode(MODE_BIRD);

        int n1 = 0;
        QTRY_VERIFY_WITH_TIMEOUT((birdCentre(screenshot(view), &n1), n1 > 800), 10000);
        const QImage first = screenshot(view);
        const QPointF p1 = birdCentre(first);
        QTest::qWait(1000);
        int n2 = 0;
        const QImage second = screenshot(view);
        const QPointF p2 = birdCentre(second, &n2);
        QVERIFY(n2 > 800);
        // About 13 steps of (2, 3) pixels in a second; bounces only turn it.
        const QPointF moved = p2 - p1;
        QVERIFY2(moved.manhattanLength() > 8,
                 qPrintable(QStringLiteral("moved %1,%2").arg(moved.x()).arg(moved.y())));
        // One bird: its pixels stay together in a square of its size.
        QVERIFY(n2 < 85 * 85);

        // A key press: the bird turns to the child and the view takes the next key.
        view.activateWindow();
        QTest::keyClick(&view, Qt::Key_A);
        QTRY_VERIFY_WITH_TIMEOUT(!view.isBusy(), 5000);
        view.SwitchMode(MODE_SHAPES);
    }
};

POMMELOT_TEST_MAIN(TestBirdOnScreen)
#include "tst_bird.moc"
