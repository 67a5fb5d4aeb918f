#include "activities/TextDrawing.h"
#include "base/Vocabulary.h"
#include "common/TestApp.h"

#include "PixelProbe.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QWidget>

namespace {
QImage fitted(const QSize& size, const QString& text, int color, const FontDescription& font)
{
    QWidget view;
    view.resize(size);
    QImage img = PixelProbe::greyImage(size);
    QPainter p(&img);
    DrawFittedText(&view, &p, text, color, 0.95, font);
    return img;
}

QImage big(const QSize& size, const QString& text, int color)
{
    QWidget view;
    view.resize(size);
    QImage img = PixelProbe::greyImage(size);
    QPainter p(&img);
    DrawBigText(&view, &p, text, color, 0.95, displayFont(AfxGetApp()->m_settings));
    return img;
}

// The same text drawn straight with Qt at a given em height, centred in the box.
QImage reference(const QSize& size, const CRect& box, const QString& text, int color,
                 const FontDescription& font, int pixelSize)
{
    QImage img = PixelProbe::greyImage(size);
    QPainter p(&img);
    p.setFont(makeFont(font, pixelSize));
    p.setPen(ColorToRGB(color));
    p.drawText(box.toQRect(), Qt::AlignCenter | Qt::TextSingleLine | Qt::TextDontClip, text);
    return img;
}
// Same place and size to a pixel, and (unless only the place is asked for) about the same
// pixels: the glyphs are painted one by one, so edge pixels may blend a little differently,
// and along a long line the glyphs may land a fraction of a pixel apart.
bool sameInk(const QImage& a, const QImage& b, bool placeOnly = false)
{
    const QRect ia = PixelProbe::inkBox(a);
    const QRect ib = PixelProbe::inkBox(b);
    const auto near = [](int x, int y) { return qAbs(x - y) <= 1; };
    if (ia.isNull() || !near(ia.left(), ib.left()) || !near(ia.right(), ib.right()) ||
        !near(ia.top(), ib.top()) || !near(ia.bottom(), ib.bottom())) {
        qWarning() << "ink" << ia << "expected" << ib;
        return false;
    }
    if (placeOnly)
        return true;
    int differing = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x)
            differing += a.pixel(x, y) != b.pixel(x, y);
    }
    if (differing > ia.width() * ia.height() / 8) {
        qWarning() << differing << "pixels differ";
        return false;
    }
    return true;
}
} // namespace

