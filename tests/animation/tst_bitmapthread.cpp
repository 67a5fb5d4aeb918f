#include "animation/BitmapThread.h"
#include "animation/ClientSurface.h"
#include "common/TestApp.h"

#include <QWidget>
#include <chrono>
#include <memory>
#include <thread>

using namespace std::chrono_literals;

namespace {

const QColor kGrey(192, 192, 192);

// A view of the given size, its surface and a bird in it. The bird's thread is never started:
// the tests call Step themselves.
struct Scene
{
    QWidget view;
    std::unique_ptr<CClientSurface> surface;
    std::unique_ptr<CBitmapThread> bird;

    Scene(int w, int h, int x, int y, int vx, int vy, bool talkFrames = true)
    {
        view.resize(w, h);
        surface = std::make_unique<CClientSurface>(&view);
        bird = std::make_unique<CBitmapThread>(&view, surface.get(), x, y, vx, vy, IDB_BIRD_FIRST,
                                               8, talkFrames);
    }
};

// Does the surface show this image at the sprite's rectangle (as far as it lies on the
// surface)?
bool shows(const QImage& surface, const CRect& pos, const QImage& image)
{
    const QRect part = pos.toQRect().intersected(surface.rect());
    if (part.isEmpty())
        return false;
    for (int y = part.top(); y <= part.bottom(); ++y)
        for (int x = part.left(); x <= part.right(); ++x)
            if (surface.pixel(x, y) != image.pixel(x - pos.left, y - pos.top))
                return false;
    return true;
}

// Which image the last step drew: 0-15 as loaded, 100 + i for image i turned left, -1 none.
int drawnImage(const Scene& s)
{
    const QImage img = s.surface->image();
    for (int i = 0; i < s.bird->frameCount(); ++i) {
        if (shows(img, s.bird->position(), s.bird->frameImage(i)))
            return i;
        if (shows(img, s.bird->position(), s.bird->frameImage(i).mirrored(true, false)))
            return 100 + i;
    }
    return -1;
}

bool isBeakOrange(QRgb c)
{
    return qRed(c) > 225 && qGreen(c) > 110 && qGreen(c) < 185 && qBlue(c) < 90;
}

// Horizontal centre of the orange beak relative to the sprite's centre: > 0 faces right.
double beakSide(const QImage& surface, const CRect& pos)
{
    double sum = 0;
    int n = 0;
    const QRect part = pos.toQRect().intersected(surface.rect());
    for (int y = part.top(); y <= part.bottom(); ++y)
        for (int x = part.left(); x <= part.right(); ++x)
            if (isBeakOrange(surface.pixel(x, y))) {
                sum += x;
                ++n;
            }
    if (n == 0)
        return 0;
    return sum / n - (pos.left + pos.right) / 2.0;
}

} // namespace

