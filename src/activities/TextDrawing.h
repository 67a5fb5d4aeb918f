#pragma once

#include "base/Rect.h"

#include <QSize>
#include <QString>
#include <functional>

class QFont;
class QPainter;
class QWidget;

// The font a text is drawn with: face, weight (100..900), italic flag and the pitch-and-family
// hint (0: none; the Roman family asks for a serif face).
struct FontDescription
{
    QString face;
    int weight = 400;
    bool italic = false;
    int pitchAndFamily = 0;
};

struct PlaySettings;

// The display font the parent chose on the General page.
FontDescription displayFont(const PlaySettings& settings);
// The fixed font of the subtraction sums, whatever the display font is.
FontDescription subtractionFont();
// The font of the description at an em height of pixelSize pixels.
QFont makeFont(const FontDescription& description, int pixelSize);

// The box a single big item (a letter, a number) is drawn in, for a client area of this size:
// margins of (1 - fillRatio) of the width and of the height on each side, made square, the
// bottom 15 % dropped. Its height is the em height of the text.
CRect bigTextBox(const QSize& client, double fillRatio = 0.95);
// The same without making it square: the box a word or a sum starts from.
CRect fittedTextBox(const QSize& client, double fillRatio = 0.95);
// Shrinks the box's height about its middle, by (1 - fillRatio) of the height on each edge,
// until widthAt(box height) is no wider than the box. Stops, and leaves the box as it is, when
// the step would be 0 pixels or the box has no height left.
CRect fitTextBox(CRect box, double fillRatio, const std::function<int(int)>& widthAt);

// Draws text on one line, centred in bigTextBox of the view's client area, with the display
// font at the box's height, in colour id color on the view's grey.
void DrawBigText(QWidget* view, QPainter* dc, const QString& text, int color, double fillRatio,
                 const FontDescription& font);
// Draws text on one line, centred, as high as fittedTextBox allows but no wider than it.
void DrawFittedText(QWidget* view, QPainter* dc, const QString& text, int color, double fillRatio,
                    const FontDescription& font);
