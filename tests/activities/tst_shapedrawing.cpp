#include "activities/ShapeDrawing.h"
#include "base/Vocabulary.h"
#include "common/TestApp.h"

#include "PixelProbe.h"

#include <QPainter>
#include <QPolygon>

using Points = QVector<QPoint>;
Q_DECLARE_METATYPE(Points)

namespace {
const CRect kBox100(0, 0, 100, 100);

QImage drawn(const QSize& size, const CRect& box, int shape, int color)
{
    QImage img = PixelProbe::greyImage(size);
    QPainter p(&img);
    DrawShape(&p, box, shape, color, 3);
    return img;
}

// Whether the centre of pixel (x, y) lies inside the polygon (crossing count; the figures
// here are simple polygons, so the fill rule does not matter).
bool insidePolygon(const Points& poly, int x, int y)
{
    const double px = x + 0.5 - 1e-6;
    const double py = y + 0.5;
    bool inside = false;
    for (int i = 0, j = int(poly.size()) - 1; i < int(poly.size()); j = i++) {
        const double xi = poly[i].x(), yi = poly[i].y();
        const double xj = poly[j].x(), yj = poly[j].y();
        if ((yi > py) != (yj > py) && px < (xj - xi) * (py - yi) / (yj - yi) + xi)
            inside = !inside;
    }
    return inside;
}

// The figure a shape id must give in the box (0,0)-(300,100): the rectangle fills the box, every
// other shape sits in the centred square (100,0)-(200,100) with the corners worked out for a
// 100-pixel square, moved 100 to the right. An empty list with a non-null rect means a filled
// rectangle; a null rect and no points means the inscribed circle of the square.
struct Figure
{
    Points corners;
    QRect rect;
};

Figure expectedFigure(int shape)
{
    auto moved = [](Points p) {
        for (QPoint& c : p)
            c.rx() += 100;
        return p;
    };
    switch (shape) {
    case 0:
        return {};
    case 1:
        return {{}, QRect(100, 0, 100, 100)};
    case 2:
        return {moved({{0, 100}, {100, 100}, {50, 0}}), {}};
    case 3:
        return {{}, QRect(0, 0, 300, 100)};
    case 4:
        return {moved({{50, 100}, {75, 50}, {50, 0}, {25, 50}}), {}};
    case 5:
        return {moved({{50, 0}, {98, 35}, {79, 90}, {21, 90}, {2, 35}}), {}};
    case 6:
        return {moved({{75, 7}, {100, 50}, {75, 93}, {25, 93}, {0, 50}, {25, 7}}), {}};
    case 7:
        return {moved({{69, 4}, {96, 31}, {96, 69}, {69, 96}, {31, 96}, {4, 69}, {4, 31}, {31, 4}}),
                {}};
    case 8:
        return {moved({{50, 0},
                       {61, 35},
                       {98, 35},
                       {68, 56},
                       {79, 90},
                       {50, 69},
                       {21, 90},
                       {32, 56},
                       {2, 35},
                       {39, 35}}),
                {}};
    case 9:
        return {moved({{0, 100}, {100, 100}, {75, 0}, {25, 0}}), {}};
    }
    return {};
}

bool insideFigure(const Figure& f, int x, int y)
{
    if (!f.corners.isEmpty())
        return insidePolygon(f.corners, x, y);
    if (!f.rect.isNull())
        return f.rect.contains(x, y);
    const double dx = (x + 0.5 - 150) / 50.0;
    const double dy = (y + 0.5 - 50) / 50.0;
    return dx * dx + dy * dy <= 1.0;
}
} // namespace

