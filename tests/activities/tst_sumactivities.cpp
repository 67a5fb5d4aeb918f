#include "activities/AdditionActivity.h"
#include "activities/Operand.h"
#include "activities/SubtractionActivity.h"
#include "activities/TextDrawing.h"

#include "ActivityProbe.h"

#include <QRegularExpression>
#include <cstdlib>

namespace {
QImage expectedSum(CPommelotView& view, const QString& text, int color, const FontDescription& font)
{
    QImage img = PixelProbe::greyImage(view.size());
    QPainter p(&img);
    DrawFittedText(&view, &p, text, color, 0.95, font);
    return img;
}

// Walks an activity through many keys, checking after each that the text, stage, operands
// and colour agree, and collects the questions seen.
template <typename Sum>
QSet<QPair<int, int>> walk(Sum& a, QChar op, int maxOperand, bool firstLarger)
{
    QSet<QPair<int, int>> pairs;
    int color = 3;
    int first = a.m_nFirst;
    int second = a.m_nSecond;
    for (int k = 0; k < 4000; ++k) {
        if (k > 0) {
            const bool wasAnswer = a.m_bAnswerShown;
            a.Advance();
            if (wasAnswer) {
                color = (color + 1) % 9;
                first = a.m_nFirst;
                second = a.m_nSecond;
            } else {
                // The answer keeps the question's operands.
                if (a.m_nFirst != first || a.m_nSecond != second)
                    return {};
            }
        }
        if (a.m_bAnswerShown != (k % 2 == 1) || a.m_nColor != color)
            return {};
        if (a.m_nFirst < 1 || a.m_nFirst > maxOperand || a.m_nSecond < 1 ||
            a.m_nSecond > maxOperand || (firstLarger && a.m_nFirst <= a.m_nSecond))
            return {};
        const QString question =
            QStringLiteral("%1 %2 %3 = ?").arg(a.m_nFirst).arg(op).arg(a.m_nSecond);
        const QString answer = QStringLiteral("%1 %2 %3 = %4")
                                   .arg(a.m_nFirst)
                                   .arg(op)
                                   .arg(a.m_nSecond)
                                   .arg(a.answer());
        if (a.m_szText != (a.m_bAnswerShown ? answer : question))
            return {};
        pairs.insert(qMakePair(int(a.m_nFirst), int(a.m_nSecond)));
    }
    return pairs;
}
} // namespace

