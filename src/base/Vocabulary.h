#pragma once

#include "base/Rect.h"

#include <QColor>
#include <QString>

// The colours and shapes every play mode and recording page shares. The names are also the
// file names of the recorded sounds (Red.wav, Circle.wav).
constexpr int kColorCount = 9;  // 0 Red .. 8 Black
constexpr int kShapeCount = 10; // 0 Circle .. 9 Trapezoid

QString GetColorName(int color);
QString GetShapeName(int shape);
// An item's name (a colour, a shape, a sum word) as the interface's language writes it; any
// other name as it is.
QString GetItemTitle(const QString& name);
// RGB used for drawing; any id outside 0..8 gives red.
QColor ColorToRGB(int color);
// Steps the id on, modulo 9 (colours) or 10 (shapes); returns 1 when it wrapped to 0.
int NextColor(int& color);
int NextShape(int& shape);
// Shrinks the longer side symmetrically, by (w - h) / 2 on each side, so the box is square.
void MakeSquare(CRect& rc);
// Light grey, RGB(192,192,192): the play view's background.
QColor GetBackgroundColor();
