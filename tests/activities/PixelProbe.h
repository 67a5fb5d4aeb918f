#pragma once

#include "base/Vocabulary.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRect>

// Small helpers for looking at what a drawing left in an image.
namespace PixelProbe {

inline QImage greyImage(const QSize& size)
{
    QImage img(size, QImage::Format_RGB32);
    img.fill(GetBackgroundColor());
    return img;
}

inline QColor at(const QImage& img, int x, int y)
{
    return QColor(img.pixel(x, y));
}

// The bounding box of the pixels that are exactly this colour (null when there are none).
inline QRect boxOf(const QImage& img, const QColor& color)
{
    const QRgb want = color.rgb();
    int l = img.width(), t = img.height(), r = -1, b = -1;
    for (int y = 0; y < img.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            if ((line[x] | 0xff000000u) == (want | 0xff000000u)) {
                l = qMin(l, x);
                r = qMax(r, x);
                t = qMin(t, y);
                b = qMax(b, y);
            }
        }
    }
    return r < 0 ? QRect() : QRect(QPoint(l, t), QPoint(r, b));
}

// The bounding box of every pixel that is not the background grey.
inline QRect inkBox(const QImage& img)
{
    const QRgb grey = GetBackgroundColor().rgb() | 0xff000000u;
    int l = img.width(), t = img.height(), r = -1, b = -1;
    for (int y = 0; y < img.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            if ((line[x] | 0xff000000u) != grey) {
                l = qMin(l, x);
                r = qMax(r, x);
                t = qMin(t, y);
                b = qMax(b, y);
            }
        }
    }
    return r < 0 ? QRect() : QRect(QPoint(l, t), QPoint(r, b));
}

inline int count(const QImage& img, const QColor& color)
{
    const QRgb want = color.rgb() | 0xff000000u;
    int n = 0;
    for (int y = 0; y < img.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x)
            n += (line[x] | 0xff000000u) == want;
    }
    return n;
}

} // namespace PixelProbe
