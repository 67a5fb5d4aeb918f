#include "activities/LettersActivity.h"
#include "activities/NumbersActivity.h"
#include "activities/TextDrawing.h"
#include "base/Vocabulary.h"

#include "ActivityProbe.h"

namespace {
// What DrawBigText shows for this text and colour in a view of this size.
QImage expectedBigText(CPommelotView& view, const QString& text, int color)
{
    QImage img = PixelProbe::greyImage(view.size());
    QPainter p(&img);
    DrawBigText(&view, &p, text, color, 0.95, displayFont(AfxGetApp()->m_settings));
    return img;
}
} // namespace

class TestBigTextActivities : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { ActivityProbe::resetSettings(); }
    void cleanup() { ActivityProbe::resetSettings(); }

    void lettersCycleThroughBothCases()
    {
        LettersActivity a(AfxGetApp()->m_settings);
        QCOMPARE(a.m_dFillRatio, 0.95);
        QString seen;
        QList<int> colors;
        for (int k = 0; k < 52; ++k) {
            seen += QLatin1Char(a.m_cLetter);
            colors << a.m_nColor;
            a.Advance();
        }
        QCOMPARE(seen, QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
        for (int k = 0; k < 52; ++k)
            QCOMPARE(colors.at(k), (4 + k) % 9);
        // After z comes A again; letter and colour repeat only after 468 keys.
        QCOMPARE(a.m_cLetter, 'A');
        QCOMPARE(a.m_nColor, (4 + 52) % 9);
        for (int k = 52; k < 468; ++k)
            a.Advance();
        QCOMPARE(a.m_cLetter, 'A');
        QCOMPARE(a.m_nColor, 4);

        a.Advance();
        a.Reset();
        QCOMPARE(a.m_cLetter, 'A');
        QCOMPARE(a.m_nColor, 4);
    }

    void lettersAreDrawnInTheirColour_data()
    {
        QTest::addColumn<int>("keys");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QColor>("rgb");
        QTest::newRow("blue A") << 0 << "A" << QColor(0, 0, 255);
        QTest::newRow("indigo B") << 1 << "B" << QColor(0, 255, 255);
        QTest::newRow("violet C") << 2 << "C" << QColor(255, 0, 255);
        QTest::newRow("lower-case a") << 26 << "a" << ColorToRGB((4 + 26) % 9);
    }
    void lettersAreDrawnInTheirColour()
    {
        QFETCH(int, keys);
        QFETCH(QString, text);
        QFETCH(QColor, rgb);
        LettersActivity a(AfxGetApp()->m_settings);
        for (int i = 0; i < keys; ++i)
            a.Advance();
        auto view = ActivityProbe::makeView(QSize(600, 400));
        const QImage img = ActivityProbe::draw(a, *view, false);
        QVERIFY(PixelProbe::count(img, rgb) > 2000);
        QCOMPARE(ColorToRGB(a.m_nColor), rgb);
        QCOMPARE(img, expectedBigText(*view, text, a.m_nColor));
    }

    void letterCues_data()
    {
        QTest::addColumn<int>("keys");
        QTest::addColumn<int>("delay");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("A") << 0 << 0 << QStringList{"Letters/A.wav@0"};
        QTest::newRow("A after the delay") << 0 << 3 << QStringList{"Letters/A.wav@3"};
        QTest::newRow("Z") << 25 << 1 << QStringList{"Letters/Z.wav@1"};
        // Asked for as shown; the player finds the capital's recording.
        QTest::newRow("lower-case a") << 26 << 2 << QStringList{"Letters/a.wav@2"};
    }
    void letterCues()
    {
        QFETCH(int, keys);
        QFETCH(int, delay);
        QFETCH(QStringList, expected);
        AfxGetApp()->m_settings.m_nSoundDelay = delay;
        LettersActivity a(AfxGetApp()->m_settings);
        for (int i = 0; i < keys; ++i)
            a.Advance();
        auto view = ActivityProbe::makeView(QSize(200, 200));
        ActivityProbe::draw(a, *view, true);
        QCOMPARE(ActivityProbe::cues(a), expected);
        ActivityProbe::draw(a, *view, false);
        QVERIFY(ActivityProbe::cues(a).isEmpty());
    }

    void numbersCountToTenAndStartOver()
    {
        NumbersActivity a(AfxGetApp()->m_settings);
        QCOMPARE(a.m_nMaxNumber, 10);
        QCOMPARE(a.m_nNumber, 1);
        QCOMPARE(a.m_nColor, 3);
        for (int k = 0; k < 90; ++k) {
            QCOMPARE(int(a.m_nNumber), k % 10 + 1);
            QCOMPARE(a.m_nColor, (3 + k) % 9);
            a.Advance();
        }
        QCOMPARE(a.m_nNumber, 1);
        QCOMPARE(a.m_nColor, 3);

        a.Reset();
        for (int i = 0; i < 9; ++i)
            a.Advance();
        QCOMPARE(a.m_nNumber, 10);
        a.Advance();
        QCOMPARE(a.m_nNumber, 1);
        QCOMPARE(a.m_nColor, 4);
    }

    void numbersAreDrawnAndSpoken()
    {
        AfxGetApp()->m_settings.m_nSoundDelay = 2;
        NumbersActivity a(AfxGetApp()->m_settings);
        auto view = ActivityProbe::makeView(QSize(800, 600));
        QImage img = ActivityProbe::draw(a, *view, true);
        QCOMPARE(ActivityProbe::cues(a), QStringList{"Numbers/1.wav@2"});
        QVERIFY(PixelProbe::count(img, QColor(0, 255, 0)) > 2000);
        QCOMPARE(img, expectedBigText(*view, QStringLiteral("1"), 3));

        for (int i = 0; i < 9; ++i)
            a.Advance();
        img = ActivityProbe::draw(a, *view, true);
        QCOMPARE(ActivityProbe::cues(a), QStringList{"Numbers/10.wav@2"});
        QCOMPARE(img, expectedBigText(*view, QStringLiteral("10"), a.m_nColor));

        ActivityProbe::draw(a, *view, false);
        QVERIFY(ActivityProbe::cues(a).isEmpty());
    }

    void displayFontIsReadAtEveryDraw()
    {
        LettersActivity a(AfxGetApp()->m_settings);
        auto view = ActivityProbe::makeView(QSize(400, 400));
        const QImage plain = ActivityProbe::draw(a, *view, false);
        AfxGetApp()->m_settings.m_nFontWeight = 700;
        const QImage bold = ActivityProbe::draw(a, *view, false);
        QVERIFY(PixelProbe::count(bold, QColor(0, 0, 255)) >
                PixelProbe::count(plain, QColor(0, 0, 255)));
        AfxGetApp()->m_settings.m_nFontWeight = 400;

        // The face and the italic flag are read too: each gives another picture, the one
        // that face draws.
        AfxGetApp()->m_settings.m_strFontFace = QStringLiteral("Liberation Serif");
        const QImage serif = ActivityProbe::draw(a, *view, false);
        QVERIFY(serif != plain);
        QImage expected = PixelProbe::greyImage(view->size());
        {
            QPainter p(&expected);
            // Margins of 20, the bottom 54 of 360 dropped: the em box (20, 20)-(380, 326).
            p.setFont(makeFont({QStringLiteral("Liberation Serif"), 400, false, 0}, 306));
            p.setPen(QColor(0, 0, 255));
            p.drawText(QRect(20, 20, 360, 306), Qt::AlignCenter | Qt::TextDontClip,
                       QStringLiteral("A"));
        }
        const QRect got = PixelProbe::inkBox(serif);
        const QRect want = PixelProbe::inkBox(expected);
        QVERIFY2(qAbs(got.left() - want.left()) <= 1 && qAbs(got.right() - want.right()) <= 1 &&
                     qAbs(got.top() - want.top()) <= 1 && qAbs(got.bottom() - want.bottom()) <= 1,
                 qPrintable(QStringLiteral("ink %1,%2 %3x%4")
                                .arg(got.x())
                                .arg(got.y())
                                .arg(got.width())
                                .arg(got.height())));
        AfxGetApp()->m_settings.m_bFontItalic = true;
        const QImage italic = ActivityProbe::draw(a, *view, false);
        QVERIFY(italic != serif);
        QVERIFY(PixelProbe::inkBox(italic) != PixelProbe::inkBox(serif));
    }
};

POMMELOT_TEST_MAIN(TestBigTextActivities)
#include "tst_bigtextactivities.moc"