class TestSumActivities : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { ActivityProbe::resetSettings(); }
    void cleanup() { ActivityProbe::resetSettings(); }

    void operandsAreEvenlyDrawnFromOneToTheMaximum_data()
    {
        QTest::addColumn<int>("max");
        QTest::newRow("5") << 5;
        QTest::newRow("10") << 10;
        QTest::newRow("1") << 1;
    }
    void operandsAreEvenlyDrawnFromOneToTheMaximum()
    {
        QFETCH(int, max);
        // Each operand comes from the runtime's generator, also when there is one value only.
        std::srand(77);
        drawOperand(max);
        const int after = std::rand();
        std::srand(77);
        QVERIFY(std::rand() != after);

        QVector<int> counts(max + 1, 0);
        const int draws = 20000;
        for (int i = 0; i < draws; ++i) {
            const int v = drawOperand(max);
            QVERIFY(v >= 1 && v <= max);
            ++counts[v];
        }
        // Each value within a wide band around its share (a broken draw would miss by far).
        for (int v = 1; v <= max; ++v)
            QVERIFY2(qAbs(counts[v] - draws / max) < draws / max / 5 + 50,
                     qPrintable(QString::number(counts[v])));
    }

    void additionStages()
    {
        AdditionActivity a(AfxGetApp()->m_settings);
        QCOMPARE(int(a.m_nMaxOperand), 5);
        QCOMPARE(a.m_nColor, 3);
        QVERIFY(!a.m_bAnswerShown);
        const QSet<QPair<int, int>> pairs = walk(a, QLatin1Char('+'), 5, false);
        // Every one of the 25 questions turns up, and nothing else.
        QCOMPARE(pairs.size(), 25);
    }

    void subtractionStages()
    {
        SubtractionActivity a(AfxGetApp()->m_settings);
        QCOMPARE(int(a.m_nMaxOperand), 10);
        const QSet<QPair<int, int>> pairs = walk(a, QLatin1Char('-'), 10, true);
        // The 45 pairs with 10 >= first > second >= 1: 10 - 9 is possible, 3 - 3 is not.
        QCOMPARE(pairs.size(), 45);
        QVERIFY(pairs.contains(qMakePair(10, 9)));
    }

    void enteringStartsANewGreenQuestion()
    {
        SubtractionActivity a(AfxGetApp()->m_settings);
        a.Advance();
        a.Advance();
        a.Advance();
        QVERIFY(a.m_bAnswerShown);
        a.Reset();
        QVERIFY(!a.m_bAnswerShown);
        QCOMPARE(a.m_nColor, 3);
        QVERIFY(a.m_szText.endsWith(QStringLiteral(" = ?")));
        QVERIFY(
            QRegularExpression(QStringLiteral("^\\d+ - \\d+ = \\?$")).match(a.m_szText).hasMatch());
    }

    void cuesAreSpokenAtOnce_data()
    {
        QTest::addColumn<int>("delay");
        QTest::newRow("no delay") << 0;
        QTest::newRow("three seconds set") << 3;
    }
    void cuesAreSpokenAtOnce()
    {
        QFETCH(int, delay);
        AfxGetApp()->m_settings.m_nSoundDelay = delay;
        auto view = ActivityProbe::makeView(QSize(500, 300));

        AdditionActivity add(AfxGetApp()->m_settings);
        add.m_nFirst = 3;
        add.m_nSecond = 2;
        add.FormatText(false);
        ActivityProbe::draw(add, *view, true);
        QCOMPARE(ActivityProbe::cues(add), (QStringList{"Numbers/3.wav@0", "Math/plus.wav@0",
                                                        "Numbers/2.wav@0", "Math/equals.wav@0"}));
        add.Advance();
        QCOMPARE(add.m_szText, QStringLiteral("3 + 2 = 5"));
        ActivityProbe::draw(add, *view, true);
        QCOMPARE(ActivityProbe::cues(add), QStringList{"Numbers/5.wav@0"});

        SubtractionActivity sub(AfxGetApp()->m_settings);
        sub.m_nFirst = 10;
        sub.m_nSecond = 9;
        sub.FormatText(false);
        QCOMPARE(sub.m_szText, QStringLiteral("10 - 9 = ?"));
        ActivityProbe::draw(sub, *view, true);
        QCOMPARE(ActivityProbe::cues(sub), (QStringList{"Numbers/10.wav@0", "Math/minus.wav@0",
                                                        "Numbers/9.wav@0", "Math/equals.wav@0"}));
        sub.Advance();
        QCOMPARE(sub.m_szText, QStringLiteral("10 - 9 = 1"));
        ActivityProbe::draw(sub, *view, true);
        QCOMPARE(ActivityProbe::cues(sub), QStringList{"Numbers/1.wav@0"});

        // Redrawn without sound: nothing asked for.
        ActivityProbe::draw(sub, *view, false);
        ActivityProbe::draw(add, *view, false);
        QVERIFY(ActivityProbe::cues(sub).isEmpty());
        QVERIFY(ActivityProbe::cues(add).isEmpty());
    }

    void additionFollowsTheDisplayFontSubtractionDoesNot()
    {
        auto view = ActivityProbe::makeView(QSize(700, 300));
        AfxGetApp()->m_settings.m_strFontFace = QStringLiteral("DejaVu Serif");
        AfxGetApp()->m_settings.m_nFontWeight = 700;

        AdditionActivity add(AfxGetApp()->m_settings);
        const QImage addImg = ActivityProbe::draw(add, *view, false);
        QCOMPARE(addImg, expectedSum(*view, add.m_szText, 3, displayFont(AfxGetApp()->m_settings)));
        QVERIFY(PixelProbe::count(addImg, QColor(0, 255, 0)) > 500);

        SubtractionActivity sub(AfxGetApp()->m_settings);
        sub.m_nFirst = 4;
        sub.m_nSecond = 1;
        sub.FormatText(false);
        const QImage subImg = ActivityProbe::draw(sub, *view, false);
        QCOMPARE(subImg, expectedSum(*view, sub.m_szText, 3, subtractionFont()));
        QVERIFY(subImg !=
                expectedSum(*view, sub.m_szText, 3, displayFont(AfxGetApp()->m_settings)));
    }

    void coloursOfSuccessiveQuestions()
    {
        AdditionActivity a(AfxGetApp()->m_settings);
        auto view = ActivityProbe::makeView(QSize(600, 300));
        const QList<QColor> expected{QColor(0, 255, 0), QColor(0, 0, 255), QColor(0, 255, 255)};
        for (int q = 0; q < expected.size(); ++q) {
            for (int stage = 0; stage < 2; ++stage) {
                const QImage img = ActivityProbe::draw(a, *view, false);
                QVERIFY(PixelProbe::count(img, expected.at(q)) > 300);
                a.Advance();
            }
        }
    }
};

POMMELOT_TEST_MAIN(TestSumActivities)
#include "tst_sumactivities.moc"
