#pragma once

#include "base/Rect.h"

#include <QPoint>
#include <QVector>

class QPainter;

// The ten shapes of the Shapes and Colors mode, drawn as solid silhouettes of one colour in
// device pixels (x right, y down). Every shape but the Rectangle is drawn in the centred
// square of the box. Right and bottom edges of a box are exclusive.
//
// The corner computations are exposed on their own so the geometry can be checked without a
// window; each takes the box the figure is drawn in (already made square by the caller).

// The box a shape is drawn in: the box itself for the Rectangle (3), else its centred square.
CRect shapeBox(const CRect& box, int shape);
// Apex up, base along the bottom.
QVector<QPoint> trianglePoints(const CRect& box);
// Half as wide as high: the box is narrowed by a quarter of its width on each side first.
QVector<QPoint> diamondPoints(const CRect& box);
// n corners inscribed in the box, clockwise on the screen; odd polygons point straight up,
// even ones have a horizontal top edge.
QVector<QPoint> regularPolygonPoints(const CRect& box, int n);
// The box the star's inner corners lie on.
CRect starInnerBox(const CRect& box);
// Ten points, outer and inner alternating, starting with the top point.
QVector<QPoint> starPoints(const CRect& box);
// Bottom edge the whole width, top edge half of it and centred.
QVector<QPoint> trapezoidPoints(const CRect& box);

// Draws shape 0..9 (ids outside that range draw nothing) filled and outlined in colour 0..8.
// The outline is penWidth pixels wide and lies inside the figure; since it has the fill's
// colour, the silhouette is exactly the filled figure. The painter's state is restored.
void DrawShape(QPainter* dc, CRect box, int shape, int color, int penWidth);
// Fill with the painter's current pen and brush.
void DrawRegularPolygon(QPainter* dc, const CRect& box, int n);
void DrawStar(QPainter* dc, const CRect& box);
void DrawTrapezoid(QPainter* dc, const CRect& box);