class TestShapeDrawing : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cornerTables_data()
    {
        QTest::addColumn<Points>("actual");
        QTest::addColumn<Points>("expected");
        QTest::newRow("triangle") << trianglePoints(kBox100)
                                  << Points{{0, 100}, {100, 100}, {50, 0}};
        QTest::newRow("diamond is narrowed to 25..75")
            << diamondPoints(kBox100) << Points{{50, 100}, {75, 50}, {50, 0}, {25, 50}};
        QTest::newRow("trapezoid")
            << trapezoidPoints(kBox100) << Points{{0, 100}, {100, 100}, {75, 0}, {25, 0}};
        QTest::newRow("pentagon points up")
            << regularPolygonPoints(kBox100, 5)
            << Points{{50, 0}, {98, 35}, {79, 90}, {21, 90}, {2, 35}};
        QTest::newRow("hexagon has flat top and bottom")
            << regularPolygonPoints(kBox100, 6)
            << Points{{75, 7}, {100, 50}, {75, 93}, {25, 93}, {0, 50}, {25, 7}};
        QTest::newRow("octagon has four flat sides")
            << regularPolygonPoints(kBox100, 8)
            << Points{{69, 4}, {96, 31}, {96, 69}, {69, 96}, {31, 96}, {4, 69}, {4, 31}, {31, 4}};
        QTest::newRow("star") << starPoints(kBox100)
                              << Points{{50, 0},  {61, 35}, {98, 35}, {68, 56}, {79, 90},
                                        {50, 69}, {21, 90}, {32, 56}, {2, 35},  {39, 35}};
        // Off the origin and in an odd-sized box the halves still truncate.
        QTest::newRow("triangle, odd box")
            << trianglePoints(CRect(10, 20, 111, 121)) << Points{{10, 121}, {111, 121}, {60, 20}};
        QTest::newRow("trapezoid, odd box") << trapezoidPoints(CRect(10, 20, 111, 121))
                                            << Points{{10, 121}, {111, 121}, {85, 20}, {35, 20}};
    }
    void cornerTables()
    {
        QFETCH(Points, actual);
        QFETCH(Points, expected);
        QCOMPARE(actual, expected);
    }

    // Each shape id draws its own figure: the silhouette matches the figure made from the
    // corner list above pixel for pixel, but for a thin seam along the outline where pixel
    // centres lie on an edge; and every corner of the list is inked. A shape with a corner too
    // few or too many, or two ids drawing each other's figure, differs by hundreds of pixels.
    void eachShapeIdDrawsItsFigure_data()
    {
        QTest::addColumn<int>("shape");
        for (int s = 0; s < kShapeCount; ++s)
            QTest::addRow("%d %s", s, qPrintable(GetShapeName(s))) << s;
    }
    void eachShapeIdDrawsItsFigure()
    {
        QFETCH(int, shape);
        const QImage img = drawn(QSize(310, 110), CRect(0, 0, 300, 100), shape, 4);
        const QColor blue(0, 0, 255);
        const Figure figure = expectedFigure(shape);
        int missing = 0;
        int extra = 0;
        int area = 0;
        for (int y = 0; y < img.height(); ++y) {
            for (int x = 0; x < img.width(); ++x) {
                const bool want = insideFigure(figure, x, y);
                const bool ink = PixelProbe::at(img, x, y) == blue;
                area += want;
                missing += want && !ink;
                extra += !want && ink;
            }
        }
        QVERIFY(area > 2000);
        QVERIFY2(missing + extra <= 20,
                 qPrintable(QStringLiteral("%1 pixels missing, %2 extra").arg(missing).arg(extra)));
        for (const QPoint& c : figure.corners) {
            // A corner on the exclusive right or bottom edge is inked just inside it; a sharp tip
            // (the star's) a pixel or two below it.
            const int x = qMin(c.x(), 299);
            const int y = qMin(c.y(), 99);
            bool inked = false;
            for (int dy = -2; dy <= 2; ++dy)
                for (int dx = -2; dx <= 2; ++dx)
                    inked |=
                        PixelProbe::at(img, qBound(0, x + dx, 309), qBound(0, y + dy, 109)) == blue;
            QVERIFY2(inked, qPrintable(QStringLiteral("corner %1,%2").arg(c.x()).arg(c.y())));
        }
    }

    void starInnerBox()
    {
        const CRect inner = ::starInnerBox(kBox100);
        QCOMPARE(inner, CRect(31, 31, 69, 69));
        QCOMPARE(inner.Width() / 2, 19);
    }

    void onlyTheRectangleKeepsTheBoxProportions_data()
    {
        QTest::addColumn<int>("shape");
        QTest::addColumn<CRect>("expected");
        for (int s = 0; s < kShapeCount; ++s) {
            QTest::addRow("%s", qPrintable(GetShapeName(s)))
                << s << (s == 3 ? CRect(0, 0, 300, 100) : CRect(100, 0, 200, 100));
        }
    }
    void onlyTheRectangleKeepsTheBoxProportions()
    {
        QFETCH(int, shape);
        QFETCH(CRect, expected);
        QCOMPARE(shapeBox(CRect(0, 0, 300, 100), shape), expected);

        // The drawn silhouette stays within that box and reaches its edges.
        const QImage img = drawn(QSize(300, 100), CRect(0, 0, 300, 100), shape, 4);
        const QRect ink = PixelProbe::inkBox(img);
        QVERIFY(!ink.isNull());
        QVERIFY2(expected.toQRect().contains(ink), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                                  .arg(ink.x())
                                                                  .arg(ink.y())
                                                                  .arg(ink.width())
                                                                  .arg(ink.height())));
        // Only grey and the shape's own colour: one solid colour, no blended edges.
        QCOMPARE(PixelProbe::count(img, ColorToRGB(4)) +
                     PixelProbe::count(img, GetBackgroundColor()),
                 300 * 100);
        // The circle, the square, the rectangle, the triangle and the trapezoid reach the bottom
        // row of their box; the others end in a point or a little higher.
        if (shape <= 3 || shape == 9)
            QCOMPARE(ink.bottom(), expected.bottom - 1);
        QVERIFY(ink.top() <= expected.top + 7);
    }

    void rectangleAndSquareHaveExclusiveEdges()
    {
        const CRect box(10, 20, 110, 70);
        const QImage rect = drawn(QSize(130, 90), box, 3, 0);
        QCOMPARE(PixelProbe::boxOf(rect, QColor(255, 0, 0)), QRect(10, 20, 100, 50));
        QCOMPARE(PixelProbe::count(rect, QColor(255, 0, 0)), 100 * 50);

        const QImage square = drawn(QSize(130, 90), box, 1, 0);
        // 100 x 50 made square: 50 x 50, centred across.
        QCOMPARE(PixelProbe::boxOf(square, QColor(255, 0, 0)), QRect(35, 20, 50, 50));
        QCOMPARE(PixelProbe::count(square, QColor(255, 0, 0)), 50 * 50);
    }

    void circleFillsItsSquareSymmetrically()
    {
        const QImage img = drawn(QSize(120, 120), CRect(10, 10, 110, 110), 0, 0);
        const QColor red(255, 0, 0);
        QCOMPARE(PixelProbe::boxOf(img, red), QRect(10, 10, 100, 100));
        QCOMPARE(PixelProbe::at(img, 60, 60), red);
        // The corners of the bounding box stay grey.
        QCOMPARE(PixelProbe::at(img, 10, 10), GetBackgroundColor());
        QCOMPARE(PixelProbe::at(img, 109, 109), GetBackgroundColor());
        // Mirror symmetry about the centre of the box.
        for (int y = 10; y < 110; ++y) {
            for (int x = 10; x < 60; ++x) {
                QCOMPARE(img.pixel(x, y), img.pixel(119 - x, y));
                QCOMPARE(img.pixel(y, x), img.pixel(y, 119 - x));
            }
        }
        // Area close to pi r^2.
        const int area = PixelProbe::count(img, red);
        QVERIFY(qAbs(area - 7854) < 150);
    }

    void blackAndWhiteAreDrawnLikeAnyColour_data()
    {
        QTest::addColumn<int>("color");
        QTest::newRow("white") << 7;
        QTest::newRow("black") << 8;
    }
    void blackAndWhiteAreDrawnLikeAnyColour()
    {
        QFETCH(int, color);
        const QImage img = drawn(QSize(100, 100), kBox100, 8, color);
        QCOMPARE(PixelProbe::at(img, 50, 50), ColorToRGB(color));
        QCOMPARE(PixelProbe::at(img, 0, 0), GetBackgroundColor());
        QCOMPARE(PixelProbe::at(img, 99, 99), GetBackgroundColor());
        QVERIFY(PixelProbe::count(img, ColorToRGB(color)) > 1000);
    }

    void unknownShapeDrawsNothing_data()
    {
        QTest::addColumn<int>("shape");
        QTest::newRow("-1") << -1;
        QTest::newRow("10") << 10;
    }
    void unknownShapeDrawsNothing()
    {
        QFETCH(int, shape);
        QImage img = PixelProbe::greyImage(QSize(100, 100));
        QPainter p(&img);
        p.setPen(Qt::blue);
        DrawShape(&p, kBox100, shape, 0, 3);
        QCOMPARE(p.pen().color(), QColor(Qt::blue));
        p.end();
        QVERIFY(PixelProbe::inkBox(img).isNull());
    }

    void painterStateIsRestored()
    {
        QImage img = PixelProbe::greyImage(QSize(100, 100));
        QPainter p(&img);
        p.setPen(QPen(Qt::green, 5));
        p.setBrush(Qt::yellow);
        p.setRenderHint(QPainter::Antialiasing, true);
        DrawShape(&p, kBox100, 5, 0, 3);
        QCOMPARE(p.pen().color(), QColor(Qt::green));
        QCOMPARE(p.pen().width(), 5);
        QCOMPARE(p.brush().color(), QColor(Qt::yellow));
        QVERIFY(p.testRenderHint(QPainter::Antialiasing));
    }

    void polygonsFillBetweenTheirCorners()
    {
        // Inside the star's inner pentagon and at the tip of each point: coloured; in the
        // notches between the points: grey.
        const QImage img = drawn(QSize(100, 100), kBox100, 8, 0);
        const QColor red(255, 0, 0);
        QCOMPARE(PixelProbe::at(img, 50, 50), red);
        QCOMPARE(PixelProbe::at(img, 50, 3), red);
        QCOMPARE(PixelProbe::at(img, 94, 36), red);
        QCOMPARE(PixelProbe::at(img, 50, 80), GetBackgroundColor());
        QCOMPARE(PixelProbe::at(img, 80, 20), GetBackgroundColor());

        // The diamond is half as wide as it is high.
        const QImage diamond = drawn(QSize(100, 100), kBox100, 4, 0);
        const QRect ink = PixelProbe::boxOf(diamond, red);
        QVERIFY(ink.left() >= 25 && ink.right() <= 75);
        QCOMPARE(PixelProbe::at(diamond, 50, 50), red);
        QCOMPARE(PixelProbe::at(diamond, 30, 10), GetBackgroundColor());
    }
};

POMMELOT_TEST_MAIN(TestShapeDrawing)
#include "tst_shapedrawing.moc"
