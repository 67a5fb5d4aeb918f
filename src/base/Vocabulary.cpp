#include "base/Vocabulary.h"

#include <QCoreApplication>

namespace {
struct ColorEntry
{
    int id;
    const char* name;
    QRgb rgb;
};
constexpr ColorEntry kColors[kColorCount] = {
    {0, QT_TRANSLATE_NOOP("Vocabulary", "Red"), qRgb(255, 0, 0)},
    {1, QT_TRANSLATE_NOOP("Vocabulary", "Orange"), qRgb(255, 128, 64)},
    {2, QT_TRANSLATE_NOOP("Vocabulary", "Yellow"), qRgb(255, 255, 0)},
    {3, QT_TRANSLATE_NOOP("Vocabulary", "Green"), qRgb(0, 255, 0)},
    {4, QT_TRANSLATE_NOOP("Vocabulary", "Blue"), qRgb(0, 0, 255)},
    {5, QT_TRANSLATE_NOOP("Vocabulary", "Indigo"), qRgb(0, 255, 255)},
    {6, QT_TRANSLATE_NOOP("Vocabulary", "Violet"), qRgb(255, 0, 255)},
    {7, QT_TRANSLATE_NOOP("Vocabulary", "White"), qRgb(255, 255, 255)},
    {8, QT_TRANSLATE_NOOP("Vocabulary", "Black"), qRgb(0, 0, 0)},
};
constexpr const char* kShapes[kShapeCount] = {
    QT_TRANSLATE_NOOP("Vocabulary", "Circle"),   QT_TRANSLATE_NOOP("Vocabulary", "Square"),
    QT_TRANSLATE_NOOP("Vocabulary", "Triangle"), QT_TRANSLATE_NOOP("Vocabulary", "Rectangle"),
    QT_TRANSLATE_NOOP("Vocabulary", "Diamond"),  QT_TRANSLATE_NOOP("Vocabulary", "Pentagon"),
    QT_TRANSLATE_NOOP("Vocabulary", "Hexagon"),  QT_TRANSLATE_NOOP("Vocabulary", "Octagon"),
    QT_TRANSLATE_NOOP("Vocabulary", "Star"),     QT_TRANSLATE_NOOP("Vocabulary", "Trapezoid")};
} // namespace

QString GetColorName(int color)
{
    for (const ColorEntry& c : kColors) {
        if (c.id == color)
            return QString::fromLatin1(c.name);
    }
    return QString();
}

QString GetShapeName(int shape)
{
    if (shape < 0 || shape >= kShapeCount)
        return QString();
    return QString::fromLatin1(kShapes[shape]);
}

QColor ColorToRGB(int color)
{
    if (color < 0 || color >= kColorCount)
        return QColor(255, 0, 0);
    return QColor(kColors[color].rgb);
}

int NextColor(int& color)
{
    color = (color + 1) % kColorCount;
    return color == 0 ? 1 : 0;
}

int NextShape(int& shape)
{
    shape = (shape + 1) % kShapeCount;
    return shape == 0 ? 1 : 0;
}

void MakeSquare(CRect& rc)
{
    const int w = rc.Width();
    const int h = rc.Height();
    if (w > h) {
        const int d = (w - h) / 2;
        rc.left += d;
        rc.right -= d;
    } else {
        const int d = (h - w) / 2;
        rc.top += d;
        rc.bottom -= d;
    }
}

QColor GetBackgroundColor()
{
    return QColor(192, 192, 192);
}

QString GetItemTitle(const QString& name)
{
    const QByteArray key = name.toUtf8();
    return QCoreApplication::translate("Vocabulary", key.constData());
}
