#include "activities/TextDrawing.h"
#include "activities/Vocabulary.h"
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
    DrawBigText(&view, &p, text, color, 0.95);
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

    void shortWordIsDrawnAtTheFullBoxHeight()
    {
        const QSize size(1000, 400);
        const FontDescription font = displayFont();
        const QImage img = fitted(size, QStringLiteral("ox"), 1, font);
        const CRect box = fittedTextBox(size);
        QCOMPARE(img, reference(size, box, QStringLiteral("ox"), 1, font, box.Height()));

        // Orange on grey, centred across the view.
        const QRect ink = PixelProbe::boxOf(img, ColorToRGB(1));
        QVERIFY(!ink.isNull());
        QVERIFY(PixelProbe::count(img, ColorToRGB(1)) > 5000);
        // Centred by its advance, so the side bearings may tip the ink by a few pixels.
        QVERIFY(qAbs((ink.left() + ink.right()) / 2 - 500) <= 10);
        QVERIFY(box.toQRect().contains(ink));
    }

    void longWordIsShrunkToTheBoxWidth()
    {
        const QSize size(1000, 400);
        const QString word = QStringLiteral("Wwwwwwwwwwwwwwwwwwww");
        const FontDescription font = displayFont();
        const QImage img = fitted(size, word, 4, font);
        const QRect ink = PixelProbe::inkBox(img);
        const CRect box = fittedTextBox(size);
        // No wider than the box, and not much narrower: one step larger would not fit.
        QVERIFY2(ink.left() >= box.left && ink.right() < box.right,
                 qPrintable(QStringLiteral("%1..%2").arg(ink.left()).arg(ink.right())));
        QVERIFY(ink.width() > 0.8 * box.Width());
        QVERIFY(qAbs((ink.left() + ink.right()) / 2 - 500) <= 10);
        // Its vertical middle stays the box's middle (about: glyphs sit on a baseline).
        QVERIFY(ink.top() > box.top && ink.bottom() < box.bottom);
        QVERIFY(PixelProbe::count(img, ColorToRGB(4)) > 1000);

        const QFontMetrics fm(makeFont(font, ink.height()));
        QVERIFY(fm.horizontalAdvance(word) > box.Width() / 2);
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
        const CRect box = fittedTextBox(size);
        const QRect ink = PixelProbe::inkBox(img);
        QVERIFY(!ink.isNull());
        QVERIFY(ink.left() >= box.left && ink.right() < box.right);
        QVERIFY(PixelProbe::count(img, ColorToRGB(3)) > 500);
    }

    void bigTextIsCentredInItsSquare()
    {
        const QSize size(1000, 400);
        const QImage img = big(size, QStringLiteral("A"), 4);
        const CRect box = bigTextBox(size);
        QCOMPARE(img, reference(size, box, QStringLiteral("A"), 4, displayFont(), box.Height()));
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
            DrawBigText(&view, &p, QStringLiteral("x"), 0, 0.95);
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
            DrawFittedText(&view, &p, QStringLiteral("cat"), 0, 0.95, displayFont());
            DrawBigText(&view, &p, QStringLiteral("A"), 0, 0.95);
            p.end();
            QVERIFY(PixelProbe::inkBox(img).isNull());
        }
        // A strip too low to shrink the word further (11 pixels, a step of 0): drawn at that
        // height, centred and running over both sides.
        const QImage img =
            fitted(QSize(40, 12), QStringLiteral("Wwwwwwwwwwwwwwwwwwww"), 0, displayFont());
        const QRect ink = PixelProbe::inkBox(img);
        QCOMPARE(ink.left(), 0);
        QCOMPARE(ink.right(), 39);
        QVERIFY(ink.height() > 4);
    }
};

POMMELOT_TEST_MAIN(TestTextDrawing)
#include "tst_textdrawing.moc"
