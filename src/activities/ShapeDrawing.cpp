#include "activities/ShapeDrawing.h"

#include "base/Vocabulary.h"

#include <QPainter>
#include <QPolygon>
#include <cmath>

namespace {
constexpr double kUp = 4.712388980384685; // straight up on the screen (y grows downward)
constexpr double kFullTurn = 6.28318530717958;
constexpr double kStarStep = 1.2566370614359161;  // a fifth of a turn
constexpr double kStarInner = 0.6283185307179581; // a tenth of a turn

// Rounds half up the way the corner tables are made: trunc(v + 0.5), toward zero.
int corner(double radius, double trig, int centre)
{
    return static_cast<int>(radius * trig + centre + 0.5);
}

// The ellipse inscribed in the box, one span per pixel row: a pixel is inside when its centre
// is. Rows and columns are mirrored about the box's centre so the figure is exactly
// symmetric, which a curve-approximating rasterizer does not promise.
QVector<QRect> ellipseSpans(const CRect& box)
{
    QVector<QRect> spans;
    const int w = box.Width();
    const int h = box.Height();
    if (w <= 0 || h <= 0)
        return spans;
    const double a = w / 2.0;
    const double b = h / 2.0;
    spans.reserve(h);
    for (int row = 0; row < h; ++row) {
        // Distance of the row's centre from the middle; the lower half mirrors the upper.
        const int mirrored = row < (h + 1) / 2 ? row : h - 1 - row;
        const double dy = b - (mirrored + 0.5);
        const double t = 1.0 - (dy * dy) / (b * b);
        if (t <= 0.0)
            continue;
        const double half = a * std::sqrt(t);
        const int first = static_cast<int>(std::ceil(a - half - 0.5));
        const int last = w - 1 - first;
        if (last < first)
            continue;
        spans.append(QRect(box.left + first, box.top + row, last - first + 1, 1));
    }
    return spans;
}

void fillPolygon(QPainter* dc, const QVector<QPoint>& points)
{
    if (points.size() < 3)
        return;
    dc->drawPolygon(QPolygon(points), Qt::WindingFill);
}
} // namespace

CRect shapeBox(const CRect& box, int shape)
{
    CRect rc = box;
    if (shape != 3)
        MakeSquare(rc);
    return rc;
}

QVector<QPoint> trianglePoints(const CRect& box)
{
    const int w = box.Width();
    return {QPoint(box.left, box.bottom), QPoint(box.right, box.bottom),
            QPoint(box.left + w / 2, box.top)};
}

QVector<QPoint> diamondPoints(const CRect& box)
{
    CRect rc = box;
    rc.InflateRect(static_cast<int>(-0.25 * rc.Width()), 0);
    const int w = rc.Width();
    const int h = rc.Height();
    return {QPoint(rc.right - w / 2, rc.bottom), QPoint(rc.right, rc.bottom - h / 2),
            QPoint(rc.left + w / 2, rc.top), QPoint(rc.left, rc.top + h / 2)};
}

QVector<QPoint> regularPolygonPoints(const CRect& box, int n)
{
    QVector<QPoint> points;
    if (n < 1)
        return points;
    const double rx = box.Width() / 2;
    const double ry = box.Height() / 2;
    const int cx = (box.left + box.right) / 2;
    const int cy = (box.top + box.bottom) / 2;
    const double step = kFullTurn / n;
    double a = kUp;
    if (n % 2 == 0)
        a += step / 2;
    points.reserve(n);
    for (int i = 0; i < n; ++i) {
        points.append(QPoint(corner(rx, std::cos(a), cx), corner(ry, std::sin(a), cy)));
        a += step;
    }
    return points;
}

CRect starInnerBox(const CRect& box)
{
    CRect inner = box;
    inner.InflateRect(static_cast<int>(-0.31 * box.Width()),
                      static_cast<int>(-0.31 * box.Height()));
    return inner;
}

QVector<QPoint> starPoints(const CRect& box)
{
    const double rxo = box.Width() / 2;
    const double ryo = box.Height() / 2;
    const CRect inner = starInnerBox(box);
    const double rxi = inner.Width() / 2;
    const double ryi = inner.Height() / 2;
    const int cx = (inner.left + inner.right) / 2;
    const int cy = (inner.top + inner.bottom) / 2;

    QVector<QPoint> points;
    points.reserve(10);
    double a = kUp;
    for (int i = 0; i < 5; ++i) {
        points.append(QPoint(corner(rxo, std::cos(a), cx), corner(ryo, std::sin(a), cy)));
        const double b = a + kStarInner;
        points.append(QPoint(corner(rxi, std::cos(b), cx), corner(ryi, std::sin(b), cy)));
        a += kStarStep;
    }
    return points;
}

QVector<QPoint> trapezoidPoints(const CRect& box)
{
    const int w = box.Width();
    return {QPoint(box.left, box.bottom), QPoint(box.right, box.bottom),
            QPoint(box.left + static_cast<int>(0.75 * w), box.top),
            QPoint(box.left + static_cast<int>(0.25 * w), box.top)};
}

void DrawRegularPolygon(QPainter* dc, const CRect& box, int n)
{
    fillPolygon(dc, regularPolygonPoints(box, n));
}

void DrawStar(QPainter* dc, const CRect& box)
{
    fillPolygon(dc, starPoints(box));
}

void DrawTrapezoid(QPainter* dc, const CRect& box)
{
    fillPolygon(dc, trapezoidPoints(box));
}

void DrawShape(QPainter* dc, CRect box, int shape, int color, int penWidth)
{
    if (!dc || shape < 0 || shape >= kShapeCount)
        return;
    // The outline is kept inside the figure and has the fill's colour, so it covers only
    // pixels the fill covers: filling without a pen gives the silhouette to the pixel, with
    // the exclusive right and bottom edges of rectangles and ellipses. An outline wider than
    // half the figure still stays within it.
    static_cast<void>(penWidth);
    const QColor rgb = ColorToRGB(color);

    dc->save();
    dc->setRenderHint(QPainter::Antialiasing, false);
    dc->setPen(Qt::NoPen);
    dc->setBrush(rgb);

    box = shapeBox(box, shape);
    switch (shape) {
    case 0: // Circle
        dc->drawRects(ellipseSpans(box));
        break;
    case 1: // Square
    case 3: // Rectangle
        if (!box.IsEmpty())
            dc->fillRect(box.toQRect(), rgb);
        break;
    case 2:
        fillPolygon(dc, trianglePoints(box));
        break;
    case 4:
        fillPolygon(dc, diamondPoints(box));
        break;
    case 5:
        DrawRegularPolygon(dc, box, 5);
        break;
    case 6:
        DrawRegularPolygon(dc, box, 6);
        break;
    case 7:
        DrawRegularPolygon(dc, box, 8);
        break;
    case 8:
        DrawStar(dc, box);
        break;
    case 9:
        DrawTrapezoid(dc, box);
        break;
    default:
        break;
    }
    dc->restore();
}
