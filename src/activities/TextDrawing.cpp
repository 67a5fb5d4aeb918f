#include "activities/TextDrawing.h"

#include "activities/Vocabulary.h"
#include "app/PommelotApp.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QWidget>

namespace {
constexpr int kTextFlags = Qt::AlignCenter | Qt::TextSingleLine | Qt::TextDontClip;
constexpr int kRomanFamily = 0x10;

// Margins of (1 - fillRatio) of each side's length, truncated toward zero, then the bottom
// 15 % dropped.
CRect marginBox(const QSize& client, double fillRatio, bool square)
{
    CRect box(0, 0, client.width(), client.height());
    const double margin = 1.0 - fillRatio;
    box.InflateRect(-static_cast<int>(margin * box.Width()),
                    -static_cast<int>(margin * box.Height()));
    if (square)
        MakeSquare(box);
    box.bottom += static_cast<int>(-0.15 * box.Height());
    return box;
}

int textWidth(const QFont& font, const QString& text)
{
    return QFontMetrics(font).horizontalAdvance(text);
}

// One line, centred in the box; the text cell is filled with the view's grey first, as an
// opaque text background does.
void drawTextInBox(QPainter* dc, const CRect& box, const QString& text, int color,
                   const QFont& font)
{
    const QRect rect = box.toQRect();
    dc->save();
    dc->setFont(font);
    const QRect cell = dc->fontMetrics().boundingRect(rect, kTextFlags, text);
    dc->fillRect(cell, GetBackgroundColor());
    dc->setPen(ColorToRGB(color));
    dc->drawText(rect, kTextFlags, text);
    dc->restore();
}
} // namespace

FontDescription displayFont()
{
    FontDescription d;
    d.face = QStringLiteral("Arial");
    if (const CPommelotApp* app = AfxGetApp()) {
        if (!app->m_strFontFace.isEmpty())
            d.face = app->m_strFontFace;
        d.weight = app->m_nFontWeight;
        d.italic = app->m_bFontItalic;
    }
    return d;
}

FontDescription subtractionFont()
{
    // Variable pitch, Roman family.
    return FontDescription{QStringLiteral("Times New Roman"), 500, false, 0x16};
}

QFont makeFont(const FontDescription& description, int pixelSize)
{
    QFont font(description.face);
    font.setPixelSize(pixelSize > 0 ? pixelSize : 1);
    font.setWeight(static_cast<QFont::Weight>(qBound(1, description.weight, 1000)));
    font.setItalic(description.italic);
    if ((description.pitchAndFamily & 0xF0) == kRomanFamily)
        font.setStyleHint(QFont::Serif);
    font.setKerning(false);
    return font;
}

CRect bigTextBox(const QSize& client, double fillRatio)
{
    return marginBox(client, fillRatio, true);
}

CRect fittedTextBox(const QSize& client, double fillRatio)
{
    return marginBox(client, fillRatio, false);
}

CRect fitTextBox(CRect box, double fillRatio, const std::function<int(int)>& widthAt)
{
    const double margin = 1.0 - fillRatio;
    for (;;) {
        const int height = box.Height();
        if (height <= 0)
            return box;
        if (widthAt(height) <= box.Width())
            return box;
        // Each pass takes about a tenth off the height. A box so low that the step comes to
        // nothing is as small as the text gets: it is drawn at that size.
        const int step = static_cast<int>(margin * height);
        if (step <= 0)
            return box;
        box.InflateRect(0, -step);
    }
}

void DrawBigText(QWidget* view, QPainter* dc, const QString& text, int color, double fillRatio)
{
    if (!view || !dc)
        return;
    const CRect box = bigTextBox(view->size(), fillRatio);
    // A client area with no room left has nothing to show.
    if (box.Height() <= 0)
        return;
    drawTextInBox(dc, box, text, color, makeFont(displayFont(), box.Height()));
}

void DrawFittedText(QWidget* view, QPainter* dc, const QString& text, int color, double fillRatio,
                    const FontDescription& font)
{
    if (!view || !dc)
        return;
    const CRect box =
        fitTextBox(fittedTextBox(view->size(), fillRatio), fillRatio,
                   [&](int height) { return textWidth(makeFont(font, height), text); });
    if (box.Height() <= 0)
        return;
    drawTextInBox(dc, box, text, color, makeFont(font, box.Height()));
}