class TestTextDrawing : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void boxes_data()
    {
        QTest::addColumn<QSize>("client");
        QTest::addColumn<CRect>("bigBox");
        QTest::addColumn<CRect>("fittedBox");
        // 1000 x 400: margins 50 and 20; the big box is the square 360 x 360 centred across,
        // both lose trunc(0.15 x 360) = 54 at the bottom.
        QTest::newRow("wide") << QSize(1000, 400) << CRect(320, 20, 680, 326)
                              << CRect(50, 20, 950, 326);
        // Tall and narrow: the width decides the square.
        QTest::newRow("tall") << QSize(300, 900) << CRect(15, 315, 285, 545)
                              << CRect(15, 45, 285, 734);
        QTest::newRow("1920x1080")
            << QSize(1920, 1080) << CRect(474, 54, 1446, 881) << CRect(96, 54, 1824, 881);
        QTest::newRow("tiny") << QSize(19, 19) << CRect(0, 0, 19, 17) << CRect(0, 0, 19, 17);
        QTest::newRow("no height") << QSize(100, 0) << CRect(50, 0, 50, 0) << CRect(5, 0, 95, 0);
    }
    void boxes()
    {
        QFETCH(QSize, client);
        QFETCH(CRect, bigBox);
        QFETCH(CRect, fittedBox);
        QCOMPARE(bigTextBox(client), bigBox);
        QCOMPARE(fittedTextBox(client), fittedBox);
    }

    void fitLoopShrinksAboutTheMiddle()
    {
        const CRect start(50, 20, 950, 326);
        QList<int> heights;
        const CRect box = fitTextBox(start, 0.95, [&](int h) {
            heights.append(h);
            return 10 * h;
        });
        // 306 -> 276 -> 250 -> 226 -> 204 -> 184 -> 166 -> 150 -> 136 -> 124 -> 112 -> 102
        // -> 92 -> 84: the first height at which ten times it is no more than 900.
        QCOMPARE(heights,
                 (QList<int>{306, 276, 250, 226, 204, 184, 166, 150, 136, 124, 112, 102, 92, 84}));
        QCOMPARE(box.Height(), 84);
        QCOMPARE(box.left, start.left);
        QCOMPARE(box.right, start.right);
        QCOMPARE(box.top + box.bottom, start.top + start.bottom);
    }

    void widthEqualToTheBoxFits()
    {
        const CRect start(0, 0, 300, 100);
        int calls = 0;
        const CRect box = fitTextBox(start, 0.95, [&](int) {
            ++calls;
            return 300;
        });
        QCOMPARE(box, start);
        QCOMPARE(calls, 1);
        const CRect shrunk = fitTextBox(start, 0.95, [](int h) { return h == 100 ? 301 : 300; });
        QCOMPARE(shrunk, CRect(0, 5, 300, 95));
    }

    void fitLoopStopsWhenTheStepComesToNothing()
    {
        // A text that never fits: the loop ends at the first height whose 5 % step truncates
        // to 0 (under 20 pixels) instead of running on.
        int calls = 0;
        const CRect box = fitTextBox(CRect(0, 0, 10, 306), 0.95, [&](int) {
            ++calls;
            return 1000000;
        });
        QVERIFY(box.Height() > 0);
        QVERIFY(box.Height() < 20);
        QVERIFY(calls < 40);

        // A box 19 high is not shrunk at all; one with no height is not even measured.
        QCOMPARE(fitTextBox(CRect(0, 0, 10, 19), 0.95, [](int) { return 11; }),
                 CRect(0, 0, 10, 19));
        bool measured = false;
        QCOMPARE(fitTextBox(CRect(0, 5, 10, 5), 0.95,
                            [&](int) {
                                measured = true;
                                return 11;
                            }),
                 CRect(0, 5, 10, 5));
        QVERIFY(!measured);
    }

    // The box rules for a 1000 x 400 view: margins of 5 % of each side (50 across, 20 down),
    // the bottom 15 % of the rest dropped: (50, 20)-(950, 326). A word too wide for it is
    // shrunk about the box's middle, each pass taking 5 % of the height (truncated) off the top
    // and off the bottom; it is drawn at the first of these heights at which it is no wider
    // than the box.
    void wordsAreDrawnAtTheHeightTheBoxRulesGive_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<int>("color");
        QTest::newRow("short word, full height") << QStringLiteral("ox") << 1;
        QTest::newRow("long word, shrunk") << QStringLiteral("Wwwwwwwwwwwwwwwwwwww") << 4;
        QTest::newRow("middling word") << QStringLiteral("crocodile") << 6;
    }
    void wordsAreDrawnAtTheHeightTheBoxRulesGive()
    {
        QFETCH(QString, word);
        QFETCH(int, color);
        const QSize size(1000, 400);
        // (top, bottom) of each pass: 306, 276, 250, 226, ... pixels high.
        const QList<QPair<int, int>> passes = {
            {20, 326},  {35, 311},  {48, 298},  {60, 286},  {71, 275},  {81, 265},
            {90, 256},  {98, 248},  {105, 241}, {111, 235}, {117, 229}, {122, 224},
            {127, 219}, {131, 215}, {135, 211}, {138, 208}, {141, 205}, {144, 202}};
        const FontDescription font = displayFont(AfxGetApp()->m_settings);
        int pass = 0;
        while (pass + 1 < passes.size() &&
               QFontMetrics(makeFont(font, passes[pass].second - passes[pass].first))
                       .horizontalAdvance(word) > 900)
            ++pass;
        const CRect box(50, passes[pass].first, 950, passes[pass].second);

        const QImage img = fitted(size, word, color, font);
        QVERIFY(sameInk(img, reference(size, box, word, color, font, box.Height()), pass > 0));
        const QRect ink = PixelProbe::boxOf(img, ColorToRGB(color));
        QVERIFY(!ink.isNull());
        QVERIFY(box.toQRect().contains(ink));
        // Centred across the view (by its advance: side bearings may tip it a few pixels).
        QVERIFY(qAbs((ink.left() + ink.right()) / 2 - 500) <= 10);
        // One pass larger would not have fitted, so a shrunk word fills most of the width.
        if (pass > 0)
            QVERIFY(ink.width() > 0.8 * 900);
    }

    void sumsFitInTheSubtractionFont_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("10") << QStringLiteral("10");
        QTest::newRow("10 - 9 = 1") << QStringLiteral("10 - 9 = 1");
        QTest::newRow("10 - 9 = ?") << QStringLiteral("10 - 9 = ?");
    }
    void sumsFitInTheSubtractionFont()
    {
        QFETCH(QString, text);
        const QSize size(500, 500);
        const FontDescription font = subtractionFont();
        QCOMPARE(font.face, QStringLiteral("Times New Roman"));
        QCOMPARE(font.weight, 500);
        QVERIFY(!font.italic);
        // fontconfig stands a metric-compatible serif face in for it.
        QVERIFY(QFontInfo(makeFont(font, 40)).family().contains(QStringLiteral("Serif")) ||
                QFontInfo(makeFont(font, 40)).family() == QStringLiteral("Times New Roman"));

        const QImage img = fitted(size, text, 3, font);
        // Margins of 25, then the bottom 15 % of 450 (67) dropped.
        const CRect box(25, 25, 475, 408);
        const QRect ink = PixelProbe::inkBox(img);
        QVERIFY(!ink.isNull());
        QVERIFY(ink.left() >= box.left && ink.right() < box.right);
        QVERIFY(PixelProbe::count(img, ColorToRGB(3)) > 500);
    }

    void bigTextIsCentredInItsSquare()
    {
        const QSize size(1000, 400);
        const QImage img = big(size, QStringLiteral("A"), 4);
        // Margins of 50 and 20, made square (360 wide, centred), the bottom 54 dropped.
        const CRect box(320, 20, 680, 326);
        QVERIFY(sameInk(img, reference(size, box, QStringLiteral("A"), 4,
                                       displayFont(AfxGetApp()->m_settings), box.Height())));
        const QRect ink = PixelProbe::inkBox(img);
        QVERIFY(box.toQRect().contains(ink));
        QVERIFY(qAbs((ink.left() + ink.right()) / 2 - 500) <= 10);
        // A capital is about 0.72 of the em height.
        QVERIFY(ink.height() > 0.6 * box.Height() && ink.height() < 0.8 * box.Height());
        QCOMPARE(PixelProbe::at(img, 500, ink.top() + 10), QColor(0, 0, 255));
        QVERIFY(PixelProbe::count(img, QColor(0, 0, 255)) > 5000);

        // Two digits keep the em height of one and are centred as a pair.
        const QImage ten = big(size, QStringLiteral("10"), 3);
        const QRect tenInk = PixelProbe::inkBox(ten);
        QVERIFY(qAbs((tenInk.left() + tenInk.right()) / 2 - 500) <= 10);
        QVERIFY(tenInk.height() > 0.6 * box.Height() && tenInk.height() < 0.8 * box.Height());
    }

    void textCellIsGreyOnAnyBackground()
    {
        // The text is drawn opaque: its cell carries the view's grey even over another colour.
        QWidget view;
        view.resize(400, 400);
        QImage img(view.size(), QImage::Format_RGB32);
        img.fill(Qt::white);
        {
            QPainter p(&img);
            DrawBigText(&view, &p, QStringLiteral("x"), 0, 0.95,
                        displayFont(AfxGetApp()->m_settings));
        }
        QVERIFY(PixelProbe::count(img, GetBackgroundColor()) > 1000);
        QVERIFY(PixelProbe::count(img, QColor(255, 0, 0)) > 1000);
        QCOMPARE(PixelProbe::at(img, 0, 0), QColor(Qt::white));
    }

    void lowOrEmptyViewsAreHandled()
    {
        // No height at all: nothing drawn.
        {
            QWidget view;
            view.resize(100, 0);
            QImage img = PixelProbe::greyImage(QSize(100, 10));
            QPainter p(&img);
            DrawFittedText(&view, &p, QStringLiteral("cat"), 0, 0.95,
                           displayFont(AfxGetApp()->m_settings));
            DrawBigText(&view, &p, QStringLiteral("A"), 0, 0.95,
                        displayFont(AfxGetApp()->m_settings));
            p.end();
            QVERIFY(PixelProbe::inkBox(img).isNull());
        }
        // A strip too low to shrink the word further (11 pixels, a step of 0): drawn at that
        // height, centred and running over both sides.
        const QImage img = fitted(QSize(40, 12), QStringLiteral("Wwwwwwwwwwwwwwwwwwww"), 0,
                                  displayFont(AfxGetApp()->m_settings));
        const QRect ink = PixelProbe::inkBox(img);
        QCOMPARE(ink.left(), 0);
        QCOMPARE(ink.right(), 39);
        QVERIFY(ink.height() > 4);
    }
};

POMMELOT_TEST_MAIN(TestTextDrawing)
#include "tst_textdrawing.moc"