class TestBitmapThread : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void framesAreSixteenFlatGreyPictures()
    {
        Scene s(400, 400, 0, 0, 2, 3);
        QCOMPARE(s.bird->frameCount(), 16);
        QCOMPARE(s.bird->position(), CRect(0, 0, 85, 85));
        for (int i = 0; i < 16; ++i) {
            const QImage& f = s.bird->frameImage(i);
            QCOMPARE(f.size(), QSize(85, 85));
            for (int k = 0; k < 85; ++k) {
                QCOMPARE(QColor(f.pixel(k, 0)), kGrey);
                QCOMPARE(QColor(f.pixel(k, 84)), kGrey);
                QCOMPARE(QColor(f.pixel(0, k)), kGrey);
                QCOMPARE(QColor(f.pixel(84, k)), kGrey);
            }
            // A bird in the middle: mostly green.
            const QColor centre(f.pixel(40, 52));
            QVERIFY(centre.green() > centre.red() && centre.green() > centre.blue());
            // No two wing positions look alike, and talking differs from flying.
            for (int j = i + 1; j < 16; ++j)
                QVERIFY(f != s.bird->frameImage(j));
            // Flying frames face right.
            if (i < 8)
                QVERIFY(beakSide(f, CRect(0, 0, 85, 85)) > 20);
        }
    }

    void bounce_data()
    {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<QPoint>("vel");
        QTest::addColumn<QPoint>("newVel");
        // View 300 x 200, sprite 85 x 85.
        QTest::newRow("top") << 100 << 2 << QPoint(2, -3) << QPoint(2, 3);
        QTest::newRow("touching top") << 100 << 3 << QPoint(2, -3) << QPoint(2, -3);
        QTest::newRow("bottom") << 100 << 113 << QPoint(2, 3) << QPoint(2, -3);
        QTest::newRow("touching bottom") << 100 << 112 << QPoint(2, 3) << QPoint(2, 3);
        QTest::newRow("left") << 1 << 50 << QPoint(-2, 3) << QPoint(2, 3);
        QTest::newRow("touching left") << 2 << 50 << QPoint(-2, 3) << QPoint(-2, 3);
        QTest::newRow("right") << 214 << 50 << QPoint(2, 3) << QPoint(-2, 3);
        QTest::newRow("touching right") << 213 << 50 << QPoint(2, 3) << QPoint(2, 3);
        QTest::newRow("corner") << 214 << 113 << QPoint(2, 3) << QPoint(-2, -3);
        QTest::newRow("standing still") << 100 << 50 << QPoint(0, 0) << QPoint(0, 0);
        QTest::newRow("still, outside") << 250 << 150 << QPoint(0, 0) << QPoint(0, 0);
    }

    void bounce()
    {
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(QPoint, vel);
        QFETCH(QPoint, newVel);
        Scene s(300, 200, x, y, vel.x(), vel.y());
        s.bird->Step();
        // The move uses the old velocity; the bounce only turns it.
        QCOMPARE(s.bird->position(),
                 CRect(x + vel.x(), y + vel.y(), x + vel.x() + 85, y + vel.y() + 85));
        QCOMPARE(s.bird->velocity(), newVel);
        s.bird->Step();
        QCOMPARE(s.bird->position().left, x + vel.x() + newVel.x());
        QCOMPARE(s.bird->position().top, y + vel.y() + newVel.y());
    }

    // A view narrower (or lower) than the sprite: while the sprite sticks out on the right
    // (bottom) the right-edge (bottom) test, which comes last, wins over the left-edge (top)
    // test, so the sprite keeps moving left (up), out of view, and then bounces back in.
    void smallViewKeepsTheSpriteMovingBack_data()
    {
        QTest::addColumn<bool>("across"); // true: the narrow view; false: the low one
        QTest::newRow("narrow view, moving left") << true;
        QTest::newRow("low view, moving up") << false;
    }
    void smallViewKeepsTheSpriteMovingBack()
    {
        QFETCH(bool, across);
        // Along the short side: a(pos) = left or top, b(pos) = right or bottom.
        const auto a = [across](const CRect& r) { return across ? r.left : r.top; };
        const auto b = [across](const CRect& r) { return across ? r.right : r.bottom; };
        const auto v = [across](const QPoint& p) { return across ? p.x() : p.y(); };
        const int speed = across ? 2 : 3;
        Scene s(across ? 50 : 400, across ? 400 : 50, across ? 10 : 100, across ? 100 : 10, 2, 3);
        int vel = speed;
        CRect prev = s.bird->position();
        int movedBack = 0;
        for (int i = 0; i < 60; ++i) {
            s.bird->Step();
            const CRect pos = s.bird->position();
            QCOMPARE(a(pos) - a(prev), vel);
            vel = v(s.bird->velocity());
            if (b(pos) > 50)
                QCOMPARE(vel, -speed);
            else if (a(pos) < 0)
                QCOMPARE(vel, speed);
            movedBack += a(pos) < a(prev);
            // It never leaves the view entirely.
            QVERIFY(b(pos) > 0 && a(pos) < 50);
            prev = pos;
        }
        QVERIFY(a(s.bird->position()) < 0);
        QVERIFY(movedBack >= 22);
        // The first steps all go back, from the first bounce on.
        Scene t(across ? 50 : 400, across ? 400 : 50, across ? 10 : 100, across ? 100 : 10, 2, 3);
        t.bird->Step();
        for (int i = 0; i < 10; ++i) {
            const int start = a(t.bird->position());
            t.bird->Step();
            QCOMPARE(a(t.bird->position()), start - speed);
        }
    }

    void afterShrinkingTheSpriteComesBackAtItsOwnSpeed()
    {
        Scene s(600, 600, 400, 400, 2, 3);
        s.bird->Step();
        s.view.resize(200, 200);
        s.bird->UpdateBounds();
        CRect prev = s.bird->position();
        for (int i = 0; i < 200; ++i) {
            s.bird->Step();
            const CRect pos = s.bird->position();
            QVERIFY(std::abs(pos.left - prev.left) == 2);
            QVERIFY(std::abs(pos.top - prev.top) == 3);
            prev = pos;
        }
        QVERIFY(prev.left >= 0 && prev.right <= 200 && prev.top >= 0 && prev.bottom <= 200);
    }

    void farStartInASmallViewBouncesBackIn()
    {
        Scene s(150, 150, 199, 199, 2, 3);
        for (int i = 0; i < 80; ++i)
            s.bird->Step();
        const CRect pos = s.bird->position();
        QVERIFY(pos.left >= 0 && pos.right <= 150 && pos.top >= 0 && pos.bottom <= 150);
    }

    void turnsLeftInTheFrameThatPassesTheEdge()
    {
        Scene s(300, 400, 213, 100, 2, 3);
        s.bird->Step(); // right edge at 300: touching
        QCOMPARE(drawnImage(s), 0);
        QVERIFY(beakSide(s.surface->image(), s.bird->position()) > 20);
        s.bird->Step(); // right edge at 302: drawn beyond the edge, facing left
        QCOMPARE(s.bird->position().right, 302);
        QCOMPARE(drawnImage(s), 101);
        QVERIFY(beakSide(s.surface->image(), s.bird->position()) < -20);
        s.bird->Step();
        QCOMPARE(s.bird->position().right, 300);
        QCOMPARE(drawnImage(s), 102);
    }

    void wingsBeatThroughEightFrames()
    {
        Scene s(800, 800, 100, 100, 2, 3);
        for (int i = 0; i < 20; ++i) {
            s.bird->Step();
            QCOMPARE(drawnImage(s), i % 8);
            QCOMPARE(s.bird->frame(), (i + 1) % 8);
        }
    }

    void talkShowsFifteenTalkFrames()
    {
        Scene s(800, 800, 100, 100, 2, 3);
        s.bird->Step();
        s.bird->Step();
        s.bird->Talk();
        QCOMPARE(s.bird->talkSteps(), 15);
        for (int i = 2; i < 17; ++i) {
            s.bird->Step();
            // The wing beat goes on: same cycle position, talking picture.
            QCOMPARE(drawnImage(s), 8 + i % 8);
            QCOMPARE(s.bird->talkSteps(), 16 - i);
        }
        s.bird->Step();
        QCOMPARE(drawnImage(s), 17 % 8);
    }

    void secondTalkRestartsTheCount()
    {
        Scene s(800, 800, 100, 100, 2, 3);
        s.bird->Talk();
        for (int i = 0; i < 5; ++i)
            s.bird->Step();
        QCOMPARE(s.bird->talkSteps(), 10);
        s.bird->Talk();
        int talking = 0;
        for (int i = 0; i < 30; ++i) {
            s.bird->Step();
            if (drawnImage(s) >= 8)
                ++talking;
            else
                break;
        }
        QCOMPARE(talking, 15);
    }

    void talkWithoutTalkFramesDoesNothing()
    {
        Scene s(800, 800, 100, 100, 2, 3, false);
        QCOMPARE(s.bird->frameCount(), 8);
        s.bird->Talk();
        QCOMPARE(s.bird->talkSteps(), 0);
        for (int i = 0; i < 10; ++i) {
            s.bird->Step();
            QCOMPARE(drawnImage(s), i % 8);
        }
    }

    void stepTouchesOnlyTheSquareAroundTheOldPosition_data()
    {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::newRow("inside") << 150 << 120;
        QTest::newRow("top left corner") << 0 << 0;
        QTest::newRow("partly outside") << 260 << 180;
    }

    void stepTouchesOnlyTheSquareAroundTheOldPosition()
    {
        QFETCH(int, x);
        QFETCH(int, y);
        Scene s(320, 240, x, y, 2, 3);
        const QColor magenta(255, 0, 255);
        s.surface->fill(magenta);
        const CRect old = s.bird->position();
        s.bird->Step();
        CRect r = old;
        r.InflateRect(21, 21);
        QCOMPARE(r.Width(), 127);
        const QImage img = s.surface->image();
        const QRect square = r.toQRect();
        const QRect sprite = s.bird->position().toQRect();
        int composed = 0;
        for (int py = 0; py < img.height(); ++py)
            for (int px = 0; px < img.width(); ++px) {
                const bool isMagenta = QColor(img.pixel(px, py)) == magenta;
                if (square.contains(px, py)) {
                    QVERIFY(!isMagenta);
                    // Around the new picture the square is erased to the view's grey.
                    if (!sprite.contains(px, py))
                        QVERIFY2(QColor(img.pixel(px, py)) == kGrey,
                                 qPrintable(QStringLiteral("%1,%2").arg(px).arg(py)));
                    ++composed;
                } else {
                    QVERIFY2(isMagenta, qPrintable(QStringLiteral("%1,%2").arg(px).arg(py)));
                }
            }
        QCOMPARE(composed,
                 square.intersected(img.rect()).width() * square.intersected(img.rect()).height());
        // The new picture is in the square, whichever way the bird now faces.
        QVERIFY(drawnImage(s) == 0 || drawnImage(s) == 100);
    }

    void flyingThreadSharesTheSurfaceSafely()
    {
        QWidget view;
        view.resize(400, 300);
        CClientSurface surface(&view);
        auto* bird = new CBitmapThread(&view, &surface, 20, 30, 2, 3, IDB_BIRD_FIRST, 8, true);
        QVERIFY(bird->CreateThread());
        bird->ResumeThread();
        for (int i = 0; i < 30; ++i) {
            bird->Talk();
            if (i % 5 == 0) {
                view.resize(400 + i, 300 - i);
                surface.resize(view.size());
                bird->UpdateBounds();
            }
            QTest::qWait(20);
        }
        bird->StopAndDestroy();
        // Green bird pixels reached the surface.
        const QImage img = surface.image();
        int green = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const QColor c(img.pixel(x, y));
                if (c.green() > c.red() + 40 && c.green() > c.blue() + 40)
                    ++green;
            }
        QVERIFY(green > 500);
    }
};

POMMELOT_TEST_MAIN(TestBitmapThread)
#include "tst_bitmapthread.moc"
