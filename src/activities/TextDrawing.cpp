#include "activities/TextDrawing.h"

#include "base/PlaySettings.h"
#include "base/Vocabulary.h"

#include <QFont>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QPainter>
#include <QTextLayout>
#include <QWidget>

namespace {
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
//
// Glyphs this large are not cached by the raster engine: each is filled as an antialiased
// outline, and one outline spanning a whole wide line costs many times more than its glyphs
// filled one by one. So the line is laid out (shaped) as a whole, then its glyphs are painted
// one at a time at the positions of that layout.
void drawTextInBox(QPainter* dc, const CRect& box, const QString& text, int color,
                   const QFont& font)
{
    QTextLayout layout(text, font);
    QTextOption option(Qt::AlignLeft);
    option.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    if (line.isValid())
        line.setLineWidth(1e6);
    layout.endLayout();
    if (!line.isValid())
        return;

    const QRectF rect(box.left, box.top, box.Width(), box.Height());
    const QPointF origin(rect.left() + (rect.width() - line.naturalTextWidth()) / 2,
                         rect.top() + (rect.height() - line.height()) / 2);

    dc->save();
    dc->fillRect(QRectF(origin, QSizeF(line.naturalTextWidth(), line.height())),
                 GetBackgroundColor());
    dc->setPen(ColorToRGB(color));
    for (const QGlyphRun& run : layout.glyphRuns()) {
        const QVector<quint32> glyphs = run.glyphIndexes();
        const QVector<QPointF> positions = run.positions();
        QGlyphRun single;
        single.setRawFont(run.rawFont());
        single.setFlags(run.flags());
        for (int i = 0; i < glyphs.size() && i < positions.size(); ++i) {
            single.setGlyphIndexes({glyphs.at(i)});
            single.setPositions({positions.at(i)});
            dc->drawGlyphRun(origin, single);
        }
    }
    dc->restore();
}
} // namespace

FontDescription displayFont(const PlaySettings& settings)
{
    FontDescription d;
    d.face = settings.m_strFontFace.isEmpty() ? QStringLiteral("Arial") : settings.m_strFontFace;
    d.weight = settings.m_nFontWeight;
    d.italic = settings.m_bFontItalic;
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
    font.setHintingPreference(QFont::PreferNoHinting);
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

void DrawBigText(QWidget* view, QPainter* dc, const QString& text, int color, double fillRatio,
                 const FontDescription& font)
{
    if (!view || !dc)
        return;
    const CRect box = bigTextBox(view->size(), fillRatio);
    // A client area with no room left has nothing to show.
    if (box.Height() <= 0)
        return;
    drawTextInBox(dc, box, text, color, makeFont(font, box.Height()));
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
