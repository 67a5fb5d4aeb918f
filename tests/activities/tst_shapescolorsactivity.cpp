#include "activities/ShapeDrawing.h"
#include "activities/ShapesColorsActivity.h"
#include "base/Vocabulary.h"

#include "ActivityProbe.h"

class TestShapesColorsActivity : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { ActivityProbe::resetSettings(); }
    void cleanup() { ActivityProbe::resetSettings(); }

    void sequenceRunsThroughAllNinetyPairs()
    {
        ShapesColorsActivity a(AfxGetApp()->m_settings);
        QCOMPARE(a.m_nShape, 0);
        QCOMPARE(a.m_nColor, 0);
        QCOMPARE(a.m_nPenWidth, 3);
        QSet<int> seen;
        for (int k = 0; k < 90; ++k) {
            QCOMPARE(a.m_nShape, k % 10);
            QCOMPARE(a.m_nColor, k % 9);
            seen.insert(a.m_nShape * 10 + a.m_nColor);
            a.Advance();
        }
        QCOMPARE(seen.size(), 90);
        // Back at the red circle after 90 keys.
        QCOMPARE(a.m_nShape, 0);
        QCOMPARE(a.m_nColor, 0);

        a.Advance();
        a.Advance();
        a.Reset();
        QCOMPARE(a.m_nShape, 0);
        QCOMPARE(a.m_nColor, 0);
    }

    void namedSteps_data()
    {
        QTest::addColumn<int>("keys");
        QTest::addColumn<QString>("color");
        QTest::addColumn<QString>("shape");
        QTest::newRow("start") << 0 << "Red"
                               << "Circle";
        QTest::newRow("first key") << 1 << "Orange"
                                   << "Square";
        QTest::newRow("ninth key") << 8 << "Black"
                                   << "Star";
        QTest::newRow("tenth key") << 9 << "Red"
                                   << "Trapezoid";
        QTest::newRow("eleventh key") << 10 << "Orange"
                                      << "Circle";
    }
    void namedSteps()
    {
        QFETCH(int, keys);
        QFETCH(QString, color);
        QFETCH(QString, shape);
        ShapesColorsActivity a(AfxGetApp()->m_settings);
        for (int i = 0; i < keys; ++i)
            a.Advance();
        auto view = ActivityProbe::makeView(QSize(200, 100));
        ActivityProbe::draw(a, *view, true);
        QCOMPARE(ActivityProbe::cues(a),
                 (QStringList{QStringLiteral("Colors/%1.wav@0").arg(color),
                              QStringLiteral("Shapes/%1.wav@0").arg(shape)}));
    }

    void drawingBoxKeepsNinetyPercent()
    {
        ShapesColorsActivity a(AfxGetApp()->m_settings);
        QCOMPARE(a.drawingBox(QSize(1000, 400)), CRect(99, 39, 901, 361));
        // 1 - 0.9 is just under a tenth: 800 pixels give 79, not 80.
        QCOMPARE(a.drawingBox(QSize(800, 600)), CRect(79, 59, 721, 541));
        QCOMPARE(shapeBox(a.drawingBox(QSize(1000, 400)), 0), CRect(339, 39, 661, 361));
    }

    void redCircleInAThousandByFourHundredView()
    {
        ShapesColorsActivity a(AfxGetApp()->m_settings);
        auto view = ActivityProbe::makeView(QSize(1000, 400));
        const QImage img = ActivityProbe::draw(a, *view, false);
        const QColor red(255, 0, 0);
        const QColor grey = GetBackgroundColor();
        QCOMPARE(PixelProbe::boxOf(img, red), QRect(QPoint(339, 39), QPoint(660, 360)));
        QCOMPARE(PixelProbe::at(img, 500, 200), red);
        QCOMPARE(PixelProbe::at(img, 339, 200), red);
        QCOMPARE(PixelProbe::at(img, 338, 200), grey);
        QCOMPARE(PixelProbe::at(img, 660, 200), red);
        QCOMPARE(PixelProbe::at(img, 661, 200), grey);
        QCOMPARE(PixelProbe::at(img, 500, 39), red);
        QCOMPARE(PixelProbe::at(img, 500, 38), grey);
        QCOMPARE(PixelProbe::at(img, 500, 360), red);
        QCOMPARE(PixelProbe::at(img, 500, 361), grey);
        QCOMPARE(PixelProbe::at(img, 345, 45), grey);
        QCOMPARE(PixelProbe::count(img, red) + PixelProbe::count(img, grey), 1000 * 400);
    }

    void everyShapeInItsBox_data()
    {
        QTest::addColumn<int>("keys");
        for (int k = 0; k < 10; ++k)
            QTest::addRow("%s", qPrintable(GetShapeName(k))) << k;
    }
    void everyShapeInItsBox()
    {
        QFETCH(int, keys);
        ShapesColorsActivity a(AfxGetApp()->m_settings);
        for (int i = 0; i < keys; ++i)
            a.Advance();
        auto view = ActivityProbe::makeView(QSize(1000, 400));
        const QImage img = ActivityProbe::draw(a, *view, false);
        const QColor color = ColorToRGB(a.m_nColor);
        const QRect ink = PixelProbe::boxOf(img, color);
        QVERIFY(!ink.isNull());
        QCOMPARE(PixelProbe::inkBox(img), ink);
        if (a.m_nShape == 3) {
            // The green rectangle fills the whole box.
            QCOMPARE(ink, QRect(99, 39, 802, 322));
            QCOMPARE(PixelProbe::count(img, color), 802 * 322);
        } else {
            QVERIFY(QRect(339, 39, 322, 322).contains(ink));
            QVERIFY(ink.width() > 150);
        }
    }

    void cueDelayAndOrder_data()
    {
        QTest::addColumn<int>("delay");
        QTest::addColumn<bool>("reverse");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("no delay") << 0 << false
                                  << QStringList{"Colors/Red.wav@0", "Shapes/Circle.wav@0"};
        QTest::newRow("delay before the first word only")
            << 2 << false << QStringList{"Colors/Red.wav@2", "Shapes/Circle.wav@0"};
        QTest::newRow("reversed") << 0 << true
                                  << QStringList{"Shapes/Circle.wav@0", "Colors/Red.wav@0"};
        QTest::newRow("reversed with delay")
            << 3 << true << QStringList{"Shapes/Circle.wav@3", "Colors/Red.wav@0"};
    }
    void cueDelayAndOrder()
    {
        QFETCH(int, delay);
        QFETCH(bool, reverse);
        QFETCH(QStringList, expected);
        ShapesColorsActivity a(AfxGetApp()->m_settings);
        AfxGetApp()->m_settings.m_nSoundDelay = delay;
        AfxGetApp()->m_settings.m_bReverseWordOrder = reverse;
        auto view = ActivityProbe::makeView(QSize(300, 200));
        ActivityProbe::draw(a, *view, true);
        QCOMPARE(ActivityProbe::cues(a), expected);
    }

    void cuesCarryFullPaths()
    {
        ShapesColorsActivity a(AfxGetApp()->m_settings);
        auto view = ActivityProbe::makeView(QSize(300, 200));
        ActivityProbe::draw(a, *view, true);
        const std::vector<Activity::Cue> cues = a.takeRequestedCues();
        QCOMPARE(cues.size(), size_t(2));
        QCOMPARE(cues[0].path, TestApp::programFolder() + "/Colors/Red.wav");
        QCOMPARE(cues[1].path, TestApp::programFolder() + "/Shapes/Circle.wav");
    }

    void noCuesWithoutSound()
    {
        ShapesColorsActivity a(AfxGetApp()->m_settings);
        AfxGetApp()->m_settings.m_nSoundDelay = 2;
        auto view = ActivityProbe::makeView(QSize(300, 200));
        const QImage img = ActivityProbe::draw(a, *view, false);
        QVERIFY(ActivityProbe::cues(a).isEmpty());
        QVERIFY(PixelProbe::count(img, QColor(255, 0, 0)) > 1000);
    }
};

POMMELOT_TEST_MAIN(TestShapesColorsActivity)
#include "tst_shapescolorsactivity.moc"
