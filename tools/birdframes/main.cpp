// Draws the talking bird's 16 frames: 85 x 85 pixels on the play view's grey, RGB(192,192,192).
// Frames 0-7: a green bird in profile facing right, the wings in eight positions of one beat.
// Frames 8-15: the same wing positions with the head turned to the child and the beak open.
// Edges are antialiased onto the grey itself, so they blend into the view's background.
//
// Usage: birdframes <output folder>   (writes bird_00.png ... bird_15.png)

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>
#include <cmath>
#include <cstdio>

namespace {

constexpr int kSize = 85;
constexpr int kWingPositions = 8;
const QColor kGrey(192, 192, 192);

const QColor kBody(98, 196, 72);
const QColor kBodyShade(70, 160, 52);
const QColor kBelly(200, 236, 130);
const QColor kOutline(36, 104, 34);
const QColor kWing(44, 138, 46);
const QColor kWingDark(28, 100, 34);
const QColor kBeak(255, 150, 30);
const QColor kBeakDark(214, 104, 10);
const QColor kMouth(150, 30, 46);
const QColor kTongue(240, 110, 120);
const QColor kCheek(246, 150, 128);
const QColor kEyeWhite(255, 255, 255);
const QColor kPupil(24, 24, 30);

constexpr double kPi = 3.14159265358979323846;

QPen outlinePen(const QColor& color, double width)
{
    QPen pen(color, width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

// The wing's direction for position i of the beat: a smooth sweep from high above the back
// (i = 0) down below the body (i = 4) and back up.
double wingAngle(int i)
{
    const double phase = 2.0 * kPi * i / kWingPositions;
    return (192.0 + 58.0 * std::cos(phase)) * kPi / 180.0;
}

// A wing seen from the side, pivoting at the shoulder. On the way down (positions 1-3) it is
// spread wide and long; on the way up (5-7) it is half folded, shorter and narrower, as a
// bird's wing is. So no two of the eight positions look alike.
void drawWing(QPainter& p, int i)
{
    const QPointF shoulder(40.0, 45.0);
    const bool upStroke = i > kWingPositions / 2;
    const double a = wingAngle(i) + (upStroke ? 10.0 * kPi / 180.0 : 0.0);
    const double spread = upStroke ? 0.72 : 0.8 + 0.2 * std::sin(2.0 * kPi * i / kWingPositions);
    const double len = upStroke ? 25.0 : 30.0;
    const double w = 11.5 * spread;

    QPainterPath wing;
    wing.moveTo(0, -w * 0.55);
    wing.cubicTo(len * 0.45, -w * 1.05, len * 0.85, -w * 0.8, len, -w * 0.1);
    // The feathered trailing edge: three soft scallops back to the shoulder.
    wing.cubicTo(len * 0.98, w * 0.35, len * 0.86, w * 0.5, len * 0.78, w * 0.35);
    wing.cubicTo(len * 0.72, w * 0.8, len * 0.6, w * 0.85, len * 0.54, w * 0.6);
    wing.cubicTo(len * 0.46, w * 1.05, len * 0.3, w * 1.0, len * 0.24, w * 0.7);
    wing.cubicTo(len * 0.15, w * 0.8, 0.0, w * 0.7, 0, w * 0.55);
    wing.closeSubpath();

    QTransform t;
    t.translate(shoulder.x(), shoulder.y());
    t.rotateRadians(a);
    const QPainterPath placed = t.map(wing);

    p.setPen(outlinePen(kWingDark, 1.4));
    p.setBrush(kWing);
    p.drawPath(placed);

    // Two feather lines.
    p.setPen(outlinePen(kWingDark, 1.1));
    p.setBrush(Qt::NoBrush);
    QPainterPath lines;
    lines.moveTo(t.map(QPointF(len * 0.25, w * 0.05)));
    lines.lineTo(t.map(QPointF(len * 0.7, w * 0.05)));
    lines.moveTo(t.map(QPointF(len * 0.3, w * 0.45)));
    lines.lineTo(t.map(QPointF(len * 0.55, w * 0.45)));
    p.drawPath(lines);
}

void drawTail(QPainter& p)
{
    p.setPen(outlinePen(kOutline, 1.4));
    p.setBrush(kWing);
    const QPointF base(22.0, 52.0);
    const double angles[] = {196.0, 178.0, 162.0};
    for (double deg : angles) {
        QPainterPath feather;
        feather.moveTo(0, -4.2);
        feather.cubicTo(8, -6.5, 15, -4.5, 17, 0);
        feather.cubicTo(15, 4.5, 8, 6.5, 0, 4.2);
        feather.closeSubpath();
        QTransform t;
        t.translate(base.x(), base.y());
        t.rotate(deg);
        p.drawPath(t.map(feather));
    }
}

void drawFeet(QPainter& p)
{
    // Tucked up for flying: two small orange feet under the belly.
    p.setPen(outlinePen(kBeakDark, 2.2));
    p.drawLine(QPointF(40, 67), QPointF(37, 72));
    p.drawLine(QPointF(47, 67), QPointF(44, 72));
}

QPainterPath bodyPath()
{
    QPainterPath body;
    body.addEllipse(QPointF(41.0, 51.0), 23.5, 18.5);
    return body;
}

void drawBody(QPainter& p)
{
    const QPainterPath body = bodyPath();
    p.setPen(Qt::NoPen);
    p.setBrush(kBody);
    p.drawPath(body);

    // A soft shade along the back and a pale belly, both kept inside the body.
    p.save();
    p.setClipPath(body);
    p.setBrush(kBodyShade);
    p.drawEllipse(QPointF(35.0, 40.0), 22.0, 9.0);
    p.setBrush(kBelly);
    p.drawEllipse(QPointF(47.0, 60.0), 17.0, 11.5);
    p.restore();

    p.setPen(outlinePen(kOutline, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(body);
}

void drawEye(QPainter& p, const QPointF& centre, double r, const QPointF& look)
{
    p.setPen(outlinePen(kOutline, 1.0));
    p.setBrush(kEyeWhite);
    p.drawEllipse(centre, r, r);
    p.setPen(Qt::NoPen);
    p.setBrush(kPupil);
    const QPointF pupil = centre + look;
    p.drawEllipse(pupil, r * 0.6, r * 0.6);
    p.setBrush(kEyeWhite);
    p.drawEllipse(pupil + QPointF(r * 0.22, -r * 0.25), r * 0.2, r * 0.2);
}

void drawProfileHead(QPainter& p)
{
    const QPointF centre(59.0, 33.0);
    const double r = 15.0;

    // Beak first, tucked under the head's outline.
    QPainterPath beak;
    beak.moveTo(69.0, 28.5);
    beak.cubicTo(75.0, 29.0, 80.0, 31.5, 82.5, 35.0);
    beak.cubicTo(79.0, 38.5, 74.0, 40.0, 69.0, 40.0);
    beak.closeSubpath();
    p.setPen(outlinePen(kBeakDark, 1.3));
    p.setBrush(kBeak);
    p.drawPath(beak);
    p.setPen(outlinePen(kBeakDark, 1.0));
    p.drawLine(QPointF(71.0, 35.0), QPointF(81.0, 35.0));

    p.setPen(outlinePen(kOutline, 1.5));
    p.setBrush(kBody);
    p.drawEllipse(centre, r, r);

    p.setPen(Qt::NoPen);
    p.setBrush(kCheek);
    p.drawEllipse(QPointF(60.0, 40.5), 3.6, 2.6);

    drawEye(p, QPointF(63.0, 29.5), 5.0, QPointF(1.4, 0.2));
}

void drawFrontHead(QPainter& p)
{
    const QPointF centre(58.0, 32.0);
    const double r = 16.0;

    p.setPen(outlinePen(kOutline, 1.5));
    p.setBrush(kBody);
    p.drawEllipse(centre, r, r);

    // Little tuft on top.
    QPainterPath tuft;
    tuft.moveTo(55.0, 17.0);
    tuft.cubicTo(54.0, 12.0, 58.0, 10.5, 59.5, 13.5);
    tuft.cubicTo(61.0, 11.0, 65.0, 12.5, 62.0, 17.0);
    p.setBrush(kBody);
    p.drawPath(tuft);

    p.setPen(Qt::NoPen);
    p.setBrush(kCheek);
    p.drawEllipse(QPointF(46.5, 38.5), 3.6, 2.6);
    p.drawEllipse(QPointF(69.5, 38.5), 3.6, 2.6);

    drawEye(p, QPointF(51.5, 28.5), 4.8, QPointF(0.6, 0.6));
    drawEye(p, QPointF(64.5, 28.5), 4.8, QPointF(-0.6, 0.6));

    // The open beak, seen from the front: the mouth, the upper beak over it and the lower beak
    // below it.
    p.setPen(outlinePen(kBeakDark, 1.0));
    p.setBrush(kMouth);
    p.drawEllipse(QPointF(58.0, 41.5), 5.6, 4.6);
    p.setPen(Qt::NoPen);
    p.setBrush(kTongue);
    p.drawEllipse(QPointF(58.0, 43.6), 3.4, 2.0);

    QPainterPath upper;
    upper.moveTo(51.0, 36.0);
    upper.cubicTo(54.0, 33.5, 62.0, 33.5, 65.0, 36.0);
    upper.cubicTo(63.0, 38.0, 60.0, 39.5, 58.0, 41.0);
    upper.cubicTo(56.0, 39.5, 53.0, 38.0, 51.0, 36.0);
    upper.closeSubpath();
    p.setPen(outlinePen(kBeakDark, 1.2));
    p.setBrush(kBeak);
    p.drawPath(upper);

    QPainterPath lower;
    lower.moveTo(53.0, 45.5);
    lower.cubicTo(55.0, 47.5, 61.0, 47.5, 63.0, 45.5);
    lower.cubicTo(62.0, 48.5, 60.0, 50.5, 58.0, 51.0);
    lower.cubicTo(56.0, 50.5, 54.0, 48.5, 53.0, 45.5);
    lower.closeSubpath();
    p.drawPath(lower);
}

QImage drawFrame(int wing, bool talking)
{
    QImage image(kSize, kSize, QImage::Format_RGB32);
    image.fill(kGrey);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // The wing lies over the body; raised high, it goes behind the head.
    const bool wingBehindHead = wingAngle(wing) > 215.0 * kPi / 180.0;
    drawTail(p);
    drawFeet(p);
    drawBody(p);
    if (wingBehindHead)
        drawWing(p, wing);
    if (talking)
        drawFrontHead(p);
    else
        drawProfileHead(p);
    if (!wingBehindHead)
        drawWing(p, wing);
    p.end();
    return image.convertToFormat(QImage::Format_RGB888);
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: birdframes <output folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    for (int i = 0; i < 2 * kWingPositions; ++i) {
        const QImage frame = drawFrame(i % kWingPositions, i >= kWingPositions);
        const QString path =
            QStringLiteral("%1/bird_%2.png").arg(folder).arg(i, 2, 10, QLatin1Char('0'));
        if (!frame.save(path, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
